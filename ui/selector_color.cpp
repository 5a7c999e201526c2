#include "ui/selector_color.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/conversion.h"
#include "ui/dialogos.h"

namespace vendaluz {
namespace {

QColor AQColor(Color c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
Color DeQColor(const QColor& c) {
  return static_cast<Color>(c.red()) + 256u * static_cast<Color>(c.green()) +
         65536u * static_cast<Color>(c.blue());
}

}  // namespace

SelectorColor::SelectorColor(Dialogos& dialogos, QWidget* padre, const QString& swatch,
                             const QString& texto, const QString& boton,
                             std::function<void(Color)> cambiado)
    : QObject(padre), dialogos_(dialogos), cambiado_(std::move(cambiado)) {
  swatch_ = new QLabel(padre);
  swatch_->setObjectName(swatch);
  swatch_->setFixedSize(22, 18);
  swatch_->setFrameShape(QFrame::Box);
  swatch_->setAutoFillBackground(true);
  texto_ = new QLineEdit(padre);
  texto_->setObjectName(texto);
  texto_->setReadOnly(true);
  texto_->setMaximumWidth(80);
  boton_ = new QPushButton(QStringLiteral("..."), padre);
  boton_->setObjectName(boton);
  boton_->setMaximumWidth(32);
  boton_->setAutoDefault(false);
  connect(boton_, &QPushButton::clicked, this, &SelectorColor::Elegir);
}

void SelectorColor::Mostrar(Color color) {
  color_ = color & 0xFFFFFF;
  QPalette paleta = swatch_->palette();
  paleta.setColor(QPalette::Window, AQColor(color_));
  swatch_->setPalette(paleta);
  texto_->setText(AQt(ColorAHex(color_)));
}

void SelectorColor::Elegir() {
  const auto elegido =
      dialogos_.ElegirColor(boton_->window(), AQColor(elegido_ ? ultimo_ : color_));
  if (!elegido || !elegido->isValid()) return;
  ultimo_ = DeQColor(*elegido);
  elegido_ = true;
  Mostrar(ultimo_);
  if (cambiado_) cambiado_(color_);
}

}  // namespace vendaluz
