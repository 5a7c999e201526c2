// One colour row: a swatch that holds the colour, a read-only text beside it that
// shows it as #RRGGBB, and a "..." button that runs the colour dialog (through
// Dialogos) starting at the colour last chosen in it. Cancelling changes nothing.
#pragma once

#include <QObject>
#include <functional>

#include "model/color.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vendaluz {

class Dialogos;

class SelectorColor : public QObject {
  Q_OBJECT

 public:
  // Controls named swatch, texto and boton (lblColor3, txtColor3, cmdColor3);
  // cambiado receives every colour the user picks.
  SelectorColor(Dialogos& dialogos, QWidget* padre, const QString& swatch, const QString& texto,
                const QString& boton, std::function<void(Color)> cambiado);

  void Mostrar(Color color);
  Color Valor() const { return color_; }

  QLabel* swatch() const { return swatch_; }
  QLineEdit* texto() const { return texto_; }
  QPushButton* boton() const { return boton_; }

 private:
  void Elegir();

  Dialogos& dialogos_;
  std::function<void(Color)> cambiado_;
  Color color_ = 0;
  bool elegido_ = false;
  Color ultimo_ = 0;  // the colour last chosen in the dialog
  QLabel* swatch_;
  QLineEdit* texto_;
  QPushButton* boton_;
};

}  // namespace vendaluz
