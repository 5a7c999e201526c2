// The help window "Ayuda": the user guide bundled with the program (ui/guia), and below
// it where to ask questions (the forum), how to reach us and the way to the about box.
#pragma once

#include <QDialog>

#include "ui/abridor.h"

namespace vendaluz {

class frmAyuda : public QDialog {
  Q_OBJECT

 public:
  explicit frmAyuda(Abridor& abridor, QWidget* padre = nullptr);
};

}  // namespace vendaluz
