#include "ui/productos_hoja.h"

#include "model/productos_csv.h"
#include "platform/error.h"
#include "ui/conversion.h"
#include "ui/dialogos.h"

namespace vendaluz {
namespace {

const QString kFiltroCsv =
    QStringLiteral("Hoja de cálculo CSV (*.csv *.txt);;Todos los archivos (*)");

// "1 producto", "12 productos".
QString Productos(std::size_t n) {
  return n == 1 ? QStringLiteral("1 producto") : QStringLiteral("%1 productos").arg(n);
}

}  // namespace

std::optional<QString> ImportarProductos(QWidget* padre, Dialogos& dialogos,
                                         std::vector<Producto>& productos, const QString& carpeta) {
  const auto elegido =
      dialogos.ArchivoParaAbrir(padre, QStringLiteral("Importar productos"), carpeta, kFiltroCsv);
  if (!elegido) return std::nullopt;
  LecturaCsv leido;
  try {
    leido = ImportarProductosCsv(ARuta(*elegido));
  } catch (const Error& e) {
    dialogos.Mensaje(
        padre, QStringLiteral("No se pudieron importar los productos.\n\n") + AQt(e.descripcion()),
        Icono::kCritico);
    return std::nullopt;
  }
  if (!leido.errores.empty()) {
    QString texto = QStringLiteral("No se importó ningún producto de «%1»:\n").arg(*elegido);
    for (const std::string& error : leido.errores) texto += "\n" + AQt(error);
    dialogos.Mensaje(padre, texto, Icono::kAdvertencia);
    return std::nullopt;
  }
  bool reemplazar = true;
  if (!productos.empty()) {
    const QString pregunta =
        productos.size() == 1
            ? QStringLiteral("¿Reemplazar el producto del proyecto o agregar los nuevos al final?")
            : QStringLiteral(
                  "¿Reemplazar los %1 productos del proyecto o agregar los nuevos al final?")
                  .arg(productos.size());
    const Respuesta r = dialogos.Preguntar(padre, pregunta, Botones::kReemplazarAgregarCancelar);
    if (r == Respuesta::kCancelar) return std::nullopt;
    reemplazar = r == Respuesta::kSi;
  }
  if (reemplazar) productos.clear();
  productos.insert(productos.end(), std::make_move_iterator(leido.productos.begin()),
                   std::make_move_iterator(leido.productos.end()));
  const std::size_t n = leido.productos.size();
  return (n == 1 ? QStringLiteral("Se importó %1 de «%2».")
                 : QStringLiteral("Se importaron %1 de «%2»."))
      .arg(Productos(n), *elegido);
}

std::optional<QString> ExportarProductos(QWidget* padre, Dialogos& dialogos,
                                         const std::vector<Producto>& productos,
                                         const QString& carpeta, const QString& nombre) {
  const auto elegido = dialogos.ArchivoParaGuardar(padre, QStringLiteral("Exportar productos"),
                                                   carpeta, nombre + ".csv", kFiltroCsv);
  if (!elegido) return std::nullopt;
  std::filesystem::path ruta = ARuta(*elegido);
  if (!ruta.has_extension()) ruta += ".csv";
  try {
    ExportarProductosCsv(productos, ruta);
  } catch (const Error& e) {
    dialogos.Mensaje(
        padre, QStringLiteral("No se pudieron exportar los productos.\n\n") + AQt(e.descripcion()),
        Icono::kCritico);
    return std::nullopt;
  }
  return (productos.size() == 1 ? QStringLiteral("Se exportó %1 a «%2».")
                                : QStringLiteral("Se exportaron %1 a «%2»."))
      .arg(Productos(productos.size()), AQt(ruta));
}

}  // namespace vendaluz
