#include "ui/fila_color.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/dialogos.h"

namespace vendaluz {
namespace {

// The dialog opens on the colour chosen in it last, whichever row asked for it.
QColor& UltimoElegido() {
  static QColor ultimo(Qt::white);
  return ultimo;
}

QColor AQColor(Color c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
Color DeQColor(const QColor& c) {
  return static_cast<Color>(c.red()) | (static_cast<Color>(c.green()) << 8) |
         (static_cast<Color>(c.blue()) << 16);
}

}  // namespace

FilaColor::FilaColor(const QString& nombreMuestra, const QString& nombreTexto,
                     const QString& nombreBoton, Dialogos& dialogos, QWidget* padre)
    : QObject(padre), dialogos_(dialogos), padre_(padre) {
  muestra = new QLabel(padre);
  muestra->setObjectName(nombreMuestra);
  muestra->setFixedSize(40, 20);
  muestra->setFrameShape(QFrame::Box);
  muestra->setAutoFillBackground(true);
  texto = new QLineEdit(padre);
  texto->setObjectName(nombreTexto);
  texto->setReadOnly(true);
  texto->setFocusPolicy(Qt::NoFocus);
  texto->setMaximumWidth(80);
  boton = new QPushButton(QStringLiteral("..."), padre);
  boton->setObjectName(nombreBoton);
  boton->setMaximumWidth(32);
  connect(boton, &QPushButton::clicked, this, &FilaColor::Elegir);
  Poner(0);
}

void FilaColor::Poner(Color color) {
  color_ = color & 0xFFFFFF;
  QPalette paleta = muestra->palette();
  paleta.setColor(QPalette::Window, AQColor(color_));
  muestra->setPalette(paleta);
  texto->setText(QString::fromStdString(ColorAHex(color_)));
}

void FilaColor::Elegir() {
  const auto elegido = dialogos_.ElegirColor(padre_, UltimoElegido());
  if (!elegido) return;
  UltimoElegido() = *elegido;
  Poner(DeQColor(*elegido));
  emit this->elegido(color_);
}

}  // namespace vendaluz
