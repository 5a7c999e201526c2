#include "ui/pagina_formulario.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/frmFormulario.h"

namespace vendaluz {

PaginaFormulario::PaginaFormulario(Proyecto& p, QWidget* padre) : PaginaProyecto(p, padre) {
  modelo_ = new ModeloLista<CampoFormulario>(
      p_.camposFormulario,
      {&CampoFormulario::Campo, &CampoFormulario::Nombre, &CampoFormulario::Tamano},
      {QStringLiteral("Campo"), QStringLiteral("Nombre"), QStringLiteral("Tamaño")}, this);

  auto* brFormulario = new QToolBar(this);
  brFormulario->setObjectName("brFormulario");
  brFormulario->setToolButtonStyle(Qt::ToolButtonTextOnly);
  auto boton = [&](const char* clave, const QString& texto, void (PaginaFormulario::*accion)()) {
    if (!brFormulario->actions().isEmpty()) brFormulario->addSeparator();
    auto* a = brFormulario->addAction(texto);
    a->setObjectName(clave);
    brFormulario->widgetForAction(a)->setObjectName(clave);
    connect(a, &QAction::triggered, this, accion);
    return a;
  };
  boton("agregar", QStringLiteral(" Agregar  "), &PaginaFormulario::Agregar);
  editar_ = boton("editar", QStringLiteral(" Editar  "), &PaginaFormulario::Editar);
  eliminar_ = boton("eliminar", QStringLiteral(" Eliminar  "), &PaginaFormulario::Eliminar);
  boton("subir", QStringLiteral(" Subir  "), &PaginaFormulario::Subir);
  boton("bajar", QStringLiteral(" Bajar  "), &PaginaFormulario::Bajar);

  lstFormulario_ = new QTreeView(this);
  lstFormulario_->setObjectName("lstFormulario");
  lstFormulario_->setModel(modelo_);
  lstFormulario_->setRootIsDecorated(false);
  lstFormulario_->setUniformRowHeights(true);
  lstFormulario_->setSelectionBehavior(QAbstractItemView::SelectRows);
  lstFormulario_->setSelectionMode(QAbstractItemView::SingleSelection);
  lstFormulario_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lstFormulario_->header()->setSectionsMovable(false);
  lstFormulario_->header()->resizeSection(0, 160);
  lstFormulario_->header()->resizeSection(1, 120);
  lstFormulario_->installEventFilter(this);

  cheValidar_ = new QCheckBox(QStringLiteral("&Validar campos del formulario"), this);
  cheValidar_->setObjectName("cheValidar");
  auto* texto = new QLabel(
      QStringLiteral("Los formularios nos permiten transmitir información a través de la Web. "
                     "Dicha información es necesaria para realizar la transacción on-line."),
      this);
  texto->setWordWrap(true);
  auto* imagen = new QLabel(this);
  imagen->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(48));

  auto* derecha = new QVBoxLayout;
  derecha->addWidget(imagen, 0, Qt::AlignHCenter);
  derecha->addWidget(texto);
  derecha->addWidget(cheValidar_);
  derecha->addStretch(1);
  auto* izquierda = new QVBoxLayout;
  izquierda->addWidget(brFormulario);
  izquierda->addWidget(lstFormulario_, 1);
  auto* fila = new QHBoxLayout(this);
  fila->addLayout(izquierda, 3);
  fila->addLayout(derecha, 1);

  connect(lstFormulario_, &QAbstractItemView::doubleClicked, this, [this] {
    if (!p_.camposFormulario.empty()) Editar();
  });
  connect(cheValidar_, &QCheckBox::clicked, this,
          [this](bool marcado) { p_.formularioValidar = marcado ? 1 : 0; });
  EstadoBarra();
}

bool PaginaFormulario::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() != QEvent::KeyPress) return PaginaProyecto::eventFilter(objeto, evento);
  // Delete removes the selected field as "Eliminar" does; Enter edits it.
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

void PaginaFormulario::Mostrar() {
  modelo_->Recargar();
  cheValidar_->setChecked(p_.formularioValidar == 1);
  if (!p_.camposFormulario.empty()) Seleccionar(0);
  EstadoBarra();
}

int PaginaFormulario::Seleccionada() const {
  const QModelIndexList filas = lstFormulario_->selectionModel()->selectedRows();
  return filas.isEmpty() ? -1 : filas.first().row();
}

void PaginaFormulario::Seleccionar(int fila) {
  const QModelIndex i = modelo_->index(fila, 0);
  lstFormulario_->selectionModel()->setCurrentIndex(
      i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  lstFormulario_->scrollTo(i);
}

void PaginaFormulario::EstadoBarra() {
  const bool hay = !p_.camposFormulario.empty();
  editar_->setEnabled(hay);
  eliminar_->setEnabled(hay);
}

void PaginaFormulario::Agregar() {
  frmFormulario dialogo(frmFormulario::Modo::kAgregar, {}, this);
  if (dialogo.exec() != QDialog::Accepted) return;
  modelo_->Agregar(dialogo.Resultado());
  Seleccionar(modelo_->rowCount() - 1);
  EstadoBarra();
}

void PaginaFormulario::Editar() {
  const int fila = Seleccionada();
  if (fila < 0) return;
  frmFormulario dialogo(frmFormulario::Modo::kEditar, modelo_->Fila(fila), this);
  if (dialogo.exec() != QDialog::Accepted) return;
  modelo_->Reemplazar(fila, dialogo.Resultado());
  Seleccionar(fila);
}

void PaginaFormulario::Eliminar() {
  const int fila = Seleccionada();
  if (fila < 0) return;
  modelo_->Quitar(fila);
  if (!p_.camposFormulario.empty()) Seleccionar(std::min<int>(fila, modelo_->rowCount() - 1));
  EstadoBarra();
}

void PaginaFormulario::Mover(int paso) {
  const int fila = Seleccionada();
  if (fila < 0 || fila + paso < 0 || fila + paso >= modelo_->rowCount()) return;
  modelo_->Intercambiar(fila, paso);
  Seleccionar(fila + paso);
}

void PaginaFormulario::Subir() { Mover(-1); }
void PaginaFormulario::Bajar() { Mover(+1); }

}  // namespace vendaluz
