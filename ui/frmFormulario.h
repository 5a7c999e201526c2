// The order-form field dialog: adds a field or edits the selected one, returning
// the field; the field list applies it.
#pragma once

#include <QDialog>

#include "model/proyecto.h"

class QLabel;
class QLineEdit;

namespace vendaluz {

class frmFormulario : public QDialog {
  Q_OBJECT

 public:
  enum class Modo { kAgregar, kEditar };
  frmFormulario(Modo modo, const CampoFormulario& campo, QWidget* padre = nullptr);

  CampoFormulario Resultado() const;

 private:
  void Aceptar();

  QLineEdit* txtNombre_;
  QLineEdit* txtValor_;
  QLineEdit* txtTamano_;
  QLabel* lblAviso_;
};

}  // namespace vendaluz
