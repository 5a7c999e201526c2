#include "ui/frmOpciones.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/conversion.h"
#include "ui/fila_botones.h"

namespace vendaluz {
namespace {

bool SoloCifras(const QString& texto) {
  return std::all_of(texto.begin(), texto.end(),
                     [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

}  // namespace

frmOpciones::frmOpciones(Proyecto& p, QWidget* padre) : QDialog(padre), p_(p) {
  setObjectName("frmOpciones");
  setWindowTitle(QStringLiteral("Opciones"));
  setModal(true);

  auto* tabs = new QTabWidget(this);
  auto* pagina = new QWidget(tabs);
  tabs->addTab(pagina, QStringLiteral("  Ventana Pop-up  "));
  auto* rejilla = new QGridLayout(pagina);

  txtAncho_ = new QLineEdit(pagina);
  txtAncho_->setObjectName("txtAncho");
  txtAlto_ = new QLineEdit(pagina);
  txtAlto_->setObjectName("txtAlto");
  for (QLineEdit* t : {txtAncho_, txtAlto_}) {
    t->setMaxLength(4);
    t->setMaximumWidth(60);
    // A size that is not a number is emptied as soon as it is typed or pasted.
    connect(t, &QLineEdit::textChanged, this, [t](const QString& texto) {
      if (!SoloCifras(texto)) t->clear();
    });
  }
  cboAbrir_ = new QComboBox(pagina);
  cboAbrir_->setObjectName("cboAbrir");
  cboAbrir_->addItems({QStringLiteral("Botón"), QStringLiteral("Link")});

  int fila = 0;
  auto renglon = [&](const QString& texto, QWidget* control) {
    auto* l = new QLabel(texto, pagina);
    l->setBuddy(control);
    rejilla->addWidget(l, fila, 0);
    rejilla->addWidget(control, fila, 1, 1, 2, Qt::AlignLeft);
    ++fila;
  };
  renglon(QStringLiteral("&Ancho de la pantalla (píxeles):"), txtAncho_);
  renglon(QStringLiteral("A&lto de la pantalla (píxeles):"), txtAlto_);
  renglon(QStringLiteral("Abrir ventana Pop-up &mediante:"), cboAbrir_);
  const char* textos[] = {"Mostrar barras de desplazamiento:",
                          "Mostrar barra de herramientas:",
                          "Mostrar barra de direcciones:",
                          "Mostrar barra de estado:",
                          "Mostrar barra de menú:",
                          "Centrar ventana en pantalla:"};
  for (int i = 0; i < 6; ++i) {
    auto* l = new QLabel(QString::fromUtf8(textos[i]), pagina);
    chePopup_[i] = new QCheckBox(pagina);
    chePopup_[i]->setObjectName(QStringLiteral("chePopup%1").arg(i));
    chePopup_[i]->setAccessibleName(l->text());
    l->setBuddy(chePopup_[i]);
    chePoptxt_[i] = new QLabel(pagina);
    chePoptxt_[i]->setObjectName(QStringLiteral("chePoptxt%1").arg(i));
    rejilla->addWidget(l, fila, 0);
    rejilla->addWidget(chePopup_[i], fila, 1);
    rejilla->addWidget(chePoptxt_[i], fila, 2);
    rejilla->setColumnStretch(2, 1);
    ++fila;
    connect(chePopup_[i], &QCheckBox::toggled, this, [this, i] { PopupCambiado(i); });
  }

  const FilaBotones botones = CrearFilaBotones(this);
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(tabs);
  columna->addLayout(botones.fila);
  connect(botones.aceptar, &QPushButton::clicked, this, &frmOpciones::Aceptar);

  const auto& o = p_.popup;
  txtAncho_->setText(AQt(o.Ancho));
  txtAlto_->setText(AQt(o.Alto));
  if (cboAbrir_->findText(AQt(o.Abrir)) < 0) cboAbrir_->addItem(AQt(o.Abrir));
  cboAbrir_->setCurrentText(AQt(o.Abrir));
  const int barras[] = {o.Barra1, o.Barra2, o.Barra3, o.Barra4, o.Barra5, o.Centrar};
  for (int i = 0; i < 6; ++i) chePopup_[i]->setChecked(barras[i] == 1);
  for (int i = 0; i < 6; ++i) PopupCambiado(i);
}

void frmOpciones::PopupCambiado(int i) {
  chePoptxt_[i]->setText(chePopup_[i]->isChecked() ? QStringLiteral("Sí") : QStringLiteral("No"));
  const bool centrar = chePopup_[5]->isChecked();
  txtAncho_->setEnabled(centrar);
  txtAlto_->setEnabled(centrar);
}

void frmOpciones::Aceptar() {
  if (txtAncho_->text().isEmpty() || txtAlto_->text().isEmpty()) return;
  auto& o = p_.popup;
  o.Ancho = AStd(txtAncho_->text());
  o.Alto = AStd(txtAlto_->text());
  o.Abrir = AStd(cboAbrir_->currentText());
  int* barras[] = {&o.Barra1, &o.Barra2, &o.Barra3, &o.Barra4, &o.Barra5, &o.Centrar};
  for (int i = 0; i < 6; ++i) *barras[i] = chePopup_[i]->isChecked() ? 1 : 0;
  accept();
}

}  // namespace vendaluz
