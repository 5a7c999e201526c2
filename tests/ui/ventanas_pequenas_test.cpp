// The splash, the about box and the help box.

#include "ayudas_prueba.h"
#include "pruebas.h"
#include "ui/enlace.h"
#include "ui/frmAcerca.h"
#include "ui/frmAyuda.h"
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
    qint64 pasados = -1;
    QElapsedTimer reloj;
    frmSplash splash([&] {
      pasados = reloj.elapsed();
      principal = std::make_unique<frmPrincipal>(b.entorno);
      principal->show();
    });
    reloj.start();
    splash.show();
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    QTest::qWait(1500);
    QVERIFY(!principal);
    QVERIFY(splash.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(principal != nullptr, 3000);
    QVERIFY2(pasados >= 1990, qPrintable(QString::number(pasados)));
    QVERIFY(principal->isVisible());
    QVERIFY(!splash.isVisible());
    // It fires once.
    QTest::qWait(2100);
    QCOMPARE(principal->ProyectoAbierto().inicio.Nombre, std::string("Proyecto1"));
  }

  void acercaDe() {
    AbridorPrueba abridor;
    frmAcerca acerca(abridor);
    QCOMPARE(acerca.windowTitle(), QStringLiteral("Acerca de Vendaluz v1.0"));
    QCOMPARE(Hallar<QLabel>(&acerca, "lblVersion")->text(),
             QStringLiteral("Vendaluz https v1.0.2"));
    auto* web = Hallar<Enlace>(&acerca, "lblWeb");
    emit web->linkActivated(web->Destino());
    QCOMPARE(abridor.abiertos.size(), std::size_t{1});
    QVERIFY(abridor.abiertos[0].starts_with("https://"));
    QVERIFY(web->text().contains(QString::fromStdString(abridor.abiertos[0])));
    auto* cerrar = Hallar<QPushButton>(&acerca, "cmdCancelar");
    QCOMPARE(cerrar->text(), QStringLiteral("Cerrar"));
    acerca.show();
    cerrar->click();
    QVERIFY(!acerca.isVisible());
  }

  void ayuda() {
    AbridorPrueba abridor;
    frmAyuda ayuda(abridor);
    QCOMPARE(ayuda.windowTitle(), QStringLiteral("Ayuda"));
    QCOMPARE(Hallar<QLabel>(&ayuda, "lblVersion")->text(), QStringLiteral("Vendaluz https v1.0"));
    auto* foro = Hallar<Enlace>(&ayuda, "lblForo");
    auto* correo = Hallar<Enlace>(&ayuda, "lblEmail");
    emit foro->linkActivated(foro->Destino());
    emit correo->linkActivated(correo->Destino());
    QCOMPARE(abridor.abiertos.size(), std::size_t{2});
    QVERIFY(abridor.abiertos[0].starts_with("https://"));
    // The mail label shows the address; opening it writes a message to it.
    const QString direccion = QString::fromStdString(abridor.abiertos[1]);
    QVERIFY(direccion.startsWith("mailto:"));
    QVERIFY(correo->text().contains(">" + direccion.mid(7) + "<"));
    QCOMPARE(Hallar<QPushButton>(&ayuda, "cmdCancelar")->text(), QStringLiteral("Cerrar"));
  }

  void ayudaYAcercaDesdeLaVentanaPrincipal() {
    Banco b;
    frmPrincipal w(b.entorno);
    w.show();
    for (auto [clave, ventana] : {std::pair{"ayuda", "frmAyuda"}, {"acerca", "frmAcerca"}}) {
      QCOMPARE(ModalQueAbre([&] { Hallar<QToolButton>(&w, clave)->click(); }), ventana);
    }
  }
};

}  // namespace vendaluz

QObject* CrearPruebaVentanasPequenas() { return new vendaluz::PruebaVentanasPequenas; }

#include "ventanas_pequenas_test.moc"
