// The help box "Ayuda": where to ask questions (the forum) and how to reach us.
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
