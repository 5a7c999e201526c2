#include "generator/formulario.h"

#include "generator/marco.h"
#include "generator/plantillas.h"

namespace vendaluz {

void OpcionesTarjetas(const Proyecto& p, Ejecucion& e) {
  for (const Tarjeta& t : kTarjetas) {
    if (p.tajetas.*t.aceptada == 1) e.textoFilas += t.opcion;
  }
}

void LogosTarjetas(const Proyecto& p, Ejecucion& e) {
  for (const Tarjeta& t : kTarjetas) {
    if (p.tajetas.*t.aceptada != 1) continue;
    e.textoFilas += "<img src=\"";
    e.textoFilas += t.logo;
    e.textoFilas += "\"> ";
    e.CopiarArchivo(e.carpetaCodigo / t.origen, e.carpetaSalida / t.logo);
  }
}

void ConstruirFilasFormulario(const Proyecto& p, Ejecucion& e) {
  constexpr std::string_view kFila =
      R"(<tr><td>*Campo*</td><td><input type="text" name="*NombreCampo*" size=*TamanoCampo*></td></tr>)";
  e.textoFilas.clear();
  for (const CampoFormulario& c : p.camposFormulario) {
    e.textoFilas += kFila;
    e.textoFilas += "\r\n";
    Reemplazar(e.textoFilas, "*Campo*", c.Campo);
    Reemplazar(e.textoFilas, "*NombreCampo*", c.Nombre);
    Reemplazar(e.textoFilas, "*TamanoCampo*", c.Tamano);
  }
}

void RellenarFormulario(const Proyecto& p, Ejecucion& e) {
  std::string& t = e.textoPagina;
  Reemplazar(t, "*Titulo*", p.formato.Titulo[1]);
  Reemplazar(t, "*Texto*", p.formato.Texto[1]);
  Reemplazar(t, "*Formulario*", e.textoFilas);
  if (p.servidor.SPG) {
    e.textoFilas.clear();
    LogosTarjetas(p, e);
    Reemplazar(t, "*TopMenu*", e.textoFilas);
    e.textoFragmento.assign(CargarPlantilla("FINFORM"));
    e.textoFilas.clear();
    OpcionesTarjetas(p, e);
    Reemplazar(e.textoFragmento, "*Tipo*", e.textoFilas);
    Reemplazar(t, "*FinForm*", e.textoFragmento);
    e.textoFragmento.assign(CargarPlantilla("FINFORM2"));
    Reemplazar(t, "*FinForm2*", e.textoFragmento);
  } else {
    Reemplazar(t, "*FinForm*", "");
    Reemplazar(t, "*FinForm2*", "");
    Reemplazar(t, "*TopMenu*", kMenuFormulario);
    Reemplazar(t, "*Menu1*", p.formato.Titulo[0]);
    Reemplazar(t, "*Menu3*", p.formato.Titulo[1]);
  }
  Reemplazar(t, "*Estilo*", EstiloDePagina(p, e));
  Reemplazar(t, "*strColor0*", ColorPagina(p, 0));
  Reemplazar(t, "*strColor1*", ColorPagina(p, 1));
  Reemplazar(t, "*Link*", ColorPagina(p, 5));
  Reemplazar(t, "*Visitado*", ColorPagina(p, 6));
  Reemplazar(t, "*URLScript*", e.destino.urlScript);
  Reemplazar(t, "*Metodo*", e.destino.metodo);
  Reemplazar(t, "*Enviar*", p.servidor.NoSS || p.servidor.SPG ? "Enviar" : "Continuar");
  RellenarCentrado(p, t);

  std::string ocultos;
  if (p.servidor.SPG) {
    for (const CampoOculto& c : p.camposOcultos) ocultos += "\r\n" + c;
  }
  Reemplazar(t, "*CamposOcultos*", ocultos);

  if (p.servidor.NoSS && p.soporte.CGI) {
    e.textoFilas.assign(CargarPlantilla("PERLFORM"));
    Reemplazar(e.textoFilas, "*Email*", p.correoEmail);
    Reemplazar(e.textoFilas, "*Redireccionar*", p.servidor.Redireccionar);
    Reemplazar(t, "*CGI*", e.textoFilas);
  } else {
    Reemplazar(t, "*CGI*", "");
  }

  if (p.formularioValidar == 1) {
    e.textoFilas.assign(CargarPlantilla("VALIDAR"));
    Reemplazar(t, "*Validar*", e.textoFilas);
  } else {
    Reemplazar(t, "*Validar*", "");
  }
  Reemplazar(t, "*tax1*", TextoTasa(p));
}

}  // namespace vendaluz
