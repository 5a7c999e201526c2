// The main window: project lifecycle (new, open, save, the save question, exit),
// the project list, the title, the enabling of save and generate, the Generar page,
// the progress animation and the view menu.
#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "ayudas_prueba.h"
#include "model/archivo_proyecto.h"
#include "pruebas.h"
#include "test_util.h"
#include "ui/frmPrincipal.h"
#include "ui/pagina_generar.h"

namespace vendaluz {
namespace {

using prueba::AlAbrirse;
using prueba::Banco;

template <typename T>
T* Hallar(QObject* raiz, const char* nombre) {
  T* hallado = raiz->findChild<T*>(QString::fromLatin1(nombre));
  if (!hallado) qFatal("no hay control %s", nombre);
  return hallado;
}

// Replaces the project name as a user does: select all, then type.
void EscribirNombre(frmPrincipal& w, const QString& nombre) {
  auto* txt = Hallar<QLineEdit>(&w, "txtNombrePro");
  txt->selectAll();
  QTest::keyClick(txt, Qt::Key_Backspace);
  QTest::keyClicks(txt, nombre);
}

QStringList EntradasLista(frmPrincipal& w) {
  QStringList nombres;
  for (QAction* a : Hallar<QMenu>(&w, "mnuProyectos")->actions()) nombres << a->text();
  return nombres;
}

QAction* EntradaLista(frmPrincipal& w, const QString& texto) {
  for (QAction* a : Hallar<QMenu>(&w, "mnuProyectos")->actions()) {
    if (a->text() == texto) return a;
  }
  qFatal("la lista de proyectos no tiene %s", qPrintable(texto));
}

// A project the report finds complete.
Proyecto ProyectoCompleto(const std::string& nombre) {
  Proyecto p;
  ContadorProyectos c;
  NuevoProyecto(p, c, "/tmp");
  p.inicio.Nombre = nombre;
  p.productos = {{"Silla", "25.00", "De pino", ""}, {"Mesa", "80.00", "", ""}};
  p.servidor.Redireccionar = "http://www.example.com/gracias.htm";
  p.correoEmail = "ventas@example.com";
  return p;
}

// Opens the report from trigger and returns its verdict text, closing it.
QString VeredictoDelReporte(const std::function<void()>& abrir) {
  QString estado;
  AlAbrirse([&estado](QWidget* modal) {
    if (modal->objectName() == "frmReporte") {
      estado = Hallar<QLabel>(modal, "lblEstado")->text();
    }
    static_cast<QDialog*>(modal)->reject();
  });
  abrir();
  return estado;
}

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
    QVERIFY(Hallar<QAction>(&w, "mnuVerBarra")->isChecked());
    QVERIFY(Hallar<QAction>(&w, "mnuBarraEstado")->isChecked());
    auto* barra = Hallar<QProgressBar>(&w, "barProgreso");
    QCOMPARE(barra->minimum(), 0);
    QCOMPARE(barra->maximum(), 100);
    QCOMPARE(barra->value(), 0);
    QCOMPARE(Hallar<QLineEdit>(&w, "txtCantProd")->text(), QStringLiteral("10"));
    QVERIFY(b.dialogos.llamadas.empty());
  }

  void menusYBarraConSusTeclas() {
    Banco b;
    frmPrincipal w(b.entorno);
    QStringList menus;
    for (QAction* a : w.menuBar()->actions()) menus << a->text();
    QCOMPARE(menus, (QStringList{"&Archivo", "&Proyecto", "&Ver", "Ay&uda"}));

    struct Entrada {
      const char* nombre;
      const char* texto;
      const char* tecla;
    };
    const Entrada entradas[] = {
        {"mnuNuevoPro", "&Nuevo Proyecto", "Ctrl+N"},
        {"mnuAbrirPro", "&Abrir Proyecto", "Ctrl+A"},
        {"mnuGuardarPro", "Guardar como...", ""},
        {"mnuSalir", "&Salir", "Ctrl+S"},
        {"mnuHojaEstilo", "Hoja de Estilo", ""},
        {"mnuCamposOcultos", "Campos Ocultos", ""},
        {"mnuCGI", "CGI", ""},
        {"mnuASP", "ASP", ""},
        {"mnuImagenes", "Imágenes", ""},
        {"mnuPopup", "Ventana Pop-ip", ""},
        {"mnuReporte", "&Reporte", "Ctrl+R"},
        {"mnuGenerar", "&Generar Proyecto", "Ctrl+G"},
        {"mnuVerBarra", "Barra de Herramientas", ""},
        {"mnuBarraEstado", "Barra de Estado", ""},
        {"mnuAyuda", "Archivo de Ayuda", ""},
        {"mnuAcerca", "Acerca de...", ""},
    };
    for (const Entrada& e : entradas) {
      auto* a = Hallar<QAction>(&w, e.nombre);
      QCOMPARE(a->text(), QString::fromUtf8(e.texto));
      QCOMPARE(a->shortcut(), QKeySequence(QString::fromLatin1(e.tecla)));
    }

    // One action serves a menu entry and its tool-bar button: the same tool tip,
    // and disabling one disables the other.
    const std::pair<const char*, const char*> botones[] = {
        {"nuevo", "Nuevo Proyecto"},
        {"abrir", "Abrir Proyecto"},
        {"guardar", "Guardar Proyecto"},
        {"generar", "Generar Proyecto"},
        {"ayuda", "Ayuda"},
        {"acerca", "Acerca de"},
    };
    for (const auto& [clave, ayuda] : botones) {
      QCOMPARE(Hallar<QToolButton>(&w, clave)->defaultAction()->toolTip(),
               QString::fromUtf8(ayuda));
    }
    QCOMPARE(Hallar<QToolButton>(&w, "guardar")->defaultAction(),
             Hallar<QAction>(&w, "mnuGuardarPro"));
    auto* abrir = Hallar<QToolButton>(&w, "abrir");
    QCOMPARE(abrir->menu(), Hallar<QMenu>(&w, "mnuProyectos"));
    QCOMPARE(abrir->popupMode(), QToolButton::MenuButtonPopup);

    QStringList paginas;
    auto* tab = Hallar<QTabWidget>(&w, "SSTab");
    for (int i = 0; i < tab->count(); ++i) paginas << tab->tabText(i);
    QCOMPARE(paginas, (QStringList{" Inicio ", " Formato ", " Meta Tags ", " Carrito ",
                                   " Formulario ", " Servidor ", " Generar "}));
  }

  void nuevosProyectosCuentanDesdeUno() {
    Banco b;
    {
      frmPrincipal w(b.entorno);
      b.dialogos.respuestas = {Respuesta::kNo, Respuesta::kNo};
      Hallar<QAction>(&w, "mnuNuevoPro")->trigger();
      QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Proyecto2"));
      Hallar<QToolButton>(&w, "nuevo")->click();
      QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Proyecto3"));
      QCOMPARE(w.windowTitle(), QStringLiteral("Vendaluz v1.0 [Proyecto: Proyecto3]"));
      QCOMPARE(Hallar<QLineEdit>(&w, "txtNombrePro")->text(), QStringLiteral("Proyecto3"));

      QCOMPARE(b.dialogos.Contar("pregunta"), 2);
      const auto& primera = b.dialogos.llamadas[0];
      QCOMPARE(primera.texto, QStringLiteral("¿Guardar los cambios realizados a Proyecto1?"));
      QCOMPARE(primera.titulo, QStringLiteral("Vendaluz"));
      QCOMPARE(primera.icono, Icono::kPregunta);
      QCOMPARE(primera.botones, Botones::kSiNo);
      QVERIFY(ListarProyectos(b.proyectos()).empty());  // nothing written without a save
    }
    // The counter lives for one run of the program.
    frmPrincipal otra(b.entorno);
    QCOMPARE(otra.ProyectoAbierto().inicio.Nombre, std::string("Proyecto1"));
  }

  void laPreguntaDeGuardarSoloConNombreODescripcion() {
    Banco b;
    frmPrincipal w(b.entorno);
    EscribirNombre(w, "");
    Hallar<QAction>(&w, "mnuNuevoPro")->trigger();
    QCOMPARE(b.dialogos.Contar("pregunta"), 0);
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Proyecto2"));

    EscribirNombre(w, "");
    QTest::keyClicks(Hallar<QLineEdit>(&w, "txtDesPro"), "Muebles de pino");
    QCOMPARE(w.ProyectoAbierto().inicio.Descripcion, std::string("Muebles de pino"));
    b.dialogos.respuestas = {Respuesta::kNo};
    Hallar<QAction>(&w, "mnuNuevoPro")->trigger();
    QCOMPARE(b.dialogos.Contar("pregunta"), 1);
    QCOMPARE(b.dialogos.llamadas.back().texto,
             QStringLiteral("¿Guardar los cambios realizados a ?"));
    QCOMPARE(w.ProyectoAbierto().inicio.Descripcion, std::string());
    QCOMPARE(Hallar<QLineEdit>(&w, "txtDesPro")->text(), QString());
  }

  void siYLuegoCancelarElDialogoSigueSinGuardar() {
    Banco b;
    frmPrincipal w(b.entorno);
    b.dialogos.respuestas = {Respuesta::kSi};
    b.dialogos.archivos = {std::nullopt};
    Hallar<QAction>(&w, "mnuNuevoPro")->trigger();
    QCOMPARE(b.dialogos.Contar("guardar"), 1);
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Proyecto2"));
    QVERIFY(ListarProyectos(b.proyectos()).empty());
    QCOMPARE(b.dialogos.Contar("mensaje"), 0);
  }

  void guardarEscribeElArchivoYLlenaLaLista() {
    Banco b;
    frmPrincipal w(b.entorno);
    w.show();
    EscribirNombre(w, "Tienda");
    const auto destino = b.proyectos() / "Tienda";
    b.dialogos.archivos = {AQt(destino)};
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

    // A file name chosen in the dialog may differ from the project name; an
    // extension in another letter case is kept.
    b.dialogos.archivos = {AQt(b.proyectos() / "Copia.INI")};
    QVERIFY(w.GuardarProyecto());
    QCOMPARE(w.RutaActual(), b.proyectos() / "Copia.INI");
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Tienda"));
    QCOMPARE(EntradasLista(w), (QStringList{"Copia", "Tienda"}));
  }

  void guardarFallidoLoDiceYNoSigue() {
    Banco b;
    frmPrincipal w(b.entorno);
    EscribirNombre(w, "Tienda");
    const auto destino = b.proyectos() / "no-existe" / "Tienda.ini";
    b.dialogos.archivos = {AQt(destino)};
    QVERIFY(!w.GuardarProyecto());
    const auto* aviso = b.dialogos.Ultima("mensaje");
    QVERIFY(aviso);
    QCOMPARE(aviso->icono, Icono::kCritico);
    QVERIFY2(aviso->texto.startsWith("No se pudo guardar el proyecto"), qPrintable(aviso->texto));
    QVERIFY2(aviso->texto.contains(AQt(destino)), qPrintable(aviso->texto));
    QVERIFY2(aviso->texto.contains("no existe el archivo o la carpeta"), qPrintable(aviso->texto));
    QVERIFY(w.RutaActual().empty());
    QCOMPARE(Hallar<QProgressBar>(&w, "barProgreso")->value(), 0);

    // A save that fails inside the save question keeps the project open.
    b.dialogos.respuestas = {Respuesta::kSi};
    b.dialogos.archivos = {AQt(destino)};
    Hallar<QAction>(&w, "mnuNuevoPro")->trigger();
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Tienda"));
    QCOMPARE(b.dialogos.Contar("mensaje"), 2);
  }

  void abrirDesdeLaListaDeProyectos() {
    Banco b;
    GuardarProyecto(ProyectoCompleto("Tienda"), b.proyectos() / "Tienda.ini");
    Proyecto copia = ProyectoCompleto("Copia");
    copia.productos.resize(1, {"Silla", "25.00", "", ""});
    GuardarProyecto(copia, b.proyectos() / "Tienda.copia.ini");
    test::Spit(b.proyectos() / "notas.txt", "no es un proyecto");

    frmPrincipal w(b.entorno);
    QCOMPARE(EntradasLista(w), (QStringList{"Tienda", "Tienda.copia"}));
    Hallar<QLineEdit>(&w, "txtCantProd")->selectAll();
    QTest::keyClicks(Hallar<QLineEdit>(&w, "txtCantProd"), "15");
    b.dialogos.respuestas = {Respuesta::kNo};
    EntradaLista(w, "Tienda.copia")->trigger();
    QCOMPARE(b.dialogos.Contar("pregunta"), 1);
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Copia"));
    QCOMPARE(w.ProyectoAbierto().productos.size(), std::size_t{1});
    QCOMPARE(w.RutaActual(), b.proyectos() / "Tienda.copia.ini");
    QCOMPARE(w.windowTitle(), QStringLiteral("Vendaluz v1.0 [Proyecto: Copia]"));
    QCOMPARE(Hallar<QLineEdit>(&w, "txtNombrePro")->text(), QStringLiteral("Copia"));
    // Products per page belong to the run of the program, not to the project.
    QCOMPARE(w.ProyectoAbierto().txtCantProd, std::string("15"));
    QCOMPARE(Hallar<QLineEdit>(&w, "txtCantProd")->text(), QStringLiteral("15"));
    // The Generar page shows the new project's folders.
    QCOMPARE(Hallar<QLineEdit>(&w, "txtGProyecto")->text(), AQt(b.proyectos() / "Copia"));

    b.dialogos.respuestas = {Respuesta::kNo};
    EntradaLista(w, "Tienda")->trigger();
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Tienda"));
    QCOMPARE(w.ProyectoAbierto().productos.size(), std::size_t{2});
  }

  void abrirConElDialogo() {
    Banco b;
    Proyecto largo = ProyectoCompleto("Nombre largo de una tienda de muebles");
    largo.inicio.Descripcion = "Sillas y mesas";
    GuardarProyecto(largo, b.dir.path().toStdString() + "/Otra.ini");
    frmPrincipal w(b.entorno);

    b.dialogos.respuestas = {Respuesta::kNo};
    b.dialogos.archivos = {std::nullopt};
    Hallar<QAction>(&w, "mnuAbrirPro")->trigger();
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Proyecto1"));
    const auto* dialogo = b.dialogos.Ultima("abrir");
    QCOMPARE(dialogo->carpeta, AQt(b.proyectos()));
    QCOMPARE(dialogo->filtro, QStringLiteral("Proyecto Vendaluz (*.ini)"));

    b.dialogos.respuestas = {Respuesta::kNo};
    b.dialogos.archivos = {b.dir.path() + "/Otra.ini"};
    Hallar<QAction>(&w, "mnuAbrirPro")->trigger();
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre, largo.inicio.Nombre);
    // A name longer than the box allows is shown whole and stays whole.
    QCOMPARE(Hallar<QLineEdit>(&w, "txtNombrePro")->text(), AQt(largo.inicio.Nombre));
    QCOMPARE(Hallar<QLineEdit>(&w, "txtDesPro")->text(), QStringLiteral("Sillas y mesas"));
    QCOMPARE(w.RutaActual(), ARuta(b.dir.path() + "/Otra.ini"));
    QCOMPARE(b.dialogos.Contar("mensaje"), 0);
    QCOMPARE(b.dialogos.sinRespuesta, 0);
  }

  void abrirUnArchivoIlegibleDejaElProyecto() {
    Banco b;
    GuardarProyecto(ProyectoCompleto("Tienda"), b.proyectos() / "Tienda.ini");
    frmPrincipal w(b.entorno);
    EscribirNombre(w, "Mi tienda");

    // Through the dialog: a file that does not exist.
    const auto falta = b.proyectos() / "falta.ini";
    b.dialogos.respuestas = {Respuesta::kNo};
    b.dialogos.archivos = {AQt(falta)};
    Hallar<QAction>(&w, "mnuAbrirPro")->trigger();
    const auto* aviso = b.dialogos.Ultima("mensaje");
    QVERIFY(aviso);
    QCOMPARE(aviso->icono, Icono::kCritico);
    QVERIFY2(aviso->texto.startsWith("No se pudo abrir el proyecto"), qPrintable(aviso->texto));
    QVERIFY2(aviso->texto.contains(AQt(falta)), qPrintable(aviso->texto));
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Mi tienda"));
    QCOMPARE(Hallar<QLineEdit>(&w, "txtNombrePro")->text(), QStringLiteral("Mi tienda"));
    QVERIFY(w.RutaActual().empty());

    // From the list: the file went away after the list was filled.
    std::filesystem::remove(b.proyectos() / "Tienda.ini");
    b.dialogos.respuestas = {Respuesta::kNo};
    EntradaLista(w, "Tienda")->trigger();
    QCOMPARE(b.dialogos.Contar("mensaje"), 2);
    QCOMPARE(w.ProyectoAbierto().inicio.Nombre, std::string("Mi tienda"));
    QVERIFY(EntradasLista(w).isEmpty());
  }

  void tituloYHabilitacionDeGuardarYGenerar() {
    Banco b;
    GuardarProyecto(ProyectoCompleto("Tienda"), b.proyectos() / "Tienda.ini");
    frmPrincipal w(b.entorno);
    w.show();
    auto* mnuGuardar = Hallar<QAction>(&w, "mnuGuardarPro");
    auto* tbGuardar = Hallar<QToolButton>(&w, "guardar");
    auto* cmdGenerar = Hallar<QPushButton>(&w, "cmdGenerar");
    auto* mnuGenerar = Hallar<QAction>(&w, "mnuGenerar");
    auto* marco = Hallar<QGroupBox>(&w, "fraProyecto");
    QVERIFY(mnuGuardar->isEnabled());
    QCOMPARE(marco->title(), QStringLiteral(" Proyecto: Proyecto1 "));

    EscribirNombre(w, "");
    QCOMPARE(w.windowTitle(), QStringLiteral("Vendaluz v1.0 [Proyecto: (Sín nombre)]"));
    QCOMPARE(marco->title(), QStringLiteral(" Proyecto: (Sín nombre) "));
    QVERIFY(!mnuGuardar->isEnabled());
    QVERIFY(!tbGuardar->isEnabled());
    QVERIFY(!w.GuardarProyecto());
    QCOMPARE(b.dialogos.Contar("guardar"), 0);

    QTest::keyClicks(Hallar<QLineEdit>(&w, "txtNombrePro"), "T");
    QVERIFY(mnuGuardar->isEnabled());
    QVERIFY(tbGuardar->isEnabled());
    QCOMPARE(w.windowTitle(), QStringLiteral("Vendaluz v1.0 [Proyecto: T]"));

    // Only a complete report opens the way to generation.
    b.dialogos.respuestas = {Respuesta::kNo};
    EntradaLista(w, "Tienda")->trigger();
    QVERIFY(!cmdGenerar->isEnabled());
    QVERIFY(!mnuGenerar->isEnabled());
    QCOMPARE(VeredictoDelReporte([&] { Hallar<QPushButton>(&w, "cmdReporte")->click(); }),
             QStringLiteral("Estado del Proyecto: Completo"));
    QVERIFY(cmdGenerar->isEnabled());
    QVERIFY(mnuGenerar->isEnabled());

    // Emptying the name closes it; typing a name again does not open it.
    EscribirNombre(w, "");
    QVERIFY(!cmdGenerar->isEnabled());
    QVERIFY(!mnuGenerar->isEnabled());
    QTest::keyClicks(Hallar<QLineEdit>(&w, "txtNombrePro"), "Tienda");
    QVERIFY(!cmdGenerar->isEnabled());
    QVERIFY(!mnuGenerar->isEnabled());
    QCOMPARE(VeredictoDelReporte([&] { Hallar<QAction>(&w, "mnuReporte")->trigger(); }),
             QStringLiteral("Estado del Proyecto: Completo"));
    QVERIFY(cmdGenerar->isEnabled());

    // A name that cannot name the store's folder makes the report incomplete.
    EscribirNombre(w, "uno/dos");
    QCOMPARE(VeredictoDelReporte([&] { Hallar<QAction>(&w, "mnuReporte")->trigger(); }),
             QStringLiteral("Estado del Proyecto: Incompleto"));
    QVERIFY(!cmdGenerar->isEnabled());
    QVERIFY(!mnuGenerar->isEnabled());

    // A new project needs a report of its own.
    EscribirNombre(w, "Tienda");
    VeredictoDelReporte([&] { Hallar<QAction>(&w, "mnuReporte")->trigger(); });
    QVERIFY(cmdGenerar->isEnabled());
    b.dialogos.respuestas = {Respuesta::kNo};
    Hallar<QAction>(&w, "mnuNuevoPro")->trigger();
    QVERIFY(!cmdGenerar->isEnabled());
    QVERIFY(!mnuGenerar->isEnabled());
  }

  void elNombreSeSeleccionaAlRecibirElFoco() {
    Banco b;
    frmPrincipal w(b.entorno);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* nombre = Hallar<QLineEdit>(&w, "txtNombrePro");
    Hallar<QLineEdit>(&w, "txtDesPro")->setFocus();
    QTest::mouseClick(nombre, Qt::LeftButton);
    QTRY_COMPARE(nombre->selectedText(), QStringLiteral("Proyecto1"));
  }

  void elBotonGenerarDeLaBarraAbreElReporte() {
    Banco b;
    frmPrincipal w(b.entorno);
    w.show();
    QString abierta;
    AlAbrirse([&abierta](QWidget* modal) {
      abierta = modal->objectName();
      static_cast<QDialog*>(modal)->reject();
    });
    Hallar<QToolButton>(&w, "generar")->click();
    QCOMPARE(abierta, QStringLiteral("frmReporte"));
  }

  void paginaGenerarMuestraLasCarpetas() {
    Banco b;
    frmPrincipal w(b.entorno);
    EscribirNombre(w, "Tienda");
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

    Hallar<QAbstractButton>(&w, "cheImagen")->click();
    QCOMPARE(w.ProyectoAbierto().productosImagen, 0);
    QCOMPARE(imagenes->text(), QString());
    QCOMPARE(thumbs->text(), QString());
    QVERIFY(!imagenes->isEnabled() && !thumbs->isEnabled());
    Hallar<QAbstractButton>(&w, "cheImagen")->click();
    QCOMPARE(imagenes->text(), AQt(salida / "imagenes"));
    QVERIFY(imagenes->isEnabled());

    // A new project empties the fields and then shows its own folder.
    b.dialogos.respuestas = {Respuesta::kNo};
    Hallar<QAction>(&w, "mnuNuevoPro")->trigger();
    QCOMPARE(proyecto->text(), AQt(b.proyectos() / "Proyecto2"));
  }

  void abrirUnArchivoGenerado() {
    Banco b;
    frmPrincipal w(b.entorno);
    const auto carpeta = b.programa() / "otra-tienda";
    std::filesystem::create_directories(carpeta / "imagenes");
    test::Spit(carpeta / "carrito.htm", "x");
    test::Spit(carpeta / "estado.htm", "x");
    auto* pagina = Hallar<PaginaGenerar>(&w, "Bloque6");
    pagina->MostrarGenerados(carpeta);
    auto* lista = Hallar<QListWidget>(&w, "flbGenerados");
    QCOMPARE(lista->count(), 2);  // files only
    lista->setCurrentRow(1);
    QTest::keyClick(lista, Qt::Key_Return);
    QCOMPARE(b.abridor.abiertos.size(), std::size_t{1});
    QCOMPARE(b.abridor.abiertos[0], (carpeta / "estado.htm").string());

    // A new project empties the list.
    b.dialogos.respuestas = {Respuesta::kNo};
    Hallar<QAction>(&w, "mnuNuevoPro")->trigger();
    QCOMPARE(lista->count(), 0);
  }

  void animacionDelProgreso() {
    Banco b;
    GuardarProyecto(ProyectoCompleto("Tienda"), b.proyectos() / "Tienda.ini");
    frmPrincipal w(b.entorno);
    auto* barra = Hallar<QProgressBar>(&w, "barProgreso");
    auto* reloj = Hallar<QTimer>(&w, "tmrProgreso");
    QCOMPARE(reloj->interval(), 20);
    QSignalSpy valores(barra, &QProgressBar::valueChanged);
    b.dialogos.respuestas = {Respuesta::kNo};
    EntradaLista(w, "Tienda")->trigger();
    QVERIFY(reloj->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!reloj->isActive(), 5000);
    QList<int> esperados;
    for (int v = 5; v <= 100; v += 5) esperados << v;
    esperados << 0;
    QList<int> vistos;
    for (const auto& v : valores) vistos << v.at(0).toInt();
    QCOMPARE(vistos, esperados);
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
      a->trigger();
      QVERIFY(!a->isChecked());
      QTRY_VERIFY(w.height() < altoVentana);
      QTRY_COMPARE(contenido->height(), altoContenido);
      a->trigger();
      QVERIFY(a->isChecked());
      QTRY_COMPARE(w.height(), altoVentana);
      QTRY_COMPARE(contenido->height(), altoContenido);
    }
    Hallar<QAction>(&w, "mnuBarraEstado")->trigger();
    QVERIFY(!w.statusBar()->isVisible());
    Hallar<QAction>(&w, "mnuVerBarra")->trigger();
    QVERIFY(!Hallar<QToolBar>(&w, "tbBarra")->isVisible());
  }

  void salirPreguntaConCancelar() {
    Banco b;
    frmPrincipal w(b.entorno);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    b.dialogos.respuestas = {Respuesta::kCancelar};
    Hallar<QAction>(&w, "mnuSalir")->trigger();
    QVERIFY(w.isVisible());
    const auto* pregunta = b.dialogos.Ultima("pregunta");
    QCOMPARE(pregunta->texto, QStringLiteral("¿Guardar los cambios realizados a Proyecto1?"));
    QCOMPARE(pregunta->botones, Botones::kSiNoCancelar);

    // Yes, then the save dialog cancelled: nothing saved, so the program stays.
    b.dialogos.respuestas = {Respuesta::kSi};
    b.dialogos.archivos = {std::nullopt};
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());

    // Ctrl+S is "Salir": it asks too.
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    b.dialogos.respuestas = {Respuesta::kCancelar};
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(b.dialogos.Contar("pregunta"), 3);
    QVERIFY(w.isVisible());

    // Yes with a file: saved, then the program ends.
    b.dialogos.respuestas = {Respuesta::kSi};
    b.dialogos.archivos = {AQt(b.proyectos() / "Proyecto1.ini")};
    QVERIFY(w.close());
    QVERIFY(std::filesystem::exists(b.proyectos() / "Proyecto1.ini"));
  }

  void salirSinGuardarOSinNombre() {
    Banco b;
    {
      frmPrincipal w(b.entorno);
      w.show();
      b.dialogos.respuestas = {Respuesta::kNo};
      QVERIFY(w.close());
      QCOMPARE(b.dialogos.Contar("pregunta"), 1);
    }
    frmPrincipal w(b.entorno);
    w.show();
    EscribirNombre(w, "");
    QVERIFY(w.close());
    QCOMPARE(b.dialogos.Contar("pregunta"), 1);  // nothing to lose, nothing asked
    QVERIFY(ListarProyectos(b.proyectos()).empty());
  }
};

}  // namespace vendaluz

QObject* CrearPruebaPrincipal() { return new vendaluz::PruebaPrincipal; }

#include "frmPrincipal_test.moc"
