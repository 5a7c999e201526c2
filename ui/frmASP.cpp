#include "ui/frmASP.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/conversion.h"
#include "ui/fila_botones.h"

namespace vendaluz {

frmASP::frmASP(Proyecto& p, QWidget* padre) : QDialog(padre), p_(p) {
  setObjectName("frmASP");
  setWindowTitle(QStringLiteral("ASP"));
  setModal(true);
  opCDONTS_ = new QRadioButton(QStringLiteral("Utilizar &CDONTS"), this);
  opCDONTS_->setObjectName("opASP0");
  opASPEmail_ = new QRadioButton(QStringLiteral("Utilizar &ASPEmail"), this);
  opASPEmail_->setObjectName("opASP1");
  txtSMTP_ = new QLineEdit(AQt(p_.asp.SMTP), this);
  txtSMTP_->setObjectName("txtSMTP");
  auto* smtp = new QHBoxLayout;
  auto* etiqueta = new QLabel(QStringLiteral("&SMTP Host:"), this);
  etiqueta->setBuddy(txtSMTP_);
  smtp->addWidget(etiqueta);
  smtp->addWidget(txtSMTP_, 1);

  const FilaBotones botones = CrearFilaBotones(this);
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(opCDONTS_);
  columna->addWidget(opASPEmail_);
  columna->addLayout(smtp);
  columna->addLayout(botones.fila);
  setMinimumWidth(340);

  connect(opASPEmail_, &QRadioButton::toggled, txtSMTP_, &QWidget::setEnabled);
  connect(botones.aceptar, &QPushButton::clicked, this, &frmASP::Aceptar);
  opCDONTS_->setChecked(p_.asp.CDONTS);
  opASPEmail_->setChecked(p_.asp.ASPEmail);
  txtSMTP_->setEnabled(opASPEmail_->isChecked());
}

void frmASP::Aceptar() {
  if (opASPEmail_->isChecked() && txtSMTP_->text().isEmpty()) return;
  p_.asp.CDONTS = opCDONTS_->isChecked();
  p_.asp.ASPEmail = opASPEmail_->isChecked();
  p_.asp.SMTP = AStd(txtSMTP_->text());
  accept();
}

}  // namespace vendaluz
