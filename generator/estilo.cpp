#include "generator/estilo.h"

#include <cstdio>
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

void RellenarEstiloEnlaces(const Proyecto& p, std::string& t) {
  Reemplazar(t, "*strCSSColor0*", ColorAHex(p.css.CSS[0]));
  Reemplazar(t, "*strCSSColor2*", ColorAHex(p.css.CSS[2]));
  Reemplazar(t, "*cboCSSFuente1*", ValorCss(p.css.Fuente1));
  Reemplazar(t, "*cboCSSFuente2*", ValorCss(p.css.Fuente2));
  Reemplazar(t, "*cboCSSTFuente1*", ValorCss(p.css.TamanoFuente1));
  Reemplazar(t, "*cboCSSTFuente2*", ValorCss(p.css.TamanoFuente2));
  Reemplazar(t, "*cboCSSDeco1*", ValorCss(p.css.Decoracion1));
  Reemplazar(t, "*cboCSSDeco2*", ValorCss(p.css.Decoracion2));
}

void RellenarReglasPagina(const Proyecto& p, std::string& t) {
  Reemplazar(t, "*strFuente*", ValorCss(p.formato.Fuente));
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

std::string EstiloDePagina(const Proyecto& p) {
  const ClasePagina& hoja = PaginaDe(ConstruirEstilo);
  if (p.formato.CSS == 1) {
    return "<link rel=\"stylesheet\" href=\"" + std::string(hoja.archivo) + "\" type=\"text/css\">";
  }
  std::string reglas(CargarPlantilla(hoja.plantilla).substr(0, kLongitudReglasPagina));
  RellenarReglasPagina(p, reglas);
  return "<style type=\"text/css\">\r\n" + reglas + "\r\n</style>";
}

}  // namespace vendaluz
