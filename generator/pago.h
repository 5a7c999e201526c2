// The payment page ssl.htm of the secure-page option: the SSL template with the
// card options, the card logos and the hidden inputs, posted to the secure server.
#pragma once

#include "generator/ejecucion.h"
#include "model/proyecto.h"

namespace vendaluz {

// Fills the SSL template held in the page text; copies the card pictures.
void ConstruirPago(const Proyecto& p, Ejecucion& e);

}  // namespace vendaluz
