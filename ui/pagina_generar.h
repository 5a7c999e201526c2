// The " Generar " page of the main window: the report and generate buttons, the
// folders the store is written to, the products per page, the new-category button
// and the list of the files a run has generated.
#pragma once

#include <QString>
#include <filesystem>

#include "ui/campo_ruta.h"
#include "ui/entorno.h"
#include "ui/pagina_proyecto.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vendaluz {

class PaginaGenerar : public PaginaProyecto {
  Q_OBJECT

 public:
  PaginaGenerar(Proyecto& p, Entorno& entorno, QWidget* padre = nullptr);

  // Products per page (a working value the project does not reset).
  void Mostrar() override;

  // " Proyecto: " + name + " ", or "(Sin nombre)" for an empty name.
  void MostrarNombre();
  // The output folder under "Archivos:" and the picture and thumbnail folders,
  // following Productos.Imagen, Thumbnails.Copiar and Thumbnails.Mostrar.
  void MostrarCarpetas();
  // Empties the three folder fields and the list of generated files.
  void Limpiar();
  // Lists the files of carpeta under "Archivos generados:".
  void MostrarGenerados(const std::filesystem::path& carpeta);

  QPushButton* cmdGenerar() const { return cmdGenerar_; }

 signals:
  void reportePedido();
  void generarPedido();
  void categoriaPedida();

 private:
  void AbrirGenerado(QListWidgetItem* item);

  Entorno& entorno_;
  std::filesystem::path carpetaGenerados_;
  QPushButton* cmdReporte_;
  QPushButton* cmdGenerar_;
  QGroupBox* fraProyecto_;
  CampoRuta* txtGProyecto_;
  CampoRuta* txtGImagenes_;
  CampoRuta* txtGThumbs_;
  QLineEdit* txtCantProd_;
  QPushButton* cmdCat_;
  QListWidget* flbGenerados_;
};

}  // namespace vendaluz
