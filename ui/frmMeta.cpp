#include "ui/frmMeta.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vendaluz {

frmMeta::frmMeta(const QString& nombre, const QString& valor, QWidget* padre) : QDialog(padre) {
  setObjectName("frmMeta");
  setWindowTitle(QStringLiteral("Meta Tag"));
  setModal(true);
  auto* marco = new QGroupBox(nombre + QStringLiteral(" "), this);
  marco->setObjectName("fraMeta");
  txtValor_ = new QLineEdit(valor, marco);
  txtValor_->setObjectName("txtValor");
  txtValor_->selectAll();
  auto* etiqueta = new QLabel(QStringLiteral("&Valor:"), marco);
  etiqueta->setBuddy(txtValor_);
  auto* filaValor = new QHBoxLayout(marco);
  filaValor->addWidget(etiqueta);
  filaValor->addWidget(txtValor_, 1);

  auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
  aceptar->setObjectName("cmdAceptar");
  aceptar->setDefault(true);
  auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
  cancelar->setObjectName("cmdCancelar");
  auto* botones = new QHBoxLayout;
  botones->addStretch(1);
  botones->addWidget(aceptar);
  botones->addWidget(cancelar);
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(marco);
  columna->addLayout(botones);
  resize(420, sizeHint().height());

  connect(txtValor_, &QLineEdit::returnPressed, this, &QDialog::accept);
  connect(aceptar, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
}

QString frmMeta::Valor() const { return txtValor_->text(); }

}  // namespace vendaluz
