// The generation window with the real generator: the wait before the run, the
// replace question answered No and then Yes, an error, completion, the preview
// through the local web server, and the main window around it.
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

void EsperarFin(QWidget& g) { QTRY_VERIFY_WITH_TIMEOUT(Cerrar(g)->isEnabled(), 20000); }

// Opens the project file in the main window and accepts its report.
void AbrirConReporte(frmPrincipal& w, Banco& b, const std::filesystem::path& archivo) {
  b.dialogos.respuestas = {Respuesta::kNo};
  w.AbrirDeLista(archivo);
  AlAbrirse([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
  Disparar(&w, "mnuReporte");
}

}  // namespace

class PruebaGenerar : public QObject {
  Q_OBJECT

 private slots:
  void generarYReemplazar() {
    Banco b;
    PreviewServer servidor;
    const Proyecto p = ProyectoCompleto("Tienda", 12);
    const auto salida = b.proyectos() / "Tienda";
    {
      frmGenerar g(p, b.entorno, servidor);
      QCOMPARE(g.windowTitle(), QStringLiteral("Vendaluz v1.0"));
      QCOMPARE(Estado(g), QStringLiteral("Analizando Tienda..."));
      QVERIFY(!Cerrar(g)->isEnabled() && !Vista(g)->isEnabled());
      QSignalSpy terminado(&g, &frmGenerar::terminado);
      QElapsedTimer reloj;
      reloj.start();
      g.show();
      // No way out while the run waits or works.
      QTest::keyClick(&g, Qt::Key_Escape);
      QVERIFY(!g.close());
      QVERIFY(g.isVisible());
      // The run starts 1000 ms after showing (checked only while surely before that,
      // since a busy machine may wake this thread late).
      QTest::qWait(800);
      if (reloj.elapsed() < 950) QVERIFY(!std::filesystem::exists(salida));
      EsperarFin(g);
      QVERIFY(reloj.elapsed() >= 1000);
      QCOMPARE(Estado(g), QStringLiteral("La Vendaluz ha sido creada!"));
      QCOMPARE(Cerrar(g)->text(), QStringLiteral("Cerrar"));
      QVERIFY(Vista(g)->isEnabled());
      auto* barra = Hallar<QProgressBar>(&g, "barG");
      QCOMPARE(barra->value(), barra->maximum());
      QCOMPARE(terminado.count(), 1);
      QCOMPARE(terminado.at(0).at(0).value<std::filesystem::path>(), salida);
      for (const char* archivo : {"carrito.htm", "carrito2.htm", "estado.htm", "formulario.htm"}) {
        QVERIFY2(std::filesystem::exists(salida / archivo), archivo);
      }
      QCOMPARE(b.dialogos.Contar("pregunta"), 0);
      Cerrar(g)->click();
      QVERIFY(!g.isVisible());
    }
    test::Spit(salida / "viejo.txt", "de antes");

    // No: nothing is touched and the window can be left with "Cancelar".
    b.dialogos.respuestas = {Respuesta::kNo};
    {
      frmGenerar g(p, b.entorno, servidor);
      QSignalSpy interrumpido(&g, &frmGenerar::interrumpido);
      QSignalSpy terminado(&g, &frmGenerar::terminado);
      g.show();
      EsperarFin(g);
      const auto* pregunta = b.dialogos.Ultima("pregunta");
      QCOMPARE(pregunta->texto, QStringLiteral("La carpeta «Tienda» ya existe y contiene "
                                               "archivos que Vendaluz no generó: viejo.txt. "
                                               "¿Desea reemplazarla?"));
      QCOMPARE(pregunta->titulo, QStringLiteral("Vendaluz"));
      QCOMPARE(pregunta->icono, Icono::kPregunta);
      QCOMPARE(pregunta->botones, Botones::kSiNo);
      QCOMPARE(Estado(g), QStringLiteral("Se ha interrumpido la operación"));
      QCOMPARE(Cerrar(g)->text(), QStringLiteral("Cancelar"));
      QVERIFY(!Vista(g)->isEnabled());
      QCOMPARE(interrumpido.count(), 1);
      QCOMPARE(terminado.count(), 0);
      QVERIFY(std::filesystem::exists(salida / "viejo.txt"));
      Cerrar(g)->click();
      QVERIFY(!g.isVisible());
    }

    // Yes: the folder is emptied and written again.
    b.dialogos.respuestas = {Respuesta::kSi};
    {
      frmGenerar g(p, b.entorno, servidor);
      g.show();
      EsperarFin(g);
      QCOMPARE(Cerrar(g)->text(), QStringLiteral("Cerrar"));
      QVERIFY(!std::filesystem::exists(salida / "viejo.txt"));
      QVERIFY(std::filesystem::exists(salida / "carrito.htm"));
    }
    QCOMPARE(b.dialogos.Contar("pregunta"), 2);
    QCOMPARE(b.dialogos.Contar("mensaje"), 0);
  }

  void unErrorSeMuestraYCierraLaVentana() {
    Banco b;
    PreviewServer servidor;
    Proyecto p = ProyectoCompleto("Tienda");
    p.txtCantProd = "diez";
    frmGenerar g(p, b.entorno, servidor);
    g.show();
    QTRY_VERIFY_WITH_TIMEOUT(!g.isVisible(), 20000);
    const auto* aviso = b.dialogos.Ultima("mensaje");
    QVERIFY(aviso);
    QCOMPARE(aviso->icono, Icono::kCritico);
    QCOMPARE(aviso->titulo, QStringLiteral("Vendaluz"));
    QCOMPARE(aviso->texto, QStringLiteral("Error: 302: La cantidad de productos por página "
                                          "(«diez») debe ser un número entero mayor que cero."));
    QCOMPARE(g.result(), int(QDialog::Rejected));
    QVERIFY(!std::filesystem::exists(b.proyectos() / "Tienda"));
  }

  void vistaPreviaPorElServidorLocal() {
    Banco b;
    PreviewServer servidor;
    frmGenerar g(ProyectoCompleto("Mi Tienda"), b.entorno, servidor);
    g.show();
    EsperarFin(g);
    Vista(g)->click();
    QCOMPARE(b.abridor.abiertos.size(), std::size_t{1});
    const QUrl url(QString::fromStdString(b.abridor.abiertos[0]));
    QCOMPARE(url.toString(),
             QStringLiteral("http://127.0.0.1:%1/carrito.htm").arg(servidor.Port()));
    // The browser gets the page the run wrote.
    httplib::Client cliente("127.0.0.1", url.port());
    auto r = cliente.Get("/carrito.htm");
    QVERIFY(r);
    QCOMPARE(r->status, 200);
    QCOMPARE(r->body, test::Slurp(b.proyectos() / "Mi Tienda" / "carrito.htm"));
  }

  // What scripts/run prepares: the sample project copied into Proyectos, opened
  // from the project list and generated with its pictures by Ctrl+G.
  void proyectoDeEjemplo() {
    Banco b;
    const std::filesystem::path ejemplo = VENDALUZ_EJEMPLO;
    std::filesystem::copy(ejemplo / "tienda.ini", b.proyectos());
    std::filesystem::copy(ejemplo / "imagenes", b.proyectos() / "imagenes");
    frmPrincipal w(b.entorno);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QMenu* lista = Hallar<QMenu>(&w, "mnuProyectos");
    QCOMPARE(lista->actions().size(), 1);
    QCOMPARE(lista->actions()[0]->text(), QStringLiteral("tienda"));
    lista->actions()[0]->trigger();
    const std::string nombre = w.ProyectoAbierto().inicio.Nombre;
    QCOMPARE(nombre, std::string("Tienda de ejemplo"));
    AlAbrirse([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
    Pulsar(&w, "cmdReporte");
    QString estado, abierta;
    AlTerminarGenerar([&](QWidget* g) {
      abierta = g->objectName();
      estado = Estado(*g);
    });
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    Hallar<QTabWidget>(&w, "SSTab")->setFocus();
    QTest::keyClick(&w, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(abierta, QStringLiteral("frmGenerar"));
    QCOMPARE(estado, QStringLiteral("La Vendaluz ha sido creada!"));
    const auto tienda = b.proyectos() / nombre;
    const auto foto =
        std::filesystem::path(w.ProyectoAbierto().productos.front().Imagen).filename();
    QVERIFY2(std::filesystem::exists(tienda / "imagenes" / foto), qPrintable(AQt(foto)));
    QVERIFY(std::filesystem::exists(tienda / "thumbnails"));
    // A finished run closes the way to generation and lists what it wrote.
    QVERIFY(!Hallar<QPushButton>(&w, "cmdGenerar")->isEnabled());
    QVERIFY(!Hallar<QAction>(&w, "mnuGenerar")->isEnabled());
    auto* generados = Hallar<QListWidget>(&w, "flbGenerados");
    for (const char* archivo : {"carrito.htm", "estado.htm"}) {
      QVERIFY2(std::filesystem::exists(tienda / archivo), archivo);
      QCOMPARE(generados->findItems(archivo, Qt::MatchExactly).size(), 1);
    }
  }

  // A picture path relative to the project file, as in the sample project: the run
  // must find it beside the file, not in the program's working folder.
  void imagenesRelativasAlArchivoDelProyecto() {
    Banco b;
    Proyecto p = ProyectoCompleto("Fotos", 1);
    p.productos[0].Imagen = "fotos/silla.jpg";
    p.thumbnails.Mostrar = 0;
    std::filesystem::create_directories(b.programa() / "otra" / "fotos");
    test::Spit(b.programa() / "otra" / "fotos" / "silla.jpg", "no importa el contenido");
    GuardarProyecto(p, b.programa() / "otra" / "Fotos.ini");
    frmPrincipal w(b.entorno);
    AbrirConReporte(w, b, b.programa() / "otra" / "Fotos.ini");
    AlTerminarGenerar();
    Pulsar(&w, "cmdGenerar");
    QCOMPARE(test::Slurp(b.proyectos() / "Fotos" / "imagenes" / "silla.jpg"),
             std::string("no importa el contenido"));
    // The open project keeps the path as the file holds it.
    QCOMPARE(w.ProyectoAbierto().productos[0].Imagen, std::string("fotos/silla.jpg"));
  }
};

}  // namespace vendaluz

QObject* CrearPruebaGenerar() { return new vendaluz::PruebaGenerar; }

#include "frmGenerar_test.moc"
