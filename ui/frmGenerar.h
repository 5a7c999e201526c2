// The generation window: hosts one run of the Generador. The run starts 1000 ms
// after the window is shown and works on a thread of its own, so the window keeps
// repainting; its status, progress, replace question, error and completion come
// back to this window's thread. While the run works the window accepts no input and
// cannot be closed. When it is done, "Cerrar" closes it and "Vista Previa" shows
// the store in the browser through the program's local web server; the window then
// shows the server's address, which can be copied when no browser could be started.
#pragma once

#include <QDialog>
#include <filesystem>
#include <memory>
#include <thread>

#include "model/proyecto.h"
#include "platform/preview_server.h"
#include "ui/entorno.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace vendaluz {

class Generador;

class frmGenerar : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kEspera = 1000;  // ms between showing the window and the run

  // p is copied: the run reads the project as it is now.
  frmGenerar(const Proyecto& p, Entorno& entorno, PreviewServer& servidor,
             QWidget* padre = nullptr);
  ~frmGenerar() override;

  bool Trabajando() const { return trabajando_; }

 signals:
  // The store (or the new category) is complete in carpeta.
  void terminado(const std::filesystem::path& carpeta);
  // The existing folder was not to be replaced; nothing was touched.
  void interrumpido();

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;

 private:
  void Iniciar();
  void Fin(int resultado);
  void VistaPrevia();
  void MostrarDireccion(const QString& direccion);  // empty: hides the line

  Entorno& entorno_;
  PreviewServer& servidor_;
  std::unique_ptr<Generador> generador_;
  std::thread hilo_;
  bool iniciado_ = false;
  bool trabajando_ = false;
  QString error_;  // "Error: " code ": " description of a failed run

  QLabel* lblGenerar_;
  QProgressBar* barG_;
  QPushButton* cmdCancelar_;
  QPushButton* cmdVista_;
  QLabel* lblDireccion_;
  QLineEdit* txtDireccion_;
  QTimer* tmrInicio_;
};

}  // namespace vendaluz
