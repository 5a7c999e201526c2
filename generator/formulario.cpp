#include "generator/formulario.h"

#include <algorithm>

#include "generator/comprobaciones.h"
#include "generator/importes.h"
#include "generator/marco.h"
#include "generator/pago.h"
#include "generator/plantillas.h"
#include "generator/scripts_correo.h"

namespace vendaluz {

DestinoFormulario SeleccionarDestino(const Proyecto& p) {
  const std::string post = R"(method="post")";
  const std::string formulario(PaginaDe(ConstruirFormulario).archivo);
  if (p.servidor.NoSS) {
    if (p.soporte.CGI) return {p.cgi.Ruta, post, formulario};
    const auto script = ElegirScriptCorreo(p);
    return {script ? ArchivoScript(*script) : "", post, formulario};
  }
  if (p.servidor.SPG) return {p.servidor.ServidorScript, post, p.servidor.RutaServidor};
  if (p.servidor.SSL) {
    return {std::string(PaginaDe(ConstruirPago).archivo), R"(method="get")", formulario};
  }
  return {};
}

std::string OpcionesTarjetas(const Proyecto& p) {
  std::string texto;
  for (const Tarjeta& t : kTarjetas) {
    if (p.tajetas.*t.aceptada == 1) texto += t.opcion;
  }
  return texto;
}

std::string ImagenesTarjetas(const Proyecto& p) {
  std::string texto;
  for (const Tarjeta& t : kTarjetas) {
    if (p.tajetas.*t.aceptada == 1) {
      texto += "<img src=\"" + std::string(t.logo) + "\" alt=\"" + std::string(t.nombre) + "\"> ";
    }
  }
  return texto;
}

std::vector<ArchivoTienda> LogosTarjetas(const Proyecto& p, const Ejecucion& e) {
  std::vector<ArchivoTienda> logos;
  for (const Tarjeta& t : kTarjetas) {
    if (p.tajetas.*t.aceptada == 1) {
      logos.push_back({std::string(t.logo), {}, e.carpetaCodigo / t.origen});
    }
  }
  return logos;
}

namespace {

// A field's size, written without quotes: its digits only.
std::string SoloCifras(const std::string& tamano) {
  std::string out;
  for (char c : tamano) {
    if (c >= '0' && c <= '9') out += c;
  }
  return out;
}

}  // namespace

// Each field's values are put into the rows built so far, so a label holding a mark of a
// later field is filled as well; the names and sizes hold no mark.
std::string FilasFormulario(const Proyecto& p) {
  constexpr std::string_view kFila =
      R"(<tr><td><label for="campo_*NombreCampo*">*Campo*</label></td><td><input type="text" id="campo_*NombreCampo*" name="*NombreCampo*" size=*TamanoCampo*></td></tr>)";
  std::string filas;
  for (const CampoFormulario& c : p.camposFormulario) {
    filas += kFila;
    filas += "\r\n";
    Reemplazar(filas, "*Campo*", c.Campo);
    Reemplazar(filas, "*NombreCampo*", TextoEnAtributo(c.Nombre));
    Reemplazar(filas, "*TamanoCampo*", SoloCifras(c.Tamano));
  }
  return filas;
}

namespace {

// The top of the form: the card logos and the card list for a payment gateway,
// otherwise the top menu.
void RellenarCabeza(const Proyecto& p, const ClasePagina& clase, std::string& t) {
  if (p.servidor.SPG) {
    Reemplazar(t, "*TopMenu*", ImagenesTarjetas(p));
    std::string fin(CargarPlantilla("FINFORM"));
    Reemplazar(fin, "*Tipo*", OpcionesTarjetas(p));
    Reemplazar(t, "*FinForm*", fin);
    Reemplazar(t, "*FinForm2*", CargarPlantilla("FINFORM2"));
  } else {
    Reemplazar(t, "*FinForm*", "");
    Reemplazar(t, "*FinForm2*", "");
    Reemplazar(t, "*TopMenu*", MenuSuperior(clase));
    Reemplazar(t, "*Menu1*", p.formato.Titulo[0]);
    Reemplazar(t, "*Menu3*", p.formato.Titulo[1]);
  }
}

// What goes after the form: hidden inputs for a gateway, the Perl script's settings,
// the field check.
void RellenarPie(const Proyecto& p, std::string& t) {
  std::string ocultos;
  if (p.servidor.SPG) {
    for (const CampoOculto& c : p.camposOcultos) ocultos += "\r\n" + c;
  }
  Reemplazar(t, "*CamposOcultos*", ocultos);

  if (p.servidor.NoSS && p.soporte.CGI) {
    std::string perl(CargarPlantilla("PERLFORM"));
    Reemplazar(perl, "*Email*", p.correoEmail);
    Reemplazar(perl, "*Redireccionar*", p.servidor.Redireccionar);
    Reemplazar(t, "*CGI*", perl);
  } else {
    Reemplazar(t, "*CGI*", "");
  }
  Reemplazar(t, "*Validar*", p.formularioValidar == 1 ? CargarPlantilla("VALIDAR") : "");
}

}  // namespace

std::vector<ArchivoTienda> ConstruirFormulario(const Proyecto& p, const Ejecucion& e,
                                               const ClasePagina& clase) {
  std::string t(CargarPlantilla(clase.plantilla));
  RellenarCabecera(p, clase, t);
  Reemplazar(t, "*Titulo*", TituloPagina(p, clase));
  Reemplazar(t, "*Texto*", TextoPagina(p, clase));
  Reemplazar(t, "*Formulario*", FilasFormulario(p));
  RellenarCabeza(p, clase, t);
  Reemplazar(t, "*Estilo*", e.estilo);
  Reemplazar(t, "*strColor0*", ColorPagina(p, 0));
  Reemplazar(t, "*strColor1*", ColorPagina(p, 1));
  Reemplazar(t, "*Link*", ColorPagina(p, 5));
  Reemplazar(t, "*Visitado*", ColorPagina(p, 6));
  Reemplazar(t, "*URLScript*", e.destino.urlScript);
  Reemplazar(t, "*Metodo*", e.destino.metodo);
  Reemplazar(t, "*Enviar*", p.servidor.NoSS || p.servidor.SPG ? "Enviar" : "Continuar");
  RellenarCentrado(p, t);
  RellenarPie(p, t);
  Reemplazar(t, "*tax1*", TextoTasa(p));
  RellenarImportes(p, t, true);

  std::vector<ArchivoTienda> archivos = {{std::string(clase.archivo), std::move(t)}};
  if (p.servidor.SPG) {
    for (ArchivoTienda& logo : LogosTarjetas(p, e)) archivos.push_back(std::move(logo));
  }
  return archivos;
}

}  // namespace vendaluz
