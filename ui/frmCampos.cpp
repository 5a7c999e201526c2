#include "ui/frmCampos.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <set>

#include "ui/conversion.h"
#include "ui/dialogos.h"

namespace vendaluz {
namespace {

std::string Atributo(const std::string& texto) {
  std::string r;
  for (char c : texto) {
    switch (c) {
      case '"':
        r += "&quot;";
        break;
      case '<':
        r += "&lt;";
        break;
      case '&':
        r += "&amp;";
        break;
      default:
        r += c;
    }
  }
  return r;
}

}  // namespace

std::string CampoOcultoDe(const std::string& nombre, const std::string& valor) {
  return "<input type=\"hidden\" name=\"" + Atributo(nombre) + "\" value=\"" + Atributo(valor) +
         "\">";
}

frmCampos::frmCampos(Proyecto& p, Dialogos& dialogos, QWidget* padre)
    : QDialog(padre), p_(p), dialogos_(dialogos) {
  setObjectName("frmCampos");
  setWindowTitle(QStringLiteral("Campos Ocultos"));
  setModal(true);
  txtNombre_ = new QLineEdit(this);
  txtNombre_->setObjectName("txtNombre");
  txtValor_ = new QLineEdit(this);
  txtValor_->setObjectName("txtValor");
  auto* cmdAgregar = new QPushButton(QStringLiteral("A&gregar"), this);
  cmdAgregar->setObjectName("cmdAgregar");
  cmdQuitar_ = new QPushButton(QStringLiteral("&Quitar"), this);
  cmdQuitar_->setObjectName("cmdQuitar");
  lstCampos_ = new QListWidget(this);
  lstCampos_->setObjectName("lstCampos");
  auto* cmsAceptar = new QPushButton(QStringLiteral("Aceptar"), this);
  cmsAceptar->setObjectName("cmsAceptar");
  cmsAceptar->setDefault(true);
  auto* cmdCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
  cmdCancelar->setObjectName("cmdCancelar");
  auto* filas = new QFormLayout;
  filas->addRow(QStringLiteral("&Nombre:"), txtNombre_);
  filas->addRow(QStringLiteral("&Valor:"), txtValor_);
  auto* acciones = new QHBoxLayout;
  acciones->addStretch(1);
  acciones->addWidget(cmdAgregar);
  acciones->addWidget(cmdQuitar_);
  auto* botones = new QHBoxLayout;
  botones->addStretch(1);
  botones->addWidget(cmsAceptar);
  botones->addWidget(cmdCancelar);
  auto* columna = new QVBoxLayout(this);
  columna->addLayout(filas);
  columna->addLayout(acciones);
  columna->addWidget(lstCampos_, 1);
  columna->addLayout(botones);
  resize(520, 320);

  connect(cmdAgregar, &QPushButton::clicked, this, &frmCampos::Agregar);
  connect(cmdQuitar_, &QPushButton::clicked, this, &frmCampos::Quitar);
  connect(cmsAceptar, &QPushButton::clicked, this, &frmCampos::Aceptar);
  connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);
  connect(lstCampos_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    dialogos_.Mensaje(this, item->text(), Icono::kNinguno);
  });

  for (const CampoOculto& c : p_.camposOcultos) lstCampos_->addItem(AQt(c));
  ControlarLS();
}

void frmCampos::ControlarLS() { cmdQuitar_->setEnabled(lstCampos_->count() > 0); }

void frmCampos::Agregar() {
  if (txtNombre_->text().isEmpty() || txtValor_->text().isEmpty()) return;
  lstCampos_->addItem(AQt(CampoOcultoDe(AStd(txtNombre_->text()), AStd(txtValor_->text()))));
  // Each line once, the first occurrence staying.
  std::set<QString> vistas;
  for (int i = 0; i < lstCampos_->count();) {
    if (vistas.insert(lstCampos_->item(i)->text()).second) {
      ++i;
    } else {
      delete lstCampos_->takeItem(i);
    }
  }
  txtNombre_->clear();
  txtValor_->clear();
  txtNombre_->setFocus();
  ControlarLS();
}

void frmCampos::Quitar() {
  const int fila = lstCampos_->currentRow();
  if (fila >= 0 && lstCampos_->currentItem()->isSelected()) delete lstCampos_->takeItem(fila);
  txtNombre_->clear();
  txtValor_->clear();
  ControlarLS();
}

void frmCampos::Aceptar() {
  // A name and value typed but not yet added are not thrown away.
  if (!txtNombre_->text().isEmpty() && !txtValor_->text().isEmpty()) Agregar();
  p_.camposOcultos.clear();
  for (int i = 0; i < lstCampos_->count(); ++i) {
    p_.camposOcultos.push_back(AStd(lstCampos_->item(i)->text()));
  }
  accept();
}

}  // namespace vendaluz
