#include "generator/datos_productos.h"

#include <cstdio>

#include "generator/imagenes.h"
#include "generator/plantillas.h"
#include "model/moneda.h"
#include "platform/cp1252.h"
#include "platform/text.h"

namespace vendaluz {
namespace {

// A JSON string for a script element: printable ASCII as it is, but for what could end
// the string or the element, or be taken for a mark ('*'); the rest as \uXXXX.
std::string Cadena(std::string_view texto) {
  std::string out = "\"";
  for (std::size_t i = 0; i < texto.size();) {
    const char c = texto[i];
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '<' && c != '>' && c != '&' &&
        c != '*') {
      out += c;
      ++i;
    } else if (static_cast<unsigned char>(c) < 0x80) {
      out += CadenaJsEnScript(std::string_view(&texto[i], 1));
      ++i;
    } else {
      const std::size_t desde = i;
      NextCodePoint(texto, i);
      out += CadenaJsEnScript(texto.substr(desde, i - desde));
    }
  }
  return out + "\"";
}

// Shoppers read a description as the page shows it; search engines want its text:
// without markup, each run of blanks and line breaks (<br> too) as one blank.
std::string SinMarcas(std::string_view html) {
  std::string out;
  bool dentro = false, blanco = false;
  for (std::size_t i = 0; i < html.size(); ++i) {
    const char c = html[i];
    if (c == '<') {
      dentro = true;
      if (FoldCase(html.substr(i + 1, 2)) == "br") blanco = true;
    } else if (dentro) {
      dentro = c != '>';
    } else if (static_cast<unsigned char>(c) <= ' ') {
      blanco = true;
    } else {
      if (blanco && !out.empty()) out += ' ';
      blanco = false;
      out += c;
    }
  }
  return out;
}

// A picture's address inside the store, its bytes outside the unreserved ones as %XX.
std::string DireccionImagen(std::string_view nombre) {
  std::string out = "imagenes/";
  for (char c : nombre) {
    const auto u = static_cast<unsigned char>(c);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
        c == '-' || c == '.' || c == '_' || c == '~') {
      out += c;
    } else {
      char b[4];
      std::snprintf(b, sizeof b, "%%%02X", u);
      out += b;
    }
  }
  return out;
}

}  // namespace

std::string DatosProductos(const Proyecto& p, std::size_t desde, std::size_t hasta,
                           std::string_view pagina) {
  if (desde >= hasta) return {};
  const bool conImagenes = p.productosImagen == 1 && p.thumbnails.Copiar == 1;
  std::string out =
      "\r\n<script type=\"application/ld+json\">\r\n"
      "{\"@context\": \"https://schema.org\", \"@graph\": [";
  for (std::size_t i = desde; i < hasta; ++i) {
    const Producto& prod = p.productos[i];
    out += i == desde ? "\r\n" : ",\r\n";
    out += "{\"@type\": \"Product\", \"name\": " + Cadena(prod.Nombre);
    out += ", \"description\": " + Cadena(SinMarcas(prod.Descripcion));
    const std::string imagen = NombreImagen(prod.Imagen);
    if (conImagenes && !imagen.empty()) out += ", \"image\": " + Cadena(DireccionImagen(imagen));
    // A price that is no number offers nothing a listing could show.
    if (const auto precio = ImporteConCentavos(Trim(prod.Precio))) {
      out += ", \"offers\": {\"@type\": \"Offer\", \"price\": " + Cadena(*precio) +
             ", \"priceCurrency\": " + Cadena(p.moneda.Codigo) + ", \"url\": " + Cadena(pagina) +
             "}";
    }
    out += "}";
  }
  out += "\r\n]}\r\n</script>";
  return out;
}

}  // namespace vendaluz
