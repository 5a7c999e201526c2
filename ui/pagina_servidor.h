// The " Servidor " page of the main window: order mail, script support, secure
// server, cards, tax rate, money format and shipping, with the CGI, ASP and
// hidden-field dialogs.
#pragma once

#include <array>

#include "ui/pagina_proyecto.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vendaluz {

class Dialogos;

class PaginaServidor : public PaginaProyecto {
  Q_OBJECT

 public:
  PaginaServidor(Proyecto& p, Dialogos& dialogos, QWidget* padre = nullptr);
  void Mostrar() override;

  // The dialogs; each opens only while its setting is in use.
  void AbrirCGI();
  void AbrirASP();
  void AbrirCampos();

 signals:
  // The script or secure-server choice changed (the menu entries follow it).
  void opcionesCambiadas();

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  QGroupBox* CrearSoporte();
  QGroupBox* CrearSeguro();
  void CrearPago();
  QGroupBox* CrearMoneda();
  QGroupBox* CrearEnvio();
  void MostrarFormatos();
  void ElegirSoporte(int indice);
  void ElegirServidor(int indice);
  void Habilitar();
  void RevisarServidor();
  void MostrarPago(int indice);

  Dialogos& dialogos_;
  QLineEdit* txtEmail_;
  std::array<QRadioButton*, 3> cheExt_{};
  QLabel* lblASP_;
  QPushButton* cmdParmCGI_;
  QLineEdit* txtRedireccionar_;
  std::array<QRadioButton*, 3> opSS_{};
  QLineEdit* txtServidor_;
  QLineEdit* txtServidorScript_;
  QLabel* Label8_;
  QPushButton* cmdOcultos_;
  QComboBox* cboPago_;
  QGroupBox* fraT_;
  QGroupBox* fraI_;
  std::array<QCheckBox*, 4> tarjetas_{};  // Visa, Master Card, American Express, Diners
  QCheckBox* cheTasa_;
  QLineEdit* txtTasa_;
  QGroupBox* fraMoneda_;
  QLineEdit* txtSimbolo_;
  QLineEdit* txtCodigo_;
  QComboBox* cboFormato_;
  QCheckBox* cheSimboloEnTodos_;
  QGroupBox* fraEnvio_;
  QLineEdit* txtEnvio_;
  QLineEdit* txtGratisDesde_;
};

}  // namespace vendaluz
