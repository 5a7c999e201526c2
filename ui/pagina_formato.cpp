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
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/conversion.h"
#include "ui/fila_color.h"
#include "ui/lista_fija.h"

namespace vendaluz {
namespace {

const char* const kEtiquetasColor[7] = {
    "Fondo de la página:", "Texto de la página:", "Texto del carrito:",    "Fondo de la tabla:",
    "Borde de la tabla:",  "Hipervínculo:",       "Hipervínculo visitado:"};

const QStringList kPaginas = {QStringLiteral("carrito"), QStringLiteral("formulario"),
                              QStringLiteral("ssl")};

QString ConIndice(const char* nombre, int i) {
  return QString::fromLatin1(nombre) + QString::number(i);
}

}  // namespace

PaginaFormato::PaginaFormato(Proyecto& p, Dialogos& dialogos, QWidget* padre)
    : PaginaProyecto(p, padre) {
  auto* fraColores = new QGroupBox(QStringLiteral(" Colores "), this);
  fraColores->setObjectName("fraColores");
  auto* rejillaColores = new QGridLayout(fraColores);
  for (int i = 0; i < 7; ++i) {
    colores_[i] = new FilaColor(ConIndice("lblColor", i), ConIndice("txtColor", i),
                                ConIndice("cmdColor", i), dialogos, fraColores);
    auto* etiqueta = new QLabel(QString::fromUtf8(kEtiquetasColor[i]), fraColores);
    etiqueta->setBuddy(colores_[i]->boton);
    rejillaColores->addWidget(etiqueta, i, 0);
    rejillaColores->addWidget(colores_[i]->muestra, i, 1);
    rejillaColores->addWidget(colores_[i]->texto, i, 2);
    rejillaColores->addWidget(colores_[i]->boton, i, 3);
    connect(colores_[i], &FilaColor::elegido, this,
            [this, i](Color c) { p_.formato.Color[i] = c; });
  }
  rejillaColores->setRowStretch(7, 1);

  auto* fraPagina = new QGroupBox(QStringLiteral(" Página Web "), this);
  fraPagina->setObjectName("fraPagina");
  cboDoc_ = CrearListaFija("cboDoc", kPaginas, fraPagina);
  auto* columnaPagina = new QVBoxLayout(fraPagina);
  columnaPagina->addWidget(cboDoc_);
  for (int k = 0; k < 3; ++k) {
    fraHTML1_[k] = new QGroupBox(fraPagina);
    fraHTML1_[k]->setObjectName(ConIndice("fraHTML1", k));
    lblTitPag_[k] = new QLabel(fraHTML1_[k]);
    lblTitPag_[k]->setObjectName(ConIndice("lblTitPag", k));
    txtTituloPag_[k] = new QLineEdit(fraHTML1_[k]);
    txtTituloPag_[k]->setObjectName(ConIndice("txtTituloPag", k));
    lblTitPag_[k]->setBuddy(txtTituloPag_[k]);
    cheInTexto_[k] =
        new QCheckBox(QStringLiteral("Incluir te&xto dentro de la página"), fraHTML1_[k]);
    cheInTexto_[k]->setObjectName(ConIndice("cheInTexto", k));
    txtInTexto_[k] = new QPlainTextEdit(fraHTML1_[k]);
    txtInTexto_[k]->setObjectName(ConIndice("txtInTexto", k));
    txtInTexto_[k]->setTabChangesFocus(true);
    cheCentrar_[k] =
        new QCheckBox(QStringLiteral("C&entrar contenidos de la página"), fraHTML1_[k]);
    cheCentrar_[k]->setObjectName(ConIndice("cheCentrar", k));
    auto* columna = new QVBoxLayout(fraHTML1_[k]);
    columna->addWidget(lblTitPag_[k]);
    columna->addWidget(txtTituloPag_[k]);
    columna->addWidget(cheInTexto_[k]);
    columna->addWidget(txtInTexto_[k], 1);
    columna->addWidget(cheCentrar_[k]);
    columnaPagina->addWidget(fraHTML1_[k], 1);

    connect(txtTituloPag_[k], &QLineEdit::textEdited, this,
            [this, k](const QString& t) { p_.formato.Titulo[k] = AStd(t); });
    connect(txtInTexto_[k], &QPlainTextEdit::textChanged, this,
            [this, k] { p_.formato.Texto[k] = AStd(txtInTexto_[k]->toPlainText()); });
    connect(cheInTexto_[k], &QCheckBox::clicked, this, [this, k](bool c) { IncluirTexto(k, c); });
    connect(cheCentrar_[k], &QCheckBox::clicked, this,
            [this, k](bool c) { p_.formato.CentrarTexto[k] = c ? 1 : 0; });
  }
  cboFuente_ = CrearListaFija("cboFuente", FuentesOfrecidas(), fraPagina);
  cboTFuente_ = CrearListaFija("cboTFuente", TamanosOfrecidos(), fraPagina);
  auto* filaFuente = new QHBoxLayout;
  auto* etiquetaFuente = new QLabel(QStringLiteral("&Fuente predeterminada:"), fraPagina);
  etiquetaFuente->setBuddy(cboFuente_);
  filaFuente->addWidget(etiquetaFuente);
  filaFuente->addWidget(cboFuente_, 1);
  filaFuente->addWidget(cboTFuente_);
  columnaPagina->addLayout(filaFuente);

  cheCSS_ = new QCheckBox(QStringLiteral("Incluir &Hoja de Estilo (CSS)"), this);
  cheCSS_->setObjectName("cheCSS");
  cmdCSS_ = new QPushButton(QStringLiteral(">"), this);
  cmdCSS_->setObjectName("cmdCSS");
  cmdCSS_->setMaximumWidth(32);
  auto* filaCss = new QHBoxLayout;
  filaCss->addWidget(cheCSS_);
  filaCss->addWidget(cmdCSS_);
  filaCss->addStretch(1);

  auto* izquierda = new QVBoxLayout;
  izquierda->addWidget(fraColores);
  izquierda->addLayout(filaCss);
  auto* fila = new QHBoxLayout(this);
  fila->addLayout(izquierda);
  fila->addWidget(fraPagina, 1);

  connect(cboDoc_, &QComboBox::activated, this, &PaginaFormato::ElegirPagina);
  connect(cboFuente_, &QComboBox::activated, this,
          [this] { p_.formato.Fuente = AStd(cboFuente_->currentText()); });
  connect(cboTFuente_, &QComboBox::activated, this,
          [this] { p_.formato.TamanoFuente = AStd(cboTFuente_->currentText()); });
  connect(cheCSS_, &QCheckBox::clicked, this, [this](bool c) {
    p_.formato.CSS = c ? 1 : 0;
    cmdCSS_->setEnabled(c);
    emit cssCambiado(c);
  });
  connect(cmdCSS_, &QPushButton::clicked, this, &PaginaFormato::hojaEstiloPedida);
}

void PaginaFormato::Mostrar() {
  for (int i = 0; i < 7; ++i) colores_[i]->Poner(p_.formato.Color[i]);
  for (int k = 0; k < 3; ++k) {
    const QSignalBlocker bloqueo(txtInTexto_[k]);
    txtTituloPag_[k]->setText(AQt(p_.formato.Titulo[k]));
    const bool incluido = p_.formato.IncluirTexto[k] == 1;
    cheInTexto_[k]->setChecked(incluido);
    txtInTexto_[k]->setEnabled(incluido);
    txtInTexto_[k]->setPlainText(incluido ? AQt(p_.formato.Texto[k]) : QString());
    cheCentrar_[k]->setChecked(p_.formato.CentrarTexto[k] == 1);
  }
  MostrarEnLista(cboFuente_, AQt(p_.formato.Fuente));
  MostrarEnLista(cboTFuente_, AQt(p_.formato.TamanoFuente));
  cheCSS_->setChecked(p_.formato.CSS == 1);
  cmdCSS_->setEnabled(p_.formato.CSS == 1);
  // Showing a project starts again at the first page kind, "carrito".
  cboDoc_->setCurrentIndex(0);
  ElegirPagina(0);
}

void PaginaFormato::EsconderFraHTML() {
  for (QGroupBox* f : fraHTML1_) f->setVisible(false);
}

void PaginaFormato::ElegirPagina(int k) {
  EsconderFraHTML();
  fraHTML1_[k]->setVisible(true);
  lblTitPag_[k]->setText(QStringLiteral("Nombre del hipervínculo: ") + cboDoc_->itemText(k));
}

// Leaving the text out empties it; taking it in again starts from an empty box.
void PaginaFormato::IncluirTexto(int k, bool incluir) {
  p_.formato.IncluirTexto[k] = incluir ? 1 : 0;
  txtInTexto_[k]->setEnabled(incluir);
  if (!incluir) txtInTexto_[k]->clear();  // writes the empty text through textChanged
}

}  // namespace vendaluz
