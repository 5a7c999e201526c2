#include "generator/pago.h"

#include "generator/formulario.h"
#include "generator/marco.h"
#include "generator/plantillas.h"

namespace vendaluz {

void ConstruirPago(const Proyecto& p, Ejecucion& e) {
  std::string& t = e.textoPagina;
  Reemplazar(t, "*Titulo*", p.formato.Titulo[2]);
  Reemplazar(t, "*Texto*", p.formato.Texto[2]);
  Reemplazar(t, "*Estilo*", EstiloDePagina(p, e));
  Reemplazar(t, "*Link*", ColorPagina(p, 5));
  Reemplazar(t, "*Visitado*", ColorPagina(p, 6));
  Reemplazar(t, "*strColor1*", ColorPagina(p, 1));
  Reemplazar(t, "*strColor0*", ColorPagina(p, 0));
  Reemplazar(t, "*URLScript*", p.servidor.ServidorScript);
  RellenarCentrado(p, t);
  std::string ocultos;
  for (const CampoOculto& c : p.camposOcultos) ocultos += "\r\n" + c;
  Reemplazar(t, "*CamposOcultos*", ocultos);
  e.textoFilas.clear();
  OpcionesTarjetas(p, e);
  Reemplazar(t, "*Tipo*", e.textoFilas);
  e.textoFilas.clear();
  LogosTarjetas(p, e);
  Reemplazar(t, "*Tarjetas*", e.textoFilas);
}

}  // namespace vendaluz
