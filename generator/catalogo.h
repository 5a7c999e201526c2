// The catalogue pages: the product list split into pages of txtCantProd products,
// each a filled CARRITO shell with one PRODUCTO row per product and a pager that
// links every page.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "generator/ejecucion.h"
#include "model/proyecto.h"

namespace vendaluz {

// Page n of a catalogue: base.htm for the first, base<n>.htm for the others.
std::string NombrePagina(std::string_view base, int n);

// " [<a href="base.htm">1</a>] [<a href="base2.htm">2</a>] ..." for every page.
std::string TextoPaginador(std::string_view base, int paginas);

// Text for a single-quoted JavaScript string inside a double-quoted attribute:
// backslash, quote and line breaks escaped for the script, '"' and '&' written as
// character references for the attribute, so the script receives the text as typed.
std::string CadenaJsEnAtributo(std::string_view texto);

// Writes the pages base.htm, base2.htm ... into carpeta, advancing the run's page
// counter once per page. Throws Error before writing anything when txtCantProd is
// not a whole number of at least 1.
void ConstruirCatalogo(const Proyecto& p, Ejecucion& e, std::string_view base,
                       const std::filesystem::path& carpeta);

}  // namespace vendaluz
