// The picture options: copying the pictures into the store and the thumbnails. The
// dialog edits a copy of the settings and writes them into the project on
// "Aceptar" only.
#pragma once

#include <QDialog>

#include "model/proyecto.h"

class QCheckBox;
class QLineEdit;
class QTabWidget;

namespace vendaluz {

class frmImagen : public QDialog {
  Q_OBJECT

 public:
  // rutaImagenes is the folder the pictures are copied to, as the user sees it.
  frmImagen(Proyecto& p, const QString& rutaImagenes, QWidget* padre = nullptr);

 private:
  void CopiarCambiado();
  void ThumbCambiado();
  void TGenerarCambiado();
  void Medidas(bool habilitar);
  void Aceptar();

  Proyecto& p_;
  QString rutaImagenes_;
  QTabWidget* tabs_;
  QCheckBox* cheCopiarImg_;
  QLineEdit* txtRutaImg_;
  QCheckBox* cheThumb_;
  QLineEdit* txtTAncho_;
  QLineEdit* txtTAlto_;
  QCheckBox* cheTGenerar_;
};

}  // namespace vendaluz
