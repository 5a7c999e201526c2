// The " Formato " page of the main window: the seven page colours, the link title,
// free text and centring of each page kind (catalogue, order form, payment page),
// the default font and size, and the stylesheet switch.
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
class FilaColor;

class PaginaFormato : public PaginaProyecto {
  Q_OBJECT

 public:
  PaginaFormato(Proyecto& p, Dialogos& dialogos, QWidget* padre = nullptr);
  void Mostrar() override;

  // Hides the three page-kind frames.
  void EsconderFraHTML();
  // Shows the frame of page kind k (0 carrito, 1 formulario, 2 ssl).
  void ElegirPagina(int k);

 signals:
  // The stylesheet switch changed: the main window follows it with its menu entry.
  void cssCambiado(bool incluida);
  void hojaEstiloPedida();

 private:
  void IncluirTexto(int k, bool incluir);

  std::array<FilaColor*, 7> colores_{};
  QComboBox* cboDoc_;
  QComboBox* cboFuente_;
  QComboBox* cboTFuente_;
  std::array<QGroupBox*, 3> fraHTML1_{};
  std::array<QLabel*, 3> lblTitPag_{};
  std::array<QLineEdit*, 3> txtTituloPag_{};
  std::array<QCheckBox*, 3> cheInTexto_{};
  std::array<QPlainTextEdit*, 3> txtInTexto_{};
  std::array<QCheckBox*, 3> cheCentrar_{};
  QCheckBox* cheCSS_;
  QPushButton* cmdCSS_;
};

}  // namespace vendaluz
