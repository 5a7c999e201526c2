// The " Meta Tags " page of the main window: the eight meta tags of the catalogue
// page and whether they are included.
#pragma once

#include "ui/pagina_proyecto.h"

namespace vendaluz {

class PaginaMetaTags : public PaginaProyecto {
  Q_OBJECT

 public:
  PaginaMetaTags(Proyecto& p, QWidget* padre = nullptr);
  void Mostrar() override;
};

}  // namespace vendaluz
