// The folder browser, its "Crear >" and the main window's "Examinar"; the new-category dialog:
// the key filter of the file name, the enabling rule, the folder check through the browser (which
// takes only a store's folder), the names refused, keeping and dropping the values, and the
// dialog opened from the main window.
#include "ui/frmCategoria.h"
#include "ayudas_prueba.h"
#include "pruebas.h"
#include "test_util.h"
#include "ui/frmExaminar.h"
#include "ui/frmPrincipal.h"

namespace vendaluz {
namespace {

using namespace prueba;

QLineEdit* Nombre(QWidget* d) { return Hallar<QLineEdit>(d, "ANombre"); }
QLineEdit* Carpeta(QWidget* d) { return Hallar<QLineEdit>(d, "AGuardar"); }

// The check box (1 when checked), then which of the name, the folder and its button are enabled.
QString Campos(QWidget* d) {
  const QString marcada = Hallar<QCheckBox>(d, "cheACat")->isChecked() ? "1" : "0";
  return marcada + Habilitados(d, {"ANombre", "AGuardar", "cmdAEx"});
}

QStringList Hijos(frmExaminar& e) {
  QStringList nombres;
  const QTreeWidgetItem* actual = Hallar<QTreeWidget>(&e, "dirCarpeta")->currentItem();
  for (int i = 0; i < actual->childCount(); ++i) nombres << actual->child(i)->text(0);
  return nombres;
}

// A store folder as a run leaves it, as far as the folder browser looks.
std::filesystem::path TiendaGenerada(const Banco& b) {
  const auto carpeta = b.proyectos() / "Tienda";
  std::filesystem::create_directories(carpeta);
  test::Spit(carpeta / "carrito.htm", "<html></html>");
  return carpeta;
}

// Once the browser opens, tries each folder with boton in turn; a browser still open then is
// closed, so that the checks after it fail instead of waiting.
void ElegirEnExaminar(std::vector<std::filesystem::path> carpetas,
                      const char* boton = "cmdAceptar") {
  AlAbrirse([carpetas, boton](QWidget* modal) {
    auto* examinar = qobject_cast<frmExaminar*>(modal);
    QVERIFY(examinar);
    for (const auto& carpeta : carpetas) {
      QVERIFY(examinar->IrA(AQt(carpeta)));
      Pulsar(modal, boton);
    }
    if (modal->isVisible()) static_cast<QDialog*>(modal)->reject();
  });
}

}  // namespace

class PruebaCategoria : public QObject {
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

  // The main window's "Examinar" takes any folder, "Cancelar" changes nothing, and the open
  // dialog then starts in the folder taken; its "Categoría" edits the open project's category.
  void desdeLaVentanaPrincipal() {
    Banco b;
    const auto destino = b.programa() / "mis proyectos", tienda = TiendaGenerada(b);
    std::filesystem::create_directories(destino);
    frmPrincipal w(b.entorno);
    for (const auto& [boton, carpeta] :
         {std::pair{"cmdAceptar", destino}, {"cmdCancelar", b.programa()}}) {
      ElegirEnExaminar({carpeta}, boton);
      Pulsar(&w, "cmdExaminar");
      QCOMPARE(Hallar<QLineEdit>(&w, "txtCarpetaPre")->text(), AQt(destino));
      QCOMPARE(w.ProyectoAbierto().inicio.Carpeta, destino.string());
    }
    b.dialogos.respuestas = {Respuesta::kNo};  // the folder is a change to the project
    b.dialogos.archivos = {std::nullopt};
    w.AbrirProyecto();
    QCOMPARE(b.dialogos.Ultima("abrir")->carpeta, AQt(destino));

    AlAbrirse([&](QWidget* d) {
      Pulsar(d, "cheACat");
      QTest::keyClicks(Nombre(d), "ofertas");
      ElegirEnExaminar({tienda});
      Pulsar(d, "cmdAEx");
      Pulsar(d, "cmdAceptar");
    });
    Pulsar(&w, "cmdCat");
    QCOMPARE(w.ProyectoAbierto().categoriaArchivo + " " + w.ProyectoAbierto().categoriaCarpeta,
             "ofertas " + tienda.string());
  }
  // The name takes lowercase a to z only, typed or pasted; without a folder "Aceptar" does nothing
  // and says nothing; the browser takes only a folder with carrito.htm; a name that would write
  // over the store's pages is refused with a warning; the dialog opens with the kept values;
  // "Cancelar" keeps them; the option switched off is kept off with the texts as they are.
  void nombreCarpetaYValoresGuardados() {
    Banco b;
    const auto tienda = TiendaGenerada(b);
    Proyecto p;
    {
      frmCategoria d(p, b.entorno);
      d.show();
      QCOMPARE(Campos(&d), "0000");
      Pulsar(&d, "cheACat");
      QCOMPARE(Campos(&d), "1111");
      QTest::keyClicks(Nombre(&d), "Ofertas 2-_S");
      for (const QString& letra : {QStringLiteral("ñ"), QStringLiteral("Á")}) {
        QTest::sendKeyEvent(QTest::Click, Nombre(&d), Qt::Key_unknown, letra, Qt::NoModifier);
      }
      QTest::keyClick(Nombre(&d), Qt::Key_Backspace);
      QCOMPARE(Nombre(&d)->text(), QStringLiteral("ferta"));
      Nombre(&d)->clear();
      Nombre(&d)->insert(QStringLiteral("Mis Ofertas"));
      QCOMPARE(Nombre(&d)->text(), QStringLiteral("isfertas"));
      Escribir(Nombre(&d), "estado");
      Pulsar(&d, "cmdAceptar");
      QVERIFY(d.isVisible());
      ElegirEnExaminar({b.proyectos(), tienda});
      Pulsar(&d, "cmdAEx");
      QCOMPARE(b.dialogos.Contar("pitido"), 1);
      QCOMPARE(Carpeta(&d)->toolTip(), AQt(tienda));
      QCOMPARE(b.dialogos.Contar("mensaje"), 0);
      Pulsar(&d, "cmdAceptar");
      QVERIFY(d.isVisible());
      QCOMPARE(p.categoriaOpcion, 0);
      // The generator's check, without its error number (its text is the generator's test).
      QVERIFY(b.dialogos.Ultima("mensaje")->texto.startsWith("El nombre de la categoría «estado»"));
      Escribir(Nombre(&d), "ofertas");
      Pulsar(&d, "cmdAceptar");
      QVERIFY(!d.isVisible());
    }
    QCOMPARE(p.categoriaOpcion, 1);
    QCOMPARE(p.categoriaArchivo, std::string("ofertas"));
    QCOMPARE(p.categoriaCarpeta, tienda.string());
    {
      frmCategoria d(p, b.entorno);
      QCOMPARE(Campos(&d), "1111");
      QCOMPARE(Nombre(&d)->text() + " " + Carpeta(&d)->toolTip(), "ofertas " + AQt(tienda));
      Pulsar(&d, "cheACat");
      QCOMPARE(Campos(&d), "0000");
      Pulsar(&d, "cmdCancelar");
    }
    QCOMPARE(p.categoriaOpcion, 1);
    {
      frmCategoria d(p, b.entorno);
      Pulsar(&d, "cheACat");
      Pulsar(&d, "cmdAceptar");
    }
    QCOMPARE(p.categoriaOpcion, 0);
    QCOMPARE(p.categoriaArchivo, std::string("ofertas"));
  }
};

}  // namespace vendaluz

QObject* CrearPruebaCategoria() { return new vendaluz::PruebaCategoria; }

#include "frmCategoria_test.moc"
