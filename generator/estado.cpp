#include "generator/estado.h"

#include "generator/marco.h"
#include "generator/plantillas.h"

namespace vendaluz {

namespace {
constexpr std::string_view kFilaImpuestos =
    "document.writeln('<tr><td colspan=3><b>Impuestos</b></td><td "
    "align=right>*tax1*%</td><td>&nbsp;</td></tr>');";
}  // namespace

void ConstruirEstado(const Proyecto& p, Ejecucion& e) {
  std::string& t = e.textoPagina;
  Reemplazar(t, "*Titulo*", "Estado del Carrito");
  Reemplazar(t, "*Texto*", "");
  Reemplazar(t, "*TopMenu*", kMenuEstado);
  Reemplazar(t, "*Menu1*", p.formato.Titulo[0]);
  Reemplazar(t, "*Menu3*", p.formato.Titulo[1]);
  Reemplazar(t, "*MenuLink*", e.destino.menuLink);
  Reemplazar(t, "*Estilo*", EstiloDePagina(p, e));
  Reemplazar(t, "*strColor0*", ColorPagina(p, 0));
  Reemplazar(t, "*strColor1*", ColorPagina(p, 1));
  Reemplazar(t, "*strColor3*", ColorPagina(p, 3));
  Reemplazar(t, "*strColor4*", ColorPagina(p, 4));
  Reemplazar(t, "*Link*", ColorPagina(p, 5));
  Reemplazar(t, "*Visitado*", ColorPagina(p, 6));
  RellenarCentrado(p, t);
  Reemplazar(t, "*tax2*", p.cheTasa == 1 ? kFilaImpuestos : "");
  Reemplazar(t, "*tax1*", TextoTasa(p));
}

}  // namespace vendaluz
