// The basket status page estado.htm: the ESTADO template, whose scripts list, total
// and tax the basket cookie, filled with the page frame and the tax rate.
#pragma once

#include "generator/ejecucion.h"
#include "model/proyecto.h"

namespace vendaluz {

// Fills the ESTADO template held in the page text.
void ConstruirEstado(const Proyecto& p, Ejecucion& e);

}  // namespace vendaluz
