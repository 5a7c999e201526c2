// The " Formato " page of the main window: colours, page texts, fonts and the
// stylesheet switch of the generated pages.
#pragma once

#include <array>

#include "ui/pagina_proyecto.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vendaluz {

class Dialogos;
class SelectorColor;

class PaginaFormato : public PaginaProyecto {
  Q_OBJECT

 public:
  PaginaFormato(Proyecto& p, Dialogos& dialogos, QWidget* padre = nullptr);
  void Mostrar() override;

  // Hides the three page-kind frames.
  void EsconderFraHTML();
  // Opens the stylesheet dialog while the stylesheet is switched on.
  void AbrirCSS();

 signals:
  // Formato.CSS has been switched by the user.
  void cssCambiado();

 private:
  QGroupBox* CrearColores();
  QGroupBox* CrearPagina();
  void ElegirPagina(int k);

  Dialogos& dialogos_;
  std::array<SelectorColor*, 7> colores_{};
  QComboBox* cboDoc_;
  std::array<QGroupBox*, 3> fraHTML1_{};
  std::array<QLabel*, 3> lblTitPag_{};
  std::array<QLineEdit*, 3> txtTituloPag_{};
  std::array<QCheckBox*, 3> cheInTexto_{};
  std::array<QPlainTextEdit*, 3> txtInTexto_{};
  std::array<QCheckBox*, 3> cheCentrar_{};
  QComboBox* cboFuente_;
  QComboBox* cboTFuente_;
  QCheckBox* cheCSS_;
  QPushButton* cmdCSS_;
};

}  // namespace vendaluz
