// The pop-up options: how the window that shows a product's picture opens. The
// dialog edits a copy of the settings and writes them on "Aceptar" only.
#pragma once

#include <QDialog>
#include <array>

#include "model/proyecto.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace vendaluz {

class frmOpciones : public QDialog {
  Q_OBJECT

 public:
  explicit frmOpciones(Proyecto& p, QWidget* padre = nullptr);

 private:
  void PopupCambiado(int indice);
  void Aceptar();

  Proyecto& p_;
  std::array<QCheckBox*, 6> chePopup_{};
  std::array<QLabel*, 6> chePoptxt_{};
  QLineEdit* txtAncho_;
  QLineEdit* txtAlto_;
  QComboBox* cboAbrir_;
};

}  // namespace vendaluz
