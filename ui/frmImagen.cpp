#include "ui/frmImagen.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/conversion.h"
#include "ui/fila_botones.h"
#include "ui/teclas.h"

namespace vendaluz {
namespace {

QLabel* Texto(const QString& texto, QWidget* padre) {
  auto* l = new QLabel(texto, padre);
  l->setWordWrap(true);
  return l;
}

}  // namespace

frmImagen::frmImagen(Proyecto& p, const QString& rutaImagenes, QWidget* padre)
    : QDialog(padre), p_(p), rutaImagenes_(rutaImagenes) {
  setObjectName("frmImagen");
  setWindowTitle(QStringLiteral("Imágenes"));
  setModal(true);

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("SSTab");
  auto* imagenes = new QWidget(tabs_);
  cheCopiarImg_ = new QCheckBox(QStringLiteral("&Copiar imágenes automáticamente"), imagenes);
  cheCopiarImg_->setObjectName("cheCopiarImg");
  txtRutaImg_ = new QLineEdit(imagenes);
  txtRutaImg_->setObjectName("txtRutaImg");
  txtRutaImg_->setReadOnly(true);
  auto* col1 = new QVBoxLayout(imagenes);
  col1->addWidget(
      Texto(QStringLiteral("Las imágenes son mostradas a través de una ventana pop-up, la cual "
                           "puede configurarse desde \"Opciones\" del carrito."),
            imagenes));
  col1->addWidget(cheCopiarImg_);
  col1->addWidget(Texto(QStringLiteral("Se recomienda dejar habilitada esta opción. En caso de "
                                       "no hacerlo, deberá copiar las imágenes a la siguiente "
                                       "carpeta una vez generado el proyecto:"),
                        imagenes));
  col1->addWidget(txtRutaImg_);
  col1->addStretch(1);

  auto* thumbs = new QWidget(tabs_);
  cheThumb_ = new QCheckBox(QStringLiteral("&Mostrar thumbnails dentro del carrito"), thumbs);
  cheThumb_->setObjectName("cheThumb");
  txtTAncho_ = new QLineEdit(thumbs);
  txtTAncho_->setObjectName("txtTAncho");
  txtTAlto_ = new QLineEdit(thumbs);
  txtTAlto_->setObjectName("txtTAlto");
  for (QLineEdit* t : {txtTAncho_, txtTAlto_}) {
    t->setMaxLength(2);
    t->setMaximumWidth(50);
    SoloDigitos(t);
  }
  cheTGenerar_ = new QCheckBox(QStringLiteral("Mantener &proporción"), thumbs);
  cheTGenerar_->setObjectName("cheTGenerar");
  auto* medidas = new QFormLayout;
  medidas->addRow(QStringLiteral("&Ancho:"), txtTAncho_);
  medidas->addRow(QStringLiteral("A&lto:"), txtTAlto_);
  auto* col2 = new QVBoxLayout(thumbs);
  col2->addWidget(Texto(QStringLiteral("Los thumbnails son imágenes reducidas de los productos "
                                       "que se encuentran ubicadas dentro del carrito de compra. "),
                        thumbs));
  col2->addWidget(cheThumb_);
  col2->addLayout(medidas);
  col2->addWidget(cheTGenerar_);
  col2->addWidget(Texto(QStringLiteral("Nota: Para poder mostrar los thumbnails, es necesario "
                                       "tener habilitada la casilla  \"Copiar imágenes "
                                       "automáticamente\"."),
                        thumbs));
  col2->addStretch(1);
  tabs_->addTab(imagenes, QStringLiteral("Imágenes"));
  tabs_->addTab(thumbs, QStringLiteral("Thumbnails"));

  const FilaBotones botones = CrearFilaBotones(this);
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(tabs_);
  columna->addLayout(botones.fila);
  resize(440, 300);

  connect(botones.aceptar, &QPushButton::clicked, this, &frmImagen::Aceptar);

  // Each rule also holds for the values loaded below.
  connect(cheCopiarImg_, &QCheckBox::toggled, this, &frmImagen::CopiarCambiado);
  connect(cheThumb_, &QCheckBox::toggled, this, &frmImagen::ThumbCambiado);
  connect(cheTGenerar_, &QCheckBox::toggled, this, &frmImagen::TGenerarCambiado);

  tabs_->setCurrentIndex(0);
  const auto& t = p_.thumbnails;
  cheCopiarImg_->setChecked(t.Copiar == 1);
  cheThumb_->setChecked(t.Mostrar == 1);
  txtTAncho_->setText(AQt(t.TAncho));
  txtTAlto_->setText(AQt(t.TAlto));
  cheTGenerar_->setChecked(t.TGenerar == 1);
  ThumbCambiado();
  CopiarCambiado();
}

void frmImagen::Medidas(bool habilitar) {
  // A disabled box shows the disabled background of the style.
  txtTAncho_->setEnabled(habilitar);
  txtTAlto_->setEnabled(habilitar);
}

void frmImagen::CopiarCambiado() {
  if (cheCopiarImg_->isChecked()) {
    txtRutaImg_->setEnabled(true);
    txtRutaImg_->setText(rutaImagenes_);
    cheThumb_->setEnabled(true);
    cheThumb_->setChecked(p_.thumbnails.Mostrar == 1);
    ThumbCambiado();
  } else {
    txtRutaImg_->clear();
    txtRutaImg_->setEnabled(false);
    cheThumb_->setChecked(false);
    cheThumb_->setEnabled(false);
    Medidas(false);
    cheTGenerar_->setEnabled(false);
  }
}

void frmImagen::ThumbCambiado() {
  if (cheThumb_->isChecked()) {
    cheTGenerar_->setEnabled(true);
    Medidas(!cheTGenerar_->isChecked());
  } else {
    Medidas(false);
    cheTGenerar_->setChecked(false);
    cheTGenerar_->setEnabled(false);
  }
}

void frmImagen::TGenerarCambiado() {
  if (cheThumb_->isChecked()) Medidas(!cheTGenerar_->isChecked());
}

void frmImagen::Aceptar() {
  if (cheThumb_->isChecked() && (txtTAncho_->text().isEmpty() || txtTAlto_->text().isEmpty())) {
    return;
  }
  auto& t = p_.thumbnails;
  t.Mostrar = cheThumb_->isChecked() ? 1 : 0;
  t.TAncho = AStd(txtTAncho_->text());
  t.TAlto = AStd(txtTAlto_->text());
  t.TGenerar = cheTGenerar_->isChecked() ? 1 : 0;
  t.Copiar = cheCopiarImg_->isChecked() ? 1 : 0;
  accept();
}

}  // namespace vendaluz
