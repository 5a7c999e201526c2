// The format, stylesheet and meta-tag editors: colour rows, page kinds and their
// free texts, fixed lists, the stylesheet switch with its dialog, and the meta tags.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "ayudas_prueba.h"
#include "pruebas.h"
#include "ui/frmPrincipal.h"

namespace vendaluz {
namespace {

using prueba::AlAbrirse;
using prueba::Banco;

template <typename T>
T* Hallar(QObject* raiz, const QString& nombre) {
  T* hallado = raiz->findChild<T*>(nombre);
  if (!hallado) qFatal("no hay control %s", qPrintable(nombre));
  return hallado;
}

void Clic(QObject* raiz, const QString& nombre) {
  QTest::mouseClick(Hallar<QAbstractButton>(raiz, nombre), Qt::LeftButton);
}

}  // namespace

class PruebaFormato : public QObject {
  Q_OBJECT

 private slots:
  void coloresDelDialogoOCancelar() {
    Banco b;
    frmPrincipal w(b.entorno);
    QCOMPARE(Hallar<QLineEdit>(&w, "txtColor5")->text(), QStringLiteral("#32468D"));
    b.dialogos.colores = {QColor(10, 200, 3), std::nullopt};
    Clic(&w, "cmdColor5");
    QCOMPARE(Hallar<QLineEdit>(&w, "txtColor5")->text(), QStringLiteral("#0AC803"));
    QCOMPARE(w.ProyectoAbierto().formato.Color[5], 10u + 200u * 256u + 3u * 65536u);
    // Cancelled: nothing changes.
    Clic(&w, "cmdColor5");
    QCOMPARE(Hallar<QLineEdit>(&w, "txtColor5")->text(), QStringLiteral("#0AC803"));
    QCOMPARE(w.ProyectoAbierto().formato.Color[0], 16777215u);
  }

  void clasesDePaginaYTextoLibre() {
    Banco b;
    frmPrincipal w(b.entorno);
    w.show();
    auto* cboDoc = Hallar<QComboBox>(&w, "cboDoc");
    Hallar<QTabWidget>(&w, "SSTab")->setCurrentIndex(1);
    QVERIFY(Hallar<QGroupBox>(&w, "fraHTML10")->isVisible());
    QVERIFY(!Hallar<QGroupBox>(&w, "fraHTML12")->isVisible());
    cboDoc->setCurrentIndex(2);
    emit cboDoc->activated(2);
    QVERIFY(!Hallar<QGroupBox>(&w, "fraHTML10")->isVisible());
    QVERIFY(Hallar<QGroupBox>(&w, "fraHTML12")->isVisible());
    QCOMPARE(Hallar<QLabel>(&w, "lblTitPag2")->text(),
             QStringLiteral("Nombre del hipervínculo: ssl"));

    // The order form's free text: typed, left out (emptied), taken in again (empty).
    emit cboDoc->activated(1);
    auto* incluir = Hallar<QCheckBox>(&w, "cheInTexto1");
    auto* texto = Hallar<QPlainTextEdit>(&w, "txtInTexto1");
    QVERIFY(!texto->isEnabled());
    Clic(&w, "cheInTexto1");
    QVERIFY(texto->isEnabled());
    QTest::keyClicks(texto, "Envios");
    QTest::keyClick(texto, Qt::Key_Return);
    QTest::keyClicks(texto, "a todo el pais");
    QCOMPARE(w.ProyectoAbierto().formato.Texto[1], std::string("Envios\na todo el pais"));
    QCOMPARE(w.ProyectoAbierto().formato.IncluirTexto[1], 1);
    Clic(&w, "cheInTexto1");
    QVERIFY(!texto->isEnabled());
    QCOMPARE(texto->toPlainText(), QString());
    QCOMPARE(w.ProyectoAbierto().formato.Texto[1], std::string());
    Clic(&w, "cheInTexto1");
    QVERIFY(texto->isEnabled());
    QCOMPARE(texto->toPlainText(), QString());
    QVERIFY(!incluir->text().isEmpty());

    // A new project starts again at "carrito".
    w.NuevoProyecto();
    QCOMPARE(cboDoc->currentIndex(), 0);
    QVERIFY(Hallar<QGroupBox>(&w, "fraHTML10")->isVisible());
    w.EsconderFraHTML();
    QVERIFY(!Hallar<QGroupBox>(&w, "fraHTML10")->isVisible());
  }

  void lasListasNoAceptanTeclas() {
    Banco b;
    frmPrincipal w(b.entorno);
    auto* fuente = Hallar<QComboBox>(&w, "cboFuente");
    QCOMPARE(fuente->currentText(), QStringLiteral("Times New Roman"));
    QTest::keyClicks(fuente, "Verdana");
    QTest::keyClicks(fuente, "a");
    QCOMPARE(fuente->currentText(), QStringLiteral("Times New Roman"));
    QCOMPARE(w.ProyectoAbierto().formato.Fuente, std::string("Times New Roman"));
    // The arrow keys still pick from the list.
    QTest::keyClick(fuente, Qt::Key_Down);
    QCOMPARE(fuente->currentText(), QStringLiteral("Verdana"));
  }

  void hojaDeEstiloSigueAlInterruptor() {
    Banco b;
    frmPrincipal w(b.entorno);
    auto* menu = Hallar<QAction>(&w, "mnuHojaEstilo");
    auto* boton = Hallar<QPushButton>(&w, "cmdCSS");
    QVERIFY(!menu->isEnabled());
    QVERIFY(!boton->isEnabled());
    Clic(&w, "cheCSS");
    QVERIFY(menu->isEnabled());
    QVERIFY(boton->isEnabled());
    QCOMPARE(w.ProyectoAbierto().formato.CSS, 1);

    // The dialog shows the settings, keeps a cancelled change out and writes an
    // accepted one.
    b.dialogos.colores = {QColor(255, 0, 0), QColor(0, 0, 255)};
    AlAbrirse([](QWidget* d) {
      QCOMPARE(d->windowTitle(), QStringLiteral("Hoja de Estilo"));
      QCOMPARE(Hallar<QLineEdit>(d, "txtCSSColor1")->text(), QStringLiteral("#FFFFFF"));
      QCOMPARE(Hallar<QComboBox>(d, "cboCSSDeco1")->currentText(), QStringLiteral("none"));
      Clic(d, "cmdColorCSS0");
      QCOMPARE(Hallar<QLineEdit>(d, "txtCSSColor0")->text(), QStringLiteral("#FF0000"));
      Clic(d, "cmdCancelar");
    });
    menu->trigger();
    QCOMPARE(w.ProyectoAbierto().css.CSS[0], 0u);
    AlAbrirse([](QWidget* d) {
      Clic(d, "cmdColorCSS3");
      Hallar<QComboBox>(d, "cboCSSDeco2")->setCurrentIndex(2);
      Hallar<QComboBox>(d, "cboCSSTFuente1")->setCurrentIndex(4);
      Clic(d, "cmdAceptar");
    });
    Clic(&w, "cmdCSS");
    QCOMPARE(w.ProyectoAbierto().css.CSS[3], 16711680u);
    QCOMPARE(w.ProyectoAbierto().css.Decoracion2, std::string("underline"));
    QCOMPARE(w.ProyectoAbierto().css.TamanoFuente1, std::string("14pt"));
    QCOMPARE(w.ProyectoAbierto().css.CSS[0], 0u);

    Clic(&w, "cheCSS");
    QVERIFY(!menu->isEnabled());
    QVERIFY(!boton->isEnabled());
  }

  void metaTagsConEnter() {
    Banco b;
    frmPrincipal w(b.entorno);
    auto* lista = Hallar<QTreeWidget>(&w, "lstMeta");
    QCOMPARE(lista->topLevelItemCount(), 8);
    QCOMPARE(lista->topLevelItem(1)->text(0), QStringLiteral(" Título"));
    QCOMPARE(lista->topLevelItem(7)->text(0), QStringLiteral(" Robots"));
    AlAbrirse([](QWidget* d) {
      QCOMPARE(d->windowTitle(), QStringLiteral("Meta Tag"));
      QCOMPARE(Hallar<QGroupBox>(d, "fraMeta")->title(), QStringLiteral(" Autor "));
      auto* valor = Hallar<QLineEdit>(d, "txtValor");
      QTest::keyClicks(valor, "Ana Pe");
      valor->insert(QStringLiteral("ña"));
      QTest::keyClick(valor, Qt::Key_Return);
    });
    Clic(&w, "cmdMeta");
    QCOMPARE(w.ProyectoAbierto().metaTags.valor[0], std::string("Ana Peña"));
    QCOMPARE(lista->topLevelItem(0)->text(1), QStringLiteral("Ana Peña"));

    // The old value comes selected, so typing replaces it; Cancelar keeps it.
    AlAbrirse([](QWidget* d) {
      auto* valor = Hallar<QLineEdit>(d, "txtValor");
      QCOMPARE(valor->selectedText(), valor->text());
      QTest::keyClicks(valor, "Otra");
      Clic(d, "cmdCancelar");
    });
    Clic(&w, "cmdMeta");
    QCOMPARE(w.ProyectoAbierto().metaTags.valor[0], std::string("Ana Peña"));
    QCOMPARE(w.ProyectoAbierto().metaTags.Incluir, 1);
    Clic(&w, "cheIncluirMetas");
    QCOMPARE(w.ProyectoAbierto().metaTags.Incluir, 0);
  }
};

}  // namespace vendaluz

QObject* CrearPruebaFormato() { return new vendaluz::PruebaFormato; }

#include "formato_test.moc"
