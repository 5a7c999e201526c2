#include "generator/marco.h"

#include "generator/plantillas.h"

namespace vendaluz {

std::string ColorPagina(const Proyecto& p, int n) { return ColorAHex(p.formato.Color[n]); }

std::string_view EstiloDePagina(const Proyecto& p, const Ejecucion& e) {
  return p.formato.CSS == 1 ? std::string_view(e.elementoLink) : std::string_view(e.textoEstilo);
}

void RellenarCentrado(const Proyecto& p, std::string& texto) {
  const bool centrar = p.formato.CentrarTexto[0] != 0;
  Reemplazar(texto, "*Centrar*", centrar ? "<center>" : "");
  Reemplazar(texto, "*FinCentrar*", centrar ? "</center>" : "");
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

}  // namespace

void RellenarMarco(const Proyecto& p, Ejecucion& e) {
  std::string& t = e.textoPagina;
  Reemplazar(t, "*Titulo*", p.formato.Titulo[0]);
  Reemplazar(t, "*Texto*", p.formato.Texto[0]);
  Reemplazar(t, "*TopMenu*", kMenuCatalogo);
  Reemplazar(t, "*Menu1*", p.formato.Titulo[0]);
  Reemplazar(t, "*Menu3*", p.formato.Titulo[1]);
  Reemplazar(t, "*MenuLink*", e.destino.menuLink);
  const int barras[5] = {p.popup.Barra1, p.popup.Barra2, p.popup.Barra3, p.popup.Barra4,
                         p.popup.Barra5};
  for (int i = 0; i < 5; ++i) {
    Reemplazar(t, "*che" + std::to_string(i) + "*", std::to_string(barras[i]));
  }
  if (p.popup.Centrar == 1) {
    Reemplazar(t, "*PopAncho*", "(screen.width-ancho)/2;");
    Reemplazar(t, "*PopAlto*", "(screen.height-alto)/2;");
  } else {
    Reemplazar(t, "*PopAncho*", "0");
    Reemplazar(t, "*PopAlto*", "0");
  }
  Reemplazar(t, "*Estilo*", EstiloDePagina(p, e));
  Reemplazar(t, "*strColor0*", ColorPagina(p, 0));
  Reemplazar(t, "*strColor1*", ColorPagina(p, 1));
  Reemplazar(t, "*strColor3*", ColorPagina(p, 3));
  Reemplazar(t, "*strColor4*", ColorPagina(p, 4));
  Reemplazar(t, "*Link*", ColorPagina(p, 5));
  Reemplazar(t, "*Visitado*", ColorPagina(p, 6));
  RellenarCentrado(p, t);
  Reemplazar(t, "*Producto*", e.textoFilas);
  if (p.metaTags.Incluir == 1) {
    e.textoFragmento.assign(CargarPlantilla("META"));
    for (int i = 0; i < 8; ++i) {
      Reemplazar(e.textoFragmento, "*Meta" + std::to_string(i + 1) + "*",
                 ValorMeta(p.metaTags.valor[i]));
    }
    Reemplazar(t, "*MetaTags*", e.textoFragmento);
  } else {
    Reemplazar(t, "*MetaTags*", "");
  }
}

}  // namespace vendaluz
