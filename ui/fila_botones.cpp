#include "ui/fila_botones.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace vendaluz {

FilaBotones CrearFilaBotones(QDialog* dialogo) {
  auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), dialogo);
  aceptar->setObjectName("cmdAceptar");
  aceptar->setDefault(true);
  auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), dialogo);
  cancelar->setObjectName("cmdCancelar");
  QObject::connect(cancelar, &QPushButton::clicked, dialogo, &QDialog::reject);
  auto* fila = new QHBoxLayout;
  fila->addStretch(1);
  fila->addWidget(aceptar);
  fila->addWidget(cancelar);
  return {aceptar, cancelar, fila};
}

}  // namespace vendaluz
