// The stylesheet: the CSS template filled from the page format and link style
// settings, written as estilo.css, or its page rules kept inline in every page.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "generator/ejecucion.h"
#include "generator/paginas.h"
#include "model/proyecto.h"

namespace vendaluz {

// The .body and .td rules with the empty line after each: the start of the CSS
// template that the inline style keeps.
inline constexpr std::size_t kLongitudReglasPagina = 328;

// With Formato.CSS at 1, the stylesheet with every rule filled; otherwise nothing.
std::vector<ArchivoTienda> ConstruirEstilo(const Proyecto& p, const Ejecucion& e,
                                           const ClasePagina& clase);

// What *Estilo* becomes on every page: with Formato.CSS at 1 the link element of the
// stylesheet, otherwise the two page rules, filled, in <style type="text/css">; then
// the rules every page shares whatever its settings (heading, hidden labels, phones).
std::string EstiloDePagina(const Proyecto& p);

}  // namespace vendaluz
