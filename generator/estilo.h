// The stylesheet step: the CSS template filled from the page format and link style
// settings, written as estilo.css or kept as an inline style element for the pages.
#pragma once

#include <cstddef>
#include <filesystem>

#include "generator/ejecucion.h"
#include "model/proyecto.h"

namespace vendaluz {

// The .body and .td rules with the empty line after each: the start of the CSS
// template that the inline style keeps.
inline constexpr std::size_t kLongitudReglasPagina = 328;

// Loads CSS into the style text. With Formato.CSS at 1 fills every rule and writes
// carpeta/estilo.css; otherwise keeps the two page rules, filled, wrapped in
// <style type="text/css"> ... </style> for the pages to copy.
void PasoEstilo(const Proyecto& p, Ejecucion& e, const std::filesystem::path& carpeta);

}  // namespace vendaluz
