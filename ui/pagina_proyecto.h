// Base of the tab pages of the main window. A page edits settings of the open
// Proyecto: its controls write their setting as soon as the user changes them, and
// Mostrar puts the project's settings into the controls after a project has been
// set up or opened. Mostrar never writes the project, so showing a value the
// controls cannot hold (a name longer than the box allows) does not change it.
#pragma once

#include <QWidget>

#include "model/proyecto.h"

namespace vendaluz {

class PaginaProyecto : public QWidget {
  Q_OBJECT

 public:
  PaginaProyecto(Proyecto& p, QWidget* padre);
  virtual void Mostrar() = 0;

 protected:
  Proyecto& p_;
};

}  // namespace vendaluz
