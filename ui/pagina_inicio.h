// The " Inicio " page of the main window: the project's name, description and the
// folder in which the project file dialogs start. The name box refuses, with a beep
// and a line under it saying why, the characters a folder name cannot hold.
#pragma once

#include "ui/entorno.h"
#include "ui/pagina_proyecto.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vendaluz {

class PaginaInicio : public PaginaProyecto {
  Q_OBJECT

 public:
  // The name box holds at most this many characters as the user types.
  static constexpr int kLargoNombre = 20;

  PaginaInicio(Proyecto& p, Entorno& entorno, QWidget* padre = nullptr);
  void Mostrar() override;

 signals:
  // Inicio.Nombre has been changed by the user.
  void nombreCambiado();

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void Examinar();
  void NombreRechazado();

  Entorno& entorno_;
  QLineEdit* txtNombrePro_;
  QLabel* lblAvisoNombre_;
  char rechazado_ = 0;  // the character the name box last refused
  QLineEdit* txtDesPro_;
  QLineEdit* txtCarpetaPre_;
  QPushButton* cmdExaminar_;
};

}  // namespace vendaluz
