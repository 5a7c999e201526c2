// The ASP page's mail component (CDONTS or ASPEmail) and its SMTP host. Written
// into the project on "Aceptar" only.
#pragma once

#include <QDialog>

#include "model/proyecto.h"

class QLineEdit;
class QRadioButton;

namespace vendaluz {

class frmASP : public QDialog {
  Q_OBJECT

 public:
  explicit frmASP(Proyecto& p, QWidget* padre = nullptr);

 private:
  void Aceptar();

  Proyecto& p_;
  QRadioButton* opCDONTS_;
  QRadioButton* opASPEmail_;
  QLineEdit* txtSMTP_;
};

}  // namespace vendaluz
