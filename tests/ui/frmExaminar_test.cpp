// The folder browser, its "Crear >", and the main window's "Examinar" (the category
// mode is tested with the category dialog).

#include "ui/frmExaminar.h"
#include "ayudas_prueba.h"
#include "pruebas.h"
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
  // It opens in the program's folder, its folders sorted regardless of case; a folder
  // made with "Crear >" is listed, not entered.
  void arbolYCrearUnaCarpeta() {
    Banco b;
    std::filesystem::create_directories(b.programa() / "b");
    std::filesystem::create_directories(b.programa() / "A" / "dos");
    frmExaminar e(b.entorno, frmExaminar::Modo::kCarpetaProyecto, "Tienda");
    QCOMPARE(e.Carpeta(), AQt(b.programa()));
    QCOMPARE(Hijos(e), (QStringList{"A", "b", "Proyectos"}));

    b.dialogos.textos = {QStringLiteral("Nueva")};
    Pulsar(&e, "cmdCrear");
    QCOMPARE(b.dialogos.Ultima("texto")->inicial, QStringLiteral("Tienda"));
    QVERIFY(std::filesystem::is_directory(b.programa() / "Nueva"));
    QCOMPARE(e.Carpeta(), AQt(b.programa()));
    QCOMPARE(Hijos(e), (QStringList{"A", "b", "Nueva", "Proyectos"}));
    // An existing name, an empty answer, cancelling, a name with a slash: nothing
    // happens and nothing is said.
    b.dialogos.textos = {QStringLiteral("Nueva"), QString(), std::nullopt, QStringLiteral("x/y")};
    for (int i = 0; i < 4; ++i) Pulsar(&e, "cmdCrear");
    QCOMPARE(Hijos(e), (QStringList{"A", "b", "Nueva", "Proyectos"}));
    QVERIFY(!std::filesystem::exists(b.programa() / "x"));
    QCOMPARE(b.dialogos.Contar("mensaje"), 0);
    QCOMPARE(b.dialogos.sinRespuesta, 0);

    // Going to a folder, or choosing one in the tree, makes it current.
    QVERIFY(e.IrA(AQt(b.programa() / "A" / "dos")));
    QCOMPARE(e.Carpeta(), AQt(b.programa() / "A" / "dos"));
    auto* arbol = Hallar<QTreeWidget>(&e, "dirCarpeta");
    arbol->setCurrentItem(arbol->currentItem()->parent());
    QCOMPARE(e.Carpeta(), AQt(b.programa() / "A"));
  }

  // The main window's "Examinar" takes any folder, "Cancelar" changes nothing; the open
  // dialog then starts in the folder taken.
  void desdeLaVentanaPrincipalAceptaCualquierCarpeta() {
    Banco b;
    const auto destino = b.programa() / "mis proyectos";
    std::filesystem::create_directories(destino);
    frmPrincipal w(b.entorno);
    for (const auto& [boton, carpeta] :
         {std::pair{"cmdAceptar", destino}, {"cmdCancelar", b.programa()}}) {
      AlAbrirse([&](QWidget* modal) {
        auto* e = qobject_cast<frmExaminar*>(modal);
        QVERIFY(e);
        QVERIFY(e->IrA(AQt(carpeta)));
        Pulsar(e, boton);
        if (e->isVisible()) e->reject();  // refused: fail below instead of hanging
      });
      Pulsar(&w, "cmdExaminar");
      QCOMPARE(Hallar<QLineEdit>(&w, "txtCarpetaPre")->text(), AQt(destino));
      QCOMPARE(w.ProyectoAbierto().inicio.Carpeta, destino.string());
    }
    b.dialogos.archivos = {std::nullopt};
    w.AbrirProyecto();
    QCOMPARE(b.dialogos.Ultima("abrir")->carpeta, AQt(destino));
  }
};

}  // namespace vendaluz

QObject* CrearPruebaExaminar() { return new vendaluz::PruebaExaminar; }

#include "frmExaminar_test.moc"
