#include "generator/paginas.h"

#include "generator/catalogo.h"
#include "generator/estado.h"
#include "generator/estilo.h"
#include "generator/formulario.h"
#include "generator/pago.h"
#include "generator/scripts_correo.h"
#include "platform/error.h"

namespace vendaluz {
namespace {

constexpr ClasePagina kPaginas[] = {
    {.archivo = "estilo.css", .plantilla = "CSS", .construir = ConstruirEstilo},
    {.archivo = "carrito.htm",
     .plantilla = "CARRITO",
     .construir = ConstruirCatalogo,
     .formato = 0,
     .menu = "*Menu1*"},
    {.archivo = "estado.htm",
     .plantilla = "ESTADO",
     .construir = ConstruirEstado,
     .titulo = "Estado del Carrito",
     .menu = "Estado"},
    {.archivo = "formulario.htm",
     .plantilla = "FORMULARIO",
     .construir = ConstruirFormulario,
     .formato = 1,
     .menu = "*Menu3*",
     .enlace = "*MenuLink*"},
    {.archivo = "ssl.htm", .plantilla = "SSL", .construir = ConstruirPago, .formato = 2},
    {.archivo = "enviar", .construir = ConstruirScriptCorreo},
};

}  // namespace

std::span<const ClasePagina> TablaPaginas() { return kPaginas; }

const ClasePagina& PaginaDe(Constructor construir) {
  for (const ClasePagina& c : kPaginas) {
    if (c.construir == construir) return c;
  }
  throw Error(CodigoError::kErrorInterno, "Falta una clase de página en la tabla del programa.");
}

std::string TituloPagina(const Proyecto& p, const ClasePagina& clase) {
  return clase.formato >= 0 ? p.formato.Titulo[clase.formato] : std::string(clase.titulo);
}

std::string TextoPagina(const Proyecto& p, const ClasePagina& clase) {
  return clase.formato >= 0 ? p.formato.Texto[clase.formato] : std::string();
}

std::string MenuSuperior(const ClasePagina& actual) {
  std::string menu = "<nav aria-label=\"Menú de la tienda\">[ ";
  bool primera = true;
  for (const ClasePagina& c : kPaginas) {
    if (c.menu.empty()) continue;
    if (!primera) menu += " | ";
    primera = false;
    if (c.menu == actual.menu) {
      menu += c.menu;
    } else {
      menu += "<a href=\"";
      menu += c.enlace.empty() ? c.archivo : c.enlace;
      menu += "\">";
      menu += c.menu;
      menu += "</a>";
    }
  }
  return menu + " ]</nav>";
}

std::vector<std::string_view> NombresReservados() {
  std::vector<std::string_view> nombres;
  for (const ClasePagina& c : kPaginas) {
    if (c.archivo.ends_with(".htm")) nombres.push_back(c.archivo.substr(0, c.archivo.size() - 4));
  }
  return nombres;
}

}  // namespace vendaluz
