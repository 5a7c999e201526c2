// The new-category dialog: the key filter of the file name, the enabling rule, the folder check
// through the browser (which takes only a store's folder), the names refused, keeping and dropping
// the values, and the dialog opened from the main window.
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
