// The basket status page estado.htm: the ESTADO template, whose scripts list, total
// and tax the basket cookie, filled with the page frame and the tax rate.
#pragma once

#include <vector>

#include "generator/ejecucion.h"
#include "generator/paginas.h"
#include "model/proyecto.h"

namespace vendaluz {

std::vector<ArchivoTienda> ConstruirEstado(const Proyecto& p, const Ejecucion& e,
                                           const ClasePagina& clase);

}  // namespace vendaluz
