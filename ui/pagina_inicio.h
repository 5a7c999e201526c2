// The " Inicio " page of the main window: the project's name, description and the
// folder in which the project file dialogs start.
#pragma once

#include "ui/entorno.h"
#include "ui/pagina_proyecto.h"

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

  Entorno& entorno_;
  QLineEdit* txtNombrePro_;
  QLineEdit* txtDesPro_;
  QLineEdit* txtCarpetaPre_;
  QPushButton* cmdExaminar_;
};

}  // namespace vendaluz
