// The " Formulario " page of the main window: the fields of the order form with
// their tool bar and dialog, and the switch that makes the form check its fields.
#pragma once

#include "ui/modelo_lista.h"
#include "ui/pagina_proyecto.h"

class QAction;
class QCheckBox;
class QTreeView;

namespace vendaluz {

class PaginaFormulario : public PaginaProyecto {
  Q_OBJECT

 public:
  PaginaFormulario(Proyecto& p, QWidget* padre = nullptr);
  void Mostrar() override;

  void Agregar();
  void Editar();  // the selected field; nothing without one
  void Eliminar();
  void Subir();
  void Bajar();
  int Seleccionada() const;  // -1 without one

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void Seleccionar(int fila);
  void Mover(int paso);
  void EstadoBarra();

  ModeloLista<CampoFormulario>* modelo_;
  QAction* editar_;
  QAction* eliminar_;
  QTreeView* lstFormulario_;
  QCheckBox* cheValidar_;
};

}  // namespace vendaluz
