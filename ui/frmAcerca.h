// The about box "Acerca de Vendaluz v1.0": version, credits and the web address.
#pragma once

#include <QDialog>

#include "ui/abridor.h"

namespace vendaluz {

class frmAcerca : public QDialog {
  Q_OBJECT

 public:
  explicit frmAcerca(Abridor& abridor, QWidget* padre = nullptr);
};

}  // namespace vendaluz
