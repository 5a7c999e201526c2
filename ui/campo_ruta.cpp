#include "ui/campo_ruta.h"

#include <QStyle>
#include <QStyleOptionFrame>

namespace vendaluz {

CampoRuta::CampoRuta(QWidget* padre) : QLineEdit(padre) { setReadOnly(true); }

void CampoRuta::PonerRuta(const QString& ruta) {
  ruta_ = ruta;
  setToolTip(ruta);
  Mostrar();
}

void CampoRuta::resizeEvent(QResizeEvent* evento) {
  QLineEdit::resizeEvent(evento);
  Mostrar();
}

void CampoRuta::Mostrar() {
  QStyleOptionFrame opcion;
  initStyleOption(&opcion);
  const QRect texto = style()->subElementRect(QStyle::SE_LineEditContents, &opcion, this);
  // A few pixels for the cursor and the text margins.
  const int ancho = texto.width() - textMargins().left() - textMargins().right() - 4;
  setText(fontMetrics().elidedText(ruta_, Qt::ElideMiddle, std::max(ancho, 0)));
  setCursorPosition(0);
}

}  // namespace vendaluz
