// A label that shows a web or mail address as a link and opens it with the
// desktop's default program when clicked or activated from the keyboard.
#pragma once

#include <QLabel>

#include "ui/abridor.h"

namespace vendaluz {

class Enlace : public QLabel {
  Q_OBJECT

 public:
  // destino is what is opened ("https://...", "mailto:..."); texto what is shown.
  Enlace(const QString& texto, const QString& destino, Abridor& abridor,
         QWidget* padre = nullptr);
  const QString& Destino() const { return destino_; }

 private:
  QString destino_;
};

}  // namespace vendaluz
