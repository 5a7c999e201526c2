#include "ui/barra_estado.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTime>
#include <QTimer>

namespace vendaluz {
namespace {

// X11 modifier bits as key events carry them: Lock is Caps Lock, Mod2 is Num Lock
// on every common keyboard map.
constexpr quint32 kX11Lock = 0x02;
constexpr quint32 kX11Mod2 = 0x10;

QLabel* Panel(const char* nombre, const QString& texto, QWidget* padre) {
  auto* l = new QLabel(texto, padre);
  l->setObjectName(nombre);
  l->setAlignment(Qt::AlignCenter);
  l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("CAPS")) + 16);
  l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return l;
}

}  // namespace

BarraEstado::BarraEstado(QWidget* padre) : QStatusBar(padre) {
  setObjectName("BarraEstado");
  setSizeGripEnabled(false);
  auto* primero = new QLabel(this);
  primero->setObjectName("lblPanel1");
  primero->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  lblNum_ = Panel("lblNum", QStringLiteral("NUM"), this);
  lblCaps_ = Panel("lblCaps", QStringLiteral("CAPS"), this);
  lblHora_ = Panel("lblHora", QString(), this);
  addPermanentWidget(primero, 1);
  addPermanentWidget(lblNum_);
  addPermanentWidget(lblCaps_);
  addPermanentWidget(lblHora_);
  MostrarBloqueos(false, false);

  reloj_ = new QTimer(this);
  reloj_->setInterval(1000);
  connect(reloj_, &QTimer::timeout, this, &BarraEstado::MostrarHora);
  reloj_->start();
  MostrarHora();

  if (QGuiApplication::platformName() == QLatin1String("xcb")) qApp->installEventFilter(this);
}

bool BarraEstado::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress || evento->type() == QEvent::KeyRelease) {
    const quint32 estado = static_cast<QKeyEvent*>(evento)->nativeModifiers();
    MostrarBloqueos(estado & kX11Mod2, estado & kX11Lock);
  }
  return QStatusBar::eventFilter(objeto, evento);
}

void BarraEstado::MostrarHora() {
  lblHora_->setText(QTime::currentTime().toString(QStringLiteral("HH:mm")));
}

void BarraEstado::MostrarBloqueos(bool num, bool mayusculas) {
  // An indicator that is off is drawn greyed, as a disabled label.
  lblNum_->setEnabled(num);
  lblCaps_->setEnabled(mayusculas);
}

}  // namespace vendaluz
