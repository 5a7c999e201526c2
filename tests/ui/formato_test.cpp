// The " Formato " and " Meta Tags " pages: the colour rows, the page selector, the
// free-text switch, the fonts, the stylesheet switch and dialog, and the meta-tag
// dialog.
#include "ayudas_prueba.h"
#include "pruebas.h"
#include "ui/frmPrincipal.h"
#include "ui/pagina_meta_tags.h"

namespace vendaluz {

using namespace prueba;

class PruebaFormato : public QObject {
  Q_OBJECT

 private slots:
  // Each swatch's text is its #RRGGBB; a picked colour is stored as R + 256 G +
  // 65536 B; cancelling changes nothing.
  void colores() {
    Banco b;
    frmPrincipal w(b.entorno);
    auto muestras = [&] {
      QStringList s;
      for (int i = 0; i < 7; ++i) s << Hallar<QLineEdit>(&w, QString("txtColor%1").arg(i))->text();
      return s.join(' ');
    };
    QCOMPARE(muestras(), QStringLiteral("#FFFFFF #000000 #000000 #E0E0E0 #FFFFFF #32468D #800080"));
    b.dialogos.colores = {QColor(10, 20, 30), std::nullopt};
    Pulsar(&w, "cmdColor5");
    QCOMPARE(muestras(), QStringLiteral("#FFFFFF #000000 #000000 #E0E0E0 #FFFFFF #0A141E #800080"));
    QCOMPARE(w.ProyectoAbierto().formato.Color[5], Color{10 + 256 * 20 + 65536 * 30});
    Pulsar(&w, "cmdColor5");
    QCOMPARE(Hallar<QLineEdit>(&w, "txtColor5")->text(), QStringLiteral("#0A141E"));
    QCOMPARE(b.dialogos.Contar("color"), 2);
  }

  // The selector shows one page kind's frame; the free-text switch empties the
  // text; line breaks of a page text survive saving and opening; the fonts list
  // takes no typing.
  void paginasYTexto() {
    Banco b;
    frmPrincipal w(b.entorno);
    w.show();
    Hallar<QTabWidget>(&w, "SSTab")->setCurrentIndex(1);
    Hallar<QComboBox>(&w, "cboDoc")->setCurrentIndex(2);
    QVERIFY(!Hallar(&w, "fraHTML10")->isVisible() && !Hallar(&w, "fraHTML11")->isVisible());
    QVERIFY(Hallar(&w, "fraHTML12")->isVisible());
    QCOMPARE(Hallar<QLabel>(&w, "lblTitPag2")->text(),
             QStringLiteral("Nombre del hipervínculo: ssl"));

    Hallar<QComboBox>(&w, "cboDoc")->setCurrentIndex(1);
    auto* incluir = Hallar<QCheckBox>(&w, "cheInTexto1");
    auto* texto = Hallar<QPlainTextEdit>(&w, "txtInTexto1");
    QVERIFY(!texto->isEnabled());
    incluir->click();
    QVERIFY(texto->isEnabled());
    texto->setPlainText("Envíos en 48 horas.\nPago seguro.");
    QCOMPARE(w.ProyectoAbierto().formato.Texto[1],
             std::string("Envíos en 48 horas.\nPago seguro."));
    b.dialogos.archivos = {AQt(b.proyectos() / "Tienda.ini")};
    QVERIFY(w.GuardarProyecto());
    incluir->click();
    QVERIFY(texto->toPlainText().isEmpty() && !texto->isEnabled());
    QCOMPARE(w.ProyectoAbierto().formato.Texto[1], std::string());
    QCOMPARE(w.ProyectoAbierto().formato.IncluirTexto[1], 0);
    incluir->click();
    QVERIFY(texto->toPlainText().isEmpty() && texto->isEnabled());

    frmPrincipal otra(b.entorno);
    otra.AbrirDeLista(b.proyectos() / "Tienda.ini");
    QCOMPARE(otra.ProyectoAbierto().formato.Texto[1],
             std::string("Envíos en 48 horas.\nPago seguro."));
    QCOMPARE(Hallar<QPlainTextEdit>(&otra, "txtInTexto1")->toPlainText(),
             QStringLiteral("Envíos en 48 horas.\nPago seguro."));

    auto* fuente = Hallar<QComboBox>(&w, "cboFuente");
    QTest::keyClicks(fuente, "Va");
    QCOMPARE(fuente->currentText(), QStringLiteral("Times New Roman"));
    QVERIFY(!fuente->isEditable());
  }

  // The stylesheet switch enables the button and the menu entry; the dialog writes
  // on "Aceptar" only.
  void hojaDeEstilo() {
    Banco b;
    frmPrincipal w(b.entorno);
    auto* menu = Hallar<QAction>(&w, "mnuHojaEstilo");
    auto* boton = Hallar<QPushButton>(&w, "cmdCSS");
    QVERIFY(!menu->isEnabled() && !boton->isEnabled());
    Pulsar(&w, "cheCSS");
    QVERIFY(menu->isEnabled() && boton->isEnabled());
    QCOMPARE(w.ProyectoAbierto().formato.CSS, 1);

    const Proyecto antes = w.ProyectoAbierto();
    b.dialogos.colores = {QColor(255, 0, 0)};
    AlAbrirse([](QWidget* d) {
      Pulsar(d, "cmdColorCSS2");
      QCOMPARE(Hallar<QLineEdit>(d, "txtCSSColor2")->text(), QStringLiteral("#FF0000"));
      QTest::keyClick(d, Qt::Key_Escape);
    });
    Disparar(&w, "mnuHojaEstilo");
    QCOMPARE(w.ProyectoAbierto(), antes);

    b.dialogos.colores = {QColor(0, 0, 255)};
    AlAbrirse([](QWidget* d) {
      QCOMPARE(Hallar<QLineEdit>(d, "txtCSSColor1")->text(), QStringLiteral("#FFFFFF"));
      Pulsar(d, "cmdColorCSS0");
      Hallar<QComboBox>(d, "cboCSSDeco2")->setCurrentIndex(2);
      Hallar<QComboBox>(d, "cboCSSFuente1")->setCurrentIndex(0);
      Pulsar(d, "cmdAceptar");
    });
    QTest::mouseClick(boton, Qt::LeftButton);
    const auto& css = w.ProyectoAbierto().css;
    QCOMPARE(css.CSS[0], Color{16711680});
    QCOMPARE(css.Decoracion2, std::string("underline"));
    QCOMPARE(css.Fuente1, std::string("Arial"));
    QCOMPARE(css.Decoracion1, std::string("none"));

    Pulsar(&w, "cheCSS");
    QVERIFY(!menu->isEnabled() && !boton->isEnabled());
  }

  // The meta-tag dialog: caption, selected value, Enter stores, Escape cancels.
  void metaTags() {
    Banco b;
    frmPrincipal w(b.entorno);
    auto* lista = Hallar<QTreeWidget>(&w, "lstMeta");
    QCOMPARE(lista->topLevelItemCount(), 8);
    QCOMPARE(lista->topLevelItem(3)->text(0), QStringLiteral(" Palabras claves"));
    QString marco;
    AlAbrirse([&](QWidget* d) {
      marco = Hallar<QGroupBox>(d, "fraMeta")->title();
      auto* valor = Hallar<QLineEdit>(d, "txtValor");
      QTest::keyClicks(valor, "Ana Gil");
      QTest::keyClick(valor, Qt::Key_Return);
    });
    Pulsar(&w, "cmdMeta");
    QCOMPARE(marco, QStringLiteral(" Autor "));
    QCOMPARE(w.ProyectoAbierto().metaTags.valor[0], std::string("Ana Gil"));
    QCOMPARE(lista->topLevelItem(0)->text(1), QStringLiteral("Ana Gil"));

    lista->setCurrentItem(lista->topLevelItem(7));
    QString seleccion;
    AlAbrirse([&](QWidget* d) {
      QTest::keyClicks(Hallar<QLineEdit>(d, "txtValor"), "noindex");
      QTest::keyClick(d, Qt::Key_Escape);
    });
    Hallar<PaginaMetaTags>(&w, "Bloque2")->EditarValor();
    QCOMPARE(w.ProyectoAbierto().metaTags.valor[7], std::string());

    AlAbrirse([&](QWidget* d) {
      seleccion = Hallar<QLineEdit>(d, "txtValor")->selectedText();
      static_cast<QDialog*>(d)->reject();
    });
    lista->setCurrentItem(lista->topLevelItem(0));
    Hallar<PaginaMetaTags>(&w, "Bloque2")->EditarValor();
    QCOMPARE(seleccion, QStringLiteral("Ana Gil"));

    Pulsar(&w, "cheIncluirMetas");
    QCOMPARE(w.ProyectoAbierto().metaTags.Incluir, 0);
  }
};

}  // namespace vendaluz

QObject* CrearPruebaFormato() { return new vendaluz::PruebaFormato; }

#include "formato_test.moc"
