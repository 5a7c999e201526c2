// The product dialog: adds a product to the catalogue or edits the selected one. It
// returns the product; the product list applies it.
#pragma once

#include <QDialog>

#include "model/proyecto.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vendaluz {

class Dialogos;

class frmCarrito : public QDialog {
  Q_OBJECT

 public:
  enum class Modo { kAgregar, kModificar };

  // conImagen is Productos.Imagen: without pictures the picture row is hidden and the
  // product keeps the picture it has. producto fills the boxes when editing.
  frmCarrito(Modo modo, const Producto& producto, bool conImagen, Dialogos& dialogos,
             QWidget* padre = nullptr);

  // The product as the boxes hold it.
  Producto Resultado() const;

 private:
  void CrearMarco(const QString& titulo);
  void Buscar();
  void Vista();
  void Aceptar();

  Dialogos& dialogos_;
  bool conImagen_;
  QGroupBox* fraCarrito_;
  QLineEdit* txtProducto_;
  QLineEdit* txtPrecio_;
  QPlainTextEdit* txtDes_;
  QLineEdit* txtImagen_;
  QPushButton* cmdBuscar_;
  QPushButton* cmdVista_;
  QLabel* lblAviso_;
};

// The preview of a product's picture, sized to the picture.
class frmVista : public QDialog {
  Q_OBJECT

 public:
  explicit frmVista(const QString& ruta, QWidget* padre = nullptr);
};

// The caption of the preview: the file name without folder (either separator) and
// without anything after its first ".".
QString TituloVista(const QString& ruta);

}  // namespace vendaluz
