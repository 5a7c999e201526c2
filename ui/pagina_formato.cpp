#include "ui/pagina_formato.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/conversion.h"
#include "ui/frmCSS.h"
#include "ui/selector_color.h"
#include "ui/teclas.h"

namespace vendaluz {
namespace {

void PonerLista(QComboBox* lista, const std::string& valor) {
  const QString texto = AQt(valor);
  if (lista->findText(texto) < 0) lista->addItem(texto);
  lista->setCurrentText(texto);
}

}  // namespace

PaginaFormato::PaginaFormato(Proyecto& p, Dialogos& dialogos, QWidget* padre)
    : PaginaProyecto(p, padre), dialogos_(dialogos) {
  QGroupBox* fraColores = CrearColores();
  QGroupBox* fraPagina = CrearPagina();

  cheCSS_ = new QCheckBox(QStringLiteral("Incluir &Hoja de Estilo (CSS)"), this);
  cheCSS_->setObjectName("cheCSS");
  cmdCSS_ = new QPushButton(QStringLiteral(">"), this);
  cmdCSS_->setObjectName("cmdCSS");
  cmdCSS_->setMaximumWidth(40);
  auto* css = new QHBoxLayout;
  css->addWidget(cheCSS_);
  css->addWidget(cmdCSS_);
  css->addStretch(1);

  auto* izquierda = new QVBoxLayout;
  izquierda->addWidget(fraColores, 1);
  izquierda->addLayout(css);
  auto* fila = new QHBoxLayout(this);
  fila->addLayout(izquierda, 2);
  fila->addWidget(fraPagina, 3);

  // The lists take no typing (typing would pick an entry by its first letter): a
  // value is only picked from the list.
  for (QComboBox* lista : {cboDoc_, cboFuente_, cboTFuente_}) NoTeclear(lista);

  connect(cboDoc_, &QComboBox::currentIndexChanged, this, &PaginaFormato::ElegirPagina);
  connect(cboFuente_, &QComboBox::textActivated, this,
          [this](const QString& t) { p_.formato.Fuente = AStd(t); });
  connect(cboTFuente_, &QComboBox::textActivated, this,
          [this](const QString& t) { p_.formato.TamanoFuente = AStd(t); });
  connect(cheCSS_, &QCheckBox::clicked, this, [this](bool m) {
    p_.formato.CSS = m ? 1 : 0;
    cmdCSS_->setEnabled(m);
    emit cssCambiado();
  });
  connect(cmdCSS_, &QPushButton::clicked, this, &PaginaFormato::AbrirCSS);
  ElegirPagina(0);
}

// The seven colours of the store's pages.
QGroupBox* PaginaFormato::CrearColores() {
  auto* fraColores = new QGroupBox(QStringLiteral(" Colores "), this);
  auto* rejilla = new QGridLayout(fraColores);
  const char* etiquetas[] = {
      "Fondo de la página:", "Texto de la página:", "Texto del carrito:",    "Fondo de la tabla:",
      "Borde de la tabla:",  "Hipervínculo:",       "Hipervínculo visitado:"};
  for (int i = 0; i < 7; ++i) {
    colores_[i] =
        new SelectorColor(dialogos_, fraColores, QStringLiteral("lblColor%1").arg(i),
                          QStringLiteral("txtColor%1").arg(i), QStringLiteral("cmdColor%1").arg(i),
                          [this, i](Color c) { p_.formato.Color[i] = c; });
    rejilla->addWidget(new QLabel(QString::fromUtf8(etiquetas[i]), fraColores), i, 0);
    rejilla->addWidget(colores_[i]->swatch(), i, 1);
    rejilla->addWidget(colores_[i]->texto(), i, 2);
    rejilla->addWidget(colores_[i]->boton(), i, 3);
  }
  rejilla->setRowStretch(7, 1);
  return fraColores;
}

// The title, text and centring of each page kind, and the default font.
QGroupBox* PaginaFormato::CrearPagina() {
  auto* fraPagina = new QGroupBox(QStringLiteral(" Página Web "), this);
  auto* colPagina = new QVBoxLayout(fraPagina);
  cboDoc_ = new QComboBox(fraPagina);
  cboDoc_->setObjectName("cboDoc");
  cboDoc_->addItems(
      {QStringLiteral("carrito"), QStringLiteral("formulario"), QStringLiteral("ssl")});
  colPagina->addWidget(cboDoc_);
  for (int k = 0; k < 3; ++k) {
    auto* marco = new QGroupBox(fraPagina);
    marco->setObjectName(QStringLiteral("fraHTML1%1").arg(k));
    fraHTML1_[k] = marco;
    lblTitPag_[k] = new QLabel(marco);
    lblTitPag_[k]->setObjectName(QStringLiteral("lblTitPag%1").arg(k));
    txtTituloPag_[k] = new QLineEdit(marco);
    txtTituloPag_[k]->setObjectName(QStringLiteral("txtTituloPag%1").arg(k));
    lblTitPag_[k]->setBuddy(txtTituloPag_[k]);
    cheInTexto_[k] = new QCheckBox(QStringLiteral("Incluir te&xto dentro de la página"), marco);
    cheInTexto_[k]->setObjectName(QStringLiteral("cheInTexto%1").arg(k));
    txtInTexto_[k] = new QPlainTextEdit(marco);
    txtInTexto_[k]->setObjectName(QStringLiteral("txtInTexto%1").arg(k));
    txtInTexto_[k]->setTabChangesFocus(true);
    cheCentrar_[k] = new QCheckBox(QStringLiteral("Ce&ntrar contenidos de la página"), marco);
    cheCentrar_[k]->setObjectName(QStringLiteral("cheCentrar%1").arg(k));
    auto* col = new QVBoxLayout(marco);
    col->addWidget(lblTitPag_[k]);
    col->addWidget(txtTituloPag_[k]);
    col->addWidget(cheInTexto_[k]);
    col->addWidget(txtInTexto_[k], 1);
    col->addWidget(cheCentrar_[k]);
    colPagina->addWidget(marco, 1);

    connect(txtTituloPag_[k], &QLineEdit::textEdited, this,
            [this, k](const QString& t) { p_.formato.Titulo[k] = AStd(t); });
    connect(txtInTexto_[k], &QPlainTextEdit::textChanged, this, [this, k] {
      if (cheInTexto_[k]->isChecked()) p_.formato.Texto[k] = AStd(txtInTexto_[k]->toPlainText());
    });
    connect(cheInTexto_[k], &QCheckBox::clicked, this, [this, k](bool m) {
      p_.formato.IncluirTexto[k] = m ? 1 : 0;
      // Switching the text off empties it.
      if (!m) {
        txtInTexto_[k]->clear();
        p_.formato.Texto[k].clear();
      }
      txtInTexto_[k]->setEnabled(m);
    });
    connect(cheCentrar_[k], &QCheckBox::clicked, this,
            [this, k](bool m) { p_.formato.CentrarTexto[k] = m ? 1 : 0; });
  }
  cboFuente_ = new QComboBox(fraPagina);
  cboFuente_->setObjectName("cboFuente");
  cboFuente_->addItems(FuentesOfrecidas());
  cboTFuente_ = new QComboBox(fraPagina);
  cboTFuente_->setObjectName("cboTFuente");
  cboTFuente_->addItems(TamanosOfrecidos());
  auto* fuentes = new QHBoxLayout;
  auto* lblFuente = new QLabel(QStringLiteral("&Fuente predeterminada:"), fraPagina);
  lblFuente->setBuddy(cboFuente_);
  fuentes->addWidget(lblFuente);
  fuentes->addWidget(cboFuente_, 1);
  fuentes->addWidget(cboTFuente_);
  colPagina->addLayout(fuentes);
  return fraPagina;
}

void PaginaFormato::Mostrar() {
  const auto& f = p_.formato;
  for (int i = 0; i < 7; ++i) colores_[i]->Mostrar(f.Color[i]);
  for (int k = 0; k < 3; ++k) {
    txtTituloPag_[k]->setText(AQt(f.Titulo[k]));
    cheInTexto_[k]->setChecked(f.IncluirTexto[k] == 1);
    txtInTexto_[k]->setPlainText(AQt(f.Texto[k]));
    txtInTexto_[k]->setEnabled(f.IncluirTexto[k] == 1);
    cheCentrar_[k]->setChecked(f.CentrarTexto[k] == 1);
  }
  PonerLista(cboFuente_, f.Fuente);
  PonerLista(cboTFuente_, f.TamanoFuente);
  cheCSS_->setChecked(f.CSS == 1);
  cmdCSS_->setEnabled(f.CSS == 1);
  cboDoc_->setCurrentIndex(0);
  ElegirPagina(0);
}

void PaginaFormato::EsconderFraHTML() {
  for (auto* marco : fraHTML1_) marco->hide();
}

void PaginaFormato::ElegirPagina(int k) {
  if (k < 0) return;
  EsconderFraHTML();
  fraHTML1_[k]->show();
  lblTitPag_[k]->setText(QStringLiteral("Nombre del hipervínculo: ") + cboDoc_->itemText(k));
}

void PaginaFormato::AbrirCSS() {
  if (p_.formato.CSS != 1) return;
  frmCSS dialogo(p_, dialogos_, this);
  dialogo.exec();
}

}  // namespace vendaluz
