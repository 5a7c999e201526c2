// The splash, the about box and the help box.

#include "ayudas_prueba.h"
#include "pruebas.h"
#include "ui/enlace.h"
#include "ui/frmPrincipal.h"
#include "ui/frmSplash.h"

namespace vendaluz {

using namespace prueba;

class PruebaVentanasPequenas : public QObject {
  Q_OBJECT

 private slots:
  void laVentanaPrincipalAparecePasadosDosSegundos() {
    Banco b;
    std::unique_ptr<frmPrincipal> principal;
    std::vector<qint64> llamadas;
    QElapsedTimer reloj;
    frmSplash splash([&] {
      llamadas.push_back(reloj.elapsed());
      principal = std::make_unique<frmPrincipal>(b.entorno);
      principal->show();
    });
    reloj.start();
    splash.show();
    QTest::qWait(1500);
    QVERIFY(!principal && splash.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(principal != nullptr, 3000);
    QVERIFY2(llamadas[0] >= 1990, qPrintable(QString::number(llamadas[0])));
    QVERIFY(!splash.isVisible());
    QTest::qWait(2100);
    QCOMPARE(llamadas.size(), std::size_t{1});
  }

  // Opened from the main window's tool bar: each link opens the address it shows (a
  // mail address as a message to it), and "Cerrar" closes the box.
  void ayudaYAcerca() {
    Banco b;
    frmPrincipal w(b.entorno);
    w.show();
    for (auto [boton, titulo] :
         {std::pair{"ayuda", "Ayuda"}, {"acerca", "Acerca de Vendaluz v1.0"}}) {
      b.abridor.abiertos.clear();
      QString abierta;
      std::vector<std::string> mostrados;
      bool cerrado = false;
      AlAbrirse([&](QWidget* modal) {
        abierta = modal->windowTitle();
        for (Enlace* enlace : modal->findChildren<Enlace*>()) {
          const QString texto = QTextDocumentFragment::fromHtml(enlace->text()).toPlainText();
          mostrados.push_back(AStd(texto.contains('@') ? "mailto:" + texto : texto));
          emit enlace->linkActivated(enlace->Destino());
        }
        Pulsar(modal, "cmdCancelar");
        cerrado = !modal->isVisible();
      });
      Hallar<QToolButton>(&w, boton)->click();
      QCOMPARE(abierta, QString::fromUtf8(titulo));
      QVERIFY(cerrado);
      QVERIFY(!mostrados.empty());
      QCOMPARE(b.abridor.abiertos, mostrados);
    }
  }
};

}  // namespace vendaluz

QObject* CrearPruebaVentanasPequenas() { return new vendaluz::PruebaVentanasPequenas; }

#include "ventanas_pequenas_test.moc"
