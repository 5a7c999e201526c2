// One colour row of the format editors: a swatch, the "#RRGGBB" text of its colour
// (shown, never typed into) and a "..." button that runs the colour dialog.
#pragma once

#include <QObject>
#include <QString>

#include "model/color.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vendaluz {

class Dialogos;

class FilaColor : public QObject {
  Q_OBJECT

 public:
  // The controls are named nombreMuestra, nombreTexto and nombreBoton.
  FilaColor(const QString& nombreMuestra, const QString& nombreTexto, const QString& nombreBoton,
            Dialogos& dialogos, QWidget* padre);

  void Poner(Color color);
  Color Valor() const { return color_; }

  QLabel* muestra;
  QLineEdit* texto;
  QPushButton* boton;

 signals:
  // The user chose a colour in the dialog.
  void elegido(Color color);

 private:
  void Elegir();

  Dialogos& dialogos_;
  QWidget* padre_;
  Color color_ = 0;
};

}  // namespace vendaluz
