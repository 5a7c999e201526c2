// The " Formato " and " Meta Tags " pages: the colour rows, the page selector, the free-text
// switch, the fonts, the stylesheet switch and dialog, and the meta-tag dialog.
#include "ayudas_prueba.h"
#include "pruebas.h"
#include "ui/frmPrincipal.h"
#include "ui/pagina_meta_tags.h"

namespace vendaluz {

using namespace prueba;

class PruebaFormato : public QObject {
  Q_OBJECT

 private slots:
  // The selector shows one page kind's frame; the free-text switch enables the text and, off,
  // empties it; an opened project shows its text; the fonts list takes no typing.
  void paginasYTexto() {
    Banco b;
    Proyecto p = ProyectoCompleto("Tienda");
    p.formato.IncluirTexto[2] = 1;
    p.formato.Texto[2] = "Pago seguro.\nEnvíos en 48 horas.";
    GuardarProyecto(p, b.proyectos() / "Tienda.ini");
    frmPrincipal w(b.entorno);
    w.show();
    w.AbrirDeLista(b.proyectos() / "Tienda.ini");
    Hallar<QTabWidget>(&w, "SSTab")->setCurrentIndex(1);
    Hallar<QComboBox>(&w, "cboDoc")->setCurrentIndex(2);
    QVERIFY(!Hallar(&w, "fraHTML10")->isVisible() && !Hallar(&w, "fraHTML11")->isVisible());
    QVERIFY(Hallar(&w, "fraHTML12")->isVisible());
    auto* texto = Hallar<QPlainTextEdit>(&w, "txtInTexto2");
    QCOMPARE(texto->toPlainText(), QStringLiteral("Pago seguro.\nEnvíos en 48 horas."));
    QVERIFY(texto->isEnabled());
    Pulsar(&w, "cheInTexto2");
    QVERIFY(texto->toPlainText().isEmpty() && !texto->isEnabled());
    QCOMPARE(w.ProyectoAbierto().formato.Texto[2], std::string());

    auto* fuente = Hallar<QComboBox>(&w, "cboFuente");
    const QString antes = fuente->currentText();
    QTest::keyClicks(fuente, "Va");
    QCOMPARE(fuente->currentText(), antes);
    QVERIFY(!fuente->isEditable());
  }

  // A swatch shows a picked colour as #RRGGBB; it is stored as R + 256 G + 65536 B;
  // cancelling changes nothing. The stylesheet switch enables the button and the menu entry;
  // the stylesheet dialog writes on "Aceptar" only.
  void coloresYHojaDeEstilo() {
    Banco b;
    frmPrincipal w(b.entorno);
    b.dialogos.colores = {QColor(10, 20, 30), std::nullopt, QColor(255, 0, 0), QColor(0, 0, 255)};
    for (int i = 0; i < 2; ++i) {
      Pulsar(&w, "cmdColor5");
      QCOMPARE(Hallar<QLineEdit>(&w, "txtColor5")->text(), QStringLiteral("#0A141E"));
      QCOMPARE(w.ProyectoAbierto().formato.Color[5], Color{10 + 256 * 20 + 65536 * 30});
    }

    auto* menu = Hallar<QAction>(&w, "mnuHojaEstilo");
    auto* boton = Hallar<QPushButton>(&w, "cmdCSS");
    QVERIFY(!menu->isEnabled() && !boton->isEnabled());
    Pulsar(&w, "cheCSS");
    QVERIFY(menu->isEnabled() && boton->isEnabled());

    const Proyecto antes = w.ProyectoAbierto();
    AlAbrirse([](QWidget* d) {
      Pulsar(d, "cmdColorCSS2");
      QCOMPARE(Hallar<QLineEdit>(d, "txtCSSColor2")->text(), QStringLiteral("#FF0000"));
      QTest::keyClick(d, Qt::Key_Escape);
    });
    Disparar(&w, "mnuHojaEstilo");
    QCOMPARE(w.ProyectoAbierto(), antes);
    AlAbrirse([](QWidget* d) {
      Pulsar(d, "cmdColorCSS0");
      Hallar<QComboBox>(d, "cboCSSDeco2")->setCurrentIndex(2);
      Hallar<QComboBox>(d, "cboCSSFuente1")->setCurrentIndex(0);
      Pulsar(d, "cmdAceptar");
    });
    QTest::mouseClick(boton, Qt::LeftButton);
    const auto& css = w.ProyectoAbierto().css;
    QCOMPARE(css.CSS[0], Color{16711680});
    QCOMPARE(css.Decoracion2 + " " + css.Fuente1, std::string("underline Arial"));

    Pulsar(&w, "cheCSS");
    QVERIFY(!menu->isEnabled() && !boton->isEnabled());
  }

  // The meta-tag dialog: the tag's name, its value selected, Enter stores, Escape cancels.
  void metaTags() {
    Banco b;
    frmPrincipal w(b.entorno);
    auto* lista = Hallar<QTreeWidget>(&w, "lstMeta");
    lista->setCurrentItem(lista->topLevelItem(3));
    QString marco, seleccion;
    AlAbrirse([&](QWidget* d) {
      marco = Hallar<QGroupBox>(d, "fraMeta")->title();
      auto* valor = Hallar<QLineEdit>(d, "txtValor");
      QTest::keyClicks(valor, "Ana Gil");
      QTest::keyClick(valor, Qt::Key_Return);
    });
    Pulsar(&w, "cmdMeta");
    QCOMPARE(marco, lista->topLevelItem(3)->text(0) + " ");
    QCOMPARE(w.ProyectoAbierto().metaTags.valor[3], std::string("Ana Gil"));
    QCOMPARE(lista->topLevelItem(3)->text(1), QStringLiteral("Ana Gil"));

    AlAbrirse([&](QWidget* d) {
      seleccion = Hallar<QLineEdit>(d, "txtValor")->selectedText();
      QTest::keyClicks(Hallar<QLineEdit>(d, "txtValor"), "noindex");
      QTest::keyClick(d, Qt::Key_Escape);
    });
    Hallar<PaginaMetaTags>(&w, "Bloque2")->EditarValor();
    QCOMPARE(seleccion, QStringLiteral("Ana Gil"));
    QCOMPARE(w.ProyectoAbierto().metaTags.valor[3], std::string("Ana Gil"));
  }
};

}  // namespace vendaluz

QObject* CrearPruebaFormato() { return new vendaluz::PruebaFormato; }

#include "formato_test.moc"
