// The folder browser in both of its modes, and "Crear >".

#include "ui/frmExaminar.h"
#include "ayudas_prueba.h"
#include "pruebas.h"
#include "test_util.h"
#include "ui/frmPrincipal.h"

namespace vendaluz {
namespace {

using namespace prueba;

QStringList Hijos(frmExaminar& e) {
  QStringList nombres;
  const QTreeWidgetItem* actual = Hallar<QTreeWidget>(&e, "dirCarpeta")->currentItem();
  for (int i = 0; i < actual->childCount(); ++i) nombres << actual->child(i)->text(0);
  return nombres;
}

}  // namespace

class PruebaExaminar : public QObject {
  Q_OBJECT

 private slots:
  void abreEnLaCarpetaDelPrograma() {
    Banco b;
    std::filesystem::create_directories(b.programa() / "b");
    std::filesystem::create_directories(b.programa() / "A");
    frmExaminar e(b.entorno, frmExaminar::Modo::kCarpetaProyecto, "Tienda");
    QCOMPARE(e.windowTitle(), QStringLiteral("Examinar"));
    QCOMPARE(e.Carpeta(), AQt(b.programa()));
    QCOMPARE(Hijos(e), (QStringList{"A", "b", "Proyectos"}));
    QVERIFY(Hallar<QComboBox>(&e, "drvCarpeta")->count() >= 1);
    QCOMPARE(Hallar<QPushButton>(&e, "cmdCrear")->text(), QStringLiteral("C&rear >"));
  }

  void desdeLaVentanaPrincipalAceptaCualquierCarpeta() {
    Banco b;
    const auto destino = b.programa() / "mis proyectos";
    std::filesystem::create_directories(destino);
    frmPrincipal w(b.entorno);
    AlAbrirse([&](QWidget* modal) {
      auto* e = qobject_cast<frmExaminar*>(modal);
      QVERIFY(e);
      QVERIFY(e->IrA(AQt(destino)));
      Pulsar(e, "cmdAceptar");
    });
    Pulsar(&w, "cmdExaminar");
    QCOMPARE(Hallar<QLineEdit>(&w, "txtCarpetaPre")->text(), AQt(destino));
    QCOMPARE(w.ProyectoAbierto().inicio.Carpeta, destino.string());
    QCOMPARE(b.dialogos.Contar("pitido"), 0);

    // The open dialog then starts there; "Cancelar" in the browser changes nothing.
    AlAbrirse([&](QWidget* modal) {
      auto* e = qobject_cast<frmExaminar*>(modal);
      e->IrA(AQt(b.programa()));
      Pulsar(e, "cmdCancelar");
    });
    Pulsar(&w, "cmdExaminar");
    QCOMPARE(w.ProyectoAbierto().inicio.Carpeta, destino.string());
    b.dialogos.archivos = {std::nullopt};
    b.dialogos.respuestas = {Respuesta::kNo};
    w.AbrirProyecto();
    QCOMPARE(b.dialogos.Ultima("abrir")->carpeta, AQt(destino));
  }

  void paraUnaCategoriaPideCarritoHtm() {
    Banco b;
    const auto tienda = b.proyectos() / "Tienda";
    std::filesystem::create_directories(tienda / "imagenes");
    frmExaminar e(b.entorno, frmExaminar::Modo::kCategoria, "Tienda");
    e.show();
    QVERIFY(e.IrA(AQt(tienda)));
    Pulsar(&e, "cmdAceptar");
    QCOMPARE(b.dialogos.Contar("pitido"), 1);
    QVERIFY(e.isVisible());
    QCOMPARE(e.result(), 0);

    test::Spit(tienda / "carrito.htm", "<html></html>");
    Pulsar(&e, "cmdAceptar");
    QCOMPARE(b.dialogos.Contar("pitido"), 1);
    QVERIFY(!e.isVisible());
    QCOMPARE(e.result(), int(QDialog::Accepted));
    QCOMPARE(e.Carpeta(), AQt(tienda));
  }

  void crearUnaCarpeta() {
    Banco b;
    frmExaminar e(b.entorno, frmExaminar::Modo::kCarpetaProyecto, "Tienda");
    auto* crear = Hallar<QPushButton>(&e, "cmdCrear");

    b.dialogos.textos = {QStringLiteral("Nueva")};
    crear->click();
    const auto* pedido = b.dialogos.Ultima("texto");
    QCOMPARE(pedido->titulo, QStringLiteral("Crear Carpeta"));
    QCOMPARE(pedido->texto, QStringLiteral("Ingrese el nombre de la carpeta que desea crear:"));
    QCOMPARE(pedido->inicial, QStringLiteral("Tienda"));
    QVERIFY(std::filesystem::is_directory(b.programa() / "Nueva"));
    QCOMPARE(e.Carpeta(), AQt(b.programa()));  // the new folder is not entered
    QVERIFY(Hijos(e).contains("Nueva"));

    // An existing name, an empty answer, cancelling, a name with a slash: nothing
    // happens and nothing is said.
    const auto antes = Hijos(e);
    b.dialogos.textos = {QStringLiteral("Nueva"), QString(), std::nullopt, QStringLiteral("x/y")};
    for (int i = 0; i < 4; ++i) crear->click();
    QCOMPARE(Hijos(e), antes);
    QVERIFY(!std::filesystem::exists(b.programa() / "x"));
    QCOMPARE(b.dialogos.Contar("mensaje"), 0);
    QCOMPARE(b.dialogos.sinRespuesta, 0);
  }

  void navegarPorElArbol() {
    Banco b;
    std::filesystem::create_directories(b.programa() / "uno" / "dos");
    frmExaminar e(b.entorno, frmExaminar::Modo::kCarpetaProyecto, "");
    QVERIFY(e.IrA(AQt(b.programa() / "uno" / "dos")));
    QCOMPARE(e.Carpeta(), AQt(b.programa() / "uno" / "dos"));
    QVERIFY(!e.IrA(AQt(b.programa() / "no-existe")));
    QCOMPARE(e.Carpeta(), AQt(b.programa() / "uno" / "dos"));

    // Choosing a folder in the tree makes it current.
    auto* arbol = Hallar<QTreeWidget>(&e, "dirCarpeta");
    QTreeWidgetItem* uno = arbol->currentItem()->parent();
    arbol->setCurrentItem(uno);
    QCOMPARE(e.Carpeta(), AQt(b.programa() / "uno"));
  }
};

}  // namespace vendaluz

QObject* CrearPruebaExaminar() { return new vendaluz::PruebaExaminar; }

#include "frmExaminar_test.moc"
