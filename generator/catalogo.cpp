#include "generator/catalogo.h"

#include "generator/marco.h"
#include "generator/plantillas.h"

namespace vendaluz {

std::string NombrePagina(std::string_view base, int n) {
  std::string nombre(base);
  if (n > 1) nombre += std::to_string(n);
  return nombre + ".htm";
}

std::string TextoPaginador(std::string_view base, int paginas) {
  std::string texto;
  texto.reserve(static_cast<std::size_t>(paginas) * (base.size() + 30));
  for (int n = 1; n <= std::max(paginas, 1); ++n) {
    const std::string numero = std::to_string(n);
    texto += " [<a href=\"";
    texto += base;
    if (n > 1) texto += numero;
    texto += ".htm\">";
    texto += numero;
    texto += "</a>]";
  }
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

void EscribirPagina(const Proyecto& p, Ejecucion& e, std::string_view base,
                    const std::filesystem::path& carpeta) {
  e.textoPagina.assign(CargarPlantilla("CARRITO"));
  RellenarMarco(p, e);
  Reemplazar(e.textoPagina, "*NumPag*", e.textoPaginador);
  e.EscribirArchivo(carpeta / NombrePagina(base, e.contadorPaginas), e.textoPagina);
  e.textoPagina.clear();
  e.textoFilas.clear();
}

}  // namespace

void ConstruirCatalogo(const Proyecto& p, Ejecucion& e, std::string_view base,
                       const std::filesystem::path& carpeta) {
  const int porPagina = ProductosPorPagina(p);
  const int total = static_cast<int>(p.productos.size());
  const bool conMiniaturas =
      p.productosImagen == 1 && p.thumbnails.Copiar == 1 && p.thumbnails.Mostrar == 1;
  const std::string_view abre = conMiniaturas ? kAbreFoto : "";
  const std::string_view cierra = conMiniaturas ? kCierraFoto : "";

  const int paginas = total == 0 ? 1 : (total - 1) / porPagina + 1;
  e.textoPaginador = TextoPaginador(base, paginas);

  e.textoFilas.clear();
  long fin = porPagina;
  for (int i = 1; i <= total; ++i) {
    const Producto& prod = p.productos[i - 1];
    std::string& f = e.textoFragmento;
    f.assign(CargarPlantilla("PRODUCTO"));
    Reemplazar(f, "*NombreProJS*", CadenaJsEnAtributo(prod.Nombre));
    Reemplazar(f, "*PrecioJS*", CadenaJsEnAtributo(prod.Precio));
    Reemplazar(f, "*NombrePro*", prod.Nombre);
    Reemplazar(f, "*Precio*", prod.Precio);
    Reemplazar(f, "*Descripcion*", prod.Descripcion);
    Reemplazar(f, "*Agregar*", "agregar" + std::to_string(i));
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
      if (auto it = e.tamanos.find(i); it != e.tamanos.end()) tam = it->second;
      Reemplazar(f, "*Imagen*", "thumbnails/" + NombreBase(prod.Imagen) + ".jpg");
      Reemplazar(f, "*PopAncho*", std::to_string(tam.ancho + 20));
      Reemplazar(f, "*PopAlto*", std::to_string(tam.alto + 30));
    }
    e.textoFilas += "\r\n";
    e.textoFilas += f;
    f.clear();

    if (i == fin) {
      EscribirPagina(p, e, base, carpeta);
      if (i != total) fin += porPagina;
      ++e.contadorPaginas;
    }
  }
  if (fin > total) {
    EscribirPagina(p, e, base, carpeta);
    ++e.contadorPaginas;
  }
}

}  // namespace vendaluz
