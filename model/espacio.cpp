#include "model/espacio.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"

namespace vendaluz {
namespace {

// Creates folder when missing (or, without crear, checks that it could be made);
// true when it then exists, or could, and can be written.
bool UsableFolder(const fs::path& folder, bool crear, std::error_code& ec) {
  if (!crear && !fs::exists(folder, ec)) {
    if (::access(folder.parent_path().c_str(), W_OK | X_OK) == 0) return true;
    ec = std::error_code(errno, std::generic_category());
    return false;
  }
  fs::create_directories(folder, ec);
  if (ec) return false;
  if (!fs::is_directory(folder, ec)) {
    ec = std::make_error_code(std::errc::not_a_directory);
    return false;
  }
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    ec = std::error_code(errno, std::generic_category());
    return false;
  }
  return true;
}

}  // namespace

fs::path Espacio::CarpetaSalida(const Proyecto& p) const { return proyectos / p.inicio.Nombre; }

fs::path CarpetaDatosUsuario() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') {
    return fs::path(xdg) / "vendaluz";
  }
  const char* home = std::getenv("HOME");
  return fs::path(home && *home ? home : "/tmp") / ".local" / "share" / "vendaluz";
}

Espacio PrepararEspacio(const fs::path& programa, const fs::path& datosUsuario, bool crear) {
  Espacio e;
  e.programa = programa;

  std::error_code ec;
  const fs::path datos = programa.parent_path() / "share" / "vendaluz";
  const bool instalado = fs::is_directory(datos, ec);
  e.proyectos = programa / "Proyectos";
  // Installed, the program folder may still be writable (by root, or in a prefix of
  // the user's own), but it is no place for a user's projects.
  if (instalado || !UsableFolder(e.proyectos, crear, ec)) {
    e.proyectos = datosUsuario / "Proyectos";
    const bool nuevo = !fs::exists(e.proyectos, ec);
    if (crear && !UsableFolder(e.proyectos, crear, ec)) {
      throw Error(CodigoError::kCarpetaFallida, "No se pudo crear la carpeta de proyectos «" +
                                                    PathText(e.proyectos) +
                                                    "»: " + SystemErrorText(ec.value()));
    }
    // The sample is an offer: when it cannot be copied the list simply lacks it.
    if (crear && nuevo && fs::is_directory(datos / "ejemplo", ec)) {
      fs::copy(datos / "ejemplo", e.proyectos,
               fs::copy_options::recursive | fs::copy_options::skip_existing, ec);
    }
  }

  e.codigo = programa / "Codigo";
  if (!fs::is_directory(e.codigo, ec) && fs::is_directory(datos / "Codigo", ec)) {
    e.codigo = datos / "Codigo";
  }
  return e;
}

std::vector<EntradaProyecto> ListarProyectos(const fs::path& carpeta) {
  std::vector<EntradaProyecto> lista;
  std::error_code ec;
  for (fs::directory_iterator it(carpeta, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() <= 4 || !EqualsIgnoreCase(name.substr(name.size() - 4), ".ini")) continue;
    std::error_code type_ec;
    if (!it->is_regular_file(type_ec)) continue;
    lista.push_back({name.substr(0, name.size() - 4), it->path()});
  }
  std::sort(lista.begin(), lista.end(), [](const EntradaProyecto& a, const EntradaProyecto& b) {
    return AlphabeticalLess(a.nombre, b.nombre);
  });
  return lista;
}

}  // namespace vendaluz
