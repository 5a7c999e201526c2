// The catalogue pages: the product list split into pages of txtCantProd products,
// each a filled CARRITO shell with one PRODUCTO row per product and a pager.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generator/ejecucion.h"
#include "generator/paginas.h"
#include "model/proyecto.h"

namespace vendaluz {

// Page n of a catalogue: base.htm for the first, base<n>.htm for the others.
std::string NombrePagina(std::string_view base, int n);

inline constexpr int kPaginadorCompleto = 50;  // up to this many pages each lists all
inline constexpr int kPaginasCerca = 5;        // listed on each side of the page shown

// The pager of page `actual`: " [<a href="base.htm">1</a>] [<a href="base2.htm">2</a>]
// ..." for every page, or above kPaginadorCompleto pages only the first, the last
// and those within kPaginasCerca of the current one, with " …" for each gap, so that
// the catalogue grows linearly with the products.
std::string TextoPaginador(std::string_view base, int paginas, int actual = 1);

// Text for a single-quoted JavaScript string inside a double-quoted attribute:
// backslash and quote escaped for the script, '"' and '&' written as character
// references for the attribute, so the script receives the text as typed; a line
// break and every other control character become a blank (a cookie cannot hold
// them), and '*' is written as \x2a so that no later replacement finds a mark in it.
std::string CadenaJsEnAtributo(std::string_view texto);

// The catalogue pages base.htm, base2.htm ... where base is the name of the first
// page (clase.archivo) without ".htm": the store's catalogue, or a category with a
// copy of the catalogue row named after it. Throws Error when txtCantProd is not a
// whole number of at least 1.
std::vector<ArchivoTienda> ConstruirCatalogo(const Proyecto& p, const Ejecucion& e,
                                             const ClasePagina& clase);

}  // namespace vendaluz
