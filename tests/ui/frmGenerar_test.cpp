// The generation window with the real generator: the wait before the run, the replace
// question answered No and then Yes, an error, completion, the preview through the
// local web server, and the main window around it.
#include <httplib.h>

#include "ayudas_prueba.h"
#include "pruebas.h"
#include "test_util.h"
#include "ui/frmGenerar.h"
#include "ui/frmPrincipal.h"

namespace vendaluz {
namespace {

using namespace prueba;

QString Estado(QWidget& g) { return Hallar<QLabel>(&g, "lblGenerar")->text(); }
QPushButton* Cerrar(QWidget& g) { return Hallar<QPushButton>(&g, "cmdCancelar"); }
QPushButton* Vista(QWidget& g) { return Hallar<QPushButton>(&g, "cmdVista"); }

// Opens the project file in the main window, accepts its report and generates with
// generar; returns the generation window's status once the run is over.
QString GenerarDesde(frmPrincipal& w, const std::filesystem::path& archivo,
                     const std::function<void()>& generar) {
  w.AbrirDeLista(archivo);
  AlAbrirse([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
  Pulsar(&w, "cmdReporte");
  QString estado;
  AlAbrirse([&estado](QWidget* g) {
    QTRY_VERIFY_WITH_TIMEOUT(Cerrar(*g)->isEnabled(), 60000);
    estado = Estado(*g);
    Cerrar(*g)->click();
  });
  generar();
  return estado;
}

}  // namespace

class PruebaGenerar : public QObject {
  Q_OBJECT

 private slots:
  // The first run writes the store; the second finds its folder and is told No (nothing
  // is touched), the third Yes (the folder is emptied and written again).
  void generarYReemplazar() {
    Banco b;
    PreviewServer servidor;
    const Proyecto p = ProyectoCompleto("Tienda");
    const auto salida = b.proyectos() / "Tienda";
    const QString creada = QStringLiteral("¡La tienda «Tienda» ha sido creada!");
    const std::pair<std::optional<Respuesta>, QString> vueltas[] = {
        {{}, creada},
        {Respuesta::kNo, QStringLiteral("Se ha interrumpido la operación")},
        {Respuesta::kSi, creada}};
    for (const auto& [respuesta, estado] : vueltas) {
      if (respuesta) b.dialogos.respuestas = {*respuesta};
      frmGenerar g(p, b.entorno, servidor);
      QElapsedTimer reloj;
      reloj.start();
      g.show();
      // No way out while the run waits or works.
      QTest::keyClick(&g, Qt::Key_Escape);
      QVERIFY(!g.close());
      QVERIFY(g.isVisible() && !Cerrar(g)->isEnabled() && !Vista(g)->isEnabled());
      // The run starts 1000 ms after showing (checked only while surely before that,
      // since a busy machine may wake this thread late).
      QTest::qWait(800);
      if (!respuesta && reloj.elapsed() < 950) QVERIFY(!std::filesystem::exists(salida));
      QTRY_VERIFY_WITH_TIMEOUT(Cerrar(g)->isEnabled(), 20000);
      QVERIFY(reloj.elapsed() >= 1000);
      QCOMPARE(Estado(g), estado);
      const bool hecha = estado == creada;
      QCOMPARE(Cerrar(g)->text(), hecha ? QStringLiteral("Cerrar") : QStringLiteral("Cancelar"));
      QCOMPARE(Vista(g)->isEnabled(), hecha);
      QCOMPARE(std::filesystem::exists(salida / "viejo.txt"), !hecha);
      if (hecha) {
        auto* barra = Hallar<QProgressBar>(&g, "barG");
        QCOMPARE(barra->value(), barra->maximum());
        // The preview asks the local web server for the page the run wrote, showing its address.
        auto* direccion = Hallar<QLineEdit>(&g, "txtDireccion");
        QVERIFY(!direccion->isVisible());
        b.abridor.abiertos.clear();
        b.abridor.falla = respuesta.has_value();
        Vista(g)->click();
        const auto url = QStringLiteral("http://127.0.0.1:%1/carrito.htm").arg(servidor.Port());
        QCOMPARE(b.abridor.abiertos, std::vector<std::string>{AStd(url)});
        QVERIFY(direccion->isVisible() && direccion->isReadOnly() && direccion->text() == url);
        const QString sinNavegador =
            "No se pudo abrir el navegador. Abra esta dirección en su navegador: ";
        QCOMPARE(b.dialogos.Contar("mensaje") ? b.dialogos.Ultima("mensaje")->texto : "",
                 b.abridor.falla ? sinNavegador + url : "");
        auto r = httplib::Client("127.0.0.1", servidor.Port()).Get("/carrito.htm");
        QVERIFY(r && r->status == 200);
        QCOMPARE(r->body, test::Slurp(salida / "carrito.htm"));
      }
      Cerrar(g)->click();
      QVERIFY(!g.isVisible());
      test::Spit(salida / "viejo.txt", "de antes");
    }
    QCOMPARE(b.dialogos.Contar("pregunta"), 2);
    QVERIFY(b.dialogos.Ultima("pregunta")->texto.contains("no generó: viejo.txt"));
    QCOMPARE(b.dialogos.Ultima("pregunta")->botones, Botones::kSiNo);
  }

  void unErrorSeMuestraYCierraLaVentana() {
    Banco b;
    PreviewServer servidor;
    Proyecto p = ProyectoCompleto("Tienda");
    p.txtCantProd = "diez";
    frmGenerar g(p, b.entorno, servidor);
    g.show();
    QTRY_VERIFY_WITH_TIMEOUT(!g.isVisible(), 20000);
    QCOMPARE(b.dialogos.Contar("mensaje"), 1);
    QCOMPARE(b.dialogos.Ultima("mensaje")->icono, Icono::kCritico);
    QVERIFY(b.dialogos.Ultima("mensaje")->texto.startsWith("Error: 302: La cantidad"));
    QCOMPARE(g.result(), int(QDialog::Rejected));
    QVERIFY(!std::filesystem::exists(b.proyectos() / "Tienda"));
  }

  // A picture path relative to the project file is found beside the file, not in the
  // working folder nor in Proyectos, and the open project keeps it as the file holds
  // it. "Generar" and Ctrl+G both run; a finished run closes the way to generation
  // and lists the files it wrote.
  void desdeLaVentanaPrincipal() {
    Banco b;
    Proyecto p = ProyectoCompleto("Fotos", 1);
    p.productos[0].Imagen = "fotos/silla.jpg";
    p.thumbnails.Mostrar = 0;
    test::Spit(b.programa() / "otra" / "fotos" / "silla.jpg", "no importa el contenido");
    const auto archivo = b.programa() / "otra" / "Fotos.ini";
    GuardarProyecto(p, archivo);
    frmPrincipal w(b.entorno);
    const QString creada = QStringLiteral("¡La tienda «Fotos» ha sido creada!");
    QCOMPARE(GenerarDesde(w, archivo, [&] { Pulsar(&w, "cmdGenerar"); }), creada);
    b.dialogos.respuestas = {Respuesta::kSi};  // replace; an unchanged project is not asked about
    QCOMPARE(GenerarDesde(w, archivo, [&] { Ctrl(w, Qt::Key_G); }), creada);
    QCOMPARE(test::Slurp(b.proyectos() / "Fotos" / "imagenes" / "silla.jpg"),
             std::string("no importa el contenido"));
    QCOMPARE(w.ProyectoAbierto().productos[0].Imagen, std::string("fotos/silla.jpg"));
    QVERIFY(!Hallar<QAction>(&w, "mnuGenerar")->isEnabled());
    // Files only; Enter opens the chosen one; a new project empties the list.
    auto* lista = Hallar<QListWidget>(&w, "flbGenerados");
    QVERIFY(lista->findItems("imagenes", Qt::MatchExactly).isEmpty());
    lista->setCurrentItem(lista->findItems("estado.htm", Qt::MatchExactly).value(0));
    QTest::keyClick(lista, Qt::Key_Return);
    QCOMPARE(b.abridor.abiertos,
             std::vector<std::string>{(b.proyectos() / "Fotos" / "estado.htm").string()});
    Disparar(&w, "mnuNuevoPro");
    QCOMPARE(lista->count(), 0);
    // Told not to replace the store, the run ends with generation closed all the same.
    b.dialogos.respuestas = {Respuesta::kNo};  // keep the store
    QCOMPARE(GenerarDesde(w, archivo, [&] { Pulsar(&w, "cmdGenerar"); }),
             QStringLiteral("Se ha interrumpido la operación"));
    QVERIFY(!Hallar<QAction>(&w, "mnuGenerar")->isEnabled() && lista->count() == 0);
  }
};

}  // namespace vendaluz

QObject* CrearPruebaGenerar() { return new vendaluz::PruebaGenerar; }

#include "frmGenerar_test.moc"
