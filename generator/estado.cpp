#include "generator/estado.h"

#include "generator/comprobaciones.h"
#include "generator/importes.h"
#include "generator/marco.h"
#include "generator/plantillas.h"

namespace vendaluz {

std::vector<ArchivoTienda> ConstruirEstado(const Proyecto& p, const Ejecucion& e,
                                           const ClasePagina& clase) {
  std::string t(CargarPlantilla(clase.plantilla));
  RellenarCabecera(p, clase, t);
  RellenarEncabezado(p, e, clase, t);
  RellenarColores(p, e, t);
  Reemplazar(t, "*tax2*", p.cheTasa == 1 ? FilaImpuestos(p) : "");
  Reemplazar(t, "*tax1*", TextoTasa(p));
  RellenarImportes(p, t, false);
  return {{std::string(clase.archivo), std::move(t)}};
}

}  // namespace vendaluz
