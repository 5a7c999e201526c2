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

// Whether the name, the folder and its button are enabled; all three follow the check box.
bool Campos(QWidget* d) {
  const bool si = Nombre(d)->isEnabled();
  if (Carpeta(d)->isEnabled() != si || Hallar(d, "cmdAEx")->isEnabled() != si) qFatal("mitad");
  return si;
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

// Once the browser opens, tries each folder with "Aceptar" in turn.
void ElegirEnExaminar(std::vector<std::filesystem::path> carpetas) {
  AlAbrirse([carpetas](QWidget* modal) {
    for (const auto& carpeta : carpetas) {
      QVERIFY(qobject_cast<frmExaminar*>(modal)->IrA(AQt(carpeta)));
      Pulsar(modal, "cmdAceptar");
    }
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
      QVERIFY(!Hallar<QCheckBox>(&d, "cheACat")->isChecked() && !Campos(&d));
      Pulsar(&d, "cheACat");
      QVERIFY(Campos(&d));
      QTest::keyClicks(Nombre(&d), "Ofertas 2-_S");
      for (const QString& letra : {QStringLiteral("ñ"), QStringLiteral("Á")}) {
        QTest::sendKeyEvent(QTest::Click, Nombre(&d), Qt::Key_unknown, letra, Qt::NoModifier);
      }
      QTest::keyClick(Nombre(&d), Qt::Key_Backspace);
      QCOMPARE(Nombre(&d)->text(), QStringLiteral("ferta"));
      Nombre(&d)->clear();
      Nombre(&d)->insert(QStringLiteral("Mis Ofertas"));
      QCOMPARE(Nombre(&d)->text(), QString());
      QTest::keyClicks(Nombre(&d), "estado");
      Pulsar(&d, "cmdAceptar");
      QVERIFY(d.isVisible());
      ElegirEnExaminar({b.proyectos(), tienda});
      Pulsar(&d, "cmdAEx");
      QCOMPARE(b.dialogos.Contar("pitido"), 1);
      QCOMPARE(Carpeta(&d)->text(), AQt(tienda));
      QCOMPARE(b.dialogos.Contar("mensaje"), 0);
      Pulsar(&d, "cmdAceptar");
      QVERIFY(d.isVisible());
      QCOMPARE(p.categoriaOpcion, 0);
      QCOMPARE(b.dialogos.Ultima("mensaje")->texto,
               QStringLiteral("El nombre de la categoría «estado» reemplazaría las páginas de la "
                              "tienda (carrito.htm, estado.htm, formulario.htm, ssl.htm); elija "
                              "otro nombre."));
      Escribir(Nombre(&d), "ofertas");
      Pulsar(&d, "cmdAceptar");
      QVERIFY(!d.isVisible());
    }
    QCOMPARE(p.categoriaOpcion, 1);
    QCOMPARE(p.categoriaArchivo, std::string("ofertas"));
    QCOMPARE(p.categoriaCarpeta, tienda.string());
    {
      frmCategoria d(p, b.entorno);
      QVERIFY(Hallar<QCheckBox>(&d, "cheACat")->isChecked() && Campos(&d));
      QCOMPARE(Nombre(&d)->text() + " " + Carpeta(&d)->text(), "ofertas " + AQt(tienda));
      Pulsar(&d, "cheACat");
      QVERIFY(!Campos(&d));
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

  // The main window's "Categoría" edits the open project's category.
  void categoriaDesdeLaVentanaPrincipal() {
    Banco b;
    const auto tienda = TiendaGenerada(b);
    frmPrincipal w(b.entorno);
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
};

}  // namespace vendaluz

QObject* CrearPruebaCategoria() { return new vendaluz::PruebaCategoria; }

#include "frmCategoria_test.moc"
