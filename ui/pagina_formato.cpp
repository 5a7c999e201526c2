#include "ui/pagina_formato.h"

#include <QVBoxLayout>

namespace vendaluz {

PaginaFormato::PaginaFormato(Proyecto& p, QWidget* padre) : PaginaProyecto(p, padre) {
  auto* columna = new QVBoxLayout(this);
  columna->addStretch(1);
}

// The editors of this page are not built yet; nothing to show so far.
void PaginaFormato::Mostrar() {}

}  // namespace vendaluz
