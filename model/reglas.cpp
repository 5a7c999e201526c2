#include "model/reglas.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/text.h"

namespace vendaluz {

bool EsCaracterProhibido(char c) {
  const auto u = static_cast<unsigned char>(c);
  return c == '/' || c == '\\' || u < 0x20 || u == 0x7F;
}

std::string MotivoNombreCarpeta(std::string_view nombre) {
  if (nombre.empty()) return "está vacío";
  if (nombre == "." || nombre == "..") return "es un nombre reservado de carpeta";
  const auto c = std::find_if(nombre.begin(), nombre.end(), EsCaracterProhibido);
  if (c == nombre.end()) return {};
  return *c == '/' || *c == '\\' ? "no puede contener barras («/» ni «\\»)"
                                 : "contiene caracteres de control";
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

bool EsDireccionCorreo(std::string_view texto) {
  const auto arroba = texto.find('@');
  if (arroba == 0 || arroba == texto.npos || texto.find('@', arroba + 1) != texto.npos) {
    return false;
  }
  const auto blanco = [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == 0x7F; };
  if (std::any_of(texto.begin(), texto.end(), blanco)) return false;
  const std::string_view dominio = texto.substr(arroba + 1);
  return dominio.find('.') != dominio.npos && dominio.front() != '.' && dominio.back() != '.' &&
         dominio.find("..") == dominio.npos;
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
