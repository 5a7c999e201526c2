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

// A meta value inside its double-quoted content attribute, line breaks as blanks.
std::string ValorMeta(const std::string& valor) {
  std::string out;
  out.reserve(valor.size());
  for (std::size_t i = 0; i < valor.size(); ++i) {
    const char c = valor[i];
    if (c == '"') {
      out += "&quot;";
    } else if (c == '\r' || c == '\n') {
      if (c == '\n' || i + 1 == valor.size() || valor[i + 1] != '\n') out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}

constexpr int kMetaDescripcion = 2;  // Meta Tags.Descripcion in the meta block

// The owner's description meta tag, or else the project's description.
const std::string& Descripcion(const Proyecto& p) {
  const std::string& propia = p.metaTags.valor[kMetaDescripcion];
  return p.metaTags.Incluir == 1 && !propia.empty() ? propia : p.inicio.Descripcion;
}

std::string BloqueMeta(const Proyecto& p) {
  if (p.metaTags.Incluir != 1) return {};
  std::string bloque(CargarPlantilla("META"));
  for (int i = 0; i < 8; ++i) {
    Reemplazar(bloque, "*Meta" + std::to_string(i + 1) + "*",
               ValorMeta(i == kMetaDescripcion ? Descripcion(p) : p.metaTags.valor[i]));
  }
  return bloque;
}

}  // namespace

void RellenarCabecera(const Proyecto& p, const ClasePagina& clase, std::string& t, int pagina) {
  std::string titulo;
  for (const std::string& parte :
       {TituloPagina(p, clase), pagina > 1 ? "página " + std::to_string(pagina) : "",
        p.inicio.Nombre}) {
    if (parte.empty()) continue;
    if (!titulo.empty()) titulo += " - ";
    titulo += parte;
  }
  Reemplazar(t, "*TituloDocumento*", titulo);
  const bool enBloque = t.find("*MetaTags*") != std::string::npos && p.metaTags.Incluir == 1;
  const std::string& descripcion = Descripcion(p);
  Reemplazar(t, "*MetaDescripcion*",
             enBloque || descripcion.empty()
                 ? ""
                 : "<meta name=\"description\" content=\"" + ValorMeta(descripcion) + "\">");
}

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
