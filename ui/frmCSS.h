// "Hoja de Estilo": the link and hover styles of the generated pages. The dialog
// works on a copy of the settings and writes them to the project on "Aceptar" only.
#pragma once

#include <QDialog>
#include <array>

#include "model/proyecto.h"

class QComboBox;

namespace vendaluz {

class Dialogos;
class FilaColor;

class frmCSS : public QDialog {
  Q_OBJECT

 public:
  frmCSS(Proyecto& p, Dialogos& dialogos, QWidget* padre = nullptr);

 private:
  void Aceptar();

  Proyecto& p_;
  std::array<FilaColor*, 4> colores_{};
  QComboBox* cboCSSFuente1_;
  QComboBox* cboCSSTFuente1_;
  QComboBox* cboCSSDeco1_;
  QComboBox* cboCSSFuente2_;
  QComboBox* cboCSSTFuente2_;
  QComboBox* cboCSSDeco2_;
};

}  // namespace vendaluz
