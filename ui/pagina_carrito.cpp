#include "ui/pagina_carrito.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QStackedWidget>
#include <QStyle>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/frmCarrito.h"
#include "ui/frmImagen.h"
#include "ui/frmOpciones.h"

namespace vendaluz {

PaginaCarrito::PaginaCarrito(Proyecto& p, Dialogos& dialogos, QWidget* padre)
    : PaginaProyecto(p, padre), dialogos_(dialogos) {
  modelo_ = new ModeloLista<Producto>(
      p_.productos,
      {&Producto::Nombre, &Producto::Precio, &Producto::Descripcion, &Producto::Imagen},
      {QStringLiteral("Producto"), QStringLiteral("Precio"), QStringLiteral("Descripción"),
       QStringLiteral("Imagen")},
      this);
  modelo_->PonerIcono(style()->standardIcon(QStyle::SP_FileIcon));

  barCarrito_ = new QToolBar(this);
  barCarrito_->setObjectName("barCarrito");
  barCarrito_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  auto boton = [this](const char* clave, const QString& texto, void (PaginaCarrito::*accion)()) {
    auto* a = barCarrito_->addAction(texto);
    a->setObjectName(clave);
    barCarrito_->widgetForAction(a)->setObjectName(clave);
    connect(a, &QAction::triggered, this, accion);
    barCarrito_->addSeparator();
    return a;
  };
  agregar_ = boton("agregar", QStringLiteral("Agregar"), &PaginaCarrito::Agregar);
  modificar_ = boton("modificar", QStringLiteral(" Editar "), &PaginaCarrito::Editar);
  quitar_ = boton("quitar", QStringLiteral("Eliminar"), &PaginaCarrito::Eliminar);
  subir_ = boton("subir", QStringLiteral("Subir"), &PaginaCarrito::Subir);
  bajar_ = boton("bajar", QStringLiteral("Bajar"), &PaginaCarrito::Bajar);
  imagen_ = boton("imagen", QStringLiteral("Imágenes"), &PaginaCarrito::AbrirImagenes);
  opciones_ = boton("opciones", QStringLiteral("Opciones"), &PaginaCarrito::AbrirOpciones);
  barCarrito_->removeAction(barCarrito_->actions().last());  // no separator after the last

  lstCarrito_ = new QTreeView(this);
  lstCarrito_->setObjectName("lstCarrito");
  lstCarrito_->setModel(modelo_);
  lstCarrito_->setRootIsDecorated(false);
  lstCarrito_->setUniformRowHeights(true);  // keeps ten thousand rows cheap to scroll
  lstCarrito_->setSelectionBehavior(QAbstractItemView::SelectRows);
  lstCarrito_->setSelectionMode(QAbstractItemView::SingleSelection);
  lstCarrito_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lstCarrito_->setContextMenuPolicy(Qt::CustomContextMenu);
  lstCarrito_->header()->setSectionsMovable(false);
  lstCarrito_->header()->resizeSection(0, 160);
  lstCarrito_->header()->resizeSection(1, 80);
  lstCarrito_->header()->resizeSection(2, 220);
  iconos_ = new QListView(this);
  iconos_->setObjectName("lstCarritoIconos");
  iconos_->setModel(modelo_);
  iconos_->setSelectionModel(lstCarrito_->selectionModel());
  iconos_->setViewMode(QListView::ListMode);
  iconos_->setFlow(QListView::TopToBottom);
  iconos_->setWrapping(true);
  iconos_->setResizeMode(QListView::Adjust);
  iconos_->setUniformItemSizes(true);
  iconos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  iconos_->setContextMenuPolicy(Qt::CustomContextMenu);
  vistas_ = new QStackedWidget(this);
  vistas_->addWidget(lstCarrito_);
  vistas_->addWidget(iconos_);

  cheDeta_ = new QCheckBox(QStringLiteral("De&talles"), this);
  cheDeta_->setObjectName("cheDeta");
  cheDeta_->setChecked(true);
  cheImagen_ =
      new QCheckBox(QStringLiteral("Página Web: Mostrar &imágenes de los productos"), this);
  cheImagen_->setObjectName("cheImagen");

  auto* pie = new QHBoxLayout;
  pie->addWidget(cheImagen_);
  pie->addStretch(1);
  pie->addWidget(cheDeta_);
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(barCarrito_);
  columna->addWidget(vistas_, 1);
  columna->addLayout(pie);

  for (QAbstractItemView* vista :
       {static_cast<QAbstractItemView*>(lstCarrito_), static_cast<QAbstractItemView*>(iconos_)}) {
    connect(vista, &QAbstractItemView::doubleClicked, this, [this] {
      if (!p_.productos.empty()) Editar();
    });
    connect(vista, &QWidget::customContextMenuRequested, this, [this, vista](const QPoint& punto) {
      emit menuPedido(vista->viewport()->mapToGlobal(punto));
    });
    vista->installEventFilter(this);
  }
  connect(cheDeta_, &QCheckBox::toggled, this, &PaginaCarrito::CambiarVista);
  connect(cheImagen_, &QCheckBox::clicked, this, [this](bool marcado) {
    p_.productosImagen = marcado ? 1 : 0;
    MostrarImagen();
    emit imagenCambiada();
  });
  EstadoBarra();
}

bool PaginaCarrito::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() != QEvent::KeyPress) return PaginaProyecto::eventFilter(objeto, evento);
  // Delete removes the selected product as "Eliminar" does; Enter edits it.
  switch (static_cast<QKeyEvent*>(evento)->key()) {
    case Qt::Key_Delete:
      Eliminar();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Editar();
      return true;
    default:
      return false;
  }
}

void PaginaCarrito::Mostrar() {
  modelo_->Recargar();
  cheImagen_->setChecked(p_.productosImagen == 1);
  // A new or opened project shows the detail view again.
  cheDeta_->setChecked(true);
  MostrarImagen();
  if (!p_.productos.empty()) Seleccionar(0);
  EstadoBarra();
}

int PaginaCarrito::Seleccionada() const {
  const QModelIndexList filas = lstCarrito_->selectionModel()->selectedRows();
  return filas.isEmpty() ? -1 : filas.first().row();
}

void PaginaCarrito::Seleccionar(int fila) {
  const QModelIndex i = modelo_->index(fila, 0);
  lstCarrito_->selectionModel()->setCurrentIndex(
      i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  lstCarrito_->scrollTo(i);
  iconos_->scrollTo(i);
}

void PaginaCarrito::EstadoBarra() {
  const bool hay = !p_.productos.empty();
  modificar_->setEnabled(hay);
  quitar_->setEnabled(hay);
}

void PaginaCarrito::MostrarImagen() {
  const bool imagenes = p_.productosImagen == 1;
  modelo_->PonerEncabezado(3, imagenes ? QStringLiteral("Imagen") : QStringLiteral("Sin Imagen"));
  imagen_->setEnabled(imagenes);
  opciones_->setEnabled(imagenes);
}

void PaginaCarrito::CambiarVista(bool detalles) {
  vistas_->setCurrentWidget(detalles ? static_cast<QWidget*>(lstCarrito_) : iconos_);
  subir_->setEnabled(detalles);
  bajar_->setEnabled(detalles);
}

void PaginaCarrito::Agregar() {
  frmCarrito dialogo(frmCarrito::Modo::kAgregar, {}, p_.productosImagen == 1, dialogos_, this);
  if (dialogo.exec() != QDialog::Accepted) return;
  modelo_->Agregar(dialogo.Resultado());
  Seleccionar(modelo_->rowCount() - 1);
  EstadoBarra();
}

void PaginaCarrito::Editar() {
  const int fila = Seleccionada();
  if (fila < 0) return;
  frmCarrito dialogo(frmCarrito::Modo::kModificar, modelo_->Fila(fila), p_.productosImagen == 1,
                     dialogos_, this);
  if (dialogo.exec() != QDialog::Accepted) return;
  modelo_->Reemplazar(fila, dialogo.Resultado());
  Seleccionar(fila);
  EstadoBarra();
}

void PaginaCarrito::Eliminar() {
  const int fila = Seleccionada();
  if (fila < 0) return;
  modelo_->Quitar(fila);
  if (!p_.productos.empty()) Seleccionar(std::min<int>(fila, modelo_->rowCount() - 1));
  EstadoBarra();
}

void PaginaCarrito::Mover(int paso) {
  if (!subir_->isEnabled()) return;  // the icon view has no order to change
  const int fila = Seleccionada();
  if (fila < 0 || fila + paso < 0 || fila + paso >= modelo_->rowCount()) return;
  modelo_->Intercambiar(fila, paso);
  Seleccionar(fila + paso);
}

void PaginaCarrito::Subir() { Mover(-1); }
void PaginaCarrito::Bajar() { Mover(+1); }

void PaginaCarrito::AbrirImagenes() {
  if (p_.productosImagen != 1) return;
  const QString ruta = QDir::toNativeSeparators(
      QStringLiteral("Proyectos/") + AQt(p_.inicio.Nombre) + QStringLiteral("/imagenes"));
  frmImagen dialogo(p_, ruta, this);
  if (dialogo.exec() == QDialog::Accepted) emit opcionesImagenCambiadas();
}

void PaginaCarrito::AbrirOpciones() {
  if (p_.productosImagen != 1) return;
  frmOpciones dialogo(p_, this);
  dialogo.exec();
}

}  // namespace vendaluz
