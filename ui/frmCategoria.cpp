#include "ui/frmCategoria.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "generator/comprobaciones.h"
#include "platform/error.h"
#include "ui/conversion.h"
#include "ui/fila_botones.h"
#include "ui/frmExaminar.h"
#include "ui/teclas.h"

namespace vendaluz {

frmCategoria::frmCategoria(Proyecto& p, Entorno& entorno, QWidget* padre)
    : QDialog(padre), p_(p), entorno_(entorno) {
  setObjectName("frmCategoria");
  setWindowTitle(QStringLiteral("Categoría"));
  setModal(true);

  auto* explicacion = new QLabel(
      QStringLiteral("La siguiente opción le permite agregar una o más categorías a su Tienda "
                     "Virtual:"),
      this);
  explicacion->setWordWrap(true);
  cheACat_ = new QCheckBox(QStringLiteral("&Generar archivo como nueva categoría"), this);
  cheACat_->setObjectName("cheACat");
  ANombre_ = new QLineEdit(this);
  ANombre_->setObjectName("ANombre");
  // Page names of lowercase letters a to z only: any other character typed or pasted
  // is dropped.
  SoloMinusculas(ANombre_);
  AGuardar_ = new CampoRuta(this);  // only the folder browser, which checks it, fills it
  AGuardar_->setObjectName("AGuardar");
  cmdAEx_ = new QPushButton(QStringLiteral("..."), this);
  cmdAEx_->setObjectName("cmdAEx");
  cmdAEx_->setToolTip(QStringLiteral("Elegir la carpeta de la tienda"));
  cmdAEx_->setAutoDefault(false);
  cmdAEx_->setMaximumWidth(40);
  const FilaBotones botones = CrearFilaBotones(this);
  botones.cancelar->setAutoDefault(false);

  auto* nombre = new QLabel(QStringLiteral("&Nombre del archivo:"), this);
  nombre->setBuddy(ANombre_);
  auto* carpeta = new QLabel(QStringLiteral("Guardar archivo &en:"), this);
  carpeta->setBuddy(AGuardar_);
  auto* rejilla = new QGridLayout;
  rejilla->addWidget(nombre, 0, 0);
  rejilla->addWidget(ANombre_, 0, 1, 1, 2);
  rejilla->addWidget(carpeta, 1, 0);
  rejilla->addWidget(AGuardar_, 1, 1);
  rejilla->addWidget(cmdAEx_, 1, 2);
  rejilla->setColumnStretch(1, 1);
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(explicacion);
  columna->addWidget(cheACat_);
  columna->addLayout(rejilla);
  columna->addLayout(botones.fila);
  resize(480, 0);

  ANombre_->setText(AQt(p_.categoriaArchivo));
  AGuardar_->PonerRuta(AQt(p_.categoriaCarpeta));
  cheACat_->setChecked(p_.categoriaOpcion == 1);
  Habilitar(cheACat_->isChecked());

  connect(cheACat_, &QCheckBox::toggled, this, &frmCategoria::Habilitar);
  connect(cmdAEx_, &QPushButton::clicked, this, &frmCategoria::Examinar);
  connect(botones.aceptar, &QPushButton::clicked, this, &frmCategoria::Aceptar);
}

void frmCategoria::Habilitar(bool activa) {
  ANombre_->setEnabled(activa);
  AGuardar_->setEnabled(activa);
  cmdAEx_->setEnabled(activa);
}

void frmCategoria::Examinar() {
  frmExaminar examinar(entorno_, frmExaminar::Modo::kCategoria, AQt(p_.inicio.Nombre), this);
  if (examinar.exec() != QDialog::Accepted) return;
  AGuardar_->PonerRuta(examinar.Carpeta());
}

void frmCategoria::Aceptar() {
  const bool activa = cheACat_->isChecked();
  if (activa && (ANombre_->text().isEmpty() || AGuardar_->Ruta().isEmpty())) return;
  if (activa) {
    // A name such as "estado" would write over the pages of the store itself.
    try {
      ComprobarNombreCategoria(AStd(ANombre_->text()));
    } catch (const Error& e) {
      entorno_.dialogos.Mensaje(this, AQt(e.descripcion()), Icono::kAdvertencia);
      ANombre_->setFocus();
      ANombre_->selectAll();
      return;
    }
  }
  p_.categoriaOpcion = activa ? 1 : 0;
  p_.categoriaArchivo = AStd(ANombre_->text());
  p_.categoriaCarpeta = AStd(AGuardar_->Ruta());
  accept();
}

}  // namespace vendaluz
