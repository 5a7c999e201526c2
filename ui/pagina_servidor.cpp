#include "ui/pagina_servidor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/conversion.h"
#include "ui/dialogos.h"
#include "ui/frmASP.h"
#include "ui/frmCGI.h"
#include "ui/frmCampos.h"
#include "model/moneda.h"
#include "ui/teclas.h"

namespace vendaluz {
namespace {

// The number formats of the list, as the flags they set: after, comma, thousands.
constexpr int kFormatos[][3] = {{0, 0, 0}, {0, 0, 1}, {1, 0, 0}, {1, 0, 1},
                                {0, 1, 0}, {0, 1, 1}, {1, 1, 0}, {1, 1, 1}};

}  // namespace

PaginaServidor::PaginaServidor(Proyecto& p, Dialogos& dialogos, QWidget* padre)
    : PaginaProyecto(p, padre), dialogos_(dialogos) {
  auto caja = [this](const char* nombre) {
    auto* t = new QLineEdit(this);
    t->setObjectName(nombre);
    return t;
  };
  txtEmail_ = caja("txtEmail");
  txtRedireccionar_ = caja("txtRedireccionar");
  txtServidor_ = caja("txtServidor");
  txtServidorScript_ = caja("txtServidorScript");
  txtServidor_->installEventFilter(this);

  QGroupBox* soporte = CrearSoporte();
  QGroupBox* fraSS = CrearSeguro();
  CrearPago();

  auto etiqueta = [this](const QString& texto, QWidget* control) {
    auto* l = new QLabel(texto, this);
    l->setBuddy(control);
    l->setWordWrap(true);
    return l;
  };
  auto* izquierda = new QVBoxLayout;
  izquierda->addWidget(etiqueta(QStringLiteral("Ingrese su dirección de &e-mail:"), txtEmail_));
  izquierda->addWidget(txtEmail_);
  izquierda->addWidget(soporte);
  izquierda->addWidget(etiqueta(
      QStringLiteral("Finalizada la transacción, &redireccionar visitantes a  la siguiente URL:"),
      txtRedireccionar_));
  izquierda->addWidget(txtRedireccionar_);
  izquierda->addStretch(1);
  auto* derecha = new QVBoxLayout;
  derecha->addWidget(fraSS);
  derecha->addWidget(cboPago_);
  derecha->addWidget(fraT_);
  derecha->addWidget(fraI_);
  derecha->addWidget(fraMoneda_);
  derecha->addWidget(fraEnvio_);
  derecha->addStretch(1);
  auto* fila = new QHBoxLayout(this);
  fila->addLayout(izquierda, 1);
  fila->addLayout(derecha, 1);

  connect(txtEmail_, &QLineEdit::textEdited, this,
          [this](const QString& t) { p_.correoEmail = AStd(t); });
  connect(txtRedireccionar_, &QLineEdit::textEdited, this,
          [this](const QString& t) { p_.servidor.Redireccionar = AStd(t); });
  connect(txtServidor_, &QLineEdit::textEdited, this,
          [this](const QString& t) { p_.servidor.RutaServidor = AStd(t); });
  connect(txtServidorScript_, &QLineEdit::textEdited, this,
          [this](const QString& t) { p_.servidor.ServidorScript = AStd(t); });
  MostrarPago(0);
}

// The server's extension, with the button that opens its options.
QGroupBox* PaginaServidor::CrearSoporte() {
  auto* soporte = new QGroupBox(QStringLiteral("Extensiones soportadas por el Servidor:"), this);
  auto* grupoExt = new QButtonGroup(this);
  auto* colExt = new QVBoxLayout(soporte);
  const char* extensiones[] = {"Common Gateway Interface (&CGI)", "Active Server Pages (&ASP)",
                               "Hypertext Preprocessor (P&HP)"};
  for (int i = 0; i < 3; ++i) {
    cheExt_[i] = new QRadioButton(QString::fromUtf8(extensiones[i]), soporte);
    cheExt_[i]->setObjectName(QStringLiteral("cheExt%1").arg(i));
    grupoExt->addButton(cheExt_[i], i);
    colExt->addWidget(cheExt_[i]);
  }
  lblASP_ = new QLabel(soporte);
  lblASP_->setObjectName("lblASP");
  cmdParmCGI_ = new QPushButton(QStringLiteral(">"), soporte);
  cmdParmCGI_->setObjectName("cmdParmCGI");
  cmdParmCGI_->setMaximumWidth(40);
  auto* filaASP = new QHBoxLayout;
  filaASP->addWidget(lblASP_, 1);
  filaASP->addWidget(cmdParmCGI_);
  colExt->addLayout(filaASP);
  connect(grupoExt, &QButtonGroup::idClicked, this, &PaginaServidor::ElegirSoporte);
  connect(cmdParmCGI_, &QPushButton::clicked, this, [this] {
    if (p_.soporte.CGI) {
      AbrirCGI();
    } else {
      AbrirASP();
    }
  });
  return soporte;
}

// The secure-server choice, its URL and script, and the hidden fields.
QGroupBox* PaginaServidor::CrearSeguro() {
  auto* fraSS = new QGroupBox(QStringLiteral(" Servidor Seguro "), this);
  fraSS->setObjectName("fraSS");
  auto* grupoSS = new QButtonGroup(this);
  auto* colSS = new QGridLayout(fraSS);
  const char* seguros[] = {"&No utilizar Servidor Seguro", "Utilizar Secure &Payment Gateway",
                           "Utilizar tecnología SS&L"};
  for (int i = 0; i < 3; ++i) {
    opSS_[i] = new QRadioButton(QString::fromUtf8(seguros[i]), fraSS);
    opSS_[i]->setObjectName(QStringLiteral("opSS%1").arg(i));
    grupoSS->addButton(opSS_[i], i);
    colSS->addWidget(opSS_[i], i, 0, 1, 3);
  }
  colSS->addWidget(new QLabel(QStringLiteral("URL:"), fraSS), 3, 0);
  colSS->addWidget(txtServidor_, 3, 1, 1, 2);
  colSS->addWidget(new QLabel(QStringLiteral("Script:"), fraSS), 4, 0);
  colSS->addWidget(txtServidorScript_, 4, 1, 1, 2);
  Label8_ = new QLabel(fraSS);
  Label8_->setObjectName("Label8");
  cmdOcultos_ = new QPushButton(QStringLiteral(">"), fraSS);
  cmdOcultos_->setObjectName("cmdOcultos");
  cmdOcultos_->setMaximumWidth(40);
  colSS->addWidget(Label8_, 5, 0, 1, 2);
  colSS->addWidget(cmdOcultos_, 5, 2);
  connect(grupoSS, &QButtonGroup::idClicked, this, &PaginaServidor::ElegirServidor);
  connect(cmdOcultos_, &QPushButton::clicked, this, &PaginaServidor::AbrirCampos);
  return fraSS;
}

// The payment list and the two frames it switches between: cards and tax rate.
void PaginaServidor::CrearPago() {
  cboPago_ = new QComboBox(this);
  cboPago_->setObjectName("cboPago");
  cboPago_->addItems({QStringLiteral("Tarjeta de crédito"), QStringLiteral("Tasa de impuesto"),
                      QStringLiteral("Moneda"), QStringLiteral("Gastos de envío")});
  fraT_ = new QGroupBox(this);
  fraT_->setObjectName("fraT");
  auto* rejillaT = new QGridLayout(fraT_);
  const std::pair<const char*, const char*> tarjetas[] = {{"cheVisa", "Visa"},
                                                          {"cheMaster", "Master Card"},
                                                          {"cheAmex", "American Express"},
                                                          {"cheDiners", "Diners Club"}};
  int* valores[] = {&p_.tajetas.Visa, &p_.tajetas.Master, &p_.tajetas.Amex, &p_.tajetas.Diners};
  for (int i = 0; i < 4; ++i) {
    tarjetas_[i] = new QCheckBox(QString::fromUtf8(tarjetas[i].second), fraT_);
    tarjetas_[i]->setObjectName(tarjetas[i].first);
    rejillaT->addWidget(tarjetas_[i], i / 2, i % 2);
    int* valor = valores[i];
    connect(tarjetas_[i], &QCheckBox::clicked, this, [valor](bool m) { *valor = m ? 1 : 0; });
  }
  fraI_ = new QGroupBox(this);
  fraI_->setObjectName("fraI");
  cheTasa_ = new QCheckBox(QStringLiteral("Incluir tasa de impuesto     %"), fraI_);
  cheTasa_->setObjectName("cheTasa");
  txtTasa_ = new QLineEdit(fraI_);
  txtTasa_->setObjectName("txtTasa");
  txtTasa_->setMaxLength(5);
  txtTasa_->setMaximumWidth(60);
  // The point is the decimal separator of the rate; the comma is refused.
  NumeroDecimal(txtTasa_, false);
  auto* filaI = new QHBoxLayout(fraI_);
  filaI->addWidget(cheTasa_);
  filaI->addWidget(txtTasa_);
  filaI->addStretch(1);
  connect(cboPago_, &QComboBox::currentIndexChanged, this, &PaginaServidor::MostrarPago);
  connect(cheTasa_, &QCheckBox::clicked, this, [this](bool m) {
    p_.cheTasa = m ? 1 : 0;
    txtTasa_->setEnabled(m);
  });
  connect(txtTasa_, &QLineEdit::textEdited, this,
          [this](const QString& t) { p_.txtTasa = AStd(t); });
  fraMoneda_ = CrearMoneda();
  fraEnvio_ = CrearEnvio();
}

// How amounts read on the store's pages: symbol, currency code, number format.
QGroupBox* PaginaServidor::CrearMoneda() {
  auto* fra = new QGroupBox(QStringLiteral("Moneda"), this);
  fra->setObjectName("fraMoneda");
  txtSimbolo_ = new QLineEdit(fra);
  txtSimbolo_->setObjectName("txtSimbolo");
  txtSimbolo_->setMaxLength(10);
  txtCodigo_ = new QLineEdit(fra);
  txtCodigo_->setObjectName("txtCodigo");
  txtCodigo_->setToolTip(QStringLiteral("El código ISO 4217 de la moneda, por ejemplo EUR o USD"));
  // Three letters, entered as capitals.
  new FiltroTexto(txtCodigo_, [](const QString& t) -> std::optional<QString> {
    const QString mayusculas = t.toUpper();
    for (QChar c : mayusculas) {
      if (c < QLatin1Char('A') || c > QLatin1Char('Z')) return std::nullopt;
    }
    if (mayusculas.size() > 3) return std::nullopt;
    return mayusculas;
  });
  cboFormato_ = new QComboBox(fra);
  cboFormato_->setObjectName("cboFormato");
  NoTeclear(cboFormato_);
  cheSimboloEnTodos_ = new QCheckBox(QStringLiteral("Mostrar el símbolo en &todos los importes"), fra);
  cheSimboloEnTodos_->setObjectName("cheSimboloEnTodos");
  auto* rejilla = new QGridLayout(fra);
  auto etiqueta = [fra](const char* texto, QWidget* control) {
    auto* l = new QLabel(QString::fromUtf8(texto), fra);
    l->setBuddy(control);
    return l;
  };
  rejilla->addWidget(etiqueta("&Símbolo:", txtSimbolo_), 0, 0);
  rejilla->addWidget(txtSimbolo_, 0, 1);
  rejilla->addWidget(etiqueta("Có&digo:", txtCodigo_), 0, 2);
  rejilla->addWidget(txtCodigo_, 0, 3);
  rejilla->addWidget(etiqueta("&Formato:", cboFormato_), 1, 0);
  rejilla->addWidget(cboFormato_, 1, 1, 1, 3);
  rejilla->addWidget(cheSimboloEnTodos_, 2, 0, 1, 4);
  connect(txtSimbolo_, &QLineEdit::textEdited, this, [this](const QString& t) {
    p_.moneda.Simbolo = AStd(t);
    MostrarFormatos();
  });
  connect(txtCodigo_, &QLineEdit::textEdited, this,
          [this](const QString& t) { p_.moneda.Codigo = AStd(t); });
  connect(cboFormato_, &QComboBox::activated, this, [this](int i) {
    p_.moneda.SimboloDespues = kFormatos[i][0];
    p_.moneda.ComaDecimal = kFormatos[i][1];
    p_.moneda.Miles = kFormatos[i][2];
  });
  connect(cheSimboloEnTodos_, &QCheckBox::clicked, this,
          [this](bool m) { p_.moneda.SimboloEnTodos = m ? 1 : 0; });
  return fra;
}

// The shipping charge of an order, and the amount from which it is free.
QGroupBox* PaginaServidor::CrearEnvio() {
  auto* fra = new QGroupBox(QStringLiteral("Gastos de envío"), this);
  fra->setObjectName("fraEnvio");
  auto* rejilla = new QGridLayout(fra);
  auto fila = [&](const char* nombre, const char* texto, const char* ayuda, std::string* valor) {
    auto* caja = new QLineEdit(fra);
    caja->setObjectName(nombre);
    caja->setMaximumWidth(100);
    caja->setPlaceholderText(QStringLiteral("(ninguno)"));
    caja->setToolTip(QString::fromUtf8(ayuda));
    NumeroDecimal(caja, true);
    auto* l = new QLabel(QString::fromUtf8(texto), fra);
    l->setBuddy(caja);
    const int n = rejilla->rowCount();
    rejilla->addWidget(l, n, 0);
    rejilla->addWidget(caja, n, 1);
    connect(caja, &QLineEdit::textEdited, this, [valor](const QString& t) { *valor = AStd(t); });
    return caja;
  };
  txtEnvio_ = fila("txtEnvio", "&Importe por pedido:",
                   "Vacío: los pedidos no pagan envío", &p_.envio.Importe);
  txtGratisDesde_ = fila("txtGratisDesde", "&Gratis desde:",
                         "Vacío: el envío nunca es gratis", &p_.envio.GratisDesde);
  rejilla->setColumnStretch(2, 1);
  return fra;
}

// Each format of the list shows an amount in it, with the symbol typed.
void PaginaServidor::MostrarFormatos() {
  Proyecto::Moneda m = p_.moneda;
  int elegido = 0;
  cboFormato_->clear();
  for (int i = 0; i < 8; ++i) {
    m.SimboloDespues = kFormatos[i][0];
    m.ComaDecimal = kFormatos[i][1];
    m.Miles = kFormatos[i][2];
    cboFormato_->addItem(AQt(TextoImporte(m, "1234.56", true)));
    if (m.SimboloDespues == p_.moneda.SimboloDespues && m.ComaDecimal == p_.moneda.ComaDecimal &&
        m.Miles == p_.moneda.Miles) {
      elegido = i;
    }
  }
  cboFormato_->setCurrentIndex(elegido);
}

void PaginaServidor::Mostrar() {
  txtEmail_->setText(AQt(p_.correoEmail));
  txtRedireccionar_->setText(AQt(p_.servidor.Redireccionar));
  txtServidor_->setText(AQt(p_.servidor.RutaServidor));
  txtServidorScript_->setText(AQt(p_.servidor.ServidorScript));
  // A file with no member of a group true shows none chosen.
  const bool ext[] = {p_.soporte.CGI, p_.soporte.ASP, p_.soporte.PHP};
  const bool ss[] = {p_.servidor.NoSS, p_.servidor.SPG, p_.servidor.SSL};
  for (auto* grupo : {cheExt_[0]->group(), opSS_[0]->group()}) grupo->setExclusive(false);
  for (int i = 0; i < 3; ++i) {
    cheExt_[i]->setChecked(ext[i]);
    opSS_[i]->setChecked(ss[i]);
  }
  for (auto* grupo : {cheExt_[0]->group(), opSS_[0]->group()}) grupo->setExclusive(true);
  const int tarjetas[] = {p_.tajetas.Visa, p_.tajetas.Master, p_.tajetas.Amex, p_.tajetas.Diners};
  for (int i = 0; i < 4; ++i) tarjetas_[i]->setChecked(tarjetas[i] == 1);
  cheTasa_->setChecked(p_.cheTasa == 1);
  txtTasa_->setText(AQt(p_.txtTasa));
  txtTasa_->setEnabled(p_.cheTasa == 1);
  txtSimbolo_->setText(AQt(p_.moneda.Simbolo));
  txtCodigo_->setText(AQt(p_.moneda.Codigo));
  MostrarFormatos();
  cheSimboloEnTodos_->setChecked(p_.moneda.SimboloEnTodos == 1);
  txtEnvio_->setText(AQt(p_.envio.Importe));
  txtGratisDesde_->setText(AQt(p_.envio.GratisDesde));
  Habilitar();
}

void PaginaServidor::ElegirSoporte(int indice) {
  bool Proyecto::Soporte::*miembros[] = {&Proyecto::Soporte::CGI, &Proyecto::Soporte::ASP,
                                         &Proyecto::Soporte::PHP};
  vendaluz::ElegirSoporte(p_, miembros[indice]);
  Habilitar();
  emit opcionesCambiadas();
}

void PaginaServidor::ElegirServidor(int indice) {
  bool Proyecto::Servidor::*miembros[] = {&Proyecto::Servidor::NoSS, &Proyecto::Servidor::SPG,
                                          &Proyecto::Servidor::SSL};
  vendaluz::ElegirServidor(p_, miembros[indice]);
  // Each choice puts its preset into the address boxes, replacing what was typed.
  p_.servidor.RutaServidor =
      indice == 0 ? "https://" : std::string(kEjemplosServidorSeguro[indice - 1]);
  p_.servidor.ServidorScript = "https://";
  txtServidor_->setText(AQt(p_.servidor.RutaServidor));
  txtServidorScript_->setText(AQt(p_.servidor.ServidorScript));
  Habilitar();
  emit opcionesCambiadas();
}

// The enabling rules follow the two choices as the project holds them.
void PaginaServidor::Habilitar() {
  const bool sinSeguro = p_.servidor.NoSS;
  for (auto* o : cheExt_) o->setEnabled(sinSeguro);
  txtRedireccionar_->setEnabled(sinSeguro);
  cmdParmCGI_->setEnabled(sinSeguro && !p_.soporte.PHP);
  cmdOcultos_->setEnabled(!sinSeguro);
  txtServidor_->setEnabled(!sinSeguro);
  txtServidorScript_->setEnabled(!sinSeguro);
  for (auto* t : tarjetas_) t->setEnabled(!sinSeguro);
  Label8_->setText(sinSeguro ? QStringLiteral("Form: Opción no disponible")
                             : QStringLiteral("Form: Establecer campos ocultos"));
  if (p_.soporte.CGI) {
    lblASP_->setText(QStringLiteral("Ubicación de Perl y Ruta al CGI"));
  } else if (p_.soporte.ASP) {
    lblASP_->setText(QStringLiteral("Configurar ASPEmail / CDONTS"));
  } else {
    lblASP_->setText(QStringLiteral("Opción no disponible"));
  }
}

bool PaginaServidor::eventFilter(QObject* objeto, QEvent* evento) {
  // Only leaving the box for another control checks it: switching to another window
  // or opening a menu is not the end of typing the address.
  if (objeto == txtServidor_ && evento->type() == QEvent::FocusOut) {
    const Qt::FocusReason razon = static_cast<QFocusEvent*>(evento)->reason();
    if (razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason) RevisarServidor();
  }
  return PaginaProyecto::eventFilter(objeto, evento);
}

void PaginaServidor::RevisarServidor() {
  QString pagina;
  if (p_.servidor.SPG) {
    pagina = QStringLiteral("formulario.htm");
  } else if (p_.servidor.SSL) {
    pagina = QStringLiteral("ssl.htm");
  } else {
    return;
  }
  // A warning only: the address stays as typed.
  if (UltimaParte(txtServidor_->text()) == pagina) return;
  dialogos_.Pitido();
  dialogos_.Mensaje(
      this, QStringLiteral("Asegúrese que la ruta al servidor seguro termine con: ") + pagina,
      Icono::kInformacion);
}

void PaginaServidor::MostrarPago(int indice) {
  fraT_->setVisible(indice == 0);
  fraI_->setVisible(indice == 1);
  fraMoneda_->setVisible(indice == 2);
  fraEnvio_->setVisible(indice == 3);
}

void PaginaServidor::AbrirCGI() {
  if (!p_.servidor.NoSS || !p_.soporte.CGI) return;
  frmCGI dialogo(p_, dialogos_, this);
  dialogo.exec();
}

void PaginaServidor::AbrirASP() {
  if (!p_.servidor.NoSS || !p_.soporte.ASP) return;
  frmASP dialogo(p_, this);
  dialogo.exec();
}

void PaginaServidor::AbrirCampos() {
  if (p_.servidor.NoSS) return;
  frmCampos dialogo(p_, dialogos_, this);
  dialogo.exec();
}

}  // namespace vendaluz
