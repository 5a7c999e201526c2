#include "ui/frmPrincipal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "generator/carpeta_tienda.h"
#include "model/archivo_proyecto.h"
#include "model/reglas.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/preview_server.h"
#include "platform/text.h"
#include "ui/barra_estado.h"
#include "ui/conversion.h"
#include "ui/frmAcerca.h"
#include "ui/frmAyuda.h"
#include "ui/frmCategoria.h"
#include "ui/frmGenerar.h"
#include "ui/frmReporte.h"
#include "ui/logo.h"
#include "ui/pagina_carrito.h"
#include "ui/pagina_formato.h"
#include "ui/pagina_formulario.h"
#include "ui/pagina_generar.h"
#include "ui/pagina_inicio.h"
#include "ui/pagina_meta_tags.h"
#include "ui/pagina_servidor.h"
#include "ui/productos_hoja.h"
#include "ui/recuerdos.h"

namespace vendaluz {
namespace {

const QString kFiltroProyectos = QStringLiteral("Proyecto Vendaluz (*.ini)");
constexpr int kPaginaGenerar = 6;

}  // namespace

frmPrincipal::frmPrincipal(Entorno& entorno, QWidget* padre)
    : QMainWindow(padre), entorno_(entorno), servidor_(std::make_unique<PreviewServer>()) {
  setObjectName("frmPrincipal");
  setWindowTitle(QStringLiteral("Vendaluz"));
  setWindowIcon(QIcon(LogoVendaluz(64)));
  CrearAcciones();
  CrearMenus();
  CrearBarra();
  CrearPaginas();
  barraEstado_ = new BarraEstado(this);
  setStatusBar(barraEstado_);

  tmrProgreso_ = new QTimer(this);
  tmrProgreso_->setObjectName("tmrProgreso");
  tmrProgreso_->setInterval(20);
  connect(tmrProgreso_, &QTimer::timeout, this, &frmPrincipal::PasoProgreso);

  Inicio();
  LlenarMenu();
  qApp->installEventFilter(this);
  if (!FileExists(entorno_.espacio.proyectos)) {
    std::error_code ec;
    std::filesystem::create_directories(entorno_.espacio.proyectos, ec);
  }
  barProgreso_->setRange(0, 100);
  barProgreso_->setValue(0);
  mnuGenerar_->setEnabled(false);
  resize(780, 560);
  RestaurarVentana(*this);
}

frmPrincipal::~frmPrincipal() = default;

void frmPrincipal::CrearAcciones() {
  auto accion = [this](const char* nombre, const QString& texto, const QKeySequence& tecla = {}) {
    auto* a = new QAction(texto, this);
    a->setObjectName(nombre);
    a->setShortcut(tecla);
    return a;
  };
  QStyle* s = style();
  mnuNuevoPro_ = accion("mnuNuevoPro", QStringLiteral("&Nuevo Proyecto"), QKeySequence("Ctrl+N"));
  mnuNuevoPro_->setToolTip(QStringLiteral("Nuevo Proyecto"));
  mnuNuevoPro_->setIcon(s->standardIcon(QStyle::SP_FileIcon));
  mnuAbrirPro_ = accion("mnuAbrirPro", QStringLiteral("&Abrir Proyecto"), QKeySequence("Ctrl+A"));
  mnuAbrirPro_->setToolTip(QStringLiteral("Abrir Proyecto"));
  mnuAbrirPro_->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
  mnuGuardarPro_ = accion("mnuGuardarPro", QStringLiteral("Guardar como..."));
  mnuGuardarPro_->setToolTip(QStringLiteral("Guardar Proyecto"));
  mnuGuardarPro_->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
  // "Salir" keeps Ctrl+S, as the program's users know it; the exit asks to save.
  mnuSalir_ = accion("mnuSalir", QStringLiteral("&Salir"), QKeySequence("Ctrl+S"));

  // The entries follow the settings that make their editors meaningful (pictures on,
  // the stylesheet switched on, the server option), see MostrarHabilitados.
  mnuHojaEstilo_ = accion("mnuHojaEstilo", QStringLiteral("Hoja de Estilo"));
  mnuCamposOcultos_ = accion("mnuCamposOcultos", QStringLiteral("Campos Ocultos"));
  mnuCGI_ = accion("mnuCGI", QStringLiteral("CGI"));
  mnuASP_ = accion("mnuASP", QStringLiteral("ASP"));
  mnuImagenes_ = accion("mnuImagenes", QStringLiteral("Imágenes"));
  mnuPopup_ = accion("mnuPopup", QStringLiteral("Ventana Pop-up"));
  for (QAction* a :
       {mnuHojaEstilo_, mnuCamposOcultos_, mnuCGI_, mnuASP_, mnuImagenes_, mnuPopup_}) {
    a->setEnabled(false);
  }

  mnuImportarProductos_ = accion("mnuImportarProductos", QStringLiteral("&Importar productos..."));
  mnuExportarProductos_ = accion("mnuExportarProductos", QStringLiteral("E&xportar productos..."));
  mnuReporte_ = accion("mnuReporte", QStringLiteral("&Reporte"), QKeySequence("Ctrl+R"));
  mnuGenerar_ = accion("mnuGenerar", QStringLiteral("&Generar Proyecto"), QKeySequence("Ctrl+G"));
  mnuVerBarra_ = accion("mnuVerBarra", QStringLiteral("Barra de Herramientas"));
  mnuVerBarra_->setCheckable(true);
  mnuVerBarra_->setChecked(true);
  mnuBarraEstado_ = accion("mnuBarraEstado", QStringLiteral("Barra de Estado"));
  mnuBarraEstado_->setCheckable(true);
  mnuBarraEstado_->setChecked(true);
  mnuAyuda_ = accion("mnuAyuda", QStringLiteral("Archivo de Ayuda"));
  mnuAyuda_->setToolTip(QStringLiteral("Ayuda"));
  mnuAyuda_->setIcon(s->standardIcon(QStyle::SP_MessageBoxQuestion));
  mnuAcerca_ = accion("mnuAcerca", QStringLiteral("Acerca de..."));
  mnuAcerca_->setToolTip(QStringLiteral("Acerca de"));
  mnuAcerca_->setIcon(s->standardIcon(QStyle::SP_MessageBoxInformation));
  tbGenerar_ = accion("tbGenerar", QStringLiteral("Generar Proyecto"));
  tbGenerar_->setIcon(s->standardIcon(QStyle::SP_DialogApplyButton));

  connect(mnuNuevoPro_, &QAction::triggered, this, &frmPrincipal::NuevoProyecto);
  connect(mnuAbrirPro_, &QAction::triggered, this, &frmPrincipal::AbrirProyecto);
  connect(mnuGuardarPro_, &QAction::triggered, this, &frmPrincipal::GuardarProyecto);
  connect(mnuSalir_, &QAction::triggered, this, &QWidget::close);
  connect(mnuImportarProductos_, &QAction::triggered, this, &frmPrincipal::ImportarProductos);
  connect(mnuExportarProductos_, &QAction::triggered, this, &frmPrincipal::ExportarProductos);
  connect(mnuReporte_, &QAction::triggered, this, &frmPrincipal::MostrarReporte);
  connect(mnuGenerar_, &QAction::triggered, this, &frmPrincipal::Generar);
  connect(tbGenerar_, &QAction::triggered, this, &frmPrincipal::MostrarReporte);
  connect(mnuVerBarra_, &QAction::toggled, this, &frmPrincipal::VerBarra);
  connect(mnuBarraEstado_, &QAction::toggled, this, &frmPrincipal::VerBarraEstado);
  connect(mnuAyuda_, &QAction::triggered, this, &frmPrincipal::MostrarAyuda);
  connect(mnuAcerca_, &QAction::triggered, this, &frmPrincipal::MostrarAcerca);
}

void frmPrincipal::CrearMenus() {
  QMenu* archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
  archivo->setObjectName("mnuArchivo");
  archivo->addAction(mnuNuevoPro_);
  archivo->addAction(mnuAbrirPro_);
  archivo->addSeparator();
  archivo->addAction(mnuGuardarPro_);
  archivo->addSeparator();
  archivo->addAction(mnuSalir_);

  QMenu* proyecto = menuBar()->addMenu(QStringLiteral("&Proyecto"));
  menuProyecto_ = proyecto;
  proyecto->setObjectName("mnuProyecto");
  QMenu* editar = proyecto->addMenu(QStringLiteral("Editar"));
  editar->setObjectName("mnuEditar");
  editar->addActions({mnuHojaEstilo_, mnuCamposOcultos_, mnuCGI_, mnuASP_});
  QMenu* opciones = proyecto->addMenu(QStringLiteral("Opciones"));
  opciones->setObjectName("mnuOpciones");
  opciones->addActions({mnuImagenes_, mnuPopup_});
  proyecto->addSeparator();
  proyecto->addActions({mnuImportarProductos_, mnuExportarProductos_});
  proyecto->addSeparator();
  proyecto->addAction(mnuReporte_);
  proyecto->addSeparator();
  proyecto->addAction(mnuGenerar_);

  QMenu* ver = menuBar()->addMenu(QStringLiteral("&Ver"));
  ver->setObjectName("mnuVer");
  ver->addAction(mnuVerBarra_);
  ver->addAction(mnuBarraEstado_);

  QMenu* ayuda = menuBar()->addMenu(QStringLiteral("Ay&uda"));
  ayuda->setObjectName("mnuAyudaMenu");
  ayuda->addAction(mnuAyuda_);
  ayuda->addSeparator();
  ayuda->addAction(mnuAcerca_);
}

void frmPrincipal::CrearBarra() {
  tbBarra_ = addToolBar(QStringLiteral("Barra de Herramientas"));
  tbBarra_->setObjectName("tbBarra");
  tbBarra_->setMovable(false);
  // The "Ver" menu alone shows and hides the bar, so its check mark stays true.
  tbBarra_->toggleViewAction()->setVisible(false);
  tbBarra_->setContextMenuPolicy(Qt::PreventContextMenu);

  auto boton = [this](QAction* accion, const char* clave) {
    tbBarra_->addAction(accion);
    QWidget* w = tbBarra_->widgetForAction(accion);
    w->setObjectName(clave);
    return qobject_cast<QToolButton*>(w);
  };
  boton(mnuNuevoPro_, "nuevo");
  QToolButton* abrir = boton(mnuAbrirPro_, "abrir");
  menuProyectos_ = new QMenu(abrir);
  menuProyectos_->setObjectName("mnuProyectos");
  abrir->setMenu(menuProyectos_);
  abrir->setPopupMode(QToolButton::MenuButtonPopup);
  boton(mnuGuardarPro_, "guardar");
  tbBarra_->addSeparator();
  boton(tbGenerar_, "generar");
  tbBarra_->addSeparator();
  boton(mnuAyuda_, "ayuda");
  boton(mnuAcerca_, "acerca");

  auto* relleno = new QWidget(tbBarra_);
  relleno->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  tbBarra_->addWidget(relleno);
  barProgreso_ = new QProgressBar(tbBarra_);
  barProgreso_->setObjectName("barProgreso");
  barProgreso_->setTextVisible(false);
  barProgreso_->setMaximumWidth(160);
  // Shown only while a file is read or written: at rest it would look like a box.
  accionProgreso_ = tbBarra_->addWidget(barProgreso_);
  accionProgreso_->setObjectName("accionProgreso");
  accionProgreso_->setVisible(false);
}

void frmPrincipal::CrearPaginas() {
  SSTab_ = new QTabWidget(this);
  SSTab_->setObjectName("SSTab");
  paginaInicio_ = new PaginaInicio(p_, entorno_, SSTab_);
  paginaFormato_ = new PaginaFormato(p_, entorno_.dialogos, SSTab_);
  paginaMetaTags_ = new PaginaMetaTags(p_, SSTab_);
  paginaCarrito_ = new PaginaCarrito(p_, entorno_.dialogos, SSTab_);
  paginaFormulario_ = new PaginaFormulario(p_, SSTab_);
  paginaServidor_ = new PaginaServidor(p_, entorno_.dialogos, SSTab_);
  paginaGenerar_ = new PaginaGenerar(p_, entorno_, SSTab_);
  const std::pair<QWidget*, const char*> paginas[] = {
      {paginaInicio_, " Inicio "},         {paginaFormato_, " Formato "},
      {paginaMetaTags_, " Meta Tags "},    {paginaCarrito_, " Carrito "},
      {paginaFormulario_, " Formulario "}, {paginaServidor_, " Servidor "},
      {paginaGenerar_, " Generar "},
  };
  for (const auto& [pagina, titulo] : paginas) {
    pagina->setObjectName(QStringLiteral("Bloque%1").arg(SSTab_->count()));
    SSTab_->addTab(pagina, QString::fromUtf8(titulo));
  }
  setCentralWidget(SSTab_);

  connect(SSTab_, &QTabWidget::currentChanged, this, &frmPrincipal::CambioPagina);
  connect(paginaInicio_, &PaginaInicio::nombreCambiado, this, &frmPrincipal::NombreCambiado);
  connect(paginaCarrito_, &PaginaCarrito::imagenCambiada, this, [this] {
    MostrarHabilitados();
    paginaGenerar_->MostrarCarpetas();
  });
  connect(paginaCarrito_, &PaginaCarrito::opcionesImagenCambiadas, paginaGenerar_,
          &PaginaGenerar::MostrarCarpetas);
  connect(paginaCarrito_, &PaginaCarrito::menuPedido, this,
          [this](const QPoint& donde) { menuProyecto_->popup(donde); });
  connect(mnuImagenes_, &QAction::triggered, paginaCarrito_, &PaginaCarrito::AbrirImagenes);
  connect(mnuPopup_, &QAction::triggered, paginaCarrito_, &PaginaCarrito::AbrirOpciones);
  connect(paginaServidor_, &PaginaServidor::opcionesCambiadas, this,
          &frmPrincipal::MostrarHabilitados);
  connect(paginaFormato_, &PaginaFormato::cssCambiado, this, &frmPrincipal::MostrarHabilitados);
  connect(mnuHojaEstilo_, &QAction::triggered, paginaFormato_, &PaginaFormato::AbrirCSS);
  connect(mnuCGI_, &QAction::triggered, paginaServidor_, &PaginaServidor::AbrirCGI);
  connect(mnuASP_, &QAction::triggered, paginaServidor_, &PaginaServidor::AbrirASP);
  connect(mnuCamposOcultos_, &QAction::triggered, paginaServidor_, &PaginaServidor::AbrirCampos);
  connect(paginaGenerar_, &PaginaGenerar::reportePedido, this, &frmPrincipal::MostrarReporte);
  connect(paginaGenerar_, &PaginaGenerar::generarPedido, this, &frmPrincipal::Generar);
  connect(paginaGenerar_, &PaginaGenerar::categoriaPedida, this, &frmPrincipal::MostrarCategoria);
}

// ---- Project commands ----

void frmPrincipal::Inicio() {
  vendaluz::NuevoProyecto(p_, contador_, entorno_.espacio.proyectos.string());
  rutaActual_.clear();
  MostrarProyecto();
  MarcarGuardado();
}

void frmPrincipal::NuevoProyecto() {
  if (!PreguntarGuardar()) return;
  Inicio();
  paginaGenerar_->MostrarCarpetas();
}

void frmPrincipal::AbrirProyecto() {
  if (!PreguntarGuardar()) return;
  const QString carpeta = AQt(p_.inicio.Carpeta);
  const auto ruta = entorno_.dialogos.ArchivoParaAbrir(
      this, QStringLiteral("Abrir Proyecto"),
      rutaActual_.empty() ? UltimaCarpeta(carpeta) : carpeta, kFiltroProyectos);
  if (!ruta) return;
  AbrirArchivo(ARuta(*ruta));
}

void frmPrincipal::AbrirDeLista(const std::filesystem::path& ruta) {
  if (!PreguntarGuardar()) return;
  AbrirArchivo(ruta);
}

void frmPrincipal::AbrirArchivo(const std::filesystem::path& ruta) {
  // Read into a copy: a file that cannot be read leaves the open project as it was.
  Proyecto leido;
  leido.txtCantProd = p_.txtCantProd;
  try {
    CargarProyecto(ruta, leido, entorno_.espacio.proyectos.string());
  } catch (const Error& e) {
    entorno_.dialogos.Mensaje(
        this, QStringLiteral("No se pudo abrir el proyecto.\n\n") + AQt(e.descripcion()),
        Icono::kCritico);
    LlenarMenu();  // the list may name a file that is gone
    return;
  }
  p_ = std::move(leido);
  rutaActual_ = ruta;
  RecordarCarpeta(AQt(ruta.parent_path().string()));
  MostrarProyecto();
  MarcarGuardado();
  IniciarProgreso();
  paginaGenerar_->MostrarCarpetas();
}

bool frmPrincipal::GuardarProyecto() {
  if (p_.inicio.Nombre.empty()) return false;
  return Guardar() == Guardado::kHecho;
}

frmPrincipal::Guardado frmPrincipal::Guardar() {
  // Where the project's file is, with its name, so that Enter saves over it.
  const bool conArchivo = !rutaActual_.empty();
  const auto elegida = entorno_.dialogos.ArchivoParaGuardar(
      this, QStringLiteral("Guardar Proyecto"),
      AQt(conArchivo ? rutaActual_.parent_path().string() : p_.inicio.Carpeta),
      AQt(conArchivo ? rutaActual_.filename().string() : p_.inicio.Nombre), kFiltroProyectos);
  if (!elegida) return Guardado::kCancelado;
  std::filesystem::path ruta = ARuta(*elegida);
  // Only .ini files appear in the project list and the open dialog.
  const std::string nombre = ruta.filename().string();
  if (nombre.size() < 4 || !EqualsIgnoreCase(nombre.substr(nombre.size() - 4), ".ini")) {
    ruta += ".ini";
  }
  if (EsCarpetaDeTienda(ruta.parent_path())) {
    entorno_.dialogos.Mensaje(
        this,
        QStringLiteral("No se guardó el proyecto: «%1» es la carpeta de una tienda generada, "
                       "que cada generación reemplaza. Guárdelo en otra carpeta, por ejemplo "
                       "«%2».")
            .arg(AQt(ruta.parent_path().string()), AQt(entorno_.espacio.proyectos.string())),
        Icono::kAdvertencia);
    return Guardado::kFallido;
  }

  IniciarProgreso();
  try {
    vendaluz::GuardarProyecto(p_, ruta);
  } catch (const Error& e) {
    tmrProgreso_->stop();
    barProgreso_->setValue(barProgreso_->minimum());
    accionProgreso_->setVisible(false);
    entorno_.dialogos.Mensaje(
        this, QStringLiteral("No se pudo guardar el proyecto.\n\n") + AQt(e.descripcion()),
        Icono::kCritico);
    return Guardado::kFallido;
  }
  rutaActual_ = ruta;
  RecordarCarpeta(AQt(ruta.parent_path().string()));
  MarcarGuardado();
  barProgreso_->setValue(barProgreso_->maximum());
  barraEstado_->showMessage(QStringLiteral("Proyecto guardado en %1").arg(AQt(ruta.string())));
  LlenarMenu();
  return Guardado::kHecho;
}

bool frmPrincipal::PreguntarGuardar() {
  if (!HayCambios()) return true;
  const Respuesta r = entorno_.dialogos.Preguntar(
      this, QStringLiteral("¿Guardar los cambios realizados a %1?").arg(NombreMostrado()),
      Botones::kSiNoCancelar);
  switch (r) {
    case Respuesta::kNo:
      return true;
    case Respuesta::kCancelar:
      return false;
    case Respuesta::kSi:
      break;
  }
  // A failed or cancelled save stops the command: the changes are still unsaved.
  return Guardar() == Guardado::kHecho;
}

bool frmPrincipal::HayCambios() const {
  // The category dialog's values are not kept in the file.
  Proyecto ahora = p_;
  ahora.categoriaArchivo = guardado_.categoriaArchivo;
  ahora.categoriaCarpeta = guardado_.categoriaCarpeta;
  ahora.categoriaOpcion = guardado_.categoriaOpcion;
  return ahora != guardado_;
}

void frmPrincipal::MarcarGuardado() {
  guardado_ = p_;
  MostrarTitulo();
}

bool frmPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
  const QEvent::Type t = evento->type();
  if (t == QEvent::KeyRelease || t == QEvent::MouseButtonRelease) {
    // Once the key or click has done its work.
    QTimer::singleShot(0, this, [this] {
      if (HayCambios() != conCambios_) MostrarTitulo();
    });
  }
  return QMainWindow::eventFilter(objeto, evento);
}

void frmPrincipal::LlenarMenu() {
  // The entries are deleted later: this can run inside the handler of one of them.
  for (QAction* a : menuProyectos_->actions()) {
    menuProyectos_->removeAction(a);
    a->deleteLater();
  }
  for (const EntradaProyecto& entrada : ListarProyectos(entorno_.espacio.proyectos)) {
    QString texto = AQt(entrada.nombre);
    texto.replace(QLatin1Char('&'), QStringLiteral("&&"));
    auto* a = new QAction(texto, menuProyectos_);
    const std::filesystem::path ruta = entrada.ruta;
    connect(a, &QAction::triggered, this, [this, ruta] { AbrirDeLista(ruta); });
    menuProyectos_->addAction(a);
  }
}

// ---- Window state ----

void frmPrincipal::MostrarProyecto() {
  paginaGenerar_->Limpiar();
  HabilitarGenerar(false);
  paginaInicio_->Mostrar();
  paginaFormato_->Mostrar();
  paginaMetaTags_->Mostrar();
  paginaCarrito_->Mostrar();
  paginaFormulario_->Mostrar();
  paginaServidor_->Mostrar();
  paginaGenerar_->Mostrar();
  MostrarHabilitados();
  NombreCambiado();
}

void frmPrincipal::MostrarHabilitados() {
  const bool imagenes = p_.productosImagen == 1;
  mnuImagenes_->setEnabled(imagenes);
  mnuPopup_->setEnabled(imagenes);
  mnuHojaEstilo_->setEnabled(p_.formato.CSS == 1);
  // The script entries follow the script choice (scripts serve only without a
  // secure server); the hidden fields exist only for a secure server.
  mnuCGI_->setEnabled(p_.servidor.NoSS && p_.soporte.CGI);
  mnuASP_->setEnabled(p_.servidor.NoSS && p_.soporte.ASP);
  mnuCamposOcultos_->setEnabled(!p_.servidor.NoSS);
}

void frmPrincipal::NombreCambiado() {
  MostrarTitulo();
  paginaGenerar_->MostrarNombre();
  if (p_.inicio.Nombre.empty()) {
    InHabilitarGuardar();
    HabilitarGenerar(false);
  } else {
    HabilitarGuardar();
  }
}

QString frmPrincipal::NombreMostrado() const {
  return p_.inicio.Nombre.empty() ? QStringLiteral("(Sin nombre)") : AQt(p_.inicio.Nombre);
}

void frmPrincipal::MostrarTitulo() {
  conCambios_ = HayCambios();
  setWindowTitle(QStringLiteral("Vendaluz v%1.%2 [Proyecto: %3%4]")
                     .arg(VENDALUZ_VERSION_MAJOR)
                     .arg(VENDALUZ_VERSION_MINOR)
                     .arg(NombreMostrado(), conCambios_ ? QStringLiteral("*") : QString()));
}

void frmPrincipal::HabilitarGuardar() { mnuGuardarPro_->setEnabled(true); }
void frmPrincipal::InHabilitarGuardar() { mnuGuardarPro_->setEnabled(false); }

void frmPrincipal::HabilitarGenerar(bool habilitar) {
  paginaGenerar_->cmdGenerar()->setEnabled(habilitar);
  mnuGenerar_->setEnabled(habilitar);
}

void frmPrincipal::CambioPagina(int indice) {
  if (indice == kPaginaGenerar) paginaGenerar_->MostrarCarpetas();
}

void frmPrincipal::IniciarProgreso() {
  accionProgreso_->setVisible(true);
  tmrProgreso_->start();
}

void frmPrincipal::PasoProgreso() {
  if (barProgreso_->maximum() > barProgreso_->value()) {
    barProgreso_->setValue(std::min(barProgreso_->value() + 5, barProgreso_->maximum()));
  } else {
    tmrProgreso_->stop();
    barProgreso_->setValue(barProgreso_->minimum());
    accionProgreso_->setVisible(false);
  }
}

// Hiding a bar shrinks the window by the bar's height (and showing it grows the
// window again), so the tab pages keep their size.
void frmPrincipal::VerBarra(bool visible) {
  const int alto = tbBarra_->sizeHint().height();
  tbBarra_->setVisible(visible);
  resize(width(), height() + (visible ? alto : -alto));
}

void frmPrincipal::VerBarraEstado(bool visible) {
  const int alto = barraEstado_->sizeHint().height();
  barraEstado_->setVisible(visible);
  resize(width(), height() + (visible ? alto : -alto));
}

// ---- Dialogs ----

void frmPrincipal::MostrarReporte() {
  frmReporte reporte(p_, this);
  HabilitarGenerar(reporte.Completo());
  reporte.exec();
}

Proyecto frmPrincipal::ProyectoParaGenerar() const {
  Proyecto p = p_;
  if (!rutaActual_.empty()) ResolverImagenes(p, rutaActual_);
  return p;
}

void frmPrincipal::Generar() {
  if (!paginaGenerar_->cmdGenerar()->isEnabled() && !mnuGenerar_->isEnabled()) return;
  frmGenerar generar(ProyectoParaGenerar(), entorno_, *servidor_, this);
  connect(&generar, &frmGenerar::terminado, this, [this](const std::filesystem::path& carpeta) {
    HabilitarGenerar(false);
    paginaGenerar_->MostrarGenerados(carpeta);
  });
  // Answering No to the replace question also asks for a new report.
  connect(&generar, &frmGenerar::interrumpido, this, [this] { HabilitarGenerar(false); });
  generar.exec();
}

void frmPrincipal::MostrarCategoria() {
  frmCategoria categoria(p_, entorno_, this);
  categoria.exec();
}

QString frmPrincipal::CarpetaDeArchivos() const {
  return rutaActual_.empty() ? UltimaCarpeta(AQt(p_.inicio.Carpeta))
                             : AQt(rutaActual_.parent_path());
}

void frmPrincipal::ImportarProductos() {
  const auto hecho =
      vendaluz::ImportarProductos(this, entorno_.dialogos, p_.productos, CarpetaDeArchivos());
  if (!hecho) return;
  paginaCarrito_->Mostrar();
  HabilitarGenerar(false);  // the report saw the products before
  MostrarTitulo();
  barraEstado_->showMessage(*hecho);
}

void frmPrincipal::ExportarProductos() {
  // Picture paths as a run finds them, so that the file holds them whole.
  const QString nombre =
      EsNombreDeCarpeta(p_.inicio.Nombre) ? AQt(p_.inicio.Nombre) : QStringLiteral("productos");
  const auto hecho = vendaluz::ExportarProductos(
      this, entorno_.dialogos, ProyectoParaGenerar().productos, CarpetaDeArchivos(), nombre);
  if (hecho) barraEstado_->showMessage(*hecho);
}

void frmPrincipal::MostrarAyuda() {
  frmAyuda ayuda(entorno_.abridor, this);
  ayuda.exec();
}

void frmPrincipal::MostrarAcerca() {
  frmAcerca acerca(entorno_.abridor, this);
  acerca.exec();
}

void frmPrincipal::closeEvent(QCloseEvent* evento) {
  if (!PreguntarGuardar()) {
    evento->ignore();
    return;
  }
  GuardarVentana(*this);
  evento->accept();
}

}  // namespace vendaluz
