#include "generator/estilo.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <span>
#include <string>

#include "generator/plantillas.h"
#include "model/color.h"
#include "platform/cp1252.h"

namespace vendaluz {
namespace {

// A setting inside a CSS value: characters that Windows-1252 lacks become CSS
// escapes, because HTML character references mean nothing inside a style element.
std::string ValorCss(std::string_view valor) {
  std::string out;
  out.reserve(valor.size());
  std::size_t i = 0;
  while (i < valor.size()) {
    const std::size_t desde = i;
    const char32_t cp = NextCodePoint(valor, i);
    if (cp != kInvalidUtf8 && Cp1252Byte(cp) >= 0) {
      out.append(valor, desde, i - desde);
    } else {
      char buf[16];
      std::snprintf(buf, sizeof buf, "\\%X ",
                    static_cast<unsigned>(cp == kInvalidUtf8 ? 0xFFFD : cp));
      out += buf;
    }
  }
  return out;
}

// A font name as a CSS family list: the owner's font, then the generic family that
// looks most like it, for a browser that lacks the font. A name that already is a
// list, or a generic family itself, stays as it is.
std::string FamiliaCss(std::string_view fuente) {
  std::string familia = ValorCss(fuente);
  std::string nombre;
  for (char c : familia) nombre += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  constexpr std::string_view kGenericas[] = {"serif",   "sans-serif", "monospace",
                                             "cursive", "fantasy",    "system-ui"};
  if (nombre.empty() || nombre.find(',') != std::string::npos ||
      std::find(std::begin(kGenericas), std::end(kGenericas), nombre) != std::end(kGenericas)) {
    return familia;
  }
  constexpr std::string_view kConSerifa[] = {"times",        "georgia", "garamond", "palatino",
                                             "book antiqua", "bookman", "cambria",  "century",
                                             "baskerville",  "didot",   "serif"};
  constexpr std::string_view kMonoespaciadas[] = {"courier", "consolas", "lucida console", "monaco",
                                                  "mono"};
  auto contiene = [&nombre](std::span<const std::string_view> nombres) {
    return std::any_of(nombres.begin(), nombres.end(), [&nombre](std::string_view n) {
      return nombre.find(n) != std::string::npos;
    });
  };
  // "sans" first: "Sans Serif" fonts name serif too.
  const bool sinSerifa = nombre.find("sans") != std::string::npos;
  if (contiene(kMonoespaciadas)) return familia + ", monospace";
  if (!sinSerifa && contiene(kConSerifa)) return familia + ", serif";
  return familia + ", sans-serif";
}

void RellenarEstiloEnlaces(const Proyecto& p, std::string& t) {
  Reemplazar(t, "*strCSSColor0*", ColorAHex(p.css.CSS[0]));
  Reemplazar(t, "*strCSSColor2*", ColorAHex(p.css.CSS[2]));
  Reemplazar(t, "*cboCSSFuente1*", FamiliaCss(p.css.Fuente1));
  Reemplazar(t, "*cboCSSFuente2*", FamiliaCss(p.css.Fuente2));
  Reemplazar(t, "*cboCSSTFuente1*", ValorCss(p.css.TamanoFuente1));
  Reemplazar(t, "*cboCSSTFuente2*", ValorCss(p.css.TamanoFuente2));
  Reemplazar(t, "*cboCSSDeco1*", ValorCss(p.css.Decoracion1));
  Reemplazar(t, "*cboCSSDeco2*", ValorCss(p.css.Decoracion2));
}

void RellenarReglasPagina(const Proyecto& p, std::string& t) {
  Reemplazar(t, "*strFuente*", FamiliaCss(p.formato.Fuente));
  Reemplazar(t, "*strTFuente*", ValorCss(p.formato.TamanoFuente));
  Reemplazar(t, "*strColor1*", ColorAHex(p.formato.Color[1]));
  Reemplazar(t, "*strColor2*", ColorAHex(p.formato.Color[2]));
}

}  // namespace

std::vector<ArchivoTienda> ConstruirEstilo(const Proyecto& p, const Ejecucion& /*e*/,
                                           const ClasePagina& clase) {
  if (p.formato.CSS != 1) return {};
  std::string t(CargarPlantilla(clase.plantilla));
  RellenarEstiloEnlaces(p, t);
  RellenarReglasPagina(p, t);
  return {{std::string(clase.archivo), std::move(t)}};
}

namespace {

// Rules of every page that no setting changes: the heading as large as the font of
// size +2 it replaces, pictures in cells without the gap below them, links in text
// underlined, labels only screen readers read, and text on phones no smaller than
// 16 px (or the owner's size when it is larger).
std::string ReglasComunes(const Proyecto& p) {
  const std::string tamano = ValorCss(p.formato.TamanoFuente);
  const std::string minimo = tamano.empty() ? "16px" : "max(16px, " + tamano + ")";
  return "<style type=\"text/css\">\r\n"
         "h1 { font-size: x-large; font-weight: normal; margin: 0; }\r\n"
         "td img { vertical-align: bottom; }\r\n"
         "nav a, .texto a { text-decoration: underline; }\r\n"
         ".oculto { position: absolute; width: 1px; height: 1px; margin: -1px; padding: 0; "
         "border: 0; overflow: hidden; clip: rect(0 0 0 0); white-space: nowrap; }\r\n"
         "@media (max-width: 599px) {\r\n"
         ".body, .td, .body td, .td td, small, a, input[type=\"text\"], select { font-size: " +
         minimo +
         "; }\r\n"
         "table.body input[type=\"text\"], table.body select { width: 100%; box-sizing: "
         "border-box; }\r\n"
         "}\r\n"
         "</style>";
}

}  // namespace

std::string EstiloDePagina(const Proyecto& p) {
  const ClasePagina& hoja = PaginaDe(ConstruirEstilo);
  if (p.formato.CSS == 1) {
    return "<link rel=\"stylesheet\" href=\"" + std::string(hoja.archivo) +
           "\" type=\"text/css\">\r\n" + ReglasComunes(p);
  }
  std::string reglas(CargarPlantilla(hoja.plantilla).substr(0, kLongitudReglasPagina));
  RellenarReglasPagina(p, reglas);
  return "<style type=\"text/css\">\r\n" + reglas + "\r\n</style>\r\n" + ReglasComunes(p);
}

}  // namespace vendaluz
