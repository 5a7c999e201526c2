#include "ui/dialogos.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace vendaluz {
namespace {

QMessageBox::Icon IconoQt(Icono icono) {
  switch (icono) {
    case Icono::kInformacion:
      return QMessageBox::Information;
    case Icono::kPregunta:
      return QMessageBox::Question;
    case Icono::kAdvertencia:
      return QMessageBox::Warning;
    case Icono::kCritico:
      return QMessageBox::Critical;
    case Icono::kNinguno:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void DialogosQt::Mensaje(QWidget* padre, const QString& texto, Icono icono, const QString& titulo) {
  QMessageBox caja(IconoQt(icono), titulo, texto, QMessageBox::NoButton, padre);
  caja.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
  caja.exec();
}

Respuesta DialogosQt::Preguntar(QWidget* padre, const QString& texto, Botones botones, Icono icono,
                                const QString& titulo) {
  QMessageBox caja(IconoQt(icono), titulo, texto, QMessageBox::NoButton, padre);
  const bool reemplazar = botones == Botones::kReemplazarAgregarCancelar;
  QPushButton* si = caja.addButton(
      reemplazar ? QStringLiteral("&Reemplazar") : QStringLiteral("&Sí"), QMessageBox::YesRole);
  QPushButton* no = caja.addButton(reemplazar ? QStringLiteral("&Agregar") : QStringLiteral("&No"),
                                   QMessageBox::NoRole);
  QPushButton* cancelar = nullptr;
  if (botones != Botones::kSiNo) {
    cancelar = caja.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    caja.setEscapeButton(cancelar);
  } else {
    caja.setEscapeButton(no);
  }
  caja.setDefaultButton(si);
  caja.exec();
  if (caja.clickedButton() == si) return Respuesta::kSi;
  if (cancelar && caja.clickedButton() != no) return Respuesta::kCancelar;
  return Respuesta::kNo;
}

std::optional<QString> DialogosQt::PedirTexto(QWidget* padre, const QString& titulo,
                                              const QString& indicacion, const QString& inicial) {
  QInputDialog caja(padre);
  caja.setWindowTitle(titulo);
  caja.setLabelText(indicacion);
  caja.setTextValue(inicial);
  caja.setOkButtonText(QStringLiteral("Aceptar"));
  caja.setCancelButtonText(QStringLiteral("Cancelar"));
  if (caja.exec() != QDialog::Accepted) return std::nullopt;
  return caja.textValue();
}

std::optional<QString> DialogosQt::ArchivoParaAbrir(QWidget* padre, const QString& titulo,
                                                    const QString& carpeta, const QString& filtro) {
  const QString ruta = QFileDialog::getOpenFileName(padre, titulo, carpeta, filtro);
  if (ruta.isEmpty()) return std::nullopt;
  return ruta;
}

std::optional<QString> DialogosQt::ArchivoParaGuardar(QWidget* padre, const QString& titulo,
                                                      const QString& carpeta, const QString& nombre,
                                                      const QString& filtro) {
  const QString propuesta = carpeta.isEmpty() ? nombre : carpeta + QLatin1Char('/') + nombre;
  const QString ruta = QFileDialog::getSaveFileName(padre, titulo, propuesta, filtro);
  if (ruta.isEmpty()) return std::nullopt;
  return ruta;
}

std::optional<QColor> DialogosQt::ElegirColor(QWidget* padre, const QColor& inicial) {
  const QColor color = QColorDialog::getColor(inicial, padre);
  if (!color.isValid()) return std::nullopt;
  return color;
}

void DialogosQt::Pitido() { QApplication::beep(); }

}  // namespace vendaluz
