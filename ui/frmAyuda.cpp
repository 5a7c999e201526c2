#include "ui/frmAyuda.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/conversion.h"
#include "ui/direcciones.h"
#include "ui/enlace.h"
#include "ui/frmAcerca.h"
#include "ui/logo.h"

namespace vendaluz {

frmAyuda::frmAyuda(Abridor& abridor, QWidget* padre) : QDialog(padre) {
  setObjectName("frmAyuda");
  setWindowTitle(QStringLiteral("Ayuda"));
  setModal(true);
  setSizeGripEnabled(true);

  auto* guia = new QTextBrowser(this);
  guia->setObjectName("txtGuia");
  // Links inside the guide move within it; any other address goes to the desktop.
  guia->setOpenLinks(false);
  guia->setSource(QUrl(QStringLiteral("qrc:/guia/guia.html")), QTextDocument::HtmlResource);
  connect(guia, &QTextBrowser::anchorClicked, this, [guia, &abridor](const QUrl& url) {
    if (url.scheme().isEmpty() || url.scheme() == QLatin1String("qrc")) {
      guia->scrollToAnchor(url.fragment());
    } else {
      abridor.Abrir(AStd(url.toString()));
    }
  });

  auto* imagen = new QLabel(this);
  imagen->setPixmap(LogoVendaluz(64));
  auto* version = new QLabel(QStringLiteral("Vendaluz https v%1.%2")
                                 .arg(VENDALUZ_VERSION_MAJOR)
                                 .arg(VENDALUZ_VERSION_MINOR),
                             this);
  version->setObjectName("lblVersion");
  QFont negrita = version->font();
  negrita.setBold(true);
  version->setFont(negrita);
  auto* texto = new QLabel(
      QStringLiteral("¿Tiene dudas sobre cómo armar su tienda? Pregunte en la sección de "
                     "comercio electrónico de nuestro foro: allí otros comerciantes y el equipo "
                     "de Vendaluz responden a diario. Si necesita adaptar Vendaluz a su negocio, "
                     "escríbanos y lo conversamos."),
      this);
  texto->setObjectName("lblTexto");
  texto->setWordWrap(true);
  auto* seccion = new QLabel(QStringLiteral("Foro Vendaluz, sección Comercio electrónico:"), this);
  auto* foro = new Enlace(QString::fromUtf8(kForo), QString::fromUtf8(kForo), abridor, this);
  foro->setObjectName("lblForo");
  auto* correo = new Enlace(QString::fromUtf8(kCorreo),
                            QStringLiteral("mailto:") + QString::fromUtf8(kCorreo), abridor, this);
  correo->setObjectName("lblEmail");

  auto* cmdAcerca = new QPushButton(QStringLiteral("&Acerca de Vendaluz..."), this);
  cmdAcerca->setObjectName("cmdAcerca");
  connect(cmdAcerca, &QPushButton::clicked, this, [this, &abridor] {
    frmAcerca acerca(abridor, this);
    acerca.exec();
  });
  auto* cmdCancelar = new QPushButton(QStringLiteral("Cerrar"), this);
  cmdCancelar->setObjectName("cmdCancelar");
  cmdCancelar->setDefault(true);
  connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::accept);

  auto* contacto = new QGridLayout;
  contacto->addWidget(imagen, 0, 0, 4, 1, Qt::AlignTop);
  contacto->addWidget(version, 0, 1, 1, 2);
  contacto->addWidget(texto, 1, 1, 1, 2);
  contacto->addWidget(seccion, 2, 1);
  contacto->addWidget(foro, 2, 2);
  contacto->addWidget(correo, 3, 1, 1, 2);
  contacto->setColumnStretch(2, 1);
  auto* botones = new QHBoxLayout;
  botones->addStretch(1);
  botones->addWidget(cmdAcerca);
  botones->addWidget(cmdCancelar);
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(guia, 1);
  columna->addLayout(contacto);
  columna->addLayout(botones);
  resize(680, 640);
  guia->setFocus();
}

}  // namespace vendaluz
