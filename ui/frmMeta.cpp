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
  auto* marco = new QGroupBox(nombre + QLatin1Char(' '), this);
  marco->setObjectName("fraMeta");
  txtValor_ = new QLineEdit(valor, marco);
  txtValor_->setObjectName("txtValor");
  txtValor_->selectAll();
  auto* etiqueta = new QLabel(QStringLiteral("&Valor:"), marco);
  etiqueta->setBuddy(txtValor_);
  auto* fila = new QHBoxLayout(marco);
  fila->addWidget(etiqueta);
  fila->addWidget(txtValor_, 1);

  auto* cmdAceptar = new QPushButton(QStringLiteral("Aceptar"), this);
  cmdAceptar->setObjectName("cmdAceptar");
  cmdAceptar->setDefault(true);
  auto* cmdCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
  cmdCancelar->setObjectName("cmdCancelar");
  auto* botones = new QHBoxLayout;
  botones->addStretch(1);
  botones->addWidget(cmdAceptar);
  botones->addWidget(cmdCancelar);
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(marco);
  columna->addLayout(botones);
  setMinimumWidth(380);
  connect(cmdAceptar, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);
  txtValor_->setFocus();
}

QString frmMeta::Valor() const { return txtValor_->text(); }

}  // namespace vendaluz
