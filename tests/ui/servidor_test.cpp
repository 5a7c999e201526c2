// The " Servidor " page: the secure-server and script choices with their enabling
// rules and menu entries, the address warnings, the cards and tax, and the CGI, ASP
// and hidden-field dialogs.
#include "ayudas_prueba.h"
#include "pruebas.h"
#include "ui/frmCampos.h"
#include "ui/frmPrincipal.h"

namespace vendaluz {
namespace {

using namespace prueba;

// Leaves the box as moving the focus elsewhere does (Tab) or switching windows does.
void SalirDe(QLineEdit* caja, Qt::FocusReason razon = Qt::TabFocusReason) {
  QFocusEvent salida(QEvent::FocusOut, razon);
  QApplication::sendEvent(caja, &salida);
}

// Which of the named controls are enabled, as a string of 1 and 0.
QString Habilitados(QObject* w, std::initializer_list<const char*> nombres) {
  QString s;
  for (const char* n : nombres) {
    QObject* o = Hallar<QObject>(w, n);
    auto* a = qobject_cast<QAction*>(o);
    s += (a ? a->isEnabled() : static_cast<QWidget*>(o)->isEnabled()) ? '1' : '0';
  }
  return s;
}

const QString kTermine = QStringLiteral("Asegúrese que la ruta al servidor seguro termine con: %1");

}  // namespace

class PruebaServidor : public QObject {
  Q_OBJECT

 private slots:
  // Each secure-server choice: presets, the enabled controls and menu entries, and
  // the address check when the box is left (case counts, the whole last part).
  void servidorSeguro() {
    Banco b;
    frmPrincipal w(b.entorno);
    auto* url = Hallar<QLineEdit>(&w, "txtServidor");
    const auto controles = {"txtServidor",      "mnuCamposOcultos", "cmdParmCGI", "cheVisa",
                            "txtRedireccionar", "cheExt1",          "mnuCGI"};
    auto form = [&] { return Hallar<QLabel>(&w, "Label8")->text(); };
    QCOMPARE(Habilitados(&w, controles), QStringLiteral("0010111"));
    QCOMPARE(form(), QStringLiteral("Form: Opción no disponible"));

    Pulsar(&w, "opSS2");
    const Proyecto& p = w.ProyectoAbierto();
    QVERIFY(p.servidor.SSL && !p.servidor.NoSS);
    QVERIFY(url->text().startsWith("https://") && url->text().endsWith("/ssl.htm"));
    QCOMPARE(p.servidor.RutaServidor, AStd(url->text()));
    QCOMPARE(Hallar<QLineEdit>(&w, "txtServidorScript")->text(), QStringLiteral("https://"));
    QCOMPARE(Habilitados(&w, controles), QStringLiteral("1101000"));
    QCOMPARE(form(), QStringLiteral("Form: Establecer campos ocultos"));
    SalirDe(url);
    Escribir(url, "https://pagos.example.com/SSL.htm");
    SalirDe(url, Qt::ActiveWindowFocusReason);  // switching windows does not check
    QCOMPARE(b.dialogos.Contar("mensaje"), 0);
    SalirDe(url);
    QCOMPARE(b.dialogos.Contar("pitido"), 1);
    QCOMPARE(b.dialogos.Ultima("mensaje")->texto, kTermine.arg("ssl.htm"));
    QCOMPARE(b.dialogos.Ultima("mensaje")->icono, Icono::kInformacion);
    QCOMPARE(p.servidor.RutaServidor, std::string("https://pagos.example.com/SSL.htm"));

    Pulsar(&w, "opSS1");
    QVERIFY(url->text().endsWith("/formulario.htm"));
    Escribir(url, "https://pagos.example.com/formulario.htm?id=3");
    SalirDe(url);
    QCOMPARE(b.dialogos.Ultima("mensaje")->texto, kTermine.arg("formulario.htm"));
    Escribir(url, "https://pagos.example.com/tienda/formulario.htm");
    SalirDe(url);
    QCOMPARE(b.dialogos.Contar("mensaje"), 2);

    Pulsar(&w, "opSS0");
    QCOMPARE(url->text(), QStringLiteral("https://"));
    QCOMPARE(Habilitados(&w, controles), QStringLiteral("0010111"));
    SalirDe(url);
    QCOMPARE(b.dialogos.Contar("mensaje"), 2);
  }

  // The script choice: the ">" button, its caption, the menu entries and which
  // dialog opens.
  void soporteDeScripts() {
    Banco b;
    frmPrincipal w(b.entorno);
    const auto controles = {"cmdParmCGI", "mnuCGI", "mnuASP"};
    auto etiqueta = [&] { return Hallar<QLabel>(&w, "lblASP")->text(); };
    QCOMPARE(Habilitados(&w, controles), QStringLiteral("110"));
    QCOMPARE(etiqueta(), QStringLiteral("Ubicación de Perl y Ruta al CGI"));
    Pulsar(&w, "cheExt2");
    QVERIFY(w.ProyectoAbierto().soporte.PHP && !w.ProyectoAbierto().soporte.CGI);
    QCOMPARE(Habilitados(&w, controles), QStringLiteral("000"));
    QCOMPARE(etiqueta(), QStringLiteral("Opción no disponible"));
    Pulsar(&w, "cheExt1");
    QCOMPARE(Habilitados(&w, controles), QStringLiteral("101"));
    QCOMPARE(etiqueta(), QStringLiteral("Configurar ASPEmail / CDONTS"));
    QCOMPARE(ModalQueAbre([&] { Pulsar(&w, "cmdParmCGI"); }), QStringLiteral("frmASP"));
  }

  // frmCGI: required boxes, the script name check with its two-line message, and
  // the settings written only on a valid "Aceptar".
  void dialogoCGI() {
    Banco b;
    frmPrincipal w(b.entorno);
    bool abiertoTrasError = false, abiertoSinHost = false;
    AlAbrirse([&](QWidget* d) {
      auto* ruta = Hallar<QLineEdit>(d, "txtCGIRuta");
      Escribir(ruta, "http://tienda.example.com/cgi-bin/enviar.cgi");
      QTest::keyClick(ruta, Qt::Key_Return);
      abiertoTrasError = d->isVisible();
      Hallar<QLineEdit>(d, "txtCGIHost")->clear();
      Escribir(ruta, "http://tienda.example.com/cgi-bin/enviar.pl");
      Pulsar(d, "cmdAceptar");
      abiertoSinHost = d->isVisible();
      QTest::keyClicks(Hallar<QLineEdit>(d, "txtCGIHost"), "tienda.example.com");
      Pulsar(d, "cmdAceptar");
    });
    Disparar(&w, "mnuCGI");
    QVERIFY(abiertoTrasError && abiertoSinHost);
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
    Pulsar(&w, "cheExt1");
    bool abiertoSinSmtp = false;
    AlAbrirse([&](QWidget* d) {
      auto* smtp = Hallar<QLineEdit>(d, "txtSMTP");
      QVERIFY(!smtp->isEnabled());
      Pulsar(d, "opASP1");
      QVERIFY(smtp->isEnabled());
      Pulsar(d, "cmdAceptar");
      abiertoSinSmtp = d->isVisible();
      QTest::keyClicks(smtp, "smtp.example.com");
      QTest::keyClick(smtp, Qt::Key_Return);
    });
    Disparar(&w, "mnuASP");
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
    Pulsar(&w, "opSS1");
    AlAbrirse([](QWidget* d) {
      QVERIFY(!Hallar(d, "cmdQuitar")->isEnabled());
      const std::pair<const char*, const char*> campos[] = {
          {"tienda", "42"}, {"tienda", "42"}, {"moneda", ""}, {"", "EUR"}};
      for (const auto& [nombre, valor] : campos) {  // the same twice; no value: not added
        QTest::keyClicks(Hallar<QLineEdit>(d, "txtNombre"), nombre);
        QTest::keyClicks(Hallar<QLineEdit>(d, "txtValor"), valor);
        Pulsar(d, "cmdAgregar");
      }
      QCOMPARE(Hallar<QListWidget>(d, "lstCampos")->count(), 2);
      QVERIFY(Hallar(d, "cmdQuitar")->isEnabled());
      Pulsar(d, "cmsAceptar");
    });
    Pulsar(&w, "cmdOcultos");
    QCOMPARE(w.ProyectoAbierto().camposOcultos,
             (std::vector<CampoOculto>{"<input type=\"hidden\" name=\"tienda\" value=\"42\">",
                                       "<input type=\"hidden\" name=\"moneda\" value=\"EUR\">"}));
    AlAbrirse([](QWidget* d) {
      Hallar<QListWidget>(d, "lstCampos")->setCurrentRow(0);
      Pulsar(d, "cmdQuitar");
      QCOMPARE(Hallar<QListWidget>(d, "lstCampos")->count(), 1);
      QTest::keyClick(d, Qt::Key_Escape);
    });
    Disparar(&w, "mnuCamposOcultos");
    QCOMPARE(w.ProyectoAbierto().camposOcultos.size(), std::size_t{2});
  }

  // Cards and tax: the frame selector, the rate refusing the comma, the tax switch.
  void tarjetasEImpuesto() {
    Banco b;
    frmPrincipal w(b.entorno);
    w.show();
    Hallar<QTabWidget>(&w, "SSTab")->setCurrentIndex(5);
    QVERIFY(Hallar(&w, "fraT")->isVisible() && !Hallar(&w, "fraI")->isVisible());
    Hallar<QComboBox>(&w, "cboPago")->setCurrentIndex(1);
    QVERIFY(!Hallar(&w, "fraT")->isVisible() && Hallar(&w, "fraI")->isVisible());
    auto* tasa = Hallar<QLineEdit>(&w, "txtTasa");
    QVERIFY(!tasa->isEnabled());
    Pulsar(&w, "cheTasa");
    QVERIFY(tasa->isEnabled());
    QCOMPARE(w.ProyectoAbierto().cheTasa, 1);
    Escribir(tasa, "7,5");
    QCOMPARE(tasa->text(), QStringLiteral("75"));
    QTest::keyClicks(tasa, ".25");
    QCOMPARE(w.ProyectoAbierto().txtTasa, std::string("75.25"));
    Pulsar(&w, "opSS2");
    Pulsar(&w, "cheAmex");
    QCOMPARE(w.ProyectoAbierto().tajetas.Amex, 0);
  }
};

}  // namespace vendaluz

QObject* CrearPruebaServidor() { return new vendaluz::PruebaServidor; }

#include "servidor_test.moc"
