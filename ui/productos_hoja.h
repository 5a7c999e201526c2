// The "Importar productos..." and "Exportar productos..." commands of the Proyecto
// menu: the product list from and to a spreadsheet's CSV file, with their file
// dialogs, the replace-or-append question and the error messages.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "model/proyecto.h"

class QWidget;

namespace vendaluz {

class Dialogos;

// Asks for a CSV file starting at carpeta and reads it; with products in the list,
// asks whether they are replaced or the new ones appended. The text for the status
// bar when the list changed; nothing when cancelled or when the file had errors
// (which a message lists).
std::optional<QString> ImportarProductos(QWidget* padre, Dialogos& dialogos,
                                         std::vector<Producto>& productos, const QString& carpeta);

// Asks where to write the list (carpeta/nombre.csv proposed) and writes it. The text
// for the status bar once written; nothing when cancelled or failed (a message says why).
std::optional<QString> ExportarProductos(QWidget* padre, Dialogos& dialogos,
                                         const std::vector<Producto>& productos,
                                         const QString& carpeta, const QString& nombre);

}  // namespace vendaluz
