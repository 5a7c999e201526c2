// The project report "Reporte": the state of the settings a store needs, with the
// missing ones in dark red, and the verdict. The report is built when the window is
// made; the main window reads Completo() to open or close the way to generation.
#pragma once

#include <QDialog>

#include "model/proyecto.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace vendaluz {

class frmReporte : public QDialog {
  Q_OBJECT

 public:
  frmReporte(const Proyecto& p, QWidget* padre = nullptr);
  bool Completo() const { return completo_; }

 private:
  void Agregar(const QString& temp, const QString& Nombre);

  bool completo_ = false;
  QLabel* lblReporte_;
  QTreeWidget* lstReporte_;
  QLabel* lblEstado_;
  QPushButton* cmdAceptar_;
};

}  // namespace vendaluz
