// The main window: project lifecycle (new, open, save, the save question, exit), the
// project list, the title, the enabling of save and generate, the Generar page and the
// view menu. Menu entries, tool-bar buttons and keys take turns as triggers.
#include "ui/frmPrincipal.h"
#include "ayudas_prueba.h"
#include "pruebas.h"
#include "test_util.h"
#include "ui/campo_ruta.h"

namespace vendaluz {
namespace {

using namespace prueba;

QLineEdit* Nombre(frmPrincipal& w) { return Hallar<QLineEdit>(&w, "txtNombrePro"); }

QString Titulo(const QString& proyecto) {
  return QStringLiteral("Vendaluz v1.0 [Proyecto: %1]").arg(proyecto);
}

QStringList EntradasLista(frmPrincipal& w) {
  QStringList nombres;
  for (QAction* a : Hallar<QMenu>(&w, "mnuProyectos")->actions()) nombres << a->text();
  return nombres;
}

void AbrirDeLaLista(frmPrincipal& w, const QString& texto) {
  const int i = EntradasLista(w).indexOf(texto);
  QVERIFY2(i >= 0, qPrintable("la lista de proyectos no tiene " + texto));
  Hallar<QMenu>(&w, "mnuProyectos")->actions()[i]->trigger();
}

// Chooses accion: "cerrar" (the window's close button), a key ("Ctrl+N"), a button
// ("nuevo") or a menu entry ("mnuSalir").
void Hacer(frmPrincipal& w, const QString& accion) {
  if (accion == "cerrar") {
    w.close();
  } else if (accion.startsWith("Ctrl+")) {
    Ctrl(w, Qt::Key(accion.back().unicode()));
  } else if (auto* boton = w.findChild<QAbstractButton*>(accion)) {
    boton->click();
  } else {
    Disparar(&w, accion);
  }
}

// The save question before a new project or the exit: asked only when the project has
// changes, always with Cancelar; a cancelled or failed save stops the command.
struct CasoPregunta {
  const char* nombre;    // "nuevo…" or "salir…"
  const char* accion;    // see Hacer
  const char* proyecto;  // typed as the name; "Proyecto1" changes nothing
  const char* descripcion;
  std::optional<Respuesta> respuesta;  // to the question; none when it must not be asked
  const char* archivo;  // answer of the save dialog, under Proyectos; nullptr cancels
  bool sigue;           // a new project is open / the window closed
  bool guardado;
};
// clang-format off
const CasoPregunta kPreguntas[] = {
    {"nuevo sin cambios",     "Ctrl+N",      "Proyecto1", "",        {},                   nullptr,         true,  false},
    {"nuevo, No",             "nuevo",       "Tienda",    "",        Respuesta::kNo,       nullptr,         true,  false},
    {"nuevo con descripción", "mnuNuevoPro", "",          "Muebles", Respuesta::kNo,       nullptr,         true,  false},
    {"nuevo, Cancelar",       "Ctrl+N",      "Tienda",    "",        Respuesta::kCancelar, nullptr,         false, false},
    {"nuevo, Sí y Cancelar",  "mnuNuevoPro", "Tienda",    "",        Respuesta::kSi,       nullptr,         false, false},
    {"nuevo, Sí y guardar",   "mnuNuevoPro", "Tienda",    "",        Respuesta::kSi,       "Tienda.ini",    true,  true},
    {"nuevo, Sí y falla",     "mnuNuevoPro", "Tienda",    "",        Respuesta::kSi,       "no/Tienda.ini", false, false},
    {"salir, Cancelar",       "Ctrl+S",      "Tienda",    "",        Respuesta::kCancelar, nullptr,         false, false},
    {"salir, Sí y Cancelar",  "cerrar",      "Tienda",    "",        Respuesta::kSi,       nullptr,         false, false},
    {"salir, Sí y guardar",   "cerrar",      "Tienda",    "",        Respuesta::kSi,       "Tienda.ini",    true,  true},
    {"salir, No",             "mnuSalir",    "Tienda",    "",        Respuesta::kNo,       nullptr,         true,  false},
    {"salir sin cambios",     "cerrar",      "Proyecto1", "",        {},                   nullptr,         true,  false},
};
// clang-format on

// One control of each kind, what a user puts in it (typed, chosen or clicked) and the project's
// member it must reach, as it must read afterwards; controls whose member sets what is enabled
// are left to the tests of that. Rows may need those above.
std::string N(int i) { return std::to_string(i); }
const struct {
  const char *control, *valor, *queda;
  std::string (*leer)(const Proyecto&);
} kControles[] = {
    {"txtNombrePro", "Tienda", "Tienda", [](const Proyecto& p) { return p.inicio.Nombre; }},
    {"txtDesPro", "Sillas", "Sillas", [](const Proyecto& p) { return p.inicio.Descripcion; }},
    {"txtCantProd", "a1b234", "12", [](const Proyecto& p) { return p.txtCantProd; }},
    {"cboFuente", "Arial", "Arial", [](const Proyecto& p) { return p.formato.Fuente; }},
    {"cheInTexto2", "", "1", [](const Proyecto& p) { return N(p.formato.IncluirTexto[2]); }},
    {"txtInTexto2", "Pago", "Pago", [](const Proyecto& p) { return p.formato.Texto[2]; }},
    {"cheIncluirMetas", "", "0", [](const Proyecto& p) { return N(p.metaTags.Incluir); }},
    {"cheValidar", "", "0", [](const Proyecto& p) { return N(p.formularioValidar); }},
    {"txtEmail", "a@b.es", "a@b.es", [](const Proyecto& p) { return p.correoEmail; }},
    {"txtRedireccionar", "http://x.es", "http://x.es",
     [](const Proyecto& p) { return p.servidor.Redireccionar; }},
    {"opSS2", "", "1", [](const Proyecto& p) { return N(p.servidor.SSL); }},
    {"cheAmex", "", "0", [](const Proyecto& p) { return N(p.tajetas.Amex); }},
    {"cheTasa", "", "1", [](const Proyecto& p) { return N(p.cheTasa); }},
    {"txtTasa", "7,5.25", "75.25", [](const Proyecto& p) { return p.txtTasa; }},
    {"txtSimbolo", "US$", "US$", [](const Proyecto& p) { return p.moneda.Simbolo; }},
    {"txtCodigo", "eur1", "EUR", [](const Proyecto& p) { return p.moneda.Codigo; }},
    {"cboFormato", "1,234.56 US$", "1 0 1",
     [](const Proyecto& p) {
       return N(p.moneda.SimboloDespues) + " " + N(p.moneda.ComaDecimal) + " " + N(p.moneda.Miles);
     }},
    {"cheSimboloEnTodos", "", "1", [](const Proyecto& p) { return N(p.moneda.SimboloEnTodos); }},
    {"txtGratisDesde", "60,5", "60.5", [](const Proyecto& p) { return p.envio.GratisDesde; }},
};

}  // namespace

class PruebaPrincipal : public QObject {
  Q_OBJECT

 private slots:
  // Without a Proyectos folder the window makes it and opens Proyecto1 there. Saving
  // needs a name; only a complete report opens the way to generation, and emptying
  // the name or a new project closes it again.
  void arranqueTituloYHabilitacion() {
    Banco b;
    std::filesystem::remove_all(b.proyectos());
    frmPrincipal w(b.entorno);
    QVERIFY(std::filesystem::is_directory(b.proyectos()));
    QCOMPARE(w.ProyectoAbierto().inicio.Carpeta, b.proyectos().string());
    QCOMPARE(w.windowTitle(), Titulo("Proyecto1"));
    QVERIFY(EntradasLista(w).isEmpty());
    QVERIFY(b.dialogos.llamadas.empty());
    // A click in the name selects it.
    Activar(w);
    Hallar(&w, "txtDesPro")->setFocus();
    QTest::mouseClick(Nombre(w), Qt::LeftButton);
    QTRY_COMPARE(Nombre(w)->selectedText(), QStringLiteral("Proyecto1"));

    // Saving and generating, each as its menu entry and its button.
    auto habilitados = [&] {
      return Habilitados(&w, {"mnuGuardarPro", "guardar", "mnuGenerar", "cmdGenerar"});
    };
    auto reporte = [&](const char* accion) {
      QCOMPARE(ModalQueAbre([&] { Hacer(w, accion); }), QStringLiteral("frmReporte"));
    };
    GuardarProyecto(ProyectoCompleto("Tienda"), b.programa() / "Tienda.ini");
    w.AbrirDeLista(b.programa() / "Tienda.ini");
    QCOMPARE(habilitados(), "1100");
    reporte("generar");  // the tool bar's "generar" shows the report first
    QCOMPARE(habilitados(), "1111");
    // A change shows as "*" after the name, and goes when the name is as the file has it.
    Escribir(Nombre(w), "");
    QCOMPARE(w.windowTitle(), Titulo("(Sin nombre)*"));
    QCOMPARE(Hallar<QGroupBox>(&w, "fraProyecto")->title(),
             QStringLiteral(" Proyecto: (Sin nombre) "));
    QCOMPARE(habilitados(), "0000");
    QVERIFY(!w.GuardarProyecto());
    QCOMPARE(b.dialogos.Contar("guardar"), 0);
    QTest::keyClicks(Nombre(w), "Tienda");
    QCOMPARE(w.windowTitle(), Titulo("Tienda"));
    QCOMPARE(habilitados(), "1100");
    // A name that cannot name the store's folder makes the report incomplete.
    for (auto [accion, nombre] :
         {std::pair{"Ctrl+R", "Tienda"}, {"mnuReporte", ".."}, {"cmdReporte", "Tienda"}}) {
      Escribir(Nombre(w), nombre);
      reporte(accion);
      QCOMPARE(habilitados(), QString(nombre) == "Tienda" ? "1111" : "1100");
    }
    // The name box refuses, typed or pasted, what a folder name cannot hold, with a beep and a line
    // that says why, until the next edit it takes; a name read from a file can still be edited.
    auto* aviso = Hallar<QLabel>(&w, "lblAvisoNombre");
    QTest::keyClicks(Nombre(w), "/");
    QGuiApplication::clipboard()->setText("a\\b");
    QTest::keySequence(Nombre(w), QKeySequence::Paste);
    QCOMPARE(Nombre(w)->text() + " " + aviso->text(),
             "Tienda El nombre no puede contener «\\»: es el nombre de la carpeta de la tienda.");
    QVERIFY(!aviso->isHidden() && b.dialogos.Contar("pitido") == 2);
    QTest::keyClicks(Nombre(w), "s");
    QVERIFY(aviso->isHidden());
    GuardarProyecto(ProyectoCompleto("uno/dos"), b.programa() / "Barra.ini");
    b.dialogos.respuestas = {Respuesta::kNo, Respuesta::kNo};  // here and for the new project
    w.AbrirDeLista(b.programa() / "Barra.ini");
    QTest::keyClicks(Nombre(w), "s");
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre + std::to_string(b.dialogos.Contar("pitido")),
             std::string("uno/doss2"));
    Disparar(&w, "mnuNuevoPro");
    QCOMPARE(habilitados(), "1100");
    QCOMPARE(w.windowTitle(), Titulo("Proyecto2"));
    // The count of new projects is the window's own.
    QCOMPARE(frmPrincipal(b.entorno).windowTitle(), Titulo("Proyecto1"));
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
    const bool salir = QString(c.nombre).startsWith("salir");
    Hacer(w, c.accion);

    QCOMPARE(b.dialogos.Contar("pregunta"), c.respuesta ? 1 : 0);
    if (c.respuesta) {
      const auto& p = *b.dialogos.Ultima("pregunta");
      const QString nombre = *c.proyecto ? QString::fromUtf8(c.proyecto) : "(Sin nombre)";
      QCOMPARE(p.texto, QStringLiteral("¿Guardar los cambios realizados a %1?").arg(nombre));
      QCOMPARE(p.botones, Botones::kSiNoCancelar);
    }
    QCOMPARE(b.dialogos.sinRespuesta, 0);
    QCOMPARE(EntradasLista(w), c.guardado ? QStringList{c.proyecto} : QStringList());
    const bool falla = c.archivo && !c.guardado;
    QCOMPARE(b.dialogos.Contar("mensaje"), falla ? 1 : 0);
    if (falla) {
      QCOMPARE(b.dialogos.Ultima("mensaje")->texto,
               "No se pudo guardar el proyecto.\n\nNo se pudo escribir «" + AQt(archivo) +
                   "»: no existe el archivo o la carpeta");
    }
    if (salir) {
      QCOMPARE(w.isVisible(), !c.sigue);
    } else {
      QCOMPARE(Nombre(w)->text(), QString::fromUtf8(c.sigue ? "Proyecto2" : c.proyecto));
      QCOMPARE(Hallar<QLineEdit>(&w, "txtDesPro")->text(),
               QString::fromUtf8(c.sigue ? "" : c.descripcion));
    }
  }

  // Saving adds ".ini" unless the name has it in any letter case; the save dialog starts at
  // the project's file, and refuses a store's folder. Opening asks to save first only after
  // a change; a file that cannot be read (or is gone since the list was filled) is named
  // with the cause and the open project stays. The tax and products per page are the file's.
  void guardarYAbrir() {
    Banco b;
    Proyecto largo = ProyectoCompleto("Nombre largo de una tienda de muebles");
    largo.inicio.Descripcion = "Sillas y mesas";
    largo.cheTasa = 1;
    largo.txtTasa = "21";
    largo.txtCantProd = "7";
    const auto otra = b.programa() / "Otra.ini", falta = b.proyectos() / "falta.ini";
    GuardarProyecto(largo, otra);
    frmPrincipal w(b.entorno);
    Escribir(Nombre(w), "Tienda");
    Escribir(Hallar<QLineEdit>(&w, "txtCantProd"), "15");
    b.dialogos.archivos = {AQt(b.proyectos() / "Tienda"), AQt(b.proyectos() / "Copia.INI"),
                           std::nullopt, AQt(falta), AQt(otra)};
    QCOMPARE(w.windowTitle(), Titulo("Tienda*"));
    QVERIFY(w.GuardarProyecto());
    auto dialogo = [&] {
      return b.dialogos.Ultima("guardar")->carpeta + " " + b.dialogos.Ultima("guardar")->inicial;
    };
    QCOMPARE(dialogo(), AQt(b.proyectos()) + " Tienda");
    QCOMPARE(w.RutaActual(), b.proyectos() / "Tienda.ini");
    QCOMPARE(w.windowTitle(), Titulo("Tienda"));
    QCOMPARE(w.statusBar()->currentMessage(), "Proyecto guardado en " + AQt(w.RutaActual()));
    QCOMPARE(EntradasLista(w), QStringList{"Tienda"});
    // The bar shows full once the file is written, and goes on the next tick.
    auto* barra = Hallar<QProgressBar>(&w, "barProgreso");
    auto* sitio = Hallar<QAction>(&w, "accionProgreso");
    QCOMPARE(barra->value() + sitio->isVisible(), 101);
    QTRY_COMPARE(barra->value() + sitio->isVisible(), 0);
    Hacer(w, "guardar");
    QCOMPARE(dialogo(), AQt(b.proyectos()) + " Tienda.ini");
    QCOMPARE(w.RutaActual(), b.proyectos() / "Copia.INI");
    QCOMPARE(EntradasLista(w), (QStringList{"Copia", "Tienda"}));

    Hacer(w, "Ctrl+A");
    Hacer(w, "mnuAbrirPro");
    QCOMPARE(b.dialogos.Contar("mensaje"), 1);
    QVERIFY(b.dialogos.Ultima("mensaje")->texto.startsWith(
        "No se pudo abrir el proyecto.\n\nNo se pudo leer «" + AQt(falta)));
    QCOMPARE(w.RutaActual(), b.proyectos() / "Copia.INI");
    Hacer(w, "abrir");
    QCOMPARE(Nombre(w)->text(), AQt(largo.inicio.Nombre));  // whole, though longer than the box
    QCOMPARE(Hallar<QLineEdit>(&w, "txtDesPro")->text(), QStringLiteral("Sillas y mesas"));
    QCOMPARE(w.RutaActual(), otra);
    QCOMPARE(Habilitados(&w, {"cheTasa"}) + " " + Hallar<QLineEdit>(&w, "txtTasa")->text() + " " +
                 Hallar<QLineEdit>(&w, "txtCantProd")->text(),
             "1 21 7");
    QCOMPARE(b.dialogos.Contar("pregunta"), 0);  // nothing changed since each save or open

    Escribir(Hallar<QLineEdit>(&w, "txtDesPro"), "Otra cosa");
    b.dialogos.respuestas = {Respuesta::kNo};
    AbrirDeLaLista(w, "Tienda");
    QCOMPARE(b.dialogos.Contar("pregunta"), 1);
    QCOMPARE(w.RutaActual(), b.proyectos() / "Tienda.ini");
    QCOMPARE(Hallar<QLineEdit>(&w, "txtCantProd")->text(), QStringLiteral("15"));
    QCOMPARE(Hallar<QLineEdit>(&w, "txtGProyecto")->toolTip(), AQt(b.proyectos() / "Tienda"));
    std::filesystem::remove(b.proyectos() / "Copia.INI");
    AbrirDeLaLista(w, "Copia");
    QCOMPARE(b.dialogos.Contar("mensaje"), 2);
    QCOMPARE(w.RutaActual(), b.proyectos() / "Tienda.ini");
    QCOMPARE(EntradasLista(w), QStringList{"Tienda"});

    const auto tienda = b.proyectos() / "Tienda";
    test::Spit(tienda / "carrito.htm", "");
    b.dialogos.archivos = {AQt(tienda / "Tienda.ini")};
    Hacer(w, "guardar");
    QCOMPARE(b.dialogos.Ultima("mensaje")->texto,
             "No se guardó el proyecto: «" + AQt(tienda) +
                 "» es la carpeta de una tienda generada, que cada generación reemplaza. "
                 "Guárdelo en otra carpeta, por ejemplo «" +
                 AQt(b.proyectos()) + "».");
    QVERIFY(!std::filesystem::exists(tienda / "Tienda.ini"));
    QCOMPARE(w.RutaActual(), b.proyectos() / "Tienda.ini");
  }

  void cadaControlLlegaAlProyecto() {
    Banco b;
    frmPrincipal w(b.entorno);
    for (const auto& c : kControles) {
      QWidget* widget = Hallar(&w, c.control);
      const QString valor = QString::fromUtf8(c.valor);
      if (auto* caja = qobject_cast<QLineEdit*>(widget)) {
        Escribir(caja, valor);
      } else if (auto* texto = qobject_cast<QPlainTextEdit*>(widget)) {
        texto->setPlainText(valor);
      } else if (auto* lista = qobject_cast<QComboBox*>(widget)) {
        lista->setCurrentText(valor);  // then, as choosing it does:
        emit lista->activated(lista->currentIndex());
        emit lista->textActivated(lista->currentText());
      } else {
        static_cast<QAbstractButton*>(widget)->click();
      }
      const QString control = QString(c.control) + ": ";  // names the failing row
      QCOMPARE(control + AQt(c.leer(w.ProyectoAbierto())), control + QString::fromUtf8(c.queda));
    }
  }

  // The page shows the store's folders (the pictures' ones enabled) when it is shown, when pictures
  // are switched off and for a new project (the list of a run's files is tested with the run).
  void paginaGenerar() {
    Banco b;
    frmPrincipal w(b.entorno);
    Escribir(Nombre(w), "Tienda");
    auto carpetas = [&] {
      QString s = Habilitados(&w, {"txtGImagenes", "txtGThumbs"});
      for (const char* c : {"txtGProyecto", "txtGImagenes", "txtGThumbs"}) {
        s += " " + Hallar<QLineEdit>(&w, c)->toolTip();
      }
      return s;
    };
    Hallar<QTabWidget>(&w, "SSTab")->setCurrentIndex(6);
    const QString salida = AQt(b.proyectos() / "Tienda");
    QCOMPARE(carpetas(), "11 " + salida + " " + salida + "/imagenes " + salida + "/thumbnails");
    Pulsar(&w, "cheImagen");
    QCOMPARE(carpetas(), "00 " + salida + "  ");
    b.dialogos.respuestas = {Respuesta::kNo};
    Disparar(&w, "mnuNuevoPro");
    QCOMPARE(Hallar<QLineEdit>(&w, "txtGProyecto")->toolTip(), AQt(b.proyectos() / "Proyecto2"));
    // Too long for its box, a path is elided in the middle: its start and its folder show.
    CampoRuta campo;
    campo.PonerRuta("/home/usuario/Documentos/Vendaluz/Proyectos/Muebles Ñandú");
    campo.resize(160, campo.sizeHint().height());
    campo.show();
    QTRY_VERIFY(campo.text().startsWith("/ho") && campo.text().contains(QChar(0x2026)) &&
                campo.text().endsWith("dú"));
  }

  // The Proyecto menu (also the product list's context menu) imports a spreadsheet's
  // products, replacing or appending them as answered, or lists the file's errors and
  // changes nothing; it exports the list as the file that an import reads.
  void productosDeUnaHoja() {
    Banco b;
    GuardarProyecto(ProyectoCompleto("Tienda"), b.proyectos() / "Tienda.ini");
    frmPrincipal w(b.entorno);
    w.AbrirDeLista(b.proyectos() / "Tienda.ini");
    const auto hoja = b.proyectos() / "hoja.csv", mala = b.proyectos() / "mala.csv";
    test::Spit(hoja, "Nombre;Precio\r\nMesa;3\r\n");
    test::Spit(mala, "Nombre;Precio\nSilla;doce\nMesa;\n");
    auto* lista = Hallar<QTreeView>(&w, "lstCarrito");
    lista->setCurrentIndex(lista->model()->index(1, 0));
    auto productos = [&] {  // the list shown anew selects its first row
      QString s = QString::number(lista->currentIndex().row());
      for (const Producto& p : w.ProyectoAbierto().productos) s += " " + AQt(p.Nombre);
      return s;
    };
    const auto acciones = Hallar<QMenu>(&w, "mnuProyecto")->actions();
    QVERIFY(acciones.contains(Hallar<QAction>(&w, "mnuImportarProductos")) &&
            acciones.contains(Hallar<QAction>(&w, "mnuExportarProductos")));
    b.dialogos.archivos = {AQt(mala), AQt(hoja), AQt(hoja), AQt(hoja)};
    b.dialogos.respuestas = {Respuesta::kCancelar, Respuesta::kNo, Respuesta::kSi};
    Disparar(&w, "mnuImportarProductos");
    QCOMPARE(b.dialogos.Ultima("abrir")->carpeta, AQt(b.proyectos()));
    QCOMPARE(b.dialogos.Ultima("mensaje")->texto,
             "No se importó ningún producto de «" + AQt(mala) +
                 "»:\n\nLínea 2, columna Precio: «doce» no es un precio.\n"
                 "Línea 3, columna Precio: falta el precio.");
    Disparar(&w, "mnuImportarProductos");
    QCOMPARE(b.dialogos.Ultima("pregunta")->texto,
             "¿Reemplazar los 2 productos del proyecto o agregar los nuevos al final?");
    QCOMPARE(b.dialogos.Ultima("pregunta")->botones, Botones::kReemplazarAgregarCancelar);
    QCOMPARE(productos() + " " + w.windowTitle(), "1 Silla 1 Silla 2 " + Titulo("Tienda"));
    Disparar(&w, "mnuImportarProductos");
    QCOMPARE(productos() + " " + w.windowTitle(), "0 Silla 1 Silla 2 Mesa " + Titulo("Tienda*"));
    QCOMPARE(w.statusBar()->currentMessage(), "Se importó 1 producto de «" + AQt(hoja) + "».");
    lista->setCurrentIndex(lista->model()->index(2, 0));
    Disparar(&w, "mnuImportarProductos");
    QCOMPARE(productos(), "0 Mesa");
    QCOMPARE(b.dialogos.sinRespuesta, 0);

    const auto copia = b.proyectos() / "copia.csv", falla = b.proyectos() / "no" / "x.csv";
    b.dialogos.archivos = {AQt(b.proyectos() / "copia"), AQt(falla)};
    Disparar(&w, "mnuExportarProductos");
    QCOMPARE(b.dialogos.Ultima("guardar")->inicial, QStringLiteral("Tienda.csv"));
    QCOMPARE(test::Slurp(copia), "\xEF\xBB\xBFNombre;Precio;Descripción;Imagen\r\nMesa;3,00;;\r\n");
    QCOMPARE(w.statusBar()->currentMessage(), "Se exportó 1 producto a «" + AQt(copia) + "».");
    Disparar(&w, "mnuExportarProductos");
    QCOMPARE(b.dialogos.Ultima("mensaje")->texto,
             "No se pudieron exportar los productos.\n\nNo se pudo escribir «" + AQt(falla) +
                 "»: no existe el archivo o la carpeta");
  }

  // Hiding a bar shrinks the window by its height, so the pages keep theirs.
  void ocultarLasBarrasConservaLaAltura() {
    Banco b;
    frmPrincipal w(b.entorno);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* contenido = Hallar<QTabWidget>(&w, "SSTab");
    QTRY_VERIFY(contenido->height() > 0);
    const int altoVentana = w.height(), altoContenido = contenido->height();
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
  }
};

}  // namespace vendaluz

QObject* CrearPruebaPrincipal() { return new vendaluz::PruebaPrincipal; }

#include "frmPrincipal_test.moc"
