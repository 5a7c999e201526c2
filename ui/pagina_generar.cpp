#include "ui/pagina_generar.h"

#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/conversion.h"
#include "ui/teclas.h"

namespace vendaluz {

PaginaGenerar::PaginaGenerar(Proyecto& p, Entorno& entorno, QWidget* padre)
    : PaginaProyecto(p, padre), entorno_(entorno) {
  cmdReporte_ = new QPushButton(QStringLiteral("&Reporte"), this);
  cmdReporte_->setObjectName("cmdReporte");
  cmdGenerar_ = new QPushButton(QStringLiteral("&Generar"), this);
  cmdGenerar_->setObjectName("cmdGenerar");
  auto* Label12 = new QLabel(
      QStringLiteral("Antes de generar el proyecto debe hacer click en Reporte. El programa "
                     "verificará si cuenta con la información necesaria como para generar los "
                     "archivos."),
      this);
  Label12->setObjectName("Label12");
  Label12->setWordWrap(true);

  fraProyecto_ = new QGroupBox(QStringLiteral(" Proyecto: "), this);
  fraProyecto_->setObjectName("fraProyecto");
  auto campo = [this](const char* nombre) {
    auto* t = new CampoRuta(fraProyecto_);
    t->setObjectName(nombre);
    return t;
  };
  txtGProyecto_ = campo("txtGProyecto");
  txtGImagenes_ = campo("txtGImagenes");
  txtGThumbs_ = campo("txtGThumbs");
  auto* carpetas = new QFormLayout(fraProyecto_);
  carpetas->addRow(QStringLiteral("Archivos:"), txtGProyecto_);
  carpetas->addRow(QStringLiteral("Imágenes:"), txtGImagenes_);
  carpetas->addRow(QStringLiteral("Thumbnails:"), txtGThumbs_);

  txtCantProd_ = new QLineEdit(this);
  txtCantProd_->setObjectName("txtCantProd");
  txtCantProd_->setMaximumWidth(60);
  txtCantProd_->setMaxLength(2);
  SoloDigitos(txtCantProd_);
  auto* cantidad = new QLabel(QStringLiteral("&Cantidad de productos por página web:"), this);
  cantidad->setBuddy(txtCantProd_);
  cmdCat_ = new QPushButton(QStringLiteral(">"), this);
  cmdCat_->setObjectName("cmdCat");
  cmdCat_->setMaximumWidth(40);
  cmdCat_->setToolTip(QStringLiteral("Agregar una nueva categoría"));
  auto* categoria = new QLabel(QStringLiteral("Agregar una nueva categoría al proyecto:"), this);

  flbGenerados_ = new QListWidget(this);
  flbGenerados_->setObjectName("flbGenerados");
  auto* generados = new QLabel(QStringLiteral("Archivos ge&nerados:"), this);
  generados->setBuddy(flbGenerados_);

  auto* botones = new QHBoxLayout;
  botones->addWidget(cmdReporte_);
  botones->addWidget(cmdGenerar_);
  botones->addStretch(1);
  auto* opciones = new QGridLayout;
  opciones->addWidget(cantidad, 0, 0);
  opciones->addWidget(txtCantProd_, 0, 1);
  opciones->addWidget(categoria, 1, 0);
  opciones->addWidget(cmdCat_, 1, 1);
  opciones->setColumnStretch(2, 1);
  auto* izquierda = new QVBoxLayout;
  izquierda->addLayout(botones);
  izquierda->addWidget(Label12);
  izquierda->addWidget(fraProyecto_);
  izquierda->addLayout(opciones);
  izquierda->addStretch(1);
  auto* derecha = new QVBoxLayout;
  derecha->addWidget(generados);
  derecha->addWidget(flbGenerados_, 1);
  auto* fila = new QHBoxLayout(this);
  fila->addLayout(izquierda, 3);
  fila->addLayout(derecha, 2);

  connect(cmdReporte_, &QPushButton::clicked, this, &PaginaGenerar::reportePedido);
  connect(cmdGenerar_, &QPushButton::clicked, this, &PaginaGenerar::generarPedido);
  connect(cmdCat_, &QPushButton::clicked, this, &PaginaGenerar::categoriaPedida);
  connect(txtCantProd_, &QLineEdit::textEdited, this,
          [this](const QString& texto) { p_.txtCantProd = AStd(texto); });
  // A box left empty means the usual ten products per page.
  connect(txtCantProd_, &QLineEdit::editingFinished, this, [this] {
    if (!txtCantProd_->text().isEmpty()) return;
    txtCantProd_->setText(QStringLiteral("10"));
    p_.txtCantProd = "10";
  });
  connect(flbGenerados_, &QListWidget::itemActivated, this, &PaginaGenerar::AbrirGenerado);
}

void PaginaGenerar::Mostrar() { txtCantProd_->setText(AQt(p_.txtCantProd)); }

void PaginaGenerar::MostrarNombre() {
  const QString nombre =
      p_.inicio.Nombre.empty() ? QStringLiteral("(Sin nombre)") : AQt(p_.inicio.Nombre);
  fraProyecto_->setTitle(QStringLiteral(" Proyecto: ") + nombre + QLatin1Char(' '));
}

void PaginaGenerar::MostrarCarpetas() {
  const std::filesystem::path salida = entorno_.espacio.CarpetaSalida(p_);
  txtGProyecto_->PonerRuta(AQt(salida));
  auto mostrar = [](CampoRuta* campo, bool usado, const std::filesystem::path& carpeta) {
    campo->setEnabled(usado);
    campo->PonerRuta(usado ? AQt(carpeta) : QString());
  };
  const bool imagenes = p_.productosImagen == 1;
  mostrar(txtGImagenes_, imagenes && p_.thumbnails.Copiar == 1, salida / "imagenes");
  mostrar(txtGThumbs_, imagenes && p_.thumbnails.Mostrar == 1, salida / "thumbnails");
}

void PaginaGenerar::Limpiar() {
  txtGProyecto_->PonerRuta({});
  txtGImagenes_->PonerRuta({});
  txtGThumbs_->PonerRuta({});
  flbGenerados_->clear();
  carpetaGenerados_.clear();
}

void PaginaGenerar::MostrarGenerados(const std::filesystem::path& carpeta) {
  carpetaGenerados_ = carpeta;
  flbGenerados_->clear();
  flbGenerados_->addItems(QDir(AQt(carpeta)).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void PaginaGenerar::AbrirGenerado(QListWidgetItem* item) {
  // The file lies in the folder the list shows, which for a new category is not the
  // project's own output folder.
  if (!item || carpetaGenerados_.empty()) return;
  entorno_.abridor.Abrir((carpetaGenerados_ / AStd(item->text())).string());
}

}  // namespace vendaluz
