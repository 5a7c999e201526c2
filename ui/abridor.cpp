#include "ui/abridor.h"

#include <QDesktopServices>
#include <QUrl>

namespace vendaluz {

bool AbridorEscritorio::Abrir(const std::string& destino) {
  const QString texto = QString::fromStdString(destino);
  const QUrl url(texto);
  // A path such as /home/x/tienda.htm has no scheme; "C:" would look like one, but
  // this program only ever passes absolute Unix paths or full addresses.
  return QDesktopServices::openUrl(url.scheme().isEmpty() ? QUrl::fromLocalFile(texto) : url);
}

}  // namespace vendaluz
