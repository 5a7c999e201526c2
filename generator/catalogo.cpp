#include "generator/catalogo.h"

#include <algorithm>

#include "generator/comprobaciones.h"
#include "generator/datos_productos.h"
#include "generator/importes.h"
#include "generator/marco.h"
#include "generator/plantillas.h"

namespace vendaluz {

std::string NombrePagina(std::string_view base, int n) {
  std::string nombre(base);
  if (n > 1) nombre += std::to_string(n);
  return nombre + ".htm";
}

namespace {

void EntradaPaginador(std::string& texto, std::string_view base, int n) {
  const std::string numero = std::to_string(n);
  texto += " [<a href=\"";
  texto += base;
  if (n > 1) texto += numero;
  texto += ".htm\">";
  texto += numero;
  texto += "</a>]";
}

}  // namespace

std::string TextoPaginador(std::string_view base, int paginas, int actual) {
  std::string texto;
  if (paginas <= kPaginadorCompleto) {
    texto.reserve(static_cast<std::size_t>(paginas) * (base.size() + 30));
    for (int n = 1; n <= std::max(paginas, 1); ++n) EntradaPaginador(texto, base, n);
    return texto;
  }
  const int desde = std::max(1, actual - kPaginasCerca),
            hasta = std::min(paginas, actual + kPaginasCerca);
  EntradaPaginador(texto, base, 1);
  if (desde > 2) texto += " \u2026";
  for (int n = std::max(desde, 2); n <= std::min(hasta, paginas - 1); ++n) {
    EntradaPaginador(texto, base, n);
  }
  if (hasta < paginas - 1) texto += " \u2026";
  EntradaPaginador(texto, base, paginas);
  return texto;
}

std::string CadenaJsEnAtributo(std::string_view texto) {
  std::string out;
  out.reserve(texto.size() + 8);
  for (std::size_t i = 0; i < texto.size(); ++i) {
    const char c = texto[i];
    if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') continue;  // one blank
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      out += ' ';
      continue;
    }
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\'':
        out += "\\'";
        break;
      case '*':
        out += "\\x2a";
        break;
      case '"':
        out += "&quot;";
        break;
      case '&':
        out += "&amp;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

namespace {

constexpr std::string_view kAbreFoto =
    R"x(<a href="javascript:CargarFoto('imagenes/*ImgProd*','*PopAncho*','*PopAlto*')">)x";
constexpr std::string_view kCierraFoto = "</a>";

// A name as the page shows it: its line breaks as <br>.
std::string ConSaltos(std::string_view texto) {
  std::string out;
  for (std::size_t i = 0; i < texto.size(); ++i) {
    if (texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') continue;
    if (texto[i] == '\r' || texto[i] == '\n') {
      out += "<br>";
    } else {
      out += texto[i];
    }
  }
  return out;
}

// A product's name as the text of an attribute (the thumbnail's alt): quotes and
// angle brackets as references, line breaks as blanks, and '*' so that no later
// replacement takes it for a mark.
std::string NombreEnAtributo(std::string_view texto) {
  std::string out;
  for (std::size_t i = 0; i < texto.size(); ++i) {
    const char c = texto[i];
    if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') continue;
    switch (c) {
      case '"':
        out += "&quot;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '*':
        out += "&#42;";
        break;
      default:
        out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
  }
  return out;
}

// One PRODUCTO row; n is the product's number (1 for the first). With thumbnails
// off every row has an empty 0 by 0 picture; with them on, a product without a
// picture has neither picture nor link, its name stays plain text. A thumbnail
// carries its size, so the page does not move as it loads, and the product's name
// as its text, which also names its link.
std::string FilaProducto(const Proyecto& p, const Producto& prod, int n, bool conMiniaturas,
                         const TamanosImagenes& tamanos, const ReglaMiniatura& regla) {
  const std::string imagen = NombreImagen(prod.Imagen);
  const bool conFoto = conMiniaturas && !imagen.empty();
  const std::string_view abre = conFoto ? kAbreFoto : "";
  const std::string_view cierra = conFoto ? kCierraFoto : "";
  const auto tamano = tamanos.find(n);
  std::string foto = R"(<img src="*Imagen*" border="0" alt="")";
  if (conFoto) {
    foto = "*Tipo*<img src=\"*Imagen*\"";
    if (tamano != tamanos.end()) {
      const TamanoImagen m = MedidaMiniatura(tamano->second, regla);
      foto +=
          " width=\"" + std::to_string(m.ancho) + "\" height=\"" + std::to_string(m.alto) + "\"";
    }
    foto += " border=\"0\" alt=\"" + NombreEnAtributo(prod.Nombre) + "\">*FinTipo*";
  }
  std::string f(CargarPlantilla("PRODUCTO"));
  Reemplazar(f, "*Foto*", conMiniaturas && !conFoto ? "" : foto);
  Reemplazar(f, "*NombreProJS*", CadenaJsEnAtributo(prod.Nombre));
  Reemplazar(f, "*PrecioJS*", CadenaJsEnAtributo(prod.Precio));
  Reemplazar(f, "*NombrePro*", ConSaltos(prod.Nombre));
  Reemplazar(f, "*Precio*", PrecioEnCatalogo(p, prod.Precio));
  Reemplazar(f, "*Descripcion*", prod.Descripcion);
  Reemplazar(f, "*Agregar*", "agregar" + std::to_string(n));
  Reemplazar(f, "*Tipo*", abre);
  Reemplazar(f, "*FinTipo*", cierra);
  Reemplazar(f, "*Href*", abre);
  Reemplazar(f, "*HrefFin*", cierra);
  Reemplazar(f, "*ImgProd*", CadenaJsEnAtributo(imagen));
  if (!conFoto) {
    Reemplazar(f, "*Imagen*", R"(" width="0" height="0)");
    Reemplazar(f, "*PopAncho*", "0");
    Reemplazar(f, "*PopAlto*", "0");
  } else {
    const TamanoImagen tam = tamano != tamanos.end() ? tamano->second : TamanoImagen{};
    Reemplazar(f, "*Imagen*", "thumbnails/" + NombreBase(prod.Imagen) + ".jpg");
    Reemplazar(f, "*PopAncho*", std::to_string(tam.ancho + 20));
    Reemplazar(f, "*PopAlto*", std::to_string(tam.alto + 30));
  }
  return f;
}

}  // namespace

std::vector<ArchivoTienda> ConstruirCatalogo(const Proyecto& p, const Ejecucion& e,
                                             const ClasePagina& clase) {
  const int porPagina = ProductosPorPagina(p);
  const std::string_view base = clase.archivo.substr(0, clase.archivo.rfind(".htm"));
  const int total = static_cast<int>(p.productos.size());
  const bool conMiniaturas =
      p.productosImagen == 1 && p.thumbnails.Copiar == 1 && p.thumbnails.Mostrar == 1;
  const int paginas = total == 0 ? 1 : (total - 1) / porPagina + 1;
  // Up to kPaginadorCompleto pages every page has the same pager.
  const std::string paginador = TextoPaginador(base, paginas);
  const ReglaMiniatura regla = conMiniaturas ? LeerReglaMiniatura(p.thumbnails) : ReglaMiniatura{};

  std::vector<ArchivoTienda> archivos;
  archivos.reserve(static_cast<std::size_t>(paginas));
  for (int n = 1; n <= paginas; ++n) {
    std::string filas;
    const int hasta = std::min(n * porPagina, total);
    for (int i = (n - 1) * porPagina + 1; i <= hasta; ++i) {
      filas += "\r\n";
      filas += FilaProducto(p, p.productos[i - 1], i, conMiniaturas, e.tamanos, regla);
    }
    std::string pagina(CargarPlantilla(clase.plantilla));
    RellenarCabecera(p, clase, pagina, n);
    RellenarMarco(p, e, clase, pagina, filas);
    Reemplazar(pagina, "*NumPag*",
               paginas <= kPaginadorCompleto ? paginador : TextoPaginador(base, paginas, n));
    const std::string nombre = NombrePagina(base, n);
    Reemplazar(pagina, "*DatosProductos*",
               DatosProductos(p, static_cast<std::size_t>((n - 1) * porPagina),
                              static_cast<std::size_t>(hasta), nombre));
    archivos.push_back({nombre, std::move(pagina)});
  }
  return archivos;
}

}  // namespace vendaluz
