// The main window: one open Proyecto edited on seven tab pages, the project commands
// (new, open, save, report, generate) in a menu bar and a tool bar, a status bar and
// the progress animation of open and save. The window owns the open project; the
// pages edit it in place and the dialogs read it.
#pragma once

#include <QMainWindow>
#include <filesystem>
#include <memory>

#include "model/proyecto.h"
#include "ui/entorno.h"

class QAction;
class QMenu;
class QProgressBar;
class QTabWidget;
class QTimer;
class QToolBar;

namespace vendaluz {

class BarraEstado;
class PreviewServer;
class PaginaCarrito;
class PaginaFormato;
class PaginaFormulario;
class PaginaGenerar;
class PaginaInicio;
class PaginaMetaTags;
class PaginaServidor;

class frmPrincipal : public QMainWindow {
  Q_OBJECT

 public:
  // Sets up Proyecto1, fills the project list and creates Proyectos when missing.
  explicit frmPrincipal(Entorno& entorno, QWidget* padre = nullptr);
  ~frmPrincipal() override;

  // The project commands. Each asks the save question first when the project has
  // changes; answering Yes saves through the save dialog.
  void NuevoProyecto();
  void AbrirProyecto();                                  // through the open dialog
  void AbrirDeLista(const std::filesystem::path& ruta);  // an entry of the project list
  // Through the save dialog; false when nothing was written (cancelled or failed).
  bool GuardarProyecto();

  // Refills the project list under the tool bar's "abrir" button.
  void LlenarMenu();
  // A fresh project, named by the counter of this run of the program.
  void Inicio();

  void HabilitarGuardar();
  void InHabilitarGuardar();
  // Hides the three page-kind frames of the Formato page.
  void EsconderFraHTML();
  void MostrarHojaEstilo();
  // The Generar button and menu entry; a complete report enables them.
  void HabilitarGenerar(bool habilitar);

  void MostrarReporte();
  void Generar();
  void MostrarCategoria();
  // The product list from and to a spreadsheet's CSV file.
  void ImportarProductos();
  void ExportarProductos();
  void MostrarAyuda();
  void MostrarAcerca();

  const Proyecto& ProyectoAbierto() const { return p_; }
  const std::filesystem::path& RutaActual() const { return rutaActual_; }
  // Whether the project differs from its file (a new one: from a new project).
  bool HayCambios() const;

 protected:
  void closeEvent(QCloseEvent* evento) override;
  // After every key and click, the title follows whether there are changes.
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  enum class Guardado { kHecho, kCancelado, kFallido };

  void CrearAcciones();
  void CrearMenus();
  void CrearBarra();
  void CrearPaginas();

  // The save question; false when the command that asked must stop.
  bool PreguntarGuardar();
  Guardado Guardar();
  void AbrirArchivo(const std::filesystem::path& ruta);
  // Where the CSV file dialogs start: the project file's folder, or the last one.
  QString CarpetaDeArchivos() const;
  // The window after a project has been set up or read: pages, title, Generar page.
  void MostrarProyecto();
  void NombreCambiado();
  // The menu entries of the editors that follow project settings.
  void MostrarHabilitados();
  void MostrarTitulo();
  QString NombreMostrado() const;  // "(Sin nombre)" for an empty name
  void CambioPagina(int indice);
  // The project as it is now becomes the one without changes.
  void MarcarGuardado();
  // The project as the run gets it: picture paths relative to the project file's
  // folder made absolute, as the command line does.
  Proyecto ProyectoParaGenerar() const;

  void IniciarProgreso();
  void PasoProgreso();
  void VerBarra(bool visible);
  void VerBarraEstado(bool visible);

  Entorno& entorno_;
  std::unique_ptr<PreviewServer> servidor_;  // the preview, until the program ends
  Proyecto p_;
  Proyecto guardado_;        // as its file holds it, or as new
  bool conCambios_ = false;  // as the title shows it
  ContadorProyectos contador_;
  std::filesystem::path rutaActual_;

  QTabWidget* SSTab_ = nullptr;
  PaginaInicio* paginaInicio_ = nullptr;
  PaginaFormato* paginaFormato_ = nullptr;
  PaginaMetaTags* paginaMetaTags_ = nullptr;
  PaginaCarrito* paginaCarrito_ = nullptr;
  PaginaFormulario* paginaFormulario_ = nullptr;
  PaginaServidor* paginaServidor_ = nullptr;
  PaginaGenerar* paginaGenerar_ = nullptr;

  QToolBar* tbBarra_ = nullptr;
  BarraEstado* barraEstado_ = nullptr;
  QMenu* menuProyectos_ = nullptr;
  QMenu* menuProyecto_ = nullptr;  // "&Proyecto", also the product list's context menu
  QProgressBar* barProgreso_ = nullptr;
  QAction* accionProgreso_ = nullptr;  // the bar's place on the tool bar
  QTimer* tmrProgreso_ = nullptr;

  QAction* mnuNuevoPro_ = nullptr;
  QAction* mnuAbrirPro_ = nullptr;
  QAction* mnuGuardarPro_ = nullptr;
  QAction* mnuSalir_ = nullptr;
  QAction* mnuHojaEstilo_ = nullptr;
  QAction* mnuCamposOcultos_ = nullptr;
  QAction* mnuCGI_ = nullptr;
  QAction* mnuASP_ = nullptr;
  QAction* mnuImagenes_ = nullptr;
  QAction* mnuPopup_ = nullptr;
  QAction* mnuImportarProductos_ = nullptr;
  QAction* mnuExportarProductos_ = nullptr;
  QAction* mnuReporte_ = nullptr;
  QAction* mnuGenerar_ = nullptr;
  QAction* mnuVerBarra_ = nullptr;
  QAction* mnuBarraEstado_ = nullptr;
  QAction* mnuAyuda_ = nullptr;
  QAction* mnuAcerca_ = nullptr;
  QAction* tbGenerar_ = nullptr;  // the tool bar's "Generar Proyecto": opens the report
};

}  // namespace vendaluz
