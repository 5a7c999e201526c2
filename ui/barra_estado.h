// The main window's status bar: a wide empty panel, the Num Lock and Caps Lock
// indicators and a clock. The indicators follow the lock states that come with
// each key event (on X11, where events carry them); the clock follows the time.
#pragma once

#include <QStatusBar>

class QLabel;
class QTimer;

namespace vendaluz {

class BarraEstado : public QStatusBar {
  Q_OBJECT

 public:
  explicit BarraEstado(QWidget* padre = nullptr);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void MostrarHora();
  void MostrarBloqueos(bool num, bool mayusculas);

  QLabel* lblNum_;
  QLabel* lblCaps_;
  QLabel* lblHora_;
  QTimer* reloj_;
};

}  // namespace vendaluz
