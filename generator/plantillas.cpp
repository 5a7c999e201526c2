#include "generator/plantillas.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "platform/cp1252.h"
#include "platform/error.h"

namespace vendaluz {

std::string_view CargarPlantilla(std::string_view nombre) {
  for (std::size_t i = 0; i < kNumPlantillasIncrustadas; ++i) {
    if (kPlantillasIncrustadas[i].nombre == nombre) return kPlantillasIncrustadas[i].texto;
  }
  throw Error(CodigoError::kErrorInterno,
              "No existe la plantilla «" + std::string(nombre) + "» en el programa.");
}

void Reemplazar(std::string& texto, std::string_view marca, std::string_view valor) {
  if (marca.empty()) return;
  std::size_t pos = texto.find(marca);
  if (pos == std::string::npos) return;
  std::string out;
  // Most marks occur once or twice; a guess that avoids regrowing in the usual case.
  out.reserve(texto.size() + (valor.size() > marca.size() ? 2 * (valor.size() - marca.size()) : 0));
  std::size_t desde = 0;
  while (pos != std::string::npos) {
    out.append(texto, desde, pos - desde);
    out.append(valor);
    desde = pos + marca.size();
    pos = texto.find(marca, desde);
  }
  out.append(texto, desde, std::string::npos);
  texto.swap(out);
}

std::string TextoEnAtributo(std::string_view texto) {
  constexpr std::pair<char, std::string_view> kReferencias[] = {
      {'"', "&quot;"}, {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'*', "&#42;"}};
  std::string out;
  for (char c : texto) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) continue;
    const auto r = std::find_if(std::begin(kReferencias), std::end(kReferencias),
                                [c](const auto& ref) { return ref.first == c; });
    if (r == std::end(kReferencias)) {
      out += c;
    } else {
      out += r->second;
    }
  }
  return out;
}

std::string CadenaJsEnScript(std::string_view texto) {
  std::string out;
  auto escape = [&out](unsigned u) {
    char b[8];
    std::snprintf(b, sizeof b, "\\u%04x", u & 0xFFFF);
    out += b;
  };
  for (std::size_t i = 0; i < texto.size();) {
    const char c = texto[i];
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' ||
        c == '_' || c == '-' || c == '.') {
      out += c;
      ++i;
      continue;
    }
    char32_t cp = NextCodePoint(texto, i);
    if (cp == kInvalidUtf8) cp = 0xFFFD;
    if (cp < 0x10000) {
      escape(cp);
    } else {  // a surrogate pair
      escape(0xD800 + ((cp - 0x10000) >> 10));
      escape(0xDC00 + ((cp - 0x10000) & 0x3FF));
    }
  }
  return out;
}

}  // namespace vendaluz
