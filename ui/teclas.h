// Key filters of the edit boxes: what a box accepts as the user types. Keys that
// are not text (moving, deleting, shortcuts) always pass.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace vendaluz {

// Lets through typed characters for which acepta is true; the others are refused.
class FiltroTeclas : public QObject {
  Q_OBJECT

 public:
  FiltroTeclas(std::function<bool(QChar)> acepta, QObject* padre);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  std::function<bool(QChar)> acepta_;
};

// A price: digits and one decimal separator, a comma typed entered as a point.
class FiltroPrecio : public QObject {
  Q_OBJECT

 public:
  explicit FiltroPrecio(QLineEdit* caja);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  QLineEdit* caja_;
};

// The common filters.
FiltroTeclas* SoloDigitos(QLineEdit* caja);
FiltroTeclas* SoloMinusculas(QLineEdit* caja);  // a to z
FiltroTeclas* NoTeclear(QWidget* control);      // no typed character at all

}  // namespace vendaluz
