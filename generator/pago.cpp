#include "generator/pago.h"

#include "generator/formulario.h"
#include "generator/marco.h"
#include "generator/plantillas.h"
#include "model/moneda.h"

namespace vendaluz {

std::vector<ArchivoTienda> ConstruirPago(const Proyecto& p, const Ejecucion& e,
                                         const ClasePagina& clase) {
  if (!p.servidor.SSL) return {};
  std::string t(CargarPlantilla(clase.plantilla));
  RellenarCabecera(p, clase, t);
  std::string campos;  // the order form's own fields, which the page takes from its address
  for (const CampoFormulario& c : p.camposFormulario) {
    campos += (campos.empty() ? "\"" : ", \"") + CadenaJsEnScript(c.Nombre) + "\"";
  }
  if (CobraEnvio(p)) campos += campos.empty() ? "\"Envio\"" : ", \"Envio\"";
  Reemplazar(t, "*CamposPedido*", campos);
  Reemplazar(t, "*Titulo*", TituloPagina(p, clase));
  Reemplazar(t, "*Texto*", TextoPagina(p, clase));
  Reemplazar(t, "*Estilo*", e.estilo);
  Reemplazar(t, "*Link*", ColorPagina(p, 5));
  Reemplazar(t, "*Visitado*", ColorPagina(p, 6));
  Reemplazar(t, "*strColor1*", ColorPagina(p, 1));
  Reemplazar(t, "*strColor0*", ColorPagina(p, 0));
  Reemplazar(t, "*URLScript*", p.servidor.ServidorScript);
  RellenarCentrado(p, t);
  std::string ocultos;
  for (const CampoOculto& c : p.camposOcultos) ocultos += "\r\n" + c;
  Reemplazar(t, "*CamposOcultos*", ocultos);
  Reemplazar(t, "*Tipo*", OpcionesTarjetas(p));
  Reemplazar(t, "*Tarjetas*", ImagenesTarjetas(p));

  std::vector<ArchivoTienda> archivos = {{std::string(clase.archivo), std::move(t)}};
  for (ArchivoTienda& logo : LogosTarjetas(p, e)) archivos.push_back(std::move(logo));
  return archivos;
}

}  // namespace vendaluz
