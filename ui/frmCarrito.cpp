#include "ui/frmCarrito.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "model/reglas.h"
#include "ui/conversion.h"
#include "ui/dialogos.h"
#include "ui/fila_botones.h"
#include "ui/teclas.h"

namespace vendaluz {

QString TituloVista(const QString& ruta) {
  QString nombre = ruta;
  const int barra = std::max(nombre.lastIndexOf(QLatin1Char('\\')), nombre.lastIndexOf('/'));
  if (barra >= 0) nombre = nombre.mid(barra + 1);
  return nombre.section(QLatin1Char('.'), 0, 0);
}

frmCarrito::frmCarrito(Modo modo, const Producto& producto, bool conImagen, Dialogos& dialogos,
                       QWidget* padre)
    : QDialog(padre), dialogos_(dialogos), conImagen_(conImagen) {
  setObjectName("frmCarrito");
  setWindowTitle(QStringLiteral("Carrito de Compra"));
  setModal(true);

  const bool agregar = modo == Modo::kAgregar;
  CrearMarco(agregar ? QStringLiteral("Agregar") : QStringLiteral("Editar"));

  const FilaBotones botones = CrearFilaBotones(this);
  lblAviso_ = CrearAviso(this);
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(fraCarrito_);
  columna->addWidget(lblAviso_);
  columna->addLayout(botones.fila);
  setMinimumWidth(420);

  connect(botones.aceptar, &QPushButton::clicked, this, &frmCarrito::Aceptar);
  connect(cmdBuscar_, &QPushButton::clicked, this, &frmCarrito::Buscar);
  connect(cmdVista_, &QPushButton::clicked, this, &frmCarrito::Vista);
  connect(txtImagen_, &QLineEdit::textChanged, this,
          [this](const QString& texto) { cmdVista_->setEnabled(!texto.isEmpty()); });

  if (!agregar) {
    txtProducto_->setText(AQt(producto.Nombre));
    // A price from an older file that is not a plain number is shown as it is;
    // "Aceptar" asks for it to be mended.
    txtPrecio_->setText(AQt(producto.Precio));
    txtDes_->setPlainText(AQt(producto.Descripcion));
    // Kept in the hidden row too: switching pictures off must not lose them.
    txtImagen_->setText(AQt(producto.Imagen));
    txtProducto_->selectAll();
  }
  txtProducto_->setFocus();
}

Producto frmCarrito::Resultado() const {
  return {AStd(txtProducto_->text()), AStd(txtPrecio_->text()), AStd(txtDes_->toPlainText()),
          AStd(txtImagen_->text())};
}

// The product's fields; the picture's row only when the store shows pictures.
void frmCarrito::CrearMarco(const QString& titulo) {
  fraCarrito_ = new QGroupBox(titulo, this);
  fraCarrito_->setObjectName("fraCarrito");
  txtProducto_ = new QLineEdit(fraCarrito_);
  txtProducto_->setObjectName("txtProducto");
  txtProducto_->setMaxLength(50);
  txtPrecio_ = new QLineEdit(fraCarrito_);
  txtPrecio_->setObjectName("txtPrecio");
  txtPrecio_->setMaxLength(15);
  NumeroDecimal(txtPrecio_, true);
  txtDes_ = new QPlainTextEdit(fraCarrito_);
  txtDes_->setObjectName("txtDes");
  txtDes_->setTabChangesFocus(true);
  txtDes_->setMinimumHeight(70);
  txtImagen_ = new QLineEdit(fraCarrito_);
  txtImagen_->setObjectName("txtImagen");
  txtImagen_->setReadOnly(true);
  cmdBuscar_ =
      new QPushButton(style()->standardIcon(QStyle::SP_DirOpenIcon), QString(), fraCarrito_);
  cmdBuscar_->setObjectName("cmdBuscar");
  cmdBuscar_->setToolTip(QStringLiteral("Examinar"));
  cmdBuscar_->setAutoDefault(false);
  cmdVista_ = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogContentsView), QString(),
                              fraCarrito_);
  cmdVista_->setObjectName("cmdVista");
  cmdVista_->setToolTip(QStringLiteral("Vista previa"));
  cmdVista_->setAutoDefault(false);
  cmdVista_->setEnabled(false);

  auto etiqueta = [this](const QString& texto, QWidget* control) {
    auto* l = new QLabel(texto, fraCarrito_);
    l->setBuddy(control);
    return l;
  };
  auto* rejilla = new QGridLayout(fraCarrito_);
  rejilla->addWidget(etiqueta(QStringLiteral("&Producto:"), txtProducto_), 0, 0);
  rejilla->addWidget(txtProducto_, 0, 1, 1, 3);
  rejilla->addWidget(etiqueta(QStringLiteral("P&recio:"), txtPrecio_), 1, 0);
  rejilla->addWidget(txtPrecio_, 1, 1, 1, 3);
  rejilla->addWidget(etiqueta(QStringLiteral("&Descripción:"), txtDes_), 2, 0, Qt::AlignTop);
  rejilla->addWidget(txtDes_, 2, 1, 1, 3);
  auto* lblImagen = etiqueta(QStringLiteral("&Imagen:"), cmdBuscar_);
  lblImagen->setObjectName("lblImagen");
  rejilla->addWidget(lblImagen, 3, 0);
  rejilla->addWidget(txtImagen_, 3, 1);
  rejilla->addWidget(cmdBuscar_, 3, 2);
  rejilla->addWidget(cmdVista_, 3, 3);
  if (!conImagen_) {
    for (QWidget* w : {static_cast<QWidget*>(lblImagen), static_cast<QWidget*>(txtImagen_),
                       static_cast<QWidget*>(cmdBuscar_), static_cast<QWidget*>(cmdVista_)}) {
      w->hide();
    }
  }
}

void frmCarrito::Buscar() {
  const auto ruta = dialogos_.ArchivoParaAbrir(
      this, QStringLiteral("Examinar"), QString(),
      QStringLiteral("Archivos de imagen (*.jpg *.jpeg *.gif *.png);;Archivos JPG (*.jpg *.jpeg);;"
                     "Archivos GIF (*.gif);;Archivos PNG (*.png)"));
  if (ruta && !ruta->isEmpty()) txtImagen_->setText(*ruta);
}

void frmCarrito::Vista() {
  if (!QFileInfo(txtImagen_->text()).isFile()) return;
  frmVista vista(txtImagen_->text(), this);
  vista.exec();
}

void frmCarrito::Aceptar() {
  if (txtProducto_->text().isEmpty()) {
    return Avisar(lblAviso_, txtProducto_, QStringLiteral("Falta el nombre del producto."));
  }
  if (txtPrecio_->text().isEmpty()) {
    return Avisar(lblAviso_, txtPrecio_, QStringLiteral("Falta el precio del producto."));
  }
  // A price of an older file that is not a plain number must be mended before it is kept.
  if (!EsNumeroDecimal(AStd(txtPrecio_->text()))) {
    return Avisar(lblAviso_, txtPrecio_,
                  QStringLiteral("El precio debe ser un número con punto decimal, por ejemplo "
                                 "12.50."));
  }
  if (txtDes_->toPlainText().isEmpty()) {
    return Avisar(lblAviso_, txtDes_, QStringLiteral("Falta la descripción del producto."));
  }
  accept();
}

frmVista::frmVista(const QString& ruta, QWidget* padre) : QDialog(padre) {
  setObjectName("frmVista");
  setWindowTitle(TituloVista(ruta));
  setModal(true);
  auto* Imagen = new QLabel(this);
  Imagen->setObjectName("Imagen");
  QImageReader lector(ruta);
  lector.setAutoTransform(true);
  const QImage imagen = lector.read();
  if (imagen.isNull()) {
    Imagen->setText(QStringLiteral("No se puede mostrar la imagen."));
  } else {
    Imagen->setPixmap(QPixmap::fromImage(imagen));
  }
  Imagen->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* columna = new QVBoxLayout(this);
  columna->setContentsMargins(0, 0, 0, 0);
  columna->addWidget(Imagen);
  setFixedSize(Imagen->sizeHint());
}

}  // namespace vendaluz
