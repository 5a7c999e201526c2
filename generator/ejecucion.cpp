#include "generator/ejecucion.h"

#include <cstdint>
#include <cstring>

#include "platform/cp1252.h"
#include "platform/error.h"

namespace vendaluz {

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

void Ejecucion::EscribirArchivo(const fs::path& ruta, std::string_view texto, bool lineasUnix) {
  std::string bytes = CodificarPagina(texto);
  bytes += "\r\n";
  if (lineasUnix) std::erase(bytes, '\r');
  try {
    disco->WriteFile(ruta, bytes, Replace::kFast);
  } catch (const DiskError& e) {
    problemas.push_back({e.path(), e.cause()});
  }
}

void Ejecucion::CopiarArchivo(const fs::path& origen, const fs::path& destino) {
  try {
    disco->CopyFile(origen, destino);
  } catch (const DiskError& e) {
    problemas.push_back({e.path(), e.cause()});
  }
}

void VaciarCarpeta(Disk& disco, const fs::path& carpeta) {
  try {
    for (const std::string& nombre : disco.List(carpeta)) disco.Remove(carpeta / nombre);
  } catch (const DiskError& e) {
    throw Error(CodigoError::kVaciadoFallido, e.descripcion());
  }
}

}  // namespace vendaluz
