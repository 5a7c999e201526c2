// The " Formato " page of the main window: colours, page texts, fonts and the
// stylesheet switch of the generated pages.
#pragma once

#include "ui/pagina_proyecto.h"

namespace vendaluz {

class PaginaFormato : public PaginaProyecto {
  Q_OBJECT

 public:
  PaginaFormato(Proyecto& p, QWidget* padre = nullptr);
  void Mostrar() override;
};

}  // namespace vendaluz
