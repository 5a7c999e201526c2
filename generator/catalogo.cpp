#include "generator/catalogo.h"

#include <algorithm>

#include "generator/comprobaciones.h"
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
  for (char c : texto) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\'':
        out += "\\'";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
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

// One PRODUCTO row; n is the product's number (1 for the first).
std::string FilaProducto(const Producto& prod, int n, bool conMiniaturas,
                         const TamanosImagenes& tamanos) {
  const std::string_view abre = conMiniaturas ? kAbreFoto : "";
  const std::string_view cierra = conMiniaturas ? kCierraFoto : "";
  std::string f(CargarPlantilla("PRODUCTO"));
  Reemplazar(f, "*NombreProJS*", CadenaJsEnAtributo(prod.Nombre));
  Reemplazar(f, "*PrecioJS*", CadenaJsEnAtributo(prod.Precio));
  Reemplazar(f, "*NombrePro*", prod.Nombre);
  Reemplazar(f, "*Precio*", prod.Precio);
  Reemplazar(f, "*Descripcion*", prod.Descripcion);
  Reemplazar(f, "*Agregar*", "agregar" + std::to_string(n));
  Reemplazar(f, "*Tipo*", abre);
  Reemplazar(f, "*FinTipo*", cierra);
  Reemplazar(f, "*Href*", abre);
  Reemplazar(f, "*HrefFin*", cierra);

  const std::string imagen = NombreImagen(prod.Imagen);
  Reemplazar(f, "*ImgProd*", CadenaJsEnAtributo(imagen));
  if (imagen.empty() || !conMiniaturas) {
    Reemplazar(f, "*Imagen*", R"(" width="0" height="0)");
    Reemplazar(f, "*PopAncho*", "0");
    Reemplazar(f, "*PopAlto*", "0");
  } else {
    TamanoImagen tam;
    if (auto it = tamanos.find(n); it != tamanos.end()) tam = it->second;
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

  std::vector<ArchivoTienda> archivos;
  archivos.reserve(static_cast<std::size_t>(paginas));
  for (int n = 1; n <= paginas; ++n) {
    std::string filas;
    const int hasta = std::min(n * porPagina, total);
    for (int i = (n - 1) * porPagina + 1; i <= hasta; ++i) {
      filas += "\r\n";
      filas += FilaProducto(p.productos[i - 1], i, conMiniaturas, e.tamanos);
    }
    std::string pagina(CargarPlantilla(clase.plantilla));
    RellenarMarco(p, e, clase, pagina, filas);
    Reemplazar(pagina, "*NumPag*",
               paginas <= kPaginadorCompleto ? paginador : TextoPaginador(base, paginas, n));
    archivos.push_back({NombrePagina(base, n), std::move(pagina)});
  }
  return archivos;
}

}  // namespace vendaluz
