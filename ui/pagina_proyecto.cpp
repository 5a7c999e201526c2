#include "ui/pagina_proyecto.h"

namespace vendaluz {

PaginaProyecto::PaginaProyecto(Proyecto& p, QWidget* padre) : QWidget(padre), p_(p) {}

}  // namespace vendaluz
