#include "ui/recuerdos.h"

#include <QDir>
#include <QSettings>
#include <QWidget>

namespace vendaluz {
namespace {

const QString kVentana = QStringLiteral("Ventana/Principal");
const QString kCarpeta = QStringLiteral("Carpetas/Ultima");

// The names are fixed here rather than taken from the application object, so that the
// tests' program and the desktop program use the same keys.
QSettings Ajustes() { return QSettings(QStringLiteral("Vendaluz"), QStringLiteral("Vendaluz")); }

}  // namespace

void RestaurarVentana(QWidget& ventana) {
  const QByteArray guardada = Ajustes().value(kVentana).toByteArray();
  if (!guardada.isEmpty()) ventana.restoreGeometry(guardada);
}

void GuardarVentana(const QWidget& ventana) {
  Ajustes().setValue(kVentana, ventana.saveGeometry());
}

void RecordarCarpeta(const QString& carpeta) {
  if (!carpeta.isEmpty()) Ajustes().setValue(kCarpeta, QDir::cleanPath(carpeta));
}

QString UltimaCarpeta(const QString& siNoHay) {
  const QString carpeta = Ajustes().value(kCarpeta).toString();
  return !carpeta.isEmpty() && QDir(carpeta).exists() ? carpeta : siNoHay;
}

}  // namespace vendaluz
