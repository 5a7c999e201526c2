#include "model/reglas.h"

#include "platform/files.h"
#include "platform/text.h"

namespace vendaluz {

std::string MotivoNombreCarpeta(std::string_view nombre) {
  if (nombre.empty()) return "está vacío";
  if (nombre == "." || nombre == "..") return "es un nombre reservado de carpeta";
  for (char c : nombre) {
    if (c == '/' || c == '\\') return "no puede contener barras («/» ni «\\»)";
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) return "contiene caracteres de control";
  }
  return {};
}

bool EsNumeroDecimal(std::string_view texto) {
  bool digito = false, punto = false;
  for (char c : texto) {
    if (c >= '0' && c <= '9') {
      digito = true;
    } else if (c == '.' && !punto) {
      punto = true;
    } else {
      return false;
    }
  }
  return digito;
}

void ResolverImagenes(Proyecto& p, const std::filesystem::path& archivoProyecto) {
  const std::filesystem::path base = std::filesystem::absolute(archivoProyecto).parent_path();
  for (Producto& producto : p.productos) {
    const std::string_view ruta = Trim(producto.Imagen);
    if (!ruta.empty() && std::filesystem::path(ruta).is_relative()) {
      producto.Imagen = PathText(base / ruta);
    }
  }
}

}  // namespace vendaluz
