// PROVISIONAL stand-in for the picture copier and thumbnail maker, only so that the generator links
// and runs until the real implementation is merged; delete this file then.
//
// Pictures are copied byte for byte; the "thumbnail" is a byte copy of the picture
// under the thumbnail name, and the picture size is read from the JPEG or GIF header.
#include <fstream>
#include <iterator>
#include <system_error>

#include "generator/imagenes.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"

namespace vendaluz {

std::string NombreImagen(std::string_view ruta) {
  const std::string_view limpia = Trim(ruta);
  const std::size_t corte = limpia.find_last_of("\\/");
  return std::string(Trim(corte == std::string_view::npos ? limpia : limpia.substr(corte + 1)));
}

std::string NombreBase(std::string_view ruta) {
  const std::string nombre = NombreImagen(ruta);
  return nombre.substr(0, nombre.find('.'));
}

std::vector<ProblemaArchivo> CopiarImagenes(const Proyecto& p, const std::filesystem::path& carpeta,
                                            const Progreso& progreso) {
  std::vector<ProblemaArchivo> problemas;
  if (p.productosImagen != 1 || p.thumbnails.Copiar != 1) return problemas;
  const int n = static_cast<int>(p.productos.size());
  for (int i = 1; i <= n; ++i) {
    const std::string& ruta = p.productos[i - 1].Imagen;
    if (!Trim(ruta).empty()) {
      const auto destino = carpeta / "imagenes" / NombreImagen(ruta);
      std::error_code ec;
      std::filesystem::copy_file(std::string(Trim(ruta)), destino,
                                 std::filesystem::copy_options::overwrite_existing, ec);
      if (ec) problemas.push_back({destino, SystemErrorText(ec.value())});
    }
    if (progreso) progreso(0, n, i);
  }
  return problemas;
}

namespace {

bool TamanoDeCabecera(const std::string& b, TamanoImagen& t) {
  auto u = [&](std::size_t i) { return static_cast<unsigned char>(b[i]); };
  if (b.size() >= 10 && b.compare(0, 3, "GIF") == 0) {
    t = {u(6) | (u(7) << 8), u(8) | (u(9) << 8)};
    return true;
  }
  if (b.size() < 4 || u(0) != 0xFF || u(1) != 0xD8) return false;
  std::size_t i = 2;
  while (i + 9 < b.size()) {
    if (u(i) != 0xFF) return false;
    const unsigned m = u(i + 1);
    const std::size_t largo = (u(i + 2) << 8) | u(i + 3);
    if (m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC) {
      t = {(u(i + 7) << 8) | u(i + 8), (u(i + 5) << 8) | u(i + 6)};
      return true;
    }
    i += 2 + largo;
  }
  return false;
}

}  // namespace

TamanosImagenes CrearMiniaturas(const Proyecto& p, const std::filesystem::path& carpeta,
                                const Progreso& progreso) {
  TamanosImagenes tamanos;
  const int n = static_cast<int>(p.productos.size());
  for (int i = 1; i <= n; ++i) {
    const std::string& ruta = p.productos[i - 1].Imagen;
    if (!Trim(ruta).empty()) {
      const std::string bytes = ReadFile(std::string(Trim(ruta)));
      TamanoImagen t;
      if (!TamanoDeCabecera(bytes, t)) {
        throw Error(CodigoError::kLecturaFallida,
                    "No se pudo leer el tamaño de la imagen «" + std::string(ruta) + "».");
      }
      tamanos[i] = t;
      std::ofstream(carpeta / "thumbnails" / (NombreBase(ruta) + ".jpg"), std::ios::binary)
          << bytes;
    }
    if (progreso) progreso(0, n, i);
  }
  return tamanos;
}

}  // namespace vendaluz
