// The " Carrito " page of the main window: the product list with its tool bar, the
// product dialog, and the picture and pop-up options.
#pragma once

#include "ui/pagina_lista.h"

class QCheckBox;
class QListView;
class QStackedWidget;

namespace vendaluz {

class Dialogos;

class PaginaCarrito : public PaginaLista<Producto> {
  Q_OBJECT

 public:
  PaginaCarrito(Proyecto& p, Dialogos& dialogos, QWidget* padre = nullptr);
  void Mostrar() override;

  // The tool bar's commands besides those of every list page.
  void AbrirImagenes();
  void AbrirOpciones();

 signals:
  // Productos.Imagen has been switched by the user.
  void imagenCambiada();
  // The picture options have been accepted (the Generar page's folders follow them).
  void opcionesImagenCambiadas();
  // The right mouse button over the list, at a global position.
  void menuPedido(const QPoint& donde);

 private:
  void CrearBarraCarrito();
  void CrearVistas();
  void CrearPie();
  bool Dialogo(bool agregar, Producto& producto) override;
  bool PuedeMover() const override;
  void Seleccionar(int fila) override;
  void MostrarImagen();
  void CambiarVista(bool detalles);

  Dialogos& dialogos_;
  QToolBar* barCarrito_;
  QAction* subir_;
  QAction* bajar_;
  QAction* imagen_;
  QAction* opciones_;
  QStackedWidget* vistas_;
  QListView* iconos_;
  QCheckBox* cheDeta_;
  QCheckBox* cheImagen_;
};

}  // namespace vendaluz
