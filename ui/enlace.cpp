#include "ui/enlace.h"

#include "ui/conversion.h"

namespace vendaluz {

Enlace::Enlace(const QString& texto, const QString& destino, Abridor& abridor, QWidget* padre)
    : QLabel(padre), destino_(destino) {
  setText(
      QStringLiteral("<a href=\"%1\">%2</a>").arg(destino.toHtmlEscaped(), texto.toHtmlEscaped()));
  setTextFormat(Qt::RichText);
  setOpenExternalLinks(false);
  setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  setCursor(Qt::PointingHandCursor);
  connect(this, &QLabel::linkActivated, this,
          [this, &abridor] { abridor.Abrir(AStd(destino_)); });
}

}  // namespace vendaluz
