// The " Carrito " page of the main window: the product list with its tool bar, the
// product dialog, and the picture and pop-up options.
#pragma once

#include "ui/modelo_lista.h"
#include "ui/pagina_proyecto.h"

class QAction;
class QCheckBox;
class QListView;
class QStackedWidget;
class QToolBar;
class QTreeView;

namespace vendaluz {

class Dialogos;

class PaginaCarrito : public PaginaProyecto {
  Q_OBJECT

 public:
  PaginaCarrito(Proyecto& p, Dialogos& dialogos, QWidget* padre = nullptr);
  void Mostrar() override;

  // The tool bar's commands.
  void Agregar();
  void Editar();  // the selected product; nothing without one
  void Eliminar();
  void Subir();
  void Bajar();
  void AbrirImagenes();
  void AbrirOpciones();

  // The selected row, or -1.
  int Seleccionada() const;

 signals:
  // Productos.Imagen has been switched by the user.
  void imagenCambiada();
  // The picture options have been accepted (the Generar page's folders follow them).
  void opcionesImagenCambiadas();
  // The right mouse button over the list, at a global position.
  void menuPedido(const QPoint& donde);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void Seleccionar(int fila);
  void Mover(int paso);
  void EstadoBarra();
  void MostrarImagen();
  void CambiarVista(bool detalles);

  Dialogos& dialogos_;
  ModeloLista<Producto>* modelo_;
  QToolBar* barCarrito_;
  QAction* agregar_;
  QAction* modificar_;
  QAction* quitar_;
  QAction* subir_;
  QAction* bajar_;
  QAction* imagen_;
  QAction* opciones_;
  QStackedWidget* vistas_;
  QTreeView* lstCarrito_;
  QListView* iconos_;
  QCheckBox* cheDeta_;
  QCheckBox* cheImagen_;
};

}  // namespace vendaluz
