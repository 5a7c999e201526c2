// The " Servidor " page of the main window: order mail, script support, secure
// server, cards and tax rate.
#pragma once

#include "ui/pagina_proyecto.h"

namespace vendaluz {

class PaginaServidor : public PaginaProyecto {
  Q_OBJECT

 public:
  PaginaServidor(Proyecto& p, QWidget* padre = nullptr);
  void Mostrar() override;
};

}  // namespace vendaluz
