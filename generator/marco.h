// The page frame shared by the store pages: title, free text, top menu, colours,
// centring, style and popup options, and the meta block of the catalogue pages.
#pragma once

#include <string>
#include <string_view>

#include "generator/ejecucion.h"
#include "model/proyecto.h"

namespace vendaluz {

// The top menus; on each page its own entry is plain text and the other two link.
inline constexpr std::string_view kMenuCatalogo =
    R"([ *Menu1* | <a href="estado.htm">Estado</a> | <a href="*MenuLink*">*Menu3*</a> ])";
inline constexpr std::string_view kMenuEstado =
    R"([ <a href="carrito.htm">*Menu1*</a> | Estado | <a href="*MenuLink*">*Menu3*</a> ])";
inline constexpr std::string_view kMenuFormulario =
    R"([ <a href="carrito.htm">*Menu1*</a> | <a href="estado.htm">Estado</a> | *Menu3* ])";

// Formato.Color<n> as "#RRGGBB".
std::string ColorPagina(const Proyecto& p, int n);

// What *Estilo* becomes: the link element with the stylesheet file, otherwise the
// inline style element held in the style text.
std::string_view EstiloDePagina(const Proyecto& p, const Ejecucion& e);

// *Centrar* and *FinCentrar* by Formato.CentrarTexto0 (every page follows page 0).
void RellenarCentrado(const Proyecto& p, std::string& texto);

// Fills the catalogue shell held in the page text: menu, titles, popup options,
// style, colours, centring, then the rows text as *Producto*, then the meta block.
// *NumPag* is left for the catalogue builder.
void RellenarMarco(const Proyecto& p, Ejecucion& e);

}  // namespace vendaluz
