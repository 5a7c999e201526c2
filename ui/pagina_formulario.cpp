#include "ui/pagina_formulario.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/frmFormulario.h"

namespace vendaluz {

PaginaFormulario::PaginaFormulario(Proyecto& p, QWidget* padre)
    : PaginaLista(p, p.camposFormulario,
                  {&CampoFormulario::Campo, &CampoFormulario::Nombre, &CampoFormulario::Tamano},
                  {QStringLiteral("Campo"), QStringLiteral("Nombre"), QStringLiteral("Tamaño")},
                  "lstFormulario", padre) {
  using P = PaginaFormulario;
  QToolBar* brFormulario =
      CrearBarra<P>("brFormulario", {{"agregar", QStringLiteral(" Agregar  "), &P::Agregar},
                                     {"editar", QStringLiteral(" Editar  "), &P::Editar},
                                     {"eliminar", QStringLiteral(" Eliminar  "), &P::Eliminar},
                                     {"subir", QStringLiteral(" Subir  "), &P::Subir},
                                     {"bajar", QStringLiteral(" Bajar  "), &P::Bajar}});
  conFila_ = {Accion(brFormulario, "editar"), Accion(brFormulario, "eliminar")};
  lista_->header()->resizeSection(0, 160);
  lista_->header()->resizeSection(1, 120);

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
  izquierda->addWidget(lista_, 1);
  auto* fila = new QHBoxLayout(this);
  fila->addLayout(izquierda, 3);
  fila->addLayout(derecha, 1);

  connect(cheValidar_, &QCheckBox::clicked, this,
          [this](bool marcado) { p_.formularioValidar = marcado ? 1 : 0; });
  EstadoBarra();
}

void PaginaFormulario::Mostrar() {
  cheValidar_->setChecked(p_.formularioValidar == 1);
  Recargar();
}

bool PaginaFormulario::Dialogo(bool agregar, CampoFormulario& campo) {
  frmFormulario dialogo(agregar ? frmFormulario::Modo::kAgregar : frmFormulario::Modo::kEditar,
                        campo, this);
  if (dialogo.exec() != QDialog::Accepted) return false;
  campo = dialogo.Resultado();
  return true;
}

}  // namespace vendaluz
