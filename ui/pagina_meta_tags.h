// The " Meta Tags " page of the main window: the eight meta tags of the catalogue
// page, edited one value at a time in frmMeta, and whether they are included.
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

  // Opens frmMeta for the selected row (the first when none is).
  void EditarValor();

 private:
  QCheckBox* cheIncluirMetas_;
  QTreeWidget* lstMeta_;
};

}  // namespace vendaluz
