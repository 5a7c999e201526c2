// The " Formato ", " Meta Tags " and " Servidor " pages: their switches and selectors with what
// they enable, the address warnings, and the colour, stylesheet, meta-tag and server dialogs.
#include "ayudas_prueba.h"
#include "pruebas.h"
#include "ui/frmPrincipal.h"
#include "ui/pagina_meta_tags.h"

namespace vendaluz {
namespace {

using namespace prueba;

// Leaves the box as moving the focus elsewhere does (Tab) or switching windows does.
void SalirDe(QLineEdit* caja, Qt::FocusReason razon = Qt::TabFocusReason) {
  QFocusEvent salida(QEvent::FocusOut, razon);
  QApplication::sendEvent(caja, &salida);
}

}  // namespace

class PruebaPaginas : public QObject {
  Q_OBJECT

 private slots:
  // Each selector shows one frame; the free-text switch enables the text and, off, empties it;
  // an opened project shows its text; the fonts list takes no typing; the tax switch, the rate.
  void marcosYTexto() {
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

    Hallar<QTabWidget>(&w, "SSTab")->setCurrentIndex(5);
    QVERIFY(Hallar(&w, "fraT")->isVisible() && !Hallar(&w, "fraI")->isVisible());
    Hallar<QComboBox>(&w, "cboPago")->setCurrentIndex(1);
    QVERIFY(!Hallar(&w, "fraT")->isVisible() && Hallar(&w, "fraI")->isVisible());
    QVERIFY(!Hallar(&w, "txtTasa")->isEnabled());
    Pulsar(&w, "cheTasa");
    QVERIFY(Hallar(&w, "txtTasa")->isEnabled());
    // Pasted text meets the box's rule and reaches the project; a second point is refused.
    auto* tasa = Hallar<QLineEdit>(&w, "txtTasa");
    for (const auto& [pegado, queda] : {std::pair{"21,5 %", "215"}, {"1.2.3", "215"}}) {
      tasa->selectAll();
      tasa->insert(pegado);
      QCOMPARE(tasa->text() + " " + AQt(w.ProyectoAbierto().txtTasa), queda + QString(" ") + queda);
    }
  }

  // A swatch shows a picked colour as #RRGGBB, stored as R + 256 G + 65536 B; cancelling changes
  // nothing. The stylesheet switch enables its button and menu entry; its dialog writes on
  // "Aceptar" only. The meta-tag dialog: the tag's name, its value selected, Enter stores.
  void coloresHojaDeEstiloYMetaTags() {
    Banco b;
    frmPrincipal w(b.entorno);
    b.dialogos.colores = {QColor(10, 20, 30), std::nullopt, QColor(255, 0, 0), QColor(0, 0, 255)};
    for (int i = 0; i < 2; ++i) {
      Pulsar(&w, "cmdColor5");
      QCOMPARE(Hallar<QLineEdit>(&w, "txtColor5")->text(), QStringLiteral("#0A141E"));
      QCOMPARE(w.ProyectoAbierto().formato.Color[5], Color{10 + 256 * 20 + 65536 * 30});
    }

    QCOMPARE(Habilitados(&w, {"mnuHojaEstilo", "cmdCSS"}), "00");
    Pulsar(&w, "cheCSS");
    QCOMPARE(Habilitados(&w, {"mnuHojaEstilo", "cmdCSS"}), "11");

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
    QTest::mouseClick(Hallar(&w, "cmdCSS"), Qt::LeftButton);
    const auto& css = w.ProyectoAbierto().css;
    QCOMPARE(css.CSS[0], Color{16711680});
    QCOMPARE(css.Decoracion2 + " " + css.Fuente1, std::string("underline Arial"));

    Pulsar(&w, "cheCSS");
    QCOMPARE(Habilitados(&w, {"mnuHojaEstilo", "cmdCSS"}), "00");

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
      QCOMPARE(Habilitados(&w, {"cmdParmCGI", "mnuCGI", "mnuASP"}), habilitados);
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
               c.habilitados);
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

  // frmCGI: required boxes, the script name check with its two-line message, the settings written
  // only on a valid "Aceptar"; frmASP: SMTP required with ASPEmail only; frmCampos: one line per
  // field, each once, quotes and markup as references; "Quitar" follows the list.
  void dialogosCGIASPyCampos() {
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
};

}  // namespace vendaluz

QObject* CrearPruebaPaginas() { return new vendaluz::PruebaPaginas; }

#include "paginas_test.moc"
