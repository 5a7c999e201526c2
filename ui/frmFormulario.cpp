#include "ui/frmFormulario.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/conversion.h"
#include "ui/fila_botones.h"
#include "ui/teclas.h"

namespace vendaluz {

frmFormulario::frmFormulario(Modo modo, const CampoFormulario& campo, QWidget* padre)
    : QDialog(padre) {
  setObjectName("frmFormulario");
  setWindowTitle(QStringLiteral("Formulario"));
  setModal(true);
  const bool agregar = modo == Modo::kAgregar;
  auto* marco = new QGroupBox(agregar ? QStringLiteral("Agregar") : QStringLiteral("Editar"), this);
  marco->setObjectName("fraFormulario");
  txtNombre_ = new QLineEdit(marco);
  txtNombre_->setObjectName("txtNombre");
  txtNombre_->setMaxLength(15);
  txtValor_ = new QLineEdit(marco);
  txtValor_->setObjectName("txtValor");
  txtValor_->setMaxLength(10);
  SoloMinusculas(txtValor_);
  txtTamano_ = new QLineEdit(marco);
  txtTamano_->setObjectName("txtTamano");
  txtTamano_->setMaxLength(2);
  txtTamano_->setMaximumWidth(50);
  SoloDigitos(txtTamano_);
  auto* filas = new QFormLayout(marco);
  filas->addRow(QStringLiteral("&Campo:"), txtNombre_);
  filas->addRow(QStringLiteral("&Nombre:"), txtValor_);
  filas->addRow(QStringLiteral("&Tamaño:"), txtTamano_);

  const FilaBotones botones = CrearFilaBotones(this);
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(marco);
  columna->addLayout(botones.fila);
  setMinimumWidth(300);
  connect(botones.aceptar, &QPushButton::clicked, this, &frmFormulario::Aceptar);

  if (!agregar) {
    txtNombre_->setText(AQt(campo.Campo));
    txtValor_->setText(AQt(campo.Nombre));
    txtTamano_->setText(AQt(campo.Tamano));
    txtNombre_->selectAll();
  }
  txtNombre_->setFocus();
}

CampoFormulario frmFormulario::Resultado() const {
  return {AStd(txtNombre_->text()), AStd(txtValor_->text()), AStd(txtTamano_->text())};
}

void frmFormulario::Aceptar() {
  if (txtNombre_->text().isEmpty() || txtValor_->text().isEmpty() || txtTamano_->text().isEmpty()) {
    return;
  }
  accept();
}

}  // namespace vendaluz
