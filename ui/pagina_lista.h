// A project page built around one of the project's lists (products, order-form
// fields): the selection, the Delete and Enter keys, the tool bar's buttons and the
// add/edit/remove/move commands. A page supplies the dialog that edits an entry and
// lays out the rest.
#pragma once

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QToolBar>
#include <QTreeView>
#include <algorithm>
#include <initializer_list>
#include <vector>

#include "ui/modelo_lista.h"
#include "ui/pagina_proyecto.h"

namespace vendaluz {

template <typename T>
class PaginaLista : public PaginaProyecto {
 public:
  void Agregar() {
    T valor{};
    if (!Dialogo(true, valor)) return;
    modelo_->Agregar(valor);
    Seleccionar(modelo_->rowCount() - 1);
    EstadoBarra();
  }
  void Editar() {  // the selected entry; nothing without one
    const int fila = Seleccionada();
    if (fila < 0) return;
    T valor = modelo_->Fila(fila);
    if (!Dialogo(false, valor)) return;
    modelo_->Reemplazar(fila, valor);
    Seleccionar(fila);
  }
  void Eliminar() {
    const int fila = Seleccionada();
    if (fila < 0) return;
    modelo_->Quitar(fila);
    if (modelo_->rowCount() > 0) Seleccionar(std::min(fila, modelo_->rowCount() - 1));
    EstadoBarra();
  }
  void Subir() { Mover(-1); }
  void Bajar() { Mover(+1); }
  int Seleccionada() const {  // -1 without one
    const QModelIndexList filas = lista_->selectionModel()->selectedRows();
    return filas.isEmpty() ? -1 : filas.first().row();
  }

 protected:
  PaginaLista(Proyecto& p, std::vector<T>& filas,
              std::vector<typename ModeloLista<T>::Campo> campos, QStringList encabezados,
              const char* nombreLista, QWidget* padre)
      : PaginaProyecto(p, padre),
        modelo_(new ModeloLista<T>(filas, std::move(campos), std::move(encabezados), this)),
        lista_(new QTreeView(this)) {
    lista_->setObjectName(nombreLista);
    lista_->setModel(modelo_);
    lista_->setRootIsDecorated(false);
    lista_->setUniformRowHeights(true);  // keeps ten thousand rows cheap to scroll
    lista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_->header()->setSectionsMovable(false);
    Vigilar(lista_);
  }

  // Shows the entry's dialog on valor (empty when adding); false when cancelled.
  virtual bool Dialogo(bool agregar, T& valor) = 0;
  // Whether the order of the entries may be changed now.
  virtual bool PuedeMover() const { return true; }

  virtual void Seleccionar(int fila) {
    const QModelIndex i = modelo_->index(fila, 0);
    lista_->selectionModel()->setCurrentIndex(
        i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    lista_->scrollTo(i);
  }
  // Editar and Eliminar need an entry to work on.
  void EstadoBarra() {
    const bool hay = modelo_->rowCount() > 0;
    for (QAction* a : conFila_) a->setEnabled(hay);
  }
  // After the project's list has been replaced: selects the first entry.
  void Recargar() {
    modelo_->Recargar();
    if (modelo_->rowCount() > 0) Seleccionar(0);
    EstadoBarra();
  }

  // A view of the list: double click and Enter edit, Delete removes.
  void Vigilar(QAbstractItemView* vista) {
    connect(vista, &QAbstractItemView::doubleClicked, this, [this] { Editar(); });
    vista->installEventFilter(this);
  }
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (evento->type() != QEvent::KeyPress) return PaginaProyecto::eventFilter(objeto, evento);
    switch (static_cast<QKeyEvent*>(evento)->key()) {
      case Qt::Key_Delete:
        Eliminar();
        return true;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        Editar();
        return true;
      default:
        return false;
    }
  }

  // A tool bar of text buttons, separated, each action and button named by its key.
  template <typename P>
  struct Boton {
    const char* clave;
    QString texto;
    void (P::*accion)();
  };
  template <typename P>
  QToolBar* CrearBarra(const char* nombre, std::initializer_list<Boton<P>> botones) {
    auto* barra = new QToolBar(this);
    barra->setObjectName(nombre);
    barra->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const Boton<P>& b : botones) {
      if (!barra->actions().isEmpty()) barra->addSeparator();
      auto* a = barra->addAction(b.texto);
      a->setObjectName(b.clave);
      barra->widgetForAction(a)->setObjectName(b.clave);
      connect(a, &QAction::triggered, static_cast<P*>(this), b.accion);
    }
    return barra;
  }
  QAction* Accion(QToolBar* barra, const char* clave) const {
    return barra->template findChild<QAction*>(clave, Qt::FindDirectChildrenOnly);
  }

  ModeloLista<T>* modelo_;
  QTreeView* lista_;
  std::vector<QAction*> conFila_;

 private:
  void Mover(int paso) {
    if (!PuedeMover()) return;
    const int fila = Seleccionada();
    if (fila < 0 || fila + paso < 0 || fila + paso >= modelo_->rowCount()) return;
    modelo_->Intercambiar(fila, paso);
    Seleccionar(fila + paso);
  }
};

}  // namespace vendaluz
