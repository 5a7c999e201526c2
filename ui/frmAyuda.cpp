#include "ui/frmAyuda.h"

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

frmAyuda::frmAyuda(Abridor& abridor, QWidget* padre) : QDialog(padre) {
  setObjectName("frmAyuda");
  setWindowTitle(QStringLiteral("Ayuda"));
  setModal(true);

  auto* imagen = new QLabel(this);
  imagen->setPixmap(LogoVendaluz(96));
  auto* version = new QLabel(QStringLiteral("Vendaluz https v%1.%2")
                                 .arg(VENDALUZ_VERSION_MAJOR)
                                 .arg(VENDALUZ_VERSION_MINOR),
                             this);
  version->setObjectName("lblVersion");
  QFont grande = version->font();
  grande.setBold(true);
  grande.setPointSizeF(grande.pointSizeF() * 1.4);
  version->setFont(grande);
  auto* texto = new QLabel(
      QStringLiteral("¿Tiene dudas sobre cómo armar su tienda? Pregunte en la sección de "
                     "comercio electrónico de nuestro foro: allí otros comerciantes y el equipo "
                     "de Vendaluz responden a diario. Si necesita adaptar Vendaluz a su negocio, "
                     "escríbanos y lo conversamos."),
      this);
  texto->setObjectName("lblTexto");
  texto->setWordWrap(true);
  texto->setFixedWidth(kAnchoTexto);
  auto* seccion = new QLabel(QStringLiteral("Foro Vendaluz, sección Comercio electrónico:"), this);
  auto* foro = new Enlace(QString::fromUtf8(kForo), QString::fromUtf8(kForo), abridor, this);
  foro->setObjectName("lblForo");
  auto* correo = new Enlace(QString::fromUtf8(kCorreo),
                            QStringLiteral("mailto:") + QString::fromUtf8(kCorreo), abridor, this);
  correo->setObjectName("lblEmail");
  auto* cmdCancelar = new QPushButton(QStringLiteral("Cerrar"), this);
  cmdCancelar->setObjectName("cmdCancelar");
  cmdCancelar->setDefault(true);
  connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::accept);

  auto* rejilla = new QGridLayout(this);
  rejilla->addWidget(imagen, 0, 0, 5, 1, Qt::AlignTop);
  rejilla->addWidget(version, 0, 1);
  rejilla->addWidget(texto, 1, 1);
  rejilla->addWidget(seccion, 2, 1);
  rejilla->addWidget(foro, 3, 1);
  rejilla->addWidget(correo, 4, 1);
  rejilla->addWidget(cmdCancelar, 5, 1, Qt::AlignRight);
  rejilla->setColumnStretch(1, 1);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace vendaluz
