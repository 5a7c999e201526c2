#include "ui/frmExaminar.h"

#include <dirent.h>

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cerrno>

#include "generator/catalogo.h"
#include "generator/paginas.h"
#include "platform/error.h"
#include "platform/files.h"
#include "ui/conversion.h"
#include "ui/recuerdos.h"

namespace vendaluz {
namespace {

constexpr int kRolRuta = Qt::UserRole;
constexpr int kRolLleno = Qt::UserRole + 1;  // the children have been listed

// errno of listing the folder, or 0 when it can be listed.
int ErrorAlListar(const QString& carpeta) {
  DIR* d = ::opendir(QFile::encodeName(carpeta).constData());
  if (!d) return errno;
  ::closedir(d);
  return 0;
}

bool TieneSubcarpetas(const QString& carpeta) {
  return QDirIterator(carpeta, QDir::Dirs | QDir::NoDotAndDotDot).hasNext();
}

QString SinBarraFinal(QString ruta) {
  while (ruta.size() > 1 && ruta.endsWith(QLatin1Char('/'))) ruta.chop(1);
  return ruta;
}

}  // namespace

frmExaminar::frmExaminar(Entorno& entorno, Modo modo, const QString& nombreProyecto, QWidget* padre)
    : QDialog(padre), entorno_(entorno), modo_(modo), nombreProyecto_(nombreProyecto) {
  setObjectName("frmExaminar");
  setWindowTitle(QStringLiteral("Examinar"));
  setModal(true);

  drvCarpeta_ = new QComboBox(this);
  drvCarpeta_->setObjectName("drvCarpeta");
  dirCarpeta_ = new QTreeWidget(this);
  dirCarpeta_->setObjectName("dirCarpeta");
  dirCarpeta_->setHeaderHidden(true);
  dirCarpeta_->setColumnCount(1);
  dirCarpeta_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  cmdCrear_ = new QPushButton(QStringLiteral("C&rear >"), this);
  cmdCrear_->setObjectName("cmdCrear");
  cmdCrear_->setAutoDefault(false);
  cmdAceptar_ = new QPushButton(QStringLiteral("Aceptar"), this);
  cmdAceptar_->setObjectName("cmdAceptar");
  cmdAceptar_->setDefault(true);
  cmdCancelar_ = new QPushButton(QStringLiteral("Cancelar"), this);
  cmdCancelar_->setObjectName("cmdCancelar");
  cmdCancelar_->setAutoDefault(false);

  auto* unidad = new QLabel(QStringLiteral("&Unidad:"), this);
  unidad->setBuddy(drvCarpeta_);
  auto* botones = new QVBoxLayout;
  botones->addWidget(cmdAceptar_);
  botones->addWidget(cmdCancelar_);
  botones->addSpacing(12);
  botones->addWidget(cmdCrear_);
  botones->addStretch(1);
  auto* izquierda = new QVBoxLayout;
  izquierda->addWidget(unidad);
  izquierda->addWidget(drvCarpeta_);
  izquierda->addWidget(dirCarpeta_, 1);
  auto* fila = new QHBoxLayout(this);
  fila->addLayout(izquierda, 1);
  fila->addLayout(botones);
  resize(460, 380);

  LlenarUnidades();
  connect(dirCarpeta_, &QTreeWidget::itemExpanded, this, &frmExaminar::Expandir);
  connect(drvCarpeta_, &QComboBox::activated, this, &frmExaminar::CambiarUnidad);
  connect(cmdCrear_, &QPushButton::clicked, this, &frmExaminar::Crear);
  connect(cmdAceptar_, &QPushButton::clicked, this, &frmExaminar::Aceptar);
  connect(cmdCancelar_, &QPushButton::clicked, this, &QDialog::reject);

  IrA(AQt(entorno_.espacio.programa));
}

void frmExaminar::LlenarUnidades() {
  // The mounted volumes stand for drives: each one's root is a place to start from.
  QStringList raices{QStringLiteral("/")};
  for (const QStorageInfo& volumen : QStorageInfo::mountedVolumes()) {
    const QString raiz = volumen.rootPath();
    if (volumen.isValid() && QFileInfo(raiz).isDir() && !raices.contains(raiz)) {
      raices.append(raiz);
    }
  }
  raices.sort();
  for (const QString& raiz : raices) drvCarpeta_->addItem(raiz, raiz);
}

QString frmExaminar::Carpeta() const {
  const QTreeWidgetItem* item = dirCarpeta_->currentItem();
  return item ? item->data(0, kRolRuta).toString() : QString();
}

QTreeWidgetItem* frmExaminar::Hijo(QTreeWidgetItem* padre, const QString& nombre,
                                   const QString& ruta) {
  auto* item = padre ? new QTreeWidgetItem(padre) : new QTreeWidgetItem(dirCarpeta_);
  item->setText(0, nombre);
  item->setData(0, kRolRuta, ruta);
  item->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
  // A placeholder child gives the item its expand mark until it is listed.
  if (TieneSubcarpetas(ruta)) new QTreeWidgetItem(item);
  return item;
}

void frmExaminar::Expandir(QTreeWidgetItem* item) {
  if (item->data(0, kRolLleno).toBool()) return;
  item->setData(0, kRolLleno, true);
  qDeleteAll(item->takeChildren());
  const QString ruta = item->data(0, kRolRuta).toString();
  QDir carpeta(ruta);
  const QStringList nombres =
      carpeta.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QString& nombre : nombres) Hijo(item, nombre, carpeta.filePath(nombre));
}

bool frmExaminar::IrA(const QString& destino) {
  const QString carpeta = SinBarraFinal(QFileInfo(destino).absoluteFilePath());
  if (!QFileInfo(carpeta).isDir() || ErrorAlListar(carpeta) != 0) return false;

  // The drive is the longest volume root that holds the folder.
  int unidad = 0;
  for (int i = 0; i < drvCarpeta_->count(); ++i) {
    const QString raiz = drvCarpeta_->itemData(i).toString();
    const QString prefijo = raiz.endsWith(QLatin1Char('/')) ? raiz : raiz + QLatin1Char('/');
    if ((carpeta == raiz || carpeta.startsWith(prefijo)) &&
        raiz.size() > drvCarpeta_->itemData(unidad).toString().size()) {
      unidad = i;
    }
  }
  drvCarpeta_->setCurrentIndex(unidad);
  unidadActual_ = drvCarpeta_->itemData(unidad).toString();

  dirCarpeta_->clear();
  QTreeWidgetItem* item = Hijo(nullptr, unidadActual_, unidadActual_);
  const QString resto = carpeta.mid(unidadActual_.size());
  for (const QString& parte : resto.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
    item->setExpanded(true);
    QTreeWidgetItem* siguiente = nullptr;
    for (int i = 0; i < item->childCount(); ++i) {
      if (item->child(i)->text(0) == parte) siguiente = item->child(i);
    }
    // A hidden folder on the way is not listed; add it so the path stays whole.
    if (!siguiente)
      siguiente = Hijo(item, parte, QDir(item->data(0, kRolRuta).toString()).filePath(parte));
    item = siguiente;
  }
  item->setExpanded(true);
  dirCarpeta_->setCurrentItem(item);
  dirCarpeta_->scrollToItem(item);
  return true;
}

void frmExaminar::CambiarUnidad(int indice) {
  const QString raiz = drvCarpeta_->itemData(indice).toString();
  if (raiz == unidadActual_) return;
  if (const int e = ErrorAlListar(raiz); e != 0) {
    entorno_.dialogos.Mensaje(
        this, QStringLiteral("Error: %1: %2").arg(e).arg(AQt(SystemErrorText(e))), Icono::kCritico);
    drvCarpeta_->setCurrentIndex(drvCarpeta_->findData(unidadActual_));
    return;
  }
  IrA(raiz);
}

void frmExaminar::Crear() {
  const auto nombre = entorno_.dialogos.PedirTexto(
      this, QStringLiteral("Crear Carpeta"),
      QStringLiteral("Ingrese el nombre de la carpeta que desea crear:"), nombreProyecto_);
  QTreeWidgetItem* actual = dirCarpeta_->currentItem();
  if (!nombre || nombre->isEmpty() || !actual) return;
  // A name with a slash would make a folder somewhere else; like any other failure
  // (the folder exists, no permission) it is ignored.
  if (nombre->contains(QLatin1Char('/')) || *nombre == "." || *nombre == "..") return;
  if (!QDir(Carpeta()).mkdir(*nombre)) return;
  actual->setData(0, kRolLleno, false);
  new QTreeWidgetItem(actual);  // so that Expandir lists it afresh
  if (actual->isExpanded()) {
    Expandir(actual);
  } else {
    actual->setExpanded(true);
  }
  dirCarpeta_->setCurrentItem(actual);
}

void frmExaminar::Aceptar() {
  if (Carpeta().isEmpty()) return;
  if (modo_ == Modo::kCategoria &&
      !FileExists(ARuta(Carpeta()) / PaginaDe(ConstruirCatalogo).archivo)) {
    entorno_.dialogos.Pitido();
    return;
  }
  if (modo_ == Modo::kCarpetaProyecto) RecordarCarpeta(Carpeta());
  accept();
}

}  // namespace vendaluz
