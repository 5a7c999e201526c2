// The hidden inputs of the order form: a list of finished elements, each added
// from a name and a value. The dialog edits a copy; "Aceptar" writes it.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "model/proyecto.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace vendaluz {

class Dialogos;

class frmCampos : public QDialog {
  Q_OBJECT

 public:
  frmCampos(Proyecto& p, Dialogos& dialogos, QWidget* padre = nullptr);

  // Enables "Quitar" exactly when the list is not empty.
  void ControlarLS();

 private:
  void Agregar();
  void Quitar();
  void Aceptar();

  Proyecto& p_;
  Dialogos& dialogos_;
  QLineEdit* txtNombre_;
  QLineEdit* txtValor_;
  QPushButton* cmdQuitar_;
  QListWidget* lstCampos_;
};

// The hidden input for a name and a value, with the characters that would break
// the attribute (", <, &) written as character references.
std::string CampoOcultoDe(const std::string& nombre, const std::string& valor);

}  // namespace vendaluz
