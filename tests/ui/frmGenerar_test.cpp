// The generation window with the real generator: the wait before the run, the
// replace question answered No and then Yes, an error, completion, the preview
// through the local web server, and the main window around it.
#include <httplib.h>

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "ayudas_prueba.h"
#include "model/archivo_proyecto.h"
#include "pruebas.h"
#include "test_util.h"
#include "ui/frmGenerar.h"
#include "ui/frmPrincipal.h"

namespace vendaluz {
namespace {

using prueba::AlAbrirse;
using prueba::Banco;

Proyecto Completo(const std::string& nombre) {
  Proyecto p;
  ContadorProyectos c;
  NuevoProyecto(p, c, "/tmp");
  p.inicio.Nombre = nombre;
  for (int i = 1; i <= 12; ++i) {
    p.productos.push_back(
        {"Silla " + std::to_string(i), std::to_string(10 + i) + ".50", "Silla de pino", ""});
  }
  p.servidor.Redireccionar = "http://www.example.com/gracias.htm";
  p.correoEmail = "ventas@example.com";
  return p;
}

struct Controles {
  QLabel* estado;
  QProgressBar* barra;
  QPushButton* cancelar;
  QPushButton* vista;
  explicit Controles(QWidget& w)
      : estado(w.findChild<QLabel*>("lblGenerar")),
        barra(w.findChild<QProgressBar*>("barG")),
        cancelar(w.findChild<QPushButton*>("cmdCancelar")),
        vista(w.findChild<QPushButton*>("cmdVista")) {}
};

}  // namespace

class PruebaGenerar : public QObject {
  Q_OBJECT

 private slots:
  void generarYReemplazar() {
    Banco b;
    PreviewServer servidor;
    const Proyecto p = Completo("Tienda");
    const auto salida = b.proyectos() / "Tienda";
    {
      frmGenerar g(p, b.entorno, servidor);
      Controles c(g);
      QCOMPARE(g.windowTitle(), QStringLiteral("Vendaluz v1.0"));
      QCOMPARE(c.estado->text(), QStringLiteral("Analizando Tienda..."));
      QVERIFY(!c.cancelar->isEnabled());
      QVERIFY(!c.vista->isEnabled());
      QCOMPARE(c.vista->text().remove('&'), QStringLiteral("Vista Previa"));
      QCOMPARE(c.vista->toolTip(), QStringLiteral("Vista previa"));
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
      const bool antes = reloj.elapsed() < 950;
      if (antes) QVERIFY(!std::filesystem::exists(salida));
      QTRY_VERIFY_WITH_TIMEOUT(c.cancelar->isEnabled(), 20000);
      QVERIFY(reloj.elapsed() >= 1000);
      QCOMPARE(c.estado->text(), QStringLiteral("La Vendaluz ha sido creada!"));
      QCOMPARE(c.cancelar->text(), QStringLiteral("Cerrar"));
      QVERIFY(c.vista->isEnabled());
      QCOMPARE(c.barra->maximum(), 7);
      QCOMPARE(c.barra->value(), 7);
      QCOMPARE(terminado.count(), 1);
      QCOMPARE(terminado.at(0).at(0).value<std::filesystem::path>(), salida);
      for (const char* archivo : {"carrito.htm", "carrito2.htm", "estado.htm", "formulario.htm"}) {
        QVERIFY2(std::filesystem::exists(salida / archivo), archivo);
      }
      QCOMPARE(b.dialogos.Contar("pregunta"), 0);
      c.cancelar->click();
      QVERIFY(!g.isVisible());
    }
    test::Spit(salida / "viejo.txt", "de antes");

    // No: nothing is touched and the window can be left with "Cancelar".
    b.dialogos.respuestas = {Respuesta::kNo};
    {
      frmGenerar g(p, b.entorno, servidor);
      Controles c(g);
      QSignalSpy interrumpido(&g, &frmGenerar::interrumpido);
      QSignalSpy terminado(&g, &frmGenerar::terminado);
      g.show();
      QTRY_VERIFY_WITH_TIMEOUT(c.cancelar->isEnabled(), 20000);
      const auto* pregunta = b.dialogos.Ultima("pregunta");
      QCOMPARE(pregunta->texto,
               QStringLiteral("La carpeta Tienda ya existe. ¿Desea reemplazarla?"));
      QCOMPARE(pregunta->titulo, QStringLiteral("Vendaluz"));
      QCOMPARE(pregunta->icono, Icono::kPregunta);
      QCOMPARE(pregunta->botones, Botones::kSiNo);
      QCOMPARE(c.estado->text(), QStringLiteral("Se ha interrumpido la operación"));
      QCOMPARE(c.cancelar->text(), QStringLiteral("Cancelar"));
      QVERIFY(!c.vista->isEnabled());
      QCOMPARE(interrumpido.count(), 1);
      QCOMPARE(terminado.count(), 0);
      QVERIFY(std::filesystem::exists(salida / "viejo.txt"));
      c.cancelar->click();
      QVERIFY(!g.isVisible());
    }

    // Yes: the folder is emptied and written again.
    b.dialogos.respuestas = {Respuesta::kSi};
    {
      frmGenerar g(p, b.entorno, servidor);
      Controles c(g);
      g.show();
      QTRY_VERIFY_WITH_TIMEOUT(c.cancelar->isEnabled(), 20000);
      QCOMPARE(c.cancelar->text(), QStringLiteral("Cerrar"));
      QVERIFY(!std::filesystem::exists(salida / "viejo.txt"));
      QVERIFY(std::filesystem::exists(salida / "carrito.htm"));
    }
    QCOMPARE(b.dialogos.Contar("pregunta"), 2);
    QCOMPARE(b.dialogos.Contar("mensaje"), 0);
  }

  void unErrorSeMuestraYCierraLaVentana() {
    Banco b;
    PreviewServer servidor;
    Proyecto p = Completo("Tienda");
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
    frmGenerar g(Completo("Mi Tienda"), b.entorno, servidor);
    Controles c(g);
    g.show();
    QTRY_VERIFY_WITH_TIMEOUT(c.vista->isEnabled(), 20000);
    c.vista->click();
    QCOMPARE(b.abridor.abiertos.size(), std::size_t{1});
    const QUrl url(QString::fromStdString(b.abridor.abiertos[0]));
    QCOMPARE(url.scheme(), QStringLiteral("http"));
    QCOMPARE(url.host(), QStringLiteral("127.0.0.1"));
    QCOMPARE(url.path(), QStringLiteral("/carrito.htm"));
    QCOMPARE(url.port(), servidor.Port());

    // The browser gets the page the run wrote.
    httplib::Client cliente("127.0.0.1", url.port());
    auto r = cliente.Get("/carrito.htm");
    QVERIFY(r);
    QCOMPARE(r->status, 200);
    QCOMPARE(r->body, test::Slurp(b.proyectos() / "Mi Tienda" / "carrito.htm"));
  }

  void desdeLaVentanaPrincipal() {
    Banco b;
    GuardarProyecto(Completo("Tienda"), b.proyectos() / "Tienda.ini");
    frmPrincipal w(b.entorno);
    w.show();
    b.dialogos.respuestas = {Respuesta::kNo};
    w.AbrirDeLista(b.proyectos() / "Tienda.ini");
    AlAbrirse([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
    w.MostrarReporte();
    auto* cmdGenerar = w.findChild<QPushButton*>("cmdGenerar");
    QVERIFY(cmdGenerar->isEnabled());

    QString abierta;
    AlAbrirse([&abierta](QWidget* modal) {
      abierta = modal->objectName();
      auto* cerrar = modal->findChild<QPushButton*>("cmdCancelar");
      QTRY_VERIFY_WITH_TIMEOUT(cerrar->isEnabled(), 20000);
      cerrar->click();
    });
    cmdGenerar->click();
    QCOMPARE(abierta, QStringLiteral("frmGenerar"));
    // A finished run closes the way to generation and lists what it wrote.
    QVERIFY(!cmdGenerar->isEnabled());
    QVERIFY(!w.findChild<QAction*>("mnuGenerar")->isEnabled());
    auto* lista = w.findChild<QListWidget*>("flbGenerados");
    QStringList archivos;
    for (int i = 0; i < lista->count(); ++i) archivos << lista->item(i)->text();
    QVERIFY2(archivos.contains("carrito.htm") && archivos.contains("estado.htm"),
             qPrintable(archivos.join(',')));
  }

  // What scripts/run prepares: the sample project copied into Proyectos, opened
  // from the project list and generated with its pictures.
  void proyectoDeEjemplo() {
    Banco b;
    const std::filesystem::path ejemplo = VENDALUZ_EJEMPLO;
    std::filesystem::copy(ejemplo / "tienda.ini", b.proyectos());
    std::filesystem::copy(ejemplo / "imagenes", b.proyectos() / "imagenes");
    frmPrincipal w(b.entorno);
    w.show();
    QMenu* lista = w.findChild<QMenu*>("mnuProyectos");
    QCOMPARE(lista->actions().size(), 1);
    QCOMPARE(lista->actions()[0]->text(), QStringLiteral("tienda"));
    b.dialogos.respuestas = {Respuesta::kNo};
    lista->actions()[0]->trigger();
    const std::string nombre = w.ProyectoAbierto().inicio.Nombre;
    QCOMPARE(nombre, std::string("Tienda de ejemplo"));

    AlAbrirse([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
    w.MostrarReporte();
    QVERIFY(w.findChild<QPushButton*>("cmdGenerar")->isEnabled());
    QString estado;
    AlAbrirse([&estado](QWidget* modal) {
      auto* cerrar = modal->findChild<QPushButton*>("cmdCancelar");
      QTRY_VERIFY_WITH_TIMEOUT(cerrar->isEnabled(), 60000);
      estado = modal->findChild<QLabel*>("lblGenerar")->text();
      cerrar->click();
    });
    w.Generar();
    QCOMPARE(estado, QStringLiteral("La Vendaluz ha sido creada!"));
    const auto tienda = b.proyectos() / nombre;
    QVERIFY(std::filesystem::exists(tienda / "carrito.htm"));
    const auto& primero = w.ProyectoAbierto().productos.front().Imagen;
    const auto foto = std::filesystem::path(primero).filename();
    QVERIFY2(std::filesystem::exists(tienda / "imagenes" / foto), qPrintable(AQt(foto)));
    QVERIFY(std::filesystem::exists(tienda / "thumbnails"));
  }

  void imagenesRelativasAlArchivoDelProyecto() {
    Banco b;
    // A picture path relative to the project file, as in the sample project: the
    // run must find it beside the file, not in the program's working folder.
    Proyecto p = Completo("Fotos");
    p.productos.resize(1);
    p.productos[0].Imagen = "fotos/silla.jpg";
    p.thumbnails.Mostrar = 0;
    std::filesystem::create_directories(b.programa() / "otra" / "fotos");
    test::Spit(b.programa() / "otra" / "fotos" / "silla.jpg", "no importa el contenido");
    GuardarProyecto(p, b.programa() / "otra" / "Fotos.ini");

    frmPrincipal w(b.entorno);
    b.dialogos.respuestas = {Respuesta::kNo};
    b.dialogos.archivos = {AQt(b.programa() / "otra" / "Fotos.ini")};
    w.AbrirProyecto();
    AlAbrirse([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
    w.MostrarReporte();
    AlAbrirse([](QWidget* modal) {
      auto* cerrar = modal->findChild<QPushButton*>("cmdCancelar");
      QTRY_VERIFY_WITH_TIMEOUT(cerrar->isEnabled(), 20000);
      cerrar->click();
    });
    w.Generar();
    QCOMPARE(test::Slurp(b.proyectos() / "Fotos" / "imagenes" / "silla.jpg"),
             std::string("no importa el contenido"));
    // The open project keeps the path as the file holds it.
    QCOMPARE(w.ProyectoAbierto().productos[0].Imagen, std::string("fotos/silla.jpg"));
  }
};

}  // namespace vendaluz

QObject* CrearPruebaGenerar() { return new vendaluz::PruebaGenerar; }

#include "frmGenerar_test.moc"
