// The stylesheet dialog: colours, font, size and decoration of links and of links
// under the pointer. Written into the project on "Aceptar" only.
#pragma once

#include <QDialog>
#include <array>

#include "model/proyecto.h"

class QComboBox;

namespace vendaluz {

class Dialogos;
class SelectorColor;

class frmCSS : public QDialog {
  Q_OBJECT

 public:
  frmCSS(Proyecto& p, Dialogos& dialogos, QWidget* padre = nullptr);

 private:
  void Aceptar();

  Proyecto& p_;
  std::array<SelectorColor*, 4> colores_{};
  // Font, size, decoration of links (0-2) and of hover (3-5).
  std::array<QComboBox*, 6> listas_{};
};

// The lists of fonts, sizes and decorations offered by the format editors.
QStringList FuentesOfrecidas();
QStringList TamanosOfrecidos();

}  // namespace vendaluz
