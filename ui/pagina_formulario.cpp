#include "ui/pagina_formulario.h"

#include <QVBoxLayout>

namespace vendaluz {

PaginaFormulario::PaginaFormulario(Proyecto& p, QWidget* padre) : PaginaProyecto(p, padre) {
  auto* columna = new QVBoxLayout(this);
  columna->addStretch(1);
}

// The editors of this page are not built yet; nothing to show so far.
void PaginaFormulario::Mostrar() {}

}  // namespace vendaluz
