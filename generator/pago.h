// The payment page ssl.htm of the secure-page option: the SSL template with the
// card options, the card logos and the hidden inputs, posted to the secure server.
#pragma once

#include <vector>

#include "generator/ejecucion.h"
#include "generator/paginas.h"
#include "model/proyecto.h"

namespace vendaluz {

// The payment page and its card logos; nothing without the secure-page option.
std::vector<ArchivoTienda> ConstruirPago(const Proyecto& p, const Ejecucion& e,
                                         const ClasePagina& clase);

}  // namespace vendaluz
