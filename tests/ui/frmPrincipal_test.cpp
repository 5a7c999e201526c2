// The main window: project lifecycle (new, open, save, the save question, exit),
// the project list, the title, the enabling of save and generate, the menu keys,
// the Generar page and the view menu.
#include "ui/frmPrincipal.h"
#include "ayudas_prueba.h"
#include "pruebas.h"
#include "test_util.h"
#include "ui/pagina_generar.h"

namespace vendaluz {
namespace {

using namespace prueba;

QLineEdit* Nombre(frmPrincipal& w) { return Hallar<QLineEdit>(&w, "txtNombrePro"); }

QStringList EntradasLista(frmPrincipal& w) {
  QStringList nombres;
  for (QAction* a : Hallar<QMenu>(&w, "mnuProyectos")->actions()) nombres << a->text();
  return nombres;
}

void AbrirDeLaLista(frmPrincipal& w, const QString& texto) {
  for (QAction* a : Hallar<QMenu>(&w, "mnuProyectos")->actions()) {
    if (a->text() == texto) return a->trigger();
  }
  QFAIL(qPrintable("la lista de proyectos no tiene " + texto));
}

// Opens the report through abrir and returns its verdict, closing it.
QString Veredicto(const std::function<void()>& abrir) {
  QString estado;
  AlAbrirse([&estado](QWidget* modal) {
    if (modal->objectName() == "frmReporte") estado = Hallar<QLabel>(modal, "lblEstado")->text();
    static_cast<QDialog*>(modal)->reject();
  });
  abrir();
  return estado;
}

void Activar(frmPrincipal& w) {
  w.show();
  w.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&w));
}

// The save question before a new project or the exit, and what each answer does.
struct CasoPregunta {
  const char* nombre;
  const char* accion;  // an action's name, or "cerrar" for the window's close button
  const char* proyecto;
  const char* descripcion;
  std::optional<Respuesta> respuesta;
  const char* archivo;  // answer of the save dialog, under Proyectos; nullptr cancels
  bool preguntado;
  bool sigue;  // a new project is open / the window closed
  bool guardado;
};
// clang-format off
const CasoPregunta kPreguntas[] = {
    {"nuevo, No",            "mnuNuevoPro", "Proyecto1", "",        Respuesta::kNo,       nullptr,         true,  true,  false},
    {"nuevo sin nombre",     "mnuNuevoPro", "",          "",        {},                   nullptr,         false, true,  false},
    {"nuevo con descripción", "mnuNuevoPro", "",         "Muebles", Respuesta::kNo,       nullptr,         true,  true,  false},
    {"nuevo, Sí y Cancelar", "mnuNuevoPro", "Tienda",    "",        Respuesta::kSi,       nullptr,         true,  true,  false},
    {"nuevo, Sí y guardar",  "mnuNuevoPro", "Tienda",    "",        Respuesta::kSi,       "Tienda.ini",    true,  true,  true},
    {"nuevo, Sí y falla",    "mnuNuevoPro", "Tienda",    "",        Respuesta::kSi,       "no/Tienda.ini", true,  false, false},
    {"salir, Cancelar",      "mnuSalir",    "Proyecto1", "",        Respuesta::kCancelar, nullptr,         true,  false, false},
    {"salir, Sí y Cancelar", "cerrar",      "Proyecto1", "",        Respuesta::kSi,       nullptr,         true,  false, false},
    {"salir, Sí y guardar",  "cerrar",      "Tienda",    "",        Respuesta::kSi,       "Tienda.ini",    true,  true,  true},
    {"salir, No",            "mnuSalir",    "Tienda",    "",        Respuesta::kNo,       nullptr,         true,  true,  false},
    {"salir sin nombre",     "cerrar",      "",          "",        {},                   nullptr,         false, true,  false},
};
// clang-format on

}  // namespace

class PruebaPrincipal : public QObject {
  Q_OBJECT

 private slots:
  void arranqueSinCarpetaProyectos() {
    Banco b;
    std::filesystem::remove_all(b.proyectos());
    frmPrincipal w(b.entorno);
    QVERIFY(std::filesystem::is_directory(b.proyectos()));
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Proyecto1"));
    QCOMPARE(w.ProyectoAbierto().camposFormulario.size(), std::size_t{10});
    QCOMPARE(w.ProyectoAbierto().inicio.Carpeta, b.proyectos().string());
    QCOMPARE(w.windowTitle(), QStringLiteral("Vendaluz v1.0 [Proyecto: Proyecto1]"));
    QVERIFY(EntradasLista(w).isEmpty());
    QVERIFY(!Hallar<QAction>(&w, "mnuGenerar")->isEnabled());
    QVERIFY(!Hallar<QPushButton>(&w, "cmdGenerar")->isEnabled());
    QCOMPARE(Hallar<QProgressBar>(&w, "barProgreso")->value(), 0);
    QCOMPARE(Hallar<QLineEdit>(&w, "txtCantProd")->text(), QStringLiteral("10"));
    // The tool bar's "abrir" drops down the project list.
    QCOMPARE(Hallar<QToolButton>(&w, "abrir")->menu(), Hallar<QMenu>(&w, "mnuProyectos"));
    QVERIFY(b.dialogos.llamadas.empty());
  }

  void laPreguntaDeGuardar_data() {
    QTest::addColumn<int>("fila");
    for (int i = 0; i < int(std::size(kPreguntas)); ++i) QTest::newRow(kPreguntas[i].nombre) << i;
  }
  void laPreguntaDeGuardar() {
    QFETCH(int, fila);
    const CasoPregunta& c = kPreguntas[fila];
    Banco b;
    frmPrincipal w(b.entorno);
    w.show();
    Escribir(Nombre(w), QString::fromUtf8(c.proyecto));
    QTest::keyClicks(Hallar<QLineEdit>(&w, "txtDesPro"), c.descripcion);
    if (c.respuesta) b.dialogos.respuestas = {*c.respuesta};
    const auto archivo = b.proyectos() / (c.archivo ? c.archivo : "");
    if (c.respuesta == Respuesta::kSi)
      b.dialogos.archivos = {c.archivo ? AQt(archivo) : std::optional<QString>()};
    const bool salir = c.accion != std::string("mnuNuevoPro");
    if (c.accion == std::string("cerrar")) {
      w.close();
    } else {
      Disparar(&w, c.accion);
    }

    QCOMPARE(b.dialogos.Contar("pregunta"), c.preguntado ? 1 : 0);
    if (c.preguntado) {
      const auto& p = *b.dialogos.Ultima("pregunta");
      QCOMPARE(p.texto, QStringLiteral("¿Guardar los cambios realizados a %1?").arg(c.proyecto));
      QCOMPARE(p.titulo, QStringLiteral("Vendaluz"));
      QCOMPARE(p.icono, Icono::kPregunta);
      QCOMPARE(p.botones, salir ? Botones::kSiNoCancelar : Botones::kSiNo);
    }
    QCOMPARE(b.dialogos.sinRespuesta, 0);
    QCOMPARE(!ListarProyectos(b.proyectos()).empty(), c.guardado);
    if (!c.guardado) QVERIFY(w.RutaActual().empty());
    if (c.guardado) {
      Proyecto leido;
      CargarProyecto(archivo, leido, "/otra");
      QCOMPARE(leido.inicio.Nombre, std::string(c.proyecto));
    }
    const bool falla = c.archivo && !c.guardado;
    QCOMPARE(b.dialogos.Contar("mensaje"), falla ? 1 : 0);
    if (falla) {
      QCOMPARE(b.dialogos.Ultima("mensaje")->icono, Icono::kCritico);
      QCOMPARE(b.dialogos.Ultima("mensaje")->texto,
               "No se pudo guardar el proyecto.\n\nNo se pudo escribir «" + AQt(archivo) +
                   "»: no existe el archivo o la carpeta");
    }
    if (salir) {
      QCOMPARE(w.isVisible(), !c.sigue);
    } else {
      const char* abierto = c.sigue ? "Proyecto2" : c.proyecto;
      QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string(abierto));
      QCOMPARE(Nombre(w)->text(), QString::fromUtf8(abierto));
      QCOMPARE(Hallar<QLineEdit>(&w, "txtDesPro")->text(),
               QString::fromUtf8(c.sigue ? "" : c.descripcion));
    }
  }

  void nuevosProyectosCuentanDesdeUno() {
    Banco b;
    {
      frmPrincipal w(b.entorno);
      Disparar(&w, "mnuNuevoPro");
      QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Proyecto2"));
      Hallar<QToolButton>(&w, "nuevo")->click();
      QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Proyecto3"));
      QCOMPARE(w.windowTitle(), QStringLiteral("Vendaluz v1.0 [Proyecto: Proyecto3]"));
      QCOMPARE(Nombre(w)->text(), QStringLiteral("Proyecto3"));
      QCOMPARE(b.dialogos.Contar("pregunta"), 2);
    }
    // The counter lives for one run of the program.
    frmPrincipal otra(b.entorno);
    QCOMPARE(otra.ProyectoAbierto().inicio.Nombre, std::string("Proyecto1"));
  }

  void guardarEscribeElArchivoYLlenaLaLista() {
    Banco b;
    frmPrincipal w(b.entorno);
    w.show();
    Escribir(Nombre(w), "Tienda");
    b.dialogos.archivos = {AQt(b.proyectos() / "Tienda")};
    QVERIFY(w.GuardarProyecto());
    const auto* dialogo = b.dialogos.Ultima("guardar");
    QCOMPARE(dialogo->inicial, QStringLiteral("Tienda"));
    QCOMPARE(dialogo->carpeta, AQt(b.proyectos()));
    QCOMPARE(dialogo->filtro, QStringLiteral("Proyecto Vendaluz (*.ini)"));
    // A name typed without the extension gets ".ini", so that the list shows it.
    const auto archivo = b.proyectos() / "Tienda.ini";
    QCOMPARE(w.RutaActual(), archivo);
    Proyecto leido;
    CargarProyecto(archivo, leido, "/otra");
    QCOMPARE(leido.inicio.Nombre, std::string("Tienda"));
    QCOMPARE(leido.camposFormulario, w.ProyectoAbierto().camposFormulario);
    QCOMPARE(EntradasLista(w), QStringList{"Tienda"});
    // The bar is full once the file is written and empties on the next tick.
    auto* barra = Hallar<QProgressBar>(&w, "barProgreso");
    QCOMPARE(barra->value(), 100);
    QTRY_COMPARE(barra->value(), 0);
    QVERIFY(!Hallar<QTimer>(&w, "tmrProgreso")->isActive());

    // The file name may differ from the project name; another letter case is kept.
    b.dialogos.archivos = {AQt(b.proyectos() / "Copia.INI")};
    QVERIFY(w.GuardarProyecto());
    QCOMPARE(w.RutaActual(), b.proyectos() / "Copia.INI");
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Tienda"));
    QCOMPARE(EntradasLista(w), (QStringList{"Copia", "Tienda"}));
  }

  void abrirDesdeLaListaDeProyectos() {
    Banco b;
    GuardarProyecto(ProyectoCompleto("Tienda"), b.proyectos() / "Tienda.ini");
    GuardarProyecto(ProyectoCompleto("Copia", 1), b.proyectos() / "Tienda.copia.ini");
    test::Spit(b.proyectos() / "notas.txt", "no es un proyecto");
    frmPrincipal w(b.entorno);
    QCOMPARE(EntradasLista(w), (QStringList{"Tienda", "Tienda.copia"}));
    Escribir(Hallar<QLineEdit>(&w, "txtCantProd"), "15");
    AbrirDeLaLista(w, "Tienda.copia");
    QCOMPARE(b.dialogos.Contar("pregunta"), 1);
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Copia"));
    QCOMPARE(w.ProyectoAbierto().productos.size(), std::size_t{1});
    QCOMPARE(w.RutaActual(), b.proyectos() / "Tienda.copia.ini");
    QCOMPARE(w.windowTitle(), QStringLiteral("Vendaluz v1.0 [Proyecto: Copia]"));
    QCOMPARE(Nombre(w)->text(), QStringLiteral("Copia"));
    // Products per page belong to the run of the program, not to the project.
    QCOMPARE(w.ProyectoAbierto().txtCantProd, std::string("15"));
    QCOMPARE(Hallar<QLineEdit>(&w, "txtCantProd")->text(), QStringLiteral("15"));
    QCOMPARE(Hallar<QLineEdit>(&w, "txtGProyecto")->text(), AQt(b.proyectos() / "Copia"));
    AbrirDeLaLista(w, "Tienda");
    QCOMPARE(w.ProyectoAbierto().productos.size(), std::size_t{2});
  }

  // Cancelled, a file that cannot be read (the project stays), a good file; then
  // from the list a file gone since the list was filled.
  void abrirConElDialogo() {
    Banco b;
    Proyecto largo = ProyectoCompleto("Nombre largo de una tienda de muebles");
    largo.inicio.Descripcion = "Sillas y mesas";
    const auto ruta = b.programa() / "Otra.ini", falta = b.proyectos() / "falta.ini";
    GuardarProyecto(largo, ruta);
    GuardarProyecto(ProyectoCompleto("Tienda"), b.proyectos() / "Tienda.ini");
    frmPrincipal w(b.entorno);
    Escribir(Nombre(w), "Mi tienda");
    b.dialogos.respuestas = {Respuesta::kNo, Respuesta::kNo, Respuesta::kNo};
    b.dialogos.archivos = {std::nullopt, AQt(falta), AQt(ruta)};
    Disparar(&w, "mnuAbrirPro");
    const auto* dialogo = b.dialogos.Ultima("abrir");
    QCOMPARE(dialogo->carpeta, AQt(b.proyectos()));
    QCOMPARE(dialogo->filtro, QStringLiteral("Proyecto Vendaluz (*.ini)"));
    Disparar(&w, "mnuAbrirPro");
    const auto* aviso = b.dialogos.Ultima("mensaje");
    QVERIFY(aviso);
    QCOMPARE(aviso->icono, Icono::kCritico);
    QCOMPARE(aviso->texto, "No se pudo abrir el proyecto.\n\nNo se pudo leer «" + AQt(falta) +
                               "»: no existe el archivo o la carpeta");
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Mi tienda"));
    QCOMPARE(Nombre(w)->text(), QStringLiteral("Mi tienda"));
    QVERIFY(w.RutaActual().empty());

    Disparar(&w, "mnuAbrirPro");
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre, largo.inicio.Nombre);
    QCOMPARE(Nombre(w)->text(), AQt(largo.inicio.Nombre));  // whole, though longer than the box
    QCOMPARE(Hallar<QLineEdit>(&w, "txtDesPro")->text(), QStringLiteral("Sillas y mesas"));
    QCOMPARE(w.RutaActual(), ruta);
    QCOMPARE(b.dialogos.sinRespuesta, 0);

    std::filesystem::remove(b.proyectos() / "Tienda.ini");
    AbrirDeLaLista(w, "Tienda");
    QCOMPARE(b.dialogos.Contar("mensaje"), 2);
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre, largo.inicio.Nombre);
    QVERIFY(EntradasLista(w).isEmpty());
  }

  void tituloYHabilitacionDeGuardarYGenerar() {
    Banco b;
    GuardarProyecto(ProyectoCompleto("Tienda"), b.proyectos() / "Tienda.ini");
    frmPrincipal w(b.entorno);
    w.show();
    auto* marco = Hallar<QGroupBox>(&w, "fraProyecto");
    auto guardar = [&] {
      const bool si = Hallar<QAction>(&w, "mnuGuardarPro")->isEnabled();
      if (Hallar<QToolButton>(&w, "guardar")->isEnabled() != si) qFatal("guardar dividido");
      return si;
    };
    auto generar = [&] {
      const bool si = Hallar<QAction>(&w, "mnuGenerar")->isEnabled();
      if (Hallar<QPushButton>(&w, "cmdGenerar")->isEnabled() != si) qFatal("generar dividido");
      return si;
    };
    auto reporte = [&] { return Veredicto([&] { Disparar(&w, "mnuReporte"); }); };
    QVERIFY(guardar());
    QCOMPARE(marco->title(), QStringLiteral(" Proyecto: Proyecto1 "));

    Escribir(Nombre(w), "");
    QCOMPARE(w.windowTitle(), QStringLiteral("Vendaluz v1.0 [Proyecto: (Sín nombre)]"));
    QCOMPARE(marco->title(), QStringLiteral(" Proyecto: (Sín nombre) "));
    QVERIFY(!guardar());
    QVERIFY(!w.GuardarProyecto());
    QCOMPARE(b.dialogos.Contar("guardar"), 0);
    QTest::keyClicks(Nombre(w), "T");
    QVERIFY(guardar());
    QCOMPARE(w.windowTitle(), QStringLiteral("Vendaluz v1.0 [Proyecto: T]"));

    // Only a complete report opens the way to generation.
    AbrirDeLaLista(w, "Tienda");
    QVERIFY(!generar());
    QCOMPARE(Veredicto([&] { Pulsar(&w, "cmdReporte"); }),
             QStringLiteral("Estado del Proyecto: Completo"));
    QVERIFY(generar());
    // Emptying the name closes it; typing a name again does not open it.
    Escribir(Nombre(w), "");
    QVERIFY(!generar());
    QTest::keyClicks(Nombre(w), "Tienda");
    QVERIFY(!generar());
    QCOMPARE(reporte(), QStringLiteral("Estado del Proyecto: Completo"));
    QVERIFY(generar());
    // A name that cannot name the store's folder makes the report incomplete.
    Escribir(Nombre(w), "uno/dos");
    QCOMPARE(reporte(), QStringLiteral("Estado del Proyecto: Incompleto"));
    QVERIFY(!generar());
    // A new project needs a report of its own.
    Escribir(Nombre(w), "Tienda");
    reporte();
    QVERIFY(generar());
    Disparar(&w, "mnuNuevoPro");
    QVERIFY(!generar());
  }

  // The menu's keys and the tool bar's "generar", which opens the report first.
  void teclasYBarra() {
    Banco b;
    frmPrincipal w(b.entorno);
    Activar(w);
    // Pressed with the focus outside the text boxes, where Ctrl+A selects all.
    auto ctrl = [&](Qt::Key k) {
      return [&w, k] {
        Activar(w);
        Hallar<QTabWidget>(&w, "SSTab")->setFocus();
        QTest::keyClick(&w, k, Qt::ControlModifier);
      };
    };
    QCOMPARE(ModalQueAbre(ctrl(Qt::Key_R)), QStringLiteral("frmReporte"));
    QCOMPARE(ModalQueAbre([&] { Hallar<QToolButton>(&w, "generar")->click(); }),
             QStringLiteral("frmReporte"));
    ctrl(Qt::Key_A)();
    QCOMPARE(b.dialogos.Contar("abrir"), 1);
    ctrl(Qt::Key_N)();
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Proyecto2"));
    ctrl(Qt::Key_S)();  // "Salir": the question is answered Cancelar
    QCOMPARE(b.dialogos.Ultima("pregunta")->botones, Botones::kSiNoCancelar);
    QVERIFY(w.isVisible());
  }

  void elNombreSeSeleccionaAlRecibirElFoco() {
    Banco b;
    frmPrincipal w(b.entorno);
    Activar(w);
    Hallar<QLineEdit>(&w, "txtDesPro")->setFocus();
    QTest::mouseClick(Nombre(w), Qt::LeftButton);
    QTRY_COMPARE(Nombre(w)->selectedText(), QStringLiteral("Proyecto1"));
  }

  void paginaGenerarMuestraLasCarpetas() {
    Banco b;
    frmPrincipal w(b.entorno);
    Escribir(Nombre(w), "Tienda");
    auto* proyecto = Hallar<QLineEdit>(&w, "txtGProyecto");
    auto* imagenes = Hallar<QLineEdit>(&w, "txtGImagenes");
    auto* thumbs = Hallar<QLineEdit>(&w, "txtGThumbs");
    QCOMPARE(proyecto->text(), QString());  // filled when the page is shown
    Hallar<QTabWidget>(&w, "SSTab")->setCurrentIndex(6);
    const auto salida = b.proyectos() / "Tienda";
    QCOMPARE(proyecto->text(), AQt(salida));
    QCOMPARE(imagenes->text(), AQt(salida / "imagenes"));
    QCOMPARE(thumbs->text(), AQt(salida / "thumbnails"));
    QVERIFY(imagenes->isEnabled() && thumbs->isEnabled());
    Pulsar(&w, "cheImagen");
    QCOMPARE(w.ProyectoAbierto().productosImagen, 0);
    QVERIFY(imagenes->text().isEmpty() && thumbs->text().isEmpty());
    QVERIFY(!imagenes->isEnabled() && !thumbs->isEnabled());
    Pulsar(&w, "cheImagen");
    QCOMPARE(imagenes->text(), AQt(salida / "imagenes"));
    QVERIFY(imagenes->isEnabled());
    Disparar(&w, "mnuNuevoPro");
    QCOMPARE(proyecto->text(), AQt(b.proyectos() / "Proyecto2"));
  }

  void abrirUnArchivoGenerado() {
    Banco b;
    frmPrincipal w(b.entorno);
    const auto carpeta = b.programa() / "otra-tienda";
    std::filesystem::create_directories(carpeta / "imagenes");
    test::Spit(carpeta / "carrito.htm", "x");
    test::Spit(carpeta / "estado.htm", "x");
    Hallar<PaginaGenerar>(&w, "Bloque6")->MostrarGenerados(carpeta);
    auto* lista = Hallar<QListWidget>(&w, "flbGenerados");
    QCOMPARE(lista->count(), 2);  // files only
    lista->setCurrentRow(1);
    QTest::keyClick(lista, Qt::Key_Return);
    QCOMPARE(b.abridor.abiertos, std::vector<std::string>{(carpeta / "estado.htm").string()});
    Disparar(&w, "mnuNuevoPro");
    QCOMPARE(lista->count(), 0);
  }

  void ocultarLasBarrasConservaLaAltura() {
    Banco b;
    frmPrincipal w(b.entorno);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* contenido = Hallar<QTabWidget>(&w, "SSTab");
    QTRY_VERIFY(contenido->height() > 0);
    const int altoVentana = w.height();
    const int altoContenido = contenido->height();
    for (const char* accion : {"mnuBarraEstado", "mnuVerBarra"}) {
      auto* a = Hallar<QAction>(&w, accion);
      for (bool visible : {false, true}) {
        a->trigger();
        QCOMPARE(a->isChecked(), visible);
        QTRY_COMPARE(w.height() < altoVentana, !visible);
        QTRY_COMPARE(contenido->height(), altoContenido);
      }
      QTRY_COMPARE(w.height(), altoVentana);
    }
    Disparar(&w, "mnuBarraEstado");
    QVERIFY(!w.statusBar()->isVisible());
    Disparar(&w, "mnuVerBarra");
    QVERIFY(!Hallar<QToolBar>(&w, "tbBarra")->isVisible());
  }
};

}  // namespace vendaluz

QObject* CrearPruebaPrincipal() { return new vendaluz::PruebaPrincipal; }

#include "frmPrincipal_test.moc"
