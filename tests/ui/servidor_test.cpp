// The " Servidor " page: the secure-server and script choices with their enabling
// rules and menu entries, the address warnings, the cards and tax, and the CGI, ASP
// and hidden-field dialogs.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ayudas_prueba.h"
#include "pruebas.h"
#include "ui/frmCampos.h"
#include "ui/frmPrincipal.h"
#include "ui/pagina_servidor.h"

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

// Leaves the secure-server address box, as moving the focus elsewhere does.
void SalirDe(QLineEdit* caja) {
  QFocusEvent salida(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(caja, &salida);
}

void Escribir(QLineEdit* caja, const QString& texto) {
  caja->selectAll();
  QTest::keyClick(caja, Qt::Key_Backspace);
  QTest::keyClicks(caja, texto);
}

}  // namespace

class PruebaServidor : public QObject {
  Q_OBJECT

 private slots:
  // Each secure-server choice: presets, the enabled controls and menu entries.
  void servidorSeguro() {
    Banco b;
    frmPrincipal w(b.entorno);
    auto* url = Hallar<QLineEdit>(&w, "txtServidor");
    auto* ocultos = Hallar<QAction>(&w, "mnuCamposOcultos");
    QVERIFY(!url->isEnabled() && !ocultos->isEnabled());
    QVERIFY(Hallar<QPushButton>(&w, "cmdParmCGI")->isEnabled());
    QVERIFY(!Hallar<QCheckBox>(&w, "cheVisa")->isEnabled());
    QCOMPARE(Hallar<QLabel>(&w, "Label8")->text(), QStringLiteral("Form: Opción no disponible"));

    Hallar<QRadioButton>(&w, "opSS2")->click();
    const Proyecto& p = w.ProyectoAbierto();
    QVERIFY(p.servidor.SSL && !p.servidor.NoSS);
    QVERIFY(url->text().startsWith("https://") && url->text().endsWith("/ssl.htm"));
    QCOMPARE(p.servidor.RutaServidor, AStd(url->text()));
    QCOMPARE(Hallar<QLineEdit>(&w, "txtServidorScript")->text(), QStringLiteral("https://"));
    QVERIFY(url->isEnabled() && ocultos->isEnabled());
    QVERIFY(!Hallar<QPushButton>(&w, "cmdParmCGI")->isEnabled());
    QVERIFY(!Hallar<QLineEdit>(&w, "txtRedireccionar")->isEnabled());
    QVERIFY(!Hallar<QRadioButton>(&w, "cheExt1")->isEnabled());
    QVERIFY(!Hallar<QAction>(&w, "mnuCGI")->isEnabled());
    QVERIFY(Hallar<QCheckBox>(&w, "cheVisa")->isEnabled());
    QCOMPARE(Hallar<QLabel>(&w, "Label8")->text(),
             QStringLiteral("Form: Establecer campos ocultos"));

    // The address is checked when the box is left: case counts, and the whole last
    // part (up to 18 characters) is compared.
    SalirDe(url);
    QCOMPARE(b.dialogos.Contar("mensaje"), 0);
    Escribir(url, "https://pagos.example.com/SSL.htm");
    QFocusEvent otraVentana(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(url, &otraVentana);  // switching windows does not check
    QCOMPARE(b.dialogos.Contar("mensaje"), 0);
    Escribir(url, "https://pagos.example.com/SSL.htm");
    SalirDe(url);
    QCOMPARE(b.dialogos.Contar("pitido"), 1);
    QCOMPARE(b.dialogos.Ultima("mensaje")->texto,
             QStringLiteral("Asegúrese que la ruta al servidor seguro termine con: ssl.htm"));
    QCOMPARE(b.dialogos.Ultima("mensaje")->icono, Icono::kInformacion);
    QCOMPARE(p.servidor.RutaServidor, std::string("https://pagos.example.com/SSL.htm"));

    Hallar<QRadioButton>(&w, "opSS1")->click();
    QVERIFY(url->text().endsWith("/formulario.htm"));
    Escribir(url, "https://pagos.example.com/formulario.htm?id=3");
    SalirDe(url);
    QCOMPARE(
        b.dialogos.Ultima("mensaje")->texto,
        QStringLiteral("Asegúrese que la ruta al servidor seguro termine con: formulario.htm"));
    Escribir(url, "https://pagos.example.com/tienda/formulario.htm");
    SalirDe(url);
    QCOMPARE(b.dialogos.Contar("mensaje"), 2);

    Hallar<QRadioButton>(&w, "opSS0")->click();
    QCOMPARE(url->text(), QStringLiteral("https://"));
    QVERIFY(!url->isEnabled() && !ocultos->isEnabled());
    SalirDe(url);
    QCOMPARE(b.dialogos.Contar("mensaje"), 2);
  }

  // The script choice: the ">" button, its caption, the menu entries and which
  // dialog opens.
  void soporteDeScripts() {
    Banco b;
    frmPrincipal w(b.entorno);
    auto* boton = Hallar<QPushButton>(&w, "cmdParmCGI");
    auto* lbl = Hallar<QLabel>(&w, "lblASP");
    auto* cgi = Hallar<QAction>(&w, "mnuCGI");
    auto* asp = Hallar<QAction>(&w, "mnuASP");
    QVERIFY(cgi->isEnabled() && !asp->isEnabled());
    QCOMPARE(lbl->text(), QStringLiteral("Ubicación de Perl y Ruta al CGI"));

    Hallar<QRadioButton>(&w, "cheExt2")->click();
    QVERIFY(w.ProyectoAbierto().soporte.PHP && !w.ProyectoAbierto().soporte.CGI);
    QVERIFY(!boton->isEnabled() && !cgi->isEnabled() && !asp->isEnabled());
    QCOMPARE(lbl->text(), QStringLiteral("Opción no disponible"));

    Hallar<QRadioButton>(&w, "cheExt1")->click();
    QVERIFY(boton->isEnabled() && !cgi->isEnabled() && asp->isEnabled());
    QCOMPARE(lbl->text(), QStringLiteral("Configurar ASPEmail / CDONTS"));
    QString abierta;
    AlAbrirse([&](QWidget* d) {
      abierta = d->objectName();
      static_cast<QDialog*>(d)->reject();
    });
    QTest::mouseClick(boton, Qt::LeftButton);
    QCOMPARE(abierta, QStringLiteral("frmASP"));
  }

  // frmCGI: required boxes, the script name check with its two-line message, and
  // the settings written only on a valid "Aceptar".
  void dialogoCGI() {
    Banco b;
    frmPrincipal w(b.entorno);
    bool abiertoTrasError = false;
    AlAbrirse([&](QWidget* d) {
      auto* ruta = Hallar<QLineEdit>(d, "txtCGIRuta");
      Escribir(ruta, "http://tienda.example.com/cgi-bin/enviar.cgi");
      QTest::keyClick(ruta, Qt::Key_Return);
      abiertoTrasError = d->isVisible();
      Hallar<QLineEdit>(d, "txtCGIHost")->clear();
      Escribir(ruta, "http://tienda.example.com/cgi-bin/enviar.pl");
      QTest::mouseClick(Hallar<QPushButton>(d, "cmdAceptar"), Qt::LeftButton);
      if (!d->isVisible()) return;
      QTest::keyClicks(Hallar<QLineEdit>(d, "txtCGIHost"), "tienda.example.com");
      QTest::mouseClick(Hallar<QPushButton>(d, "cmdAceptar"), Qt::LeftButton);
    });
    Hallar<QAction>(&w, "mnuCGI")->trigger();
    QVERIFY(abiertoTrasError);
    QCOMPARE(b.dialogos.Contar("mensaje"), 1);
    QCOMPARE(b.dialogos.Contar("pitido"), 1);
    QCOMPARE(
        b.dialogos.Ultima("mensaje")->texto,
        QStringLiteral("La ruta al CGI no es válida:\r\nAsegúrese que termine con: enviar.pl"));
    QCOMPARE(b.dialogos.Ultima("mensaje")->icono, Icono::kAdvertencia);
    const auto& cgi = w.ProyectoAbierto().cgi;
    QCOMPARE(cgi.Ruta, std::string("http://tienda.example.com/cgi-bin/enviar.pl"));
    QCOMPARE(cgi.Host, std::string("tienda.example.com"));
    QCOMPARE(cgi.Perl, std::string("#!/usr/bin/perl"));
  }

  // frmASP: SMTP required with ASPEmail only.
  void dialogoASP() {
    Banco b;
    frmPrincipal w(b.entorno);
    Hallar<QRadioButton>(&w, "cheExt1")->click();
    bool abiertoSinSmtp = false;
    AlAbrirse([&](QWidget* d) {
      auto* smtp = Hallar<QLineEdit>(d, "txtSMTP");
      QVERIFY(!smtp->isEnabled());
      Hallar<QRadioButton>(d, "opASP1")->click();
      QVERIFY(smtp->isEnabled());
      QTest::mouseClick(Hallar<QPushButton>(d, "cmdAceptar"), Qt::LeftButton);
      abiertoSinSmtp = d->isVisible();
      QTest::keyClicks(smtp, "smtp.example.com");
      QTest::keyClick(smtp, Qt::Key_Return);
    });
    Hallar<QAction>(&w, "mnuASP")->trigger();
    QVERIFY(abiertoSinSmtp);
    const auto& asp = w.ProyectoAbierto().asp;
    QVERIFY(asp.ASPEmail && !asp.CDONTS);
    QCOMPARE(asp.SMTP, std::string("smtp.example.com"));
  }

  // frmCampos: one line per field, quotes and markup written as references,
  // "Quitar" following the list, "Cancelar" leaving the project as it was.
  void camposOcultos() {
    QCOMPARE(CampoOcultoDe("ref", "Pedido \"web\" <1> & más"),
             std::string("<input type=\"hidden\" name=\"ref\" value=\"Pedido &quot;web&quot; "
                         "&lt;1> &amp; más\">"));
    Banco b;
    frmPrincipal w(b.entorno);
    Hallar<QRadioButton>(&w, "opSS1")->click();
    AlAbrirse([](QWidget* d) {
      auto* quitar = Hallar<QPushButton>(d, "cmdQuitar");
      QVERIFY(!quitar->isEnabled());
      auto* agregar = Hallar<QPushButton>(d, "cmdAgregar");
      for (int i = 0; i < 2; ++i) {
        QTest::keyClicks(Hallar<QLineEdit>(d, "txtNombre"), "tienda");
        QTest::keyClicks(Hallar<QLineEdit>(d, "txtValor"), "42");
        QTest::mouseClick(agregar, Qt::LeftButton);
      }
      QTest::keyClicks(Hallar<QLineEdit>(d, "txtNombre"), "moneda");
      QTest::mouseClick(agregar, Qt::LeftButton);  // no value: nothing added
      QTest::keyClicks(Hallar<QLineEdit>(d, "txtValor"), "EUR");
      QTest::mouseClick(agregar, Qt::LeftButton);
      auto* lista = Hallar<QListWidget>(d, "lstCampos");
      QCOMPARE(lista->count(), 2);
      QVERIFY(quitar->isEnabled());
      QTest::mouseClick(Hallar<QPushButton>(d, "cmsAceptar"), Qt::LeftButton);
    });
    Hallar<QPushButton>(&w, "cmdOcultos")->click();
    QCOMPARE(w.ProyectoAbierto().camposOcultos,
             (std::vector<CampoOculto>{"<input type=\"hidden\" name=\"tienda\" value=\"42\">",
                                       "<input type=\"hidden\" name=\"moneda\" value=\"EUR\">"}));

    AlAbrirse([](QWidget* d) {
      auto* lista = Hallar<QListWidget>(d, "lstCampos");
      lista->setCurrentRow(0);
      QTest::mouseClick(Hallar<QPushButton>(d, "cmdQuitar"), Qt::LeftButton);
      QCOMPARE(lista->count(), 1);
      QTest::keyClick(d, Qt::Key_Escape);
    });
    Hallar<QAction>(&w, "mnuCamposOcultos")->trigger();
    QCOMPARE(w.ProyectoAbierto().camposOcultos.size(), std::size_t{2});
  }

  // Cards and tax: the frame selector, the rate refusing the comma, the tax switch.
  void tarjetasEImpuesto() {
    Banco b;
    frmPrincipal w(b.entorno);
    w.show();
    auto* fraT = Hallar<QWidget>(&w, "fraT");
    auto* fraI = Hallar<QWidget>(&w, "fraI");
    Hallar<QTabWidget>(&w, "SSTab")->setCurrentIndex(5);
    QVERIFY(fraT->isVisible() && !fraI->isVisible());
    Hallar<QComboBox>(&w, "cboPago")->setCurrentIndex(1);
    QVERIFY(!fraT->isVisible() && fraI->isVisible());

    auto* tasa = Hallar<QLineEdit>(&w, "txtTasa");
    QVERIFY(!tasa->isEnabled());
    Hallar<QCheckBox>(&w, "cheTasa")->click();
    QVERIFY(tasa->isEnabled());
    QCOMPARE(w.ProyectoAbierto().cheTasa, 1);
    tasa->clear();
    QTest::keyClicks(tasa, "7,5");
    QCOMPARE(tasa->text(), QStringLiteral("75"));
    QTest::keyClicks(tasa, ".25");
    QCOMPARE(w.ProyectoAbierto().txtTasa, std::string("75.25"));

    Hallar<QRadioButton>(&w, "opSS2")->click();
    Hallar<QCheckBox>(&w, "cheAmex")->click();
    QCOMPARE(w.ProyectoAbierto().tajetas.Amex, 0);
  }
};

}  // namespace vendaluz

QObject* CrearPruebaServidor() { return new vendaluz::PruebaServidor; }

#include "servidor_test.moc"
