// The " Formulario " page of the main window: the fields of the order form with
// their tool bar and dialog, and the switch that makes the form check its fields.
#pragma once

#include "ui/pagina_lista.h"

class QCheckBox;

namespace vendaluz {

class PaginaFormulario : public PaginaLista<CampoFormulario> {
  Q_OBJECT

 public:
  PaginaFormulario(Proyecto& p, QWidget* padre = nullptr);
  void Mostrar() override;

 private:
  bool Dialogo(bool agregar, CampoFormulario& campo) override;

  QCheckBox* cheValidar_;
};

}  // namespace vendaluz
