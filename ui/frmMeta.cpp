#include "ui/frmMeta.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/fila_botones.h"

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

  const FilaBotones botones = CrearFilaBotones(this);
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(marco);
  columna->addLayout(botones.fila);
  setMinimumWidth(380);
  connect(botones.aceptar, &QPushButton::clicked, this, &QDialog::accept);
  txtValor_->setFocus();
}

QString frmMeta::Valor() const { return txtValor_->text(); }

}  // namespace vendaluz
