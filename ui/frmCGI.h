// The Perl script's settings: interpreter, mail program, script address and the
// host allowed to run it. Written into the project on "Aceptar" only.
#pragma once

#include <QDialog>

#include "model/proyecto.h"

class QLineEdit;

namespace vendaluz {

class Dialogos;

class frmCGI : public QDialog {
  Q_OBJECT

 public:
  frmCGI(Proyecto& p, Dialogos& dialogos, QWidget* padre = nullptr);

 private:
  void Aceptar();

  Proyecto& p_;
  Dialogos& dialogos_;
  QLineEdit* txtCGIPerl_;
  QLineEdit* txtCGISendMail_;
  QLineEdit* txtCGIRuta_;
  QLineEdit* txtCGIHost_;
};

// The last part of an address as the checks compare it: the text after the last
// "/", at most 18 characters.
QString UltimaParte(const QString& direccion);

}  // namespace vendaluz
