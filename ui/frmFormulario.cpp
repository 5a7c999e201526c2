#include "ui/frmFormulario.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

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
  NombreDeCampo(txtValor_);
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
  lblAviso_ = CrearAviso(this);
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(marco);
  columna->addWidget(lblAviso_);
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
  if (txtNombre_->text().isEmpty()) {
    return Avisar(
        lblAviso_, txtNombre_,
        QStringLiteral("Falta el campo: el texto que el comprador ve junto a la casilla."));
  }
  // A name or a size of an older file that breaks the rules of the boxes must be mended.
  const QString nombre = txtValor_->text();
  if (nombre.isEmpty()) {
    return Avisar(lblAviso_, txtValor_, QStringLiteral("Falta el nombre del campo."));
  }
  if (std::any_of(nombre.begin(), nombre.end(),
                  [](QChar c) { return c < QLatin1Char('a') || c > QLatin1Char('z'); })) {
    return Avisar(lblAviso_, txtValor_,
                  QStringLiteral("El nombre del campo solo puede tener letras minúsculas de la a "
                                 "a la z."));
  }
  const QString tamano = txtTamano_->text();
  if (tamano.isEmpty()) {
    return Avisar(lblAviso_, txtTamano_, QStringLiteral("Falta el tamaño del campo."));
  }
  if (std::any_of(tamano.begin(), tamano.end(),
                  [](QChar c) { return c < QLatin1Char('0') || c > QLatin1Char('9'); }) ||
      tamano.toInt() < 1) {
    return Avisar(lblAviso_, txtTamano_,
                  QStringLiteral("El tamaño del campo debe ser un número de 1 a 99."));
  }
  accept();
}

}  // namespace vendaluz
