#include "ui/pagina_servidor.h"

#include <QVBoxLayout>

namespace vendaluz {

PaginaServidor::PaginaServidor(Proyecto& p, QWidget* padre) : PaginaProyecto(p, padre) {
  auto* columna = new QVBoxLayout(this);
  columna->addStretch(1);
}

// The editors of this page are not built yet; nothing to show so far.
void PaginaServidor::Mostrar() {}

}  // namespace vendaluz
