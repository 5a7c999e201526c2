#include "ui/frmSplash.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/logo.h"

namespace vendaluz {

frmSplash::frmSplash(std::function<void()> mostrarPrincipal, QWidget* padre)
    : QWidget(padre, Qt::SplashScreen | Qt::FramelessWindowHint),
      mostrarPrincipal_(std::move(mostrarPrincipal)) {
  setObjectName("frmSplash");
  setAttribute(Qt::WA_DeleteOnClose, false);
  setAutoFillBackground(true);
  QPalette fondo = palette();
  fondo.setColor(QPalette::Window, QColor(0xF4, 0xF6, 0xFC));
  setPalette(fondo);

  auto* imagen = new QLabel(this);
  imagen->setPixmap(LogoVendaluz(128));
  auto* nombre = new QLabel(QStringLiteral("Vendaluz"), this);
  QFont grande = nombre->font();
  grande.setBold(true);
  grande.setPointSizeF(grande.pointSizeF() * 2.6);
  nombre->setFont(grande);
  nombre->setStyleSheet(QStringLiteral("color: #32468D"));
  auto* linea = new QLabel(QStringLiteral("Su tienda virtual, lista para publicar.\nVersión %1.%2")
                               .arg(VENDALUZ_VERSION_MAJOR)
                               .arg(VENDALUZ_VERSION_MINOR),
                           this);
  linea->setObjectName("lblLinea");

  auto* textos = new QVBoxLayout;
  textos->addStretch(1);
  textos->addWidget(nombre);
  textos->addWidget(linea);
  textos->addStretch(1);
  auto* fila = new QHBoxLayout(this);
  fila->setContentsMargins(28, 24, 36, 24);
  fila->setSpacing(24);
  fila->addWidget(imagen);
  fila->addLayout(textos);
  adjustSize();
  if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
    move(pantalla->availableGeometry().center() - rect().center());
  }

  Timer1_ = new QTimer(this);
  Timer1_->setObjectName("Timer1");
  Timer1_->setSingleShot(true);
  Timer1_->setTimerType(Qt::PreciseTimer);
  Timer1_->setInterval(kEspera);
  connect(Timer1_, &QTimer::timeout, this, &frmSplash::Tick);
  Timer1_->start();
}

void frmSplash::Tick() {
  Timer1_->stop();
  if (mostrarPrincipal_) mostrarPrincipal_();
  close();
}

}  // namespace vendaluz
