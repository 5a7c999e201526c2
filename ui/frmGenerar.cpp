#include "ui/frmGenerar.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "generator/generador.h"
#include "platform/error.h"
#include "ui/conversion.h"

namespace vendaluz {

frmGenerar::frmGenerar(const Proyecto& p, Entorno& entorno, PreviewServer& servidor, QWidget* padre)
    : QDialog(padre), entorno_(entorno), servidor_(servidor) {
  setObjectName("frmGenerar");
  setWindowTitle(
      QStringLiteral("Vendaluz v%1.%2").arg(VENDALUZ_VERSION_MAJOR).arg(VENDALUZ_VERSION_MINOR));
  setModal(true);

  lblGenerar_ = new QLabel(this);
  lblGenerar_->setObjectName("lblGenerar");
  lblGenerar_->setWordWrap(true);
  lblGenerar_->setMinimumWidth(380);
  lblGenerar_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  barG_ = new QProgressBar(this);
  barG_->setObjectName("barG");
  barG_->setTextVisible(false);
  barG_->setRange(0, PasosTienda());
  barG_->setValue(0);
  cmdCancelar_ = new QPushButton(QStringLiteral("Cancelar"), this);
  cmdCancelar_->setObjectName("cmdCancelar");
  cmdVista_ = new QPushButton(QStringLiteral("&Vista Previa"), this);
  cmdVista_->setObjectName("cmdVista");
  cmdVista_->setToolTip(QStringLiteral("Vista previa"));
  cmdCancelar_->setEnabled(false);
  cmdVista_->setEnabled(false);
  // The preview's address, while the server serves this store.
  txtDireccion_ = new QLineEdit(this);
  txtDireccion_->setObjectName("txtDireccion");
  txtDireccion_->setReadOnly(true);
  lblDireccion_ = new QLabel(QStringLiteral("&Dirección:"), this);
  lblDireccion_->setBuddy(txtDireccion_);
  MostrarDireccion({});

  auto* botones = new QHBoxLayout;
  botones->addStretch(1);
  botones->addWidget(cmdVista_);
  botones->addWidget(cmdCancelar_);
  auto* direccion = new QHBoxLayout;
  direccion->addWidget(lblDireccion_);
  direccion->addWidget(txtDireccion_, 1);
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(lblGenerar_);
  columna->addWidget(barG_);
  columna->addLayout(direccion);
  columna->addLayout(botones);
  columna->setSizeConstraint(QLayout::SetMinimumSize);

  connect(cmdCancelar_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdVista_, &QPushButton::clicked, this, &frmGenerar::VistaPrevia);

  // Every call of the run reaches the window through its event loop; the replace
  // question waits for the answer.
  LlamadasGenerador llamadas;
  llamadas.estado = [this](const std::string& texto) {
    QMetaObject::invokeMethod(
        this, [this, t = AQt(texto)] { lblGenerar_->setText(t); }, Qt::AutoConnection);
  };
  llamadas.progreso = [this](int minimo, int maximo, int valor) {
    QMetaObject::invokeMethod(
        this,
        [this, minimo, maximo, valor] {
          barG_->setRange(minimo, maximo);
          barG_->setValue(valor);
        },
        Qt::QueuedConnection);
  };
  llamadas.preguntarReemplazo = [this](const PreguntaCarpeta& pregunta) {
    bool reemplazar = false;
    QMetaObject::invokeMethod(
        this,
        [this, &reemplazar, texto = AQt(pregunta.texto)] {
          reemplazar = entorno_.dialogos.Preguntar(this, texto, Botones::kSiNo) == Respuesta::kSi;
        },
        Qt::BlockingQueuedConnection);
    return reemplazar;
  };
  // The message is shown when the run has ended (Fin), so that the window closes
  // right after it and not while it is open.
  llamadas.error = [this](const Error& e) {
    QMetaObject::invokeMethod(
        this, [this, m = AQt(e.Mensaje())] { error_ = m; }, Qt::QueuedConnection);
  };
  generador_ = std::make_unique<Generador>(p, entorno_.espacio, std::move(llamadas));

  tmrInicio_ = new QTimer(this);
  tmrInicio_->setObjectName("tmrInicio");
  tmrInicio_->setSingleShot(true);
  tmrInicio_->setTimerType(Qt::PreciseTimer);
  tmrInicio_->setInterval(kEspera);
  connect(tmrInicio_, &QTimer::timeout, this, &frmGenerar::Iniciar);
}

frmGenerar::~frmGenerar() {
  // The window is only closed once the run is over, but a run must never outlive
  // the generator it works in.
  if (hilo_.joinable()) hilo_.join();
}

void frmGenerar::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  // One run per opening of the window.
  if (!iniciado_) {
    iniciado_ = true;
    trabajando_ = true;
    tmrInicio_->start();
  }
}

void frmGenerar::Iniciar() {
  hilo_ = std::thread([this] {
    const ResultadoGeneracion r = generador_->Ejecutar();
    QMetaObject::invokeMethod(
        this, [this, r] { Fin(static_cast<int>(r)); }, Qt::QueuedConnection);
  });
}

void frmGenerar::Fin(int resultado) {
  if (hilo_.joinable()) hilo_.join();
  trabajando_ = false;
  switch (static_cast<ResultadoGeneracion>(resultado)) {
    case ResultadoGeneracion::kCreada:
    case ResultadoGeneracion::kCreadaConProblemas:
      cmdCancelar_->setText(QStringLiteral("Cerrar"));
      cmdCancelar_->setEnabled(true);
      cmdVista_->setEnabled(true);
      cmdCancelar_->setDefault(true);
      cmdCancelar_->setFocus();
      emit terminado(generador_->Carpeta());
      break;
    case ResultadoGeneracion::kInterrumpida:
      cmdCancelar_->setEnabled(true);
      cmdCancelar_->setDefault(true);
      cmdCancelar_->setFocus();
      emit interrumpido();
      break;
    case ResultadoGeneracion::kFallida:
      entorno_.dialogos.Mensaje(this, error_, Icono::kCritico);
      QDialog::reject();
      break;
  }
}

void frmGenerar::VistaPrevia() {
  const std::filesystem::path pagina = generador_->PrimeraPagina();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(pagina, ec)) return;
  QString direccion;
  try {
    direccion = AQt(servidor_.Address(pagina.parent_path(), pagina.filename().string()));
  } catch (const Error& e) {
    MostrarDireccion({});
    entorno_.dialogos.Mensaje(
        this, QStringLiteral("No se pudo abrir la vista previa.\n\n") + AQt(e.descripcion()),
        Icono::kCritico);
    return;
  }
  MostrarDireccion(direccion);
  if (!entorno_.abridor.Abrir(AStd(direccion))) {
    entorno_.dialogos.Mensaje(this,
                              QStringLiteral("No se pudo abrir el navegador. Abra esta dirección "
                                             "en su navegador: ") +
                                  direccion,
                              Icono::kAdvertencia);
    // Ready to be copied with Ctrl+C.
    txtDireccion_->setFocus();
    txtDireccion_->selectAll();
  }
}

void frmGenerar::MostrarDireccion(const QString& direccion) {
  txtDireccion_->setText(direccion);
  txtDireccion_->setCursorPosition(0);
  txtDireccion_->setVisible(!direccion.isEmpty());
  lblDireccion_->setVisible(!direccion.isEmpty());
}

void frmGenerar::reject() {
  if (trabajando_) return;  // a run cannot be cancelled once the window is open
  QDialog::reject();
}

void frmGenerar::closeEvent(QCloseEvent* evento) {
  if (trabajando_) {
    evento->ignore();
    return;
  }
  QDialog::closeEvent(evento);
}

}  // namespace vendaluz
