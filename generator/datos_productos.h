// The product data of a catalogue page for search engines and shopping listings:
// one application/ld+json block listing its products as schema.org Product, each
// with an Offer in the project's currency.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/proyecto.h"

namespace vendaluz {

// The block for the products [desde, hasta) of p.productos on the page named pagina,
// with a line break before it; empty when the page has no product. Every character
// outside plain ASCII letters and digits is escaped, so no text can end the script
// element or be taken for a mark.
std::string DatosProductos(const Proyecto& p, std::size_t desde, std::size_t hasta,
                           std::string_view pagina);

}  // namespace vendaluz
