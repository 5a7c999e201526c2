#include "ui/pagina_meta_tags.h"

#include <QVBoxLayout>

namespace vendaluz {

PaginaMetaTags::PaginaMetaTags(Proyecto& p, QWidget* padre) : PaginaProyecto(p, padre) {
  auto* columna = new QVBoxLayout(this);
  columna->addStretch(1);
}

// The editors of this page are not built yet; nothing to show so far.
void PaginaMetaTags::Mostrar() {}

}  // namespace vendaluz
