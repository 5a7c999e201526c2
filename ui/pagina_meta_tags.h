// The " Meta Tags " page of the main window: the eight meta tags of the catalogue
// page, edited one value at a time, and whether they are included.
#pragma once

#include "ui/pagina_proyecto.h"

class QCheckBox;
class QTreeWidget;

namespace vendaluz {

class PaginaMetaTags : public PaginaProyecto {
  Q_OBJECT

 public:
  PaginaMetaTags(Proyecto& p, QWidget* padre = nullptr);
  void Mostrar() override;

  // Opens the value dialog for the selected tag.
  void EditarValor();

 private:
  QCheckBox* cheIncluirMetas_;
  QTreeWidget* lstMeta_;
};

}  // namespace vendaluz
