// The start-up window: shown without a frame while the program starts; 2000 ms
// later its timer fires once, the main window is made and shown, and the splash
// closes.
#pragma once

#include <QWidget>
#include <functional>

class QTimer;

namespace vendaluz {

class frmSplash : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kEspera = 2000;  // ms

  // mostrarPrincipal makes and shows the main window; it runs once, on the tick.
  explicit frmSplash(std::function<void()> mostrarPrincipal, QWidget* padre = nullptr);

 private:
  void Tick();

  std::function<void()> mostrarPrincipal_;
  QTimer* Timer1_;
};

}  // namespace vendaluz
