// The " Formulario " page of the main window: the fields of the order form.
#pragma once

#include "ui/pagina_proyecto.h"

namespace vendaluz {

class PaginaFormulario : public PaginaProyecto {
  Q_OBJECT

 public:
  PaginaFormulario(Proyecto& p, QWidget* padre = nullptr);
  void Mostrar() override;
};

}  // namespace vendaluz
