// The folder browser "Examinar". It serves two openers: the main window, for the
// folder in which the project file dialogs start (any folder is accepted), and the
// new-category dialog, for the folder of a store generated before (accepted only
// when it holds carrito.htm; otherwise the browser beeps and stays open).
#pragma once

#include <QDialog>

#include "ui/entorno.h"

class QComboBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vendaluz {

class frmExaminar : public QDialog {
  Q_OBJECT

 public:
  enum class Modo { kCarpetaProyecto, kCategoria };

  // nombreProyecto pre-fills the "Crear >" box. The browser opens on the program folder.
  frmExaminar(Entorno& entorno, Modo modo, const QString& nombreProyecto, QWidget* padre = nullptr);

  // The folder shown as current in the tree (no trailing slash).
  QString Carpeta() const;
  // Opens the tree on carpeta and makes it current; false when it cannot be listed.
  bool IrA(const QString& carpeta);

 private:
  void LlenarUnidades();
  void CambiarUnidad(int indice);
  void Crear();
  void Aceptar();
  QTreeWidgetItem* Hijo(QTreeWidgetItem* padre, const QString& nombre, const QString& ruta);
  void Expandir(QTreeWidgetItem* item);

  Entorno& entorno_;
  Modo modo_;
  QString nombreProyecto_;
  QString unidadActual_;
  QComboBox* drvCarpeta_;
  QTreeWidget* dirCarpeta_;
  QPushButton* cmdCrear_;
  QPushButton* cmdAceptar_;
  QPushButton* cmdCancelar_;
};

}  // namespace vendaluz
