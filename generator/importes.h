// Money on the store pages: the catalogue's prices, the amounts and the shipping
// charge of the basket page and the order form, in the project's format
// (model/moneda.h). The scripts keep computing with "1234.56"; only what a shopper
// reads changes, and with the default format nothing does.
#pragma once

#include <string>
#include <string_view>

#include "model/proyecto.h"

namespace vendaluz {

// A product's price as the catalogue shows it: as typed while the numbers read as
// they always did, otherwise in the project's format (with the symbol when every
// amount carries it). A price that is no number stays as typed.
std::string PrecioEnCatalogo(const Proyecto& p, std::string_view precio);

// The money marks of the basket page (ESTADO) and the order form (FORMULARIO):
// *FuncionesImporte*, *PrecioUnidad*, *Subtotal*, *TotalCesta*, *Envio* and
// *TotalVisible*. A page fills the ones it holds.
void RellenarImportes(const Proyecto& p, std::string& texto, bool formulario);

// The tax row of the basket page, the rate written as the project writes numbers.
std::string FilaImpuestos(const Proyecto& p);

}  // namespace vendaluz
