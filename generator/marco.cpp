#include "generator/marco.h"

#include "generator/plantillas.h"

namespace vendaluz {

std::string ColorPagina(const Proyecto& p, int n) { return ColorAHex(p.formato.Color[n]); }

void RellenarCentrado(const Proyecto& p, std::string& texto) {
  const bool centrar = p.formato.CentrarTexto[0] != 0;
  Reemplazar(texto, "*Centrar*", centrar ? "<center>" : "");
  Reemplazar(texto, "*FinCentrar*", centrar ? "</center>" : "");
}

void RellenarEncabezado(const Proyecto& p, const Ejecucion& e, const ClasePagina& clase,
                        std::string& t) {
  Reemplazar(t, "*Titulo*", TituloPagina(p, clase));
  Reemplazar(t, "*Texto*", TextoPagina(p, clase));
  Reemplazar(t, "*TopMenu*", MenuSuperior(clase));
  Reemplazar(t, "*Menu1*", p.formato.Titulo[0]);
  Reemplazar(t, "*Menu3*", p.formato.Titulo[1]);
  Reemplazar(t, "*MenuLink*", e.destino.menuLink);
}

void RellenarColores(const Proyecto& p, const Ejecucion& e, std::string& t) {
  Reemplazar(t, "*Estilo*", e.estilo);
  Reemplazar(t, "*strColor0*", ColorPagina(p, 0));
  Reemplazar(t, "*strColor1*", ColorPagina(p, 1));
  Reemplazar(t, "*strColor3*", ColorPagina(p, 3));
  Reemplazar(t, "*strColor4*", ColorPagina(p, 4));
  Reemplazar(t, "*Link*", ColorPagina(p, 5));
  Reemplazar(t, "*Visitado*", ColorPagina(p, 6));
  RellenarCentrado(p, t);
}

namespace {

// A meta value inside its double-quoted content attribute.
std::string ValorMeta(const std::string& valor) {
  std::string out;
  out.reserve(valor.size());
  for (char c : valor) {
    if (c == '"') {
      out += "&quot;";
    } else {
      out += c;
    }
  }
  return out;
}

std::string BloqueMeta(const Proyecto& p) {
  if (p.metaTags.Incluir != 1) return {};
  std::string bloque(CargarPlantilla("META"));
  for (int i = 0; i < 8; ++i) {
    Reemplazar(bloque, "*Meta" + std::to_string(i + 1) + "*", ValorMeta(p.metaTags.valor[i]));
  }
  return bloque;
}

}  // namespace

void RellenarMarco(const Proyecto& p, const Ejecucion& e, const ClasePagina& clase, std::string& t,
                   std::string_view filas) {
  RellenarEncabezado(p, e, clase, t);
  const int barras[5] = {p.popup.Barra1, p.popup.Barra2, p.popup.Barra3, p.popup.Barra4,
                         p.popup.Barra5};
  for (int i = 0; i < 5; ++i) {
    Reemplazar(t, "*che" + std::to_string(i) + "*", std::to_string(barras[i]));
  }
  const bool centrar = p.popup.Centrar == 1;
  Reemplazar(t, "*PopAncho*", centrar ? "(screen.width-ancho)/2;" : "0");
  Reemplazar(t, "*PopAlto*", centrar ? "(screen.height-alto)/2;" : "0");
  RellenarColores(p, e, t);
  Reemplazar(t, "*Producto*", filas);
  Reemplazar(t, "*MetaTags*", BloqueMeta(p));
}

}  // namespace vendaluz
