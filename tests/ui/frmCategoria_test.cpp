// The new-category dialog: the key filter of the file name, the enabling rule, the
// folder check through the browser, keeping and dropping the values, and a category
// generated from the main window.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ayudas_prueba.h"
#include "model/archivo_proyecto.h"
#include "pruebas.h"
#include "test_util.h"
#include "ui/frmCategoria.h"
#include "ui/frmExaminar.h"
#include "ui/frmPrincipal.h"

namespace vendaluz {
namespace {

using prueba::AlAbrirse;
using prueba::Banco;

struct Controles {
  QCheckBox* opcion;
  QLineEdit* nombre;
  QLineEdit* carpeta;
  QPushButton* examinar;
  QPushButton* aceptar;
  QPushButton* cancelar;
  explicit Controles(QWidget& w)
      : opcion(w.findChild<QCheckBox*>("cheACat")),
        nombre(w.findChild<QLineEdit*>("ANombre")),
        carpeta(w.findChild<QLineEdit*>("AGuardar")),
        examinar(w.findChild<QPushButton*>("cmdAEx")),
        aceptar(w.findChild<QPushButton*>("cmdAceptar")),
        cancelar(w.findChild<QPushButton*>("cmdCancelar")) {}
};

// A store folder as a run leaves it.
std::filesystem::path TiendaGenerada(const Banco& b) {
  const auto carpeta = b.proyectos() / "Tienda";
  std::filesystem::create_directories(carpeta);
  test::Spit(carpeta / "carrito.htm", "<html></html>");
  test::Spit(carpeta / "estado.htm", "estado de la tienda");
  return carpeta;
}

}  // namespace

class PruebaCategoria : public QObject {
  Q_OBJECT

 private slots:
  void nombreSoloConMinusculas() {
    Banco b;
    Proyecto p;
    frmCategoria d(p, b.entorno);
    Controles c(d);
    QCOMPARE(d.windowTitle(), QStringLiteral("Categoría"));
    c.opcion->setChecked(true);
    QTest::keyClicks(c.nombre, "Ofertas 2");
    QCOMPARE(c.nombre->text(), QStringLiteral("fertas"));
    QTest::keyClick(c.nombre, Qt::Key_Backspace);
    for (const QString& letra : {QStringLiteral("ñ"), QStringLiteral("Á")}) {
      QTest::sendKeyEvent(QTest::Click, c.nombre, Qt::Key_unknown, letra, Qt::NoModifier);
    }
    QTest::keyClicks(c.nombre, "-_S");
    QCOMPARE(c.nombre->text(), QStringLiteral("ferta"));
    // Pasted text is held to the same rule.
    c.nombre->clear();
    c.nombre->insert(QStringLiteral("Mis Ofertas"));
    QCOMPARE(c.nombre->text(), QString());
  }

  void laOpcionHabilitaLosCampos() {
    Banco b;
    Proyecto p;
    frmCategoria d(p, b.entorno);
    Controles c(d);
    QVERIFY(!c.opcion->isChecked());
    QVERIFY(!c.nombre->isEnabled() && !c.carpeta->isEnabled() && !c.examinar->isEnabled());
    c.opcion->click();
    QVERIFY(c.nombre->isEnabled() && c.carpeta->isEnabled() && c.examinar->isEnabled());
    c.opcion->click();
    QVERIFY(!c.nombre->isEnabled() && !c.carpeta->isEnabled() && !c.examinar->isEnabled());
  }

  void aceptarGuardaYCancelarNo() {
    Banco b;
    const auto tienda = TiendaGenerada(b);
    Proyecto p;
    {
      frmCategoria d(p, b.entorno);
      Controles c(d);
      d.show();
      c.opcion->click();
      QTest::keyClicks(c.nombre, "ofertas");
      // Without a folder "Aceptar" does nothing and says nothing.
      c.aceptar->click();
      QVERIFY(d.isVisible());
      QCOMPARE(p.categoriaOpcion, 0);

      // The browser accepts only a folder that holds carrito.htm.
      AlAbrirse([&](QWidget* modal) {
        auto* e = qobject_cast<frmExaminar*>(modal);
        QVERIFY(e->IrA(AQt(b.proyectos())));
        e->findChild<QPushButton*>("cmdAceptar")->click();
        QVERIFY(e->isVisible());
        QVERIFY(e->IrA(AQt(tienda)));
        e->findChild<QPushButton*>("cmdAceptar")->click();
      });
      c.examinar->click();
      QCOMPARE(b.dialogos.Contar("pitido"), 1);
      QCOMPARE(c.carpeta->text(), AQt(tienda));
      c.aceptar->click();
      QVERIFY(!d.isVisible());
    }
    QCOMPARE(p.categoriaOpcion, 1);
    QCOMPARE(p.categoriaArchivo, std::string("ofertas"));
    QCOMPARE(p.categoriaCarpeta, tienda.string());

    // The dialog opens with the kept values; "Cancelar" keeps them as they were.
    {
      frmCategoria d(p, b.entorno);
      Controles c(d);
      QVERIFY(c.opcion->isChecked());
      QVERIFY(c.nombre->isEnabled());
      QCOMPARE(c.nombre->text(), QStringLiteral("ofertas"));
      QCOMPARE(c.carpeta->text(), AQt(tienda));
      c.opcion->click();
      c.cancelar->click();
    }
    QCOMPARE(p.categoriaOpcion, 1);

    // Cleared option: kept off, with the texts as they are.
    {
      frmCategoria d(p, b.entorno);
      Controles c(d);
      c.opcion->click();
      c.aceptar->click();
    }
    QCOMPARE(p.categoriaOpcion, 0);
    QCOMPARE(p.categoriaArchivo, std::string("ofertas"));
  }

  void unNombreQuePisariaLaTiendaSeRechaza() {
    Banco b;
    const auto tienda = TiendaGenerada(b);
    Proyecto p;
    p.categoriaCarpeta = tienda.string();
    frmCategoria d(p, b.entorno);
    Controles c(d);
    d.show();
    c.opcion->click();
    QTest::keyClicks(c.nombre, "estado");
    c.aceptar->click();
    QVERIFY(d.isVisible());
    QCOMPARE(p.categoriaOpcion, 0);
    const auto* aviso = b.dialogos.Ultima("mensaje");
    QVERIFY(aviso);
    QVERIFY2(aviso->texto.contains("estado.htm"), qPrintable(aviso->texto));
  }

  void categoriaDesdeLaVentanaPrincipal() {
    Banco b;
    const auto tienda = TiendaGenerada(b);
    Proyecto p;
    ContadorProyectos contador;
    NuevoProyecto(p, contador, "/tmp");
    p.inicio.Nombre = "Ofertas";
    for (int i = 0; i < 15; ++i) p.productos.push_back({"Mesa", "80.00", "", ""});
    p.servidor.Redireccionar = "http://www.example.com";
    p.correoEmail = "ventas@example.com";
    GuardarProyecto(p, b.proyectos() / "Ofertas.ini");

    frmPrincipal w(b.entorno);
    w.show();
    b.dialogos.respuestas = {Respuesta::kNo};
    w.AbrirDeLista(b.proyectos() / "Ofertas.ini");
    AlAbrirse([&](QWidget* modal) {
      Controles c(*modal);
      c.opcion->click();
      QTest::keyClicks(c.nombre, "ofertas");
      AlAbrirse([&](QWidget* examinar) {
        qobject_cast<frmExaminar*>(examinar)->IrA(AQt(tienda));
        examinar->findChild<QPushButton*>("cmdAceptar")->click();
      });
      c.examinar->click();
      c.aceptar->click();
    });
    w.findChild<QPushButton*>("cmdCat")->click();
    QCOMPARE(w.ProyectoAbierto().categoriaArchivo, std::string("ofertas"));

    AlAbrirse([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
    w.MostrarReporte();
    AlAbrirse([](QWidget* modal) {
      auto* cerrar = modal->findChild<QPushButton*>("cmdCancelar");
      QTRY_VERIFY_WITH_TIMEOUT(cerrar->isEnabled(), 20000);
      modal->findChild<QPushButton*>("cmdVista")->click();
      cerrar->click();
    });
    w.Generar();
    QVERIFY(std::filesystem::exists(tienda / "ofertas.htm"));
    QVERIFY(std::filesystem::exists(tienda / "ofertas2.htm"));
    QCOMPARE(test::Slurp(tienda / "estado.htm"), std::string("estado de la tienda"));
    QVERIFY(!std::filesystem::exists(b.proyectos() / "Ofertas"));
    // The list shows the store folder, and the preview opened the category's page.
    auto* lista = w.findChild<QListWidget*>("flbGenerados");
    QCOMPARE(lista->findItems("ofertas2.htm", Qt::MatchExactly).size(), 1);
    QCOMPARE(b.abridor.abiertos.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(b.abridor.abiertos[0]).endsWith("/ofertas.htm"));

    // A new project turns the option off again.
    b.dialogos.respuestas = {Respuesta::kNo};
    w.NuevoProyecto();
    QCOMPARE(w.ProyectoAbierto().categoriaOpcion, 0);
    QCOMPARE(w.ProyectoAbierto().categoriaCarpeta, std::string());
  }
};

}  // namespace vendaluz

QObject* CrearPruebaCategoria() { return new vendaluz::PruebaCategoria; }

#include "frmCategoria_test.moc"
