// The " Servidor " page: the secure-server and script choices with their enabling rules and menu
// entries, the address warnings, the cards and tax, and the CGI, ASP and hidden-field dialogs.
#include "ayudas_prueba.h"
#include "pruebas.h"
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

}  // namespace

class PruebaServidor : public QObject {
  Q_OBJECT

 private slots:
  // Each script choice: the ">" button, the menu entries and the dialog it opens.
  // Each secure-server choice: its preset addresses, the controls and menu entries enabled, and
  // the address check on leaving the box for another control (case counts, the whole last part,
  // any folder).
  void scriptsYServidorSeguro() {
    Banco b;
    frmPrincipal w(b.entorno);
    const std::array<const char*, 3> scripts[] = {
        {"cheExt2", "000", ""}, {"cheExt1", "101", "frmASP"}, {"cheExt0", "110", "frmCGI"}};
    for (const auto& [opcion, habilitados, dialogo] : scripts) {
      Pulsar(&w, opcion);
      QCOMPARE(Habilitados(&w, {"cmdParmCGI", "mnuCGI", "mnuASP"}),
               QString::fromLatin1(habilitados));
      if (*dialogo) {
        QCOMPARE(ModalQueAbre([&] { Pulsar(&w, "cmdParmCGI"); }), QString::fromLatin1(dialogo));
      }
    }
    auto* url = Hallar<QLineEdit>(&w, "txtServidor");
    const struct {
      const char *opcion, *direcciones, *habilitados, *pagina;
    } casos[] = {
        {"opSS2", "https://www.example.com/ssl.htm https://", "1101000", "ssl.htm"},
        {"opSS1", "https://www.example.com/formulario.htm https://", "1101000", "formulario.htm"},
        {"opSS0", "https:// https://", "0010111", ""}};
    for (const auto& c : casos) {
      Pulsar(&w, c.opcion);
      QCOMPARE(url->text() + " " + Hallar<QLineEdit>(&w, "txtServidorScript")->text(),
               QString::fromLatin1(c.direcciones));
      QCOMPARE(Habilitados(&w, {"txtServidor", "mnuCamposOcultos", "cmdParmCGI", "cheVisa",
                                "txtRedireccionar", "cheExt1", "mnuCGI"}),
               QString::fromLatin1(c.habilitados));
      const QString pagina = QString::fromLatin1(c.pagina);
      const QString escritas[] = {pagina.toUpper(), pagina + "?id=3", "tienda/" + pagina};
      int avisos = b.dialogos.Contar("mensaje");
      for (const QString& escrita : escritas) {
        Escribir(url, "https://pagos.example.com/" + escrita);
        SalirDe(url, Qt::ActiveWindowFocusReason);  // switching windows does not check
        SalirDe(url);
        avisos += !pagina.isEmpty() && !escrita.startsWith("tienda/");
        QCOMPARE(b.dialogos.Contar("mensaje"), avisos);
        QCOMPARE(b.dialogos.Contar("pitido"), avisos);
      }
      QCOMPARE(w.ProyectoAbierto().servidor.RutaServidor, AStd(url->text()));
      if (pagina.isEmpty()) continue;
      QCOMPARE(b.dialogos.Ultima("mensaje")->texto,
               "Asegúrese que la ruta al servidor seguro termine con: " + pagina);
      QCOMPARE(b.dialogos.Ultima("mensaje")->icono, Icono::kInformacion);
    }
  }

  // frmCGI: required boxes, the script name check with its two-line message, and the settings
  // written only on a valid "Aceptar"; frmASP: SMTP required with ASPEmail only.
  void dialogosCGIyASP() {
    Banco b;
    frmPrincipal w(b.entorno);
    bool abiertoTrasError = false, abiertoSinHost = false;
    AlAbrirse([&](QWidget* d) {
      auto* ruta = Hallar<QLineEdit>(d, "txtCGIRuta");
      Escribir(Hallar<QLineEdit>(d, "txtCGIPerl"), "#!/usr/local/bin/perl");
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
    QCOMPARE(b.dialogos.Ultima("mensaje")->texto,
             QStringLiteral("La ruta al CGI no es válida:\r\nAsegúrese que "
                            "termine con: enviar.pl"));
    QCOMPARE(b.dialogos.Ultima("mensaje")->icono, Icono::kAdvertencia);
    const auto& cgi = w.ProyectoAbierto().cgi;
    QCOMPARE(cgi.Perl + " " + cgi.Ruta + " " + cgi.Host,
             std::string("#!/usr/local/bin/perl http://tienda.example.com/cgi-bin/enviar.pl "
                         "tienda.example.com"));

    Pulsar(&w, "cheExt1");
    bool abiertoSinSmtp = false;
    AlAbrirse([&](QWidget* d) {
      auto* smtp = Hallar<QLineEdit>(d, "txtSMTP");
      QVERIFY(!smtp->isEnabled());
      Pulsar(d, "opASP1");
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

  // frmCampos: one line per field, each once, quotes and markup written as references; "Quitar"
  // follows the list; Escape leaves the project as it was.
  void camposOcultos() {
    Banco b;
    frmPrincipal w(b.entorno);
    Pulsar(&w, "opSS1");
    AlAbrirse([](QWidget* d) {
      QVERIFY(!Hallar(d, "cmdQuitar")->isEnabled());
      const std::pair<const char*, const char*> campos[] = {{"tienda", "42"},
                                                            {"tienda", "42"},
                                                            {"moneda", ""},
                                                            {"", "EUR"},
                                                            {"ref", "\"web\" <1> &"}};
      for (const auto& [nombre, valor] : campos) {  // the same twice; no value: not added
        QTest::keyClicks(Hallar<QLineEdit>(d, "txtNombre"), nombre);
        QTest::keyClicks(Hallar<QLineEdit>(d, "txtValor"), valor);
        Pulsar(d, "cmdAgregar");
      }
      QCOMPARE(Hallar<QListWidget>(d, "lstCampos")->count(), 3);
      QVERIFY(Hallar(d, "cmdQuitar")->isEnabled());
      Pulsar(d, "cmsAceptar");
    });
    Pulsar(&w, "cmdOcultos");
    QCOMPARE(
        w.ProyectoAbierto().camposOcultos,
        (std::vector<CampoOculto>{"<input type=\"hidden\" name=\"tienda\" value=\"42\">",
                                  "<input type=\"hidden\" name=\"moneda\" value=\"EUR\">",
                                  "<input type=\"hidden\" name=\"ref\" value=\"&quot;web&quot; "
                                  "&lt;1> &amp;\">"}));
    AlAbrirse([](QWidget* d) {
      Hallar<QListWidget>(d, "lstCampos")->setCurrentRow(0);
      Pulsar(d, "cmdQuitar");
      QCOMPARE(Hallar<QListWidget>(d, "lstCampos")->count(), 2);
      QTest::keyClick(d, Qt::Key_Escape);
    });
    Disparar(&w, "mnuCamposOcultos");
    QCOMPARE(w.ProyectoAbierto().camposOcultos.size(), std::size_t{3});
  }

  // Cards and tax: the frame selector and the tax switch enabling the rate.
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
  }
};

}  // namespace vendaluz

QObject* CrearPruebaServidor() { return new vendaluz::PruebaServidor; }

#include "servidor_test.moc"
