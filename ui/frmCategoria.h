// The new-category dialog "Categoría": whether the next generation adds the open
// project's catalogue as a further category to a store generated before, under
// which file name and into which store folder. The three values belong to the open
// project (not to its file); "Aceptar" keeps them, "Cancelar" leaves them.
#pragma once

#include <QDialog>

#include "model/proyecto.h"
#include "ui/campo_ruta.h"
#include "ui/entorno.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vendaluz {

class frmCategoria : public QDialog {
  Q_OBJECT

 public:
  frmCategoria(Proyecto& p, Entorno& entorno, QWidget* padre = nullptr);

 private:
  void Habilitar(bool activa);
  void Examinar();
  void Aceptar();

  Proyecto& p_;
  Entorno& entorno_;
  QCheckBox* cheACat_;
  QLineEdit* ANombre_;
  CampoRuta* AGuardar_;
  QPushButton* cmdAEx_;
};

}  // namespace vendaluz
