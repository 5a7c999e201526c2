#include "generator/ejecucion.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <system_error>

#include "platform/cp1252.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"

namespace vendaluz {

DestinoFormulario SeleccionarDestino(const Proyecto& p) {
  const std::string post = R"(method="post")";
  if (p.servidor.NoSS) {
    if (p.soporte.CGI) return {p.cgi.Ruta, post, "formulario.htm"};
    if (p.soporte.ASP) return {"enviar.asp", post, "formulario.htm"};
    if (p.soporte.PHP) return {"enviar.php", post, "formulario.htm"};
    return {"", post, "formulario.htm"};
  }
  if (p.servidor.SPG) return {p.servidor.ServidorScript, post, p.servidor.RutaServidor};
  if (p.servidor.SSL) return {"ssl.htm", R"(method="get")", "formulario.htm"};
  return {};
}

namespace {

// True when none of the eight bytes at p is above 0x7F or an LF: such a run is
// copied as it is (most of a page, the whole pager, is plain ASCII).
bool OchoSimples(const char* p) {
  std::uint64_t w;
  std::memcpy(&w, p, 8);
  constexpr std::uint64_t kAltos = 0x8080808080808080ULL;
  const std::uint64_t lf = w ^ 0x0A0A0A0A0A0A0A0AULL;
  const std::uint64_t hayLf = (lf - 0x0101010101010101ULL) & ~lf & kAltos;
  return ((w & kAltos) | hayLf) == 0;
}

}  // namespace

std::string CodificarPagina(std::string_view texto) {
  std::string out;
  out.reserve(texto.size() + 64);
  const std::size_t n = texto.size();
  std::size_t i = 0;
  while (i < n) {
    std::size_t j = i;
    while (j + 8 <= n && OchoSimples(texto.data() + j)) j += 8;
    while (j < n) {
      const unsigned char c = static_cast<unsigned char>(texto[j]);
      if (c >= 0x80 || c == '\n') break;
      ++j;
    }
    out.append(texto.data() + i, j - i);
    if (j == n) break;
    if (texto[j] == '\n') {
      if (j == 0 || texto[j - 1] != '\r') out += '\r';
      out += '\n';
      i = j + 1;
      continue;
    }
    std::size_t k = j;
    const char32_t cp = NextCodePoint(texto, k);
    const int b = cp == kInvalidUtf8 ? -1 : Cp1252Byte(cp);
    if (b >= 0) {
      out += static_cast<char>(b);
    } else {
      out += "&#" + std::to_string(cp == kInvalidUtf8 ? 0xFFFD : static_cast<unsigned>(cp)) + ";";
    }
    i = k;
  }
  return out;
}

void Ejecucion::EscribirArchivo(const fs::path& ruta, std::string_view texto) {
  std::string bytes = CodificarPagina(texto);
  bytes += "\r\n";
  const int fd = ::open(ruta.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    problemas.push_back({ruta, SystemErrorText(errno)});
    return;
  }
  std::size_t hecho = 0;
  while (hecho < bytes.size()) {
    const ssize_t w = ::write(fd, bytes.data() + hecho, bytes.size() - hecho);
    if (w < 0) {
      if (errno == EINTR) continue;
      problemas.push_back({ruta, SystemErrorText(errno)});
      ::close(fd);
      return;
    }
    hecho += static_cast<std::size_t>(w);
  }
  if (::close(fd) != 0) problemas.push_back({ruta, SystemErrorText(errno)});
}

void Ejecucion::CopiarArchivo(const fs::path& origen, const fs::path& destino) {
  std::error_code ec;
  fs::copy_file(origen, destino, fs::copy_options::overwrite_existing, ec);
  if (ec) {
    problemas.push_back(
        {destino, "no se pudo copiar «" + PathText(origen) + "»: " + SystemErrorText(ec.value())});
  }
}

namespace {

[[noreturn]] void ThrowVaciar(const fs::path& ruta, int errnum) {
  throw Error(CodigoError::kVaciadoFallido,
              "No se pudo borrar «" + PathText(ruta) + "»: " + SystemErrorText(errnum));
}

// Empties the folder open as dirfd (ruta names it in messages). Every entry is
// looked at without following links, and sub-folders are opened relative to their
// parent with O_NOFOLLOW, so nothing outside the folder is ever reached.
void VaciarDescriptor(int dirfd, const fs::path& ruta) {
  const int lista_fd = ::dup(dirfd);
  if (lista_fd < 0) ThrowVaciar(ruta, errno);
  DIR* dir = ::fdopendir(lista_fd);
  if (!dir) {
    const int e = errno;
    ::close(lista_fd);
    ThrowVaciar(ruta, e);
  }
  std::vector<std::string> subcarpetas;
  std::vector<std::string> archivos;
  errno = 0;
  while (const dirent* e = ::readdir(dir)) {
    const std::string nombre = e->d_name;
    if (nombre == "." || nombre == "..") continue;
    struct stat st {};
    if (::fstatat(dirfd, nombre.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode)) {
      subcarpetas.push_back(nombre);
    } else {
      archivos.push_back(nombre);
    }
  }
  ::closedir(dir);

  for (const std::string& nombre : archivos) {
    if (::unlinkat(dirfd, nombre.c_str(), 0) != 0 && errno != ENOENT) {
      ThrowVaciar(ruta / nombre, errno);
    }
  }
  for (const std::string& nombre : subcarpetas) {
    const int fd = ::openat(dirfd, nombre.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
      // Anything but a real folder now (a link swapped in) is removed as it is.
      if (errno == ENOTDIR || errno == ELOOP) {
        if (::unlinkat(dirfd, nombre.c_str(), 0) != 0) ThrowVaciar(ruta / nombre, errno);
        continue;
      }
      ThrowVaciar(ruta / nombre, errno);
    }
    // A read-only folder cannot lose its entries; make it writable first.
    struct stat st {};
    if (::fstat(fd, &st) == 0 && (st.st_mode & S_IRWXU) != S_IRWXU) {
      (void)::fchmod(fd, (st.st_mode & 07777) | S_IRWXU);
    }
    try {
      VaciarDescriptor(fd, ruta / nombre);
    } catch (...) {
      ::close(fd);
      throw;
    }
    ::close(fd);
    if (::unlinkat(dirfd, nombre.c_str(), AT_REMOVEDIR) != 0) ThrowVaciar(ruta / nombre, errno);
  }
}

}  // namespace

void VaciarCarpeta(const fs::path& carpeta) {
  const int fd = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) ThrowVaciar(carpeta, errno);
  struct stat st {};
  if (::fstat(fd, &st) == 0 && (st.st_mode & S_IRWXU) != S_IRWXU) {
    (void)::fchmod(fd, (st.st_mode & 07777) | S_IRWXU);
  }
  try {
    VaciarDescriptor(fd, carpeta);
  } catch (...) {
    ::close(fd);
    throw;
  }
  ::close(fd);
}

void ComprobarNombreCarpeta(std::string_view nombre) {
  auto rechazar = [&](const std::string& motivo) {
    throw Error(CodigoError::kNombreCarpetaInvalido,
                "El nombre del proyecto «" + std::string(nombre) +
                    "» no sirve como nombre de la carpeta de la tienda: " + motivo + ".");
  };
  if (nombre.empty()) {
    throw Error(CodigoError::kNombreCarpetaInvalido,
                "El proyecto no tiene nombre; sin él no hay carpeta para la tienda.");
  }
  if (nombre == "." || nombre == "..") rechazar("es un nombre reservado de carpeta");
  for (char c : nombre) {
    if (c == '/' || c == '\\') rechazar("no puede contener barras («/» ni «\\»)");
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) rechazar("contiene caracteres de control");
  }
}

int ProductosPorPagina(const Proyecto& p) {
  const std::string_view texto = Trim(p.txtCantProd);
  long valor = 0;
  bool ok = !texto.empty() && texto.size() <= 9;
  for (char c : texto) {
    if (c < '0' || c > '9') {
      ok = false;
      break;
    }
    valor = valor * 10 + (c - '0');
  }
  if (!ok || valor < 1) {
    throw Error(CodigoError::kProductosPorPagina,
                "La cantidad de productos por página («" + p.txtCantProd +
                    "») debe ser un número entero mayor que cero.");
  }
  return static_cast<int>(valor);
}

void ComprobarTasa(const Proyecto& p) {
  if (p.cheTasa != 1) return;
  int digitos = 0, puntos = 0;
  bool ok = !p.txtTasa.empty();
  for (char c : p.txtTasa) {
    if (c >= '0' && c <= '9') {
      ++digitos;
    } else if (c == '.') {
      ++puntos;
    } else {
      ok = false;
    }
  }
  if (!ok || digitos == 0 || puntos > 1) {
    throw Error(CodigoError::kTasaInvalida,
                "La tasa de impuesto («" + p.txtTasa +
                    "») debe ser un número con punto decimal, por ejemplo 21 o 10.5.");
  }
}

void ComprobarNombreCategoria(std::string_view nombre) {
  if (nombre.empty()) {
    throw Error(CodigoError::kCategoriaInvalida, "Falta el nombre del archivo de la categoría.");
  }
  for (char c : nombre) {
    if (c < 'a' || c > 'z') {
      throw Error(CodigoError::kCategoriaInvalida,
                  "El nombre de la categoría «" + std::string(nombre) +
                      "» solo puede tener letras minúsculas de la a a la z.");
    }
  }
  for (std::string_view reservado : {"carrito", "estado", "formulario", "ssl"}) {
    if (nombre == reservado) {
      throw Error(CodigoError::kCategoriaInvalida,
                  "El nombre de la categoría «" + std::string(nombre) +
                      "» reemplazaría las páginas de la tienda (carrito.htm, estado.htm, "
                      "formulario.htm, ssl.htm); elija otro nombre.");
    }
  }
}

std::string TextoTasa(const Proyecto& p) { return p.cheTasa == 1 ? p.txtTasa : "0"; }

}  // namespace vendaluz
