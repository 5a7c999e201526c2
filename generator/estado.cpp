#include "generator/estado.h"

#include "generator/comprobaciones.h"
#include "generator/marco.h"
#include "generator/plantillas.h"

namespace vendaluz {

namespace {
constexpr std::string_view kFilaImpuestos =
    "document.writeln('<tr><td colspan=3><b>Impuestos</b></td><td "
    "align=right>*tax1*%</td><td>&nbsp;</td></tr>');";
}  // namespace

std::vector<ArchivoTienda> ConstruirEstado(const Proyecto& p, const Ejecucion& e,
                                           const ClasePagina& clase) {
  std::string t(CargarPlantilla(clase.plantilla));
  RellenarCabecera(p, clase, t);
  RellenarEncabezado(p, e, clase, t);
  RellenarColores(p, e, t);
  Reemplazar(t, "*tax2*", p.cheTasa == 1 ? kFilaImpuestos : "");
  Reemplazar(t, "*tax1*", TextoTasa(p));
  return {{std::string(clase.archivo), std::move(t)}};
}

}  // namespace vendaluz
