// The new-category dialog: the key filter of the file name, the enabling rule, the
// folder check through the browser, keeping and dropping the values, and a category
// generated from the main window.
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

// A store folder as a run leaves it.
std::filesystem::path TiendaGenerada(const Banco& b) {
  const auto carpeta = b.proyectos() / "Tienda";
  std::filesystem::create_directories(carpeta);
  test::Spit(carpeta / "carrito.htm", "<html></html>");
  test::Spit(carpeta / "estado.htm", "estado de la tienda");
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
  void nombreSoloConMinusculas() {
    Banco b;
    Proyecto p;
    frmCategoria d(p, b.entorno);
    QCOMPARE(d.windowTitle(), QStringLiteral("Categoría"));
    Hallar<QCheckBox>(&d, "cheACat")->setChecked(true);
    QTest::keyClicks(Nombre(&d), "Ofertas 2");
    QCOMPARE(Nombre(&d)->text(), QStringLiteral("fertas"));
    QTest::keyClick(Nombre(&d), Qt::Key_Backspace);
    for (const QString& letra : {QStringLiteral("ñ"), QStringLiteral("Á")}) {
      QTest::sendKeyEvent(QTest::Click, Nombre(&d), Qt::Key_unknown, letra, Qt::NoModifier);
    }
    QTest::keyClicks(Nombre(&d), "-_S");
    QCOMPARE(Nombre(&d)->text(), QStringLiteral("ferta"));
    // Pasted text is held to the same rule.
    Nombre(&d)->clear();
    Nombre(&d)->insert(QStringLiteral("Mis Ofertas"));
    QCOMPARE(Nombre(&d)->text(), QString());
  }

  void aceptarGuardaYCancelarNo() {
    Banco b;
    const auto tienda = TiendaGenerada(b);
    Proyecto p;
    auto campos = [](QWidget* d) {
      const bool si = Nombre(d)->isEnabled();
      if (Carpeta(d)->isEnabled() != si || Hallar(d, "cmdAEx")->isEnabled() != si) qFatal("mitad");
      return si;
    };
    {
      frmCategoria d(p, b.entorno);
      d.show();
      QVERIFY(!Hallar<QCheckBox>(&d, "cheACat")->isChecked() && !campos(&d));
      Pulsar(&d, "cheACat");
      QVERIFY(campos(&d));
      QTest::keyClicks(Nombre(&d), "ofertas");
      // Without a folder "Aceptar" does nothing and says nothing.
      Pulsar(&d, "cmdAceptar");
      QVERIFY(d.isVisible());
      // The browser accepts only a folder that holds carrito.htm.
      ElegirEnExaminar({b.proyectos(), tienda});
      Pulsar(&d, "cmdAEx");
      QCOMPARE(b.dialogos.Contar("pitido"), 1);
      QCOMPARE(Carpeta(&d)->text(), AQt(tienda));
      Pulsar(&d, "cmdAceptar");
      QVERIFY(!d.isVisible());
    }
    QCOMPARE(p.categoriaOpcion, 1);
    QCOMPARE(p.categoriaArchivo, std::string("ofertas"));
    QCOMPARE(p.categoriaCarpeta, tienda.string());
    QCOMPARE(b.dialogos.Contar("mensaje"), 0);

    // The dialog opens with the kept values; "Cancelar" keeps them as they were.
    {
      frmCategoria d(p, b.entorno);
      QVERIFY(Hallar<QCheckBox>(&d, "cheACat")->isChecked() && campos(&d));
      QCOMPARE(Nombre(&d)->text(), QStringLiteral("ofertas"));
      QCOMPARE(Carpeta(&d)->text(), AQt(tienda));
      Pulsar(&d, "cheACat");
      QVERIFY(!campos(&d));
      Pulsar(&d, "cmdCancelar");
    }
    QCOMPARE(p.categoriaOpcion, 1);
    // Cleared option: kept off, with the texts as they are.
    {
      frmCategoria d(p, b.entorno);
      Pulsar(&d, "cheACat");
      Pulsar(&d, "cmdAceptar");
    }
    QCOMPARE(p.categoriaOpcion, 0);
    QCOMPARE(p.categoriaArchivo, std::string("ofertas"));
  }

  void unNombreQuePisariaLaTiendaSeRechaza() {
    Banco b;
    Proyecto p;
    p.categoriaCarpeta = TiendaGenerada(b).string();
    frmCategoria d(p, b.entorno);
    d.show();
    Pulsar(&d, "cheACat");
    QTest::keyClicks(Nombre(&d), "estado");
    Pulsar(&d, "cmdAceptar");
    QVERIFY(d.isVisible());
    QCOMPARE(p.categoriaOpcion, 0);
    QCOMPARE(b.dialogos.Contar("mensaje"), 1);
    QCOMPARE(b.dialogos.Ultima("mensaje")->texto,
             QStringLiteral("El nombre de la categoría «estado» reemplazaría las páginas de la "
                            "tienda (carrito.htm, estado.htm, formulario.htm, ssl.htm); elija "
                            "otro nombre."));
  }

  void categoriaDesdeLaVentanaPrincipal() {
    Banco b;
    const auto tienda = TiendaGenerada(b);
    GuardarProyecto(ProyectoCompleto("Ofertas", 15), b.proyectos() / "Ofertas.ini");
    frmPrincipal w(b.entorno);
    w.show();
    b.dialogos.respuestas = {Respuesta::kNo};
    w.AbrirDeLista(b.proyectos() / "Ofertas.ini");
    AlAbrirse([&](QWidget* d) {
      Pulsar(d, "cheACat");
      QTest::keyClicks(Nombre(d), "ofertas");
      ElegirEnExaminar({tienda});
      Pulsar(d, "cmdAEx");
      Pulsar(d, "cmdAceptar");
    });
    Pulsar(&w, "cmdCat");
    QCOMPARE(w.ProyectoAbierto().categoriaArchivo, std::string("ofertas"));

    AlAbrirse([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
    w.MostrarReporte();
    AlTerminarGenerar([](QWidget* g) { Pulsar(g, "cmdVista"); });
    w.Generar();
    QVERIFY(std::filesystem::exists(tienda / "ofertas.htm"));
    QVERIFY(std::filesystem::exists(tienda / "ofertas2.htm"));
    QCOMPARE(test::Slurp(tienda / "estado.htm"), std::string("estado de la tienda"));
    QVERIFY(!std::filesystem::exists(b.proyectos() / "Ofertas"));
    // The list shows the store folder, and the preview opened the category's page.
    auto* lista = Hallar<QListWidget>(&w, "flbGenerados");
    QCOMPARE(lista->findItems("ofertas2.htm", Qt::MatchExactly).size(), 1);
    QCOMPARE(b.abridor.abiertos.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(b.abridor.abiertos[0]).endsWith("/ofertas.htm"));

    // A new project turns the option off again.
    Disparar(&w, "mnuNuevoPro");
    QCOMPARE(w.ProyectoAbierto().categoriaOpcion, 0);
    QCOMPARE(w.ProyectoAbierto().categoriaCarpeta, std::string());
  }
};

}  // namespace vendaluz

QObject* CrearPruebaCategoria() { return new vendaluz::PruebaCategoria; }

#include "frmCategoria_test.moc"
