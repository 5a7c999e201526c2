// The " Carrito " page of the main window: the product list and its picture options.
#pragma once

#include "ui/pagina_proyecto.h"

class QCheckBox;

namespace vendaluz {

class PaginaCarrito : public PaginaProyecto {
  Q_OBJECT

 public:
  PaginaCarrito(Proyecto& p, QWidget* padre = nullptr);
  void Mostrar() override;

 signals:
  // Productos.Imagen has been switched by the user.
  void imagenCambiada();

 private:
  QCheckBox* cheImagen_;
};

}  // namespace vendaluz
