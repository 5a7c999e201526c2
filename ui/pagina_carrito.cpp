#include "ui/pagina_carrito.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QListView>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/frmCarrito.h"
#include "ui/frmImagen.h"
#include "ui/frmOpciones.h"

namespace vendaluz {

PaginaCarrito::PaginaCarrito(Proyecto& p, Dialogos& dialogos, QWidget* padre)
    : PaginaLista(p, p.productos,
                  {&Producto::Nombre, &Producto::Precio, &Producto::Descripcion, &Producto::Imagen},
                  {QStringLiteral("Producto"), QStringLiteral("Precio"),
                   QStringLiteral("Descripción"), QStringLiteral("Imagen")},
                  "lstCarrito", padre),
      dialogos_(dialogos) {
  modelo_->PonerIcono(style()->standardIcon(QStyle::SP_FileIcon));
  CrearBarraCarrito();
  CrearVistas();
  CrearPie();
  EstadoBarra();
}

void PaginaCarrito::CrearBarraCarrito() {
  using P = PaginaCarrito;
  barCarrito_ =
      CrearBarra<P>("barCarrito", {{"agregar", QStringLiteral("Agregar"), &P::Agregar},
                                   {"modificar", QStringLiteral(" Editar "), &P::Editar},
                                   {"quitar", QStringLiteral("Eliminar"), &P::Eliminar},
                                   {"subir", QStringLiteral("Subir"), &P::Subir},
                                   {"bajar", QStringLiteral("Bajar"), &P::Bajar},
                                   {"imagen", QStringLiteral("Imágenes"), &P::AbrirImagenes},
                                   {"opciones", QStringLiteral("Opciones"), &P::AbrirOpciones}});
  conFila_ = {Accion(barCarrito_, "modificar"), Accion(barCarrito_, "quitar")};
  subir_ = Accion(barCarrito_, "subir");
  bajar_ = Accion(barCarrito_, "bajar");
  imagen_ = Accion(barCarrito_, "imagen");
  opciones_ = Accion(barCarrito_, "opciones");
}

// The detail list and the icon view share one selection; the check box picks one.
void PaginaCarrito::CrearVistas() {
  lista_->header()->resizeSection(0, 160);
  lista_->header()->resizeSection(1, 80);
  lista_->header()->resizeSection(2, 220);
  iconos_ = new QListView(this);
  iconos_->setObjectName("lstCarritoIconos");
  iconos_->setModel(modelo_);
  iconos_->setSelectionModel(lista_->selectionModel());
  iconos_->setViewMode(QListView::ListMode);
  iconos_->setFlow(QListView::TopToBottom);
  iconos_->setWrapping(true);
  iconos_->setResizeMode(QListView::Adjust);
  iconos_->setUniformItemSizes(true);
  iconos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Vigilar(iconos_);
  vistas_ = new QStackedWidget(this);
  vistas_->addWidget(lista_);
  vistas_->addWidget(iconos_);
  for (QAbstractItemView* vista :
       {static_cast<QAbstractItemView*>(lista_), static_cast<QAbstractItemView*>(iconos_)}) {
    vista->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(vista, &QWidget::customContextMenuRequested, this, [this, vista](const QPoint& punto) {
      emit menuPedido(vista->viewport()->mapToGlobal(punto));
    });
  }
}

void PaginaCarrito::CrearPie() {
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

  connect(cheDeta_, &QCheckBox::toggled, this, &PaginaCarrito::CambiarVista);
  connect(cheImagen_, &QCheckBox::clicked, this, [this](bool marcado) {
    p_.productosImagen = marcado ? 1 : 0;
    MostrarImagen();
    emit imagenCambiada();
  });
}

void PaginaCarrito::Mostrar() {
  cheImagen_->setChecked(p_.productosImagen == 1);
  // A new or opened project shows the detail view again.
  cheDeta_->setChecked(true);
  MostrarImagen();
  Recargar();
}

void PaginaCarrito::Seleccionar(int fila) {
  PaginaLista::Seleccionar(fila);
  iconos_->scrollTo(modelo_->index(fila, 0));
}

void PaginaCarrito::MostrarImagen() {
  const bool imagenes = p_.productosImagen == 1;
  modelo_->PonerEncabezado(3, imagenes ? QStringLiteral("Imagen") : QStringLiteral("Sin Imagen"));
  imagen_->setEnabled(imagenes);
  opciones_->setEnabled(imagenes);
}

void PaginaCarrito::CambiarVista(bool detalles) {
  vistas_->setCurrentWidget(detalles ? static_cast<QWidget*>(lista_) : iconos_);
  subir_->setEnabled(detalles);
  bajar_->setEnabled(detalles);
}

// The icon view has no order to change.
bool PaginaCarrito::PuedeMover() const { return subir_->isEnabled(); }

bool PaginaCarrito::Dialogo(bool agregar, Producto& producto) {
  frmCarrito dialogo(agregar ? frmCarrito::Modo::kAgregar : frmCarrito::Modo::kModificar, producto,
                     p_.productosImagen == 1, dialogos_, this);
  if (dialogo.exec() != QDialog::Accepted) return false;
  producto = dialogo.Resultado();
  return true;
}

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
