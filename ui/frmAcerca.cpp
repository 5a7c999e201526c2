#include "ui/frmAcerca.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/direcciones.h"
#include "ui/enlace.h"
#include "ui/logo.h"

namespace vendaluz {
namespace {

// Wrapped lines need a fixed width for the box to get its height right.
constexpr int kAnchoTexto = 330;

}  // namespace

frmAcerca::frmAcerca(Abridor& abridor, QWidget* padre) : QDialog(padre) {
  setObjectName("frmAcerca");
  setWindowTitle(QStringLiteral("Acerca de Vendaluz v%1.%2")
                     .arg(VENDALUZ_VERSION_MAJOR)
                     .arg(VENDALUZ_VERSION_MINOR));
  setModal(true);

  auto* imagen = new QLabel(this);
  imagen->setPixmap(LogoVendaluz(96));
  auto* version = new QLabel(QStringLiteral("Vendaluz https v1.0.2"), this);
  version->setObjectName("lblVersion");
  QFont grande = version->font();
  grande.setBold(true);
  grande.setPointSizeF(grande.pointSizeF() * 1.4);
  version->setFont(grande);
  auto* creditos = new QLabel(
      QStringLiteral("Tiendas virtuales hechas a mano por el equipo de Vendaluz, para quienes "
                     "venden sin escribir una línea de código."),
      this);
  creditos->setObjectName("lblCreditos");
  creditos->setWordWrap(true);
  creditos->setFixedWidth(kAnchoTexto);
  auto* aviso = new QLabel(
      QStringLiteral("Este programa se entrega tal como es, sin garantía de ningún tipo. "
                     "Revise su tienda antes de publicarla."),
      this);
  aviso->setObjectName("lblAviso");
  aviso->setWordWrap(true);
  aviso->setFixedWidth(kAnchoTexto);
  auto* web = new Enlace(QString::fromUtf8(kSitioWeb), QString::fromUtf8(kSitioWeb), abridor, this);
  web->setObjectName("lblWeb");
  auto* cmdCancelar = new QPushButton(QStringLiteral("Cerrar"), this);
  cmdCancelar->setObjectName("cmdCancelar");
  cmdCancelar->setDefault(true);
  connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::accept);

  auto* rejilla = new QGridLayout(this);
  rejilla->addWidget(imagen, 0, 0, 4, 1, Qt::AlignTop);
  rejilla->addWidget(version, 0, 1);
  rejilla->addWidget(creditos, 1, 1);
  rejilla->addWidget(aviso, 2, 1);
  rejilla->addWidget(web, 3, 1);
  rejilla->addWidget(cmdCancelar, 4, 1, Qt::AlignRight);
  rejilla->setColumnStretch(1, 1);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace vendaluz
