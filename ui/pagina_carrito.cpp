#include "ui/pagina_carrito.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace vendaluz {

PaginaCarrito::PaginaCarrito(Proyecto& p, QWidget* padre) : PaginaProyecto(p, padre) {
  cheImagen_ =
      new QCheckBox(QStringLiteral("Página Web: Mostrar &imágenes de los productos"), this);
  cheImagen_->setObjectName("cheImagen");
  auto* columna = new QVBoxLayout(this);
  columna->addStretch(1);
  columna->addWidget(cheImagen_);

  connect(cheImagen_, &QCheckBox::clicked, this, [this](bool marcado) {
    p_.productosImagen = marcado ? 1 : 0;
    emit imagenCambiada();
  });
}

void PaginaCarrito::Mostrar() { cheImagen_->setChecked(p_.productosImagen == 1); }

}  // namespace vendaluz
