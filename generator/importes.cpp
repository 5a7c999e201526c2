#include "generator/importes.h"

#include "generator/comprobaciones.h"
#include "generator/plantillas.h"
#include "model/moneda.h"
#include "platform/text.h"

namespace vendaluz {
namespace {

// The amount text of the pages' scripts: what importe() below writes in JavaScript,
// TextoImporte writes in C++; the store tests compare the two in a browser.
constexpr std::string_view kFuncionImporte =
    "// An amount \"1234.56\" as the shop writes it.\r\n"
    "function importe(texto, conSimbolo) {\r\n"
    "  var partes = String(texto).split(\".\"), unidades = partes[0], grupos = \"\";\r\n"
    "*Miles*"
    "  var cifra = unidades + grupos + \"*SeparadorDecimal*\" + partes[1];\r\n"
    "  return conSimbolo ? *ConSimbolo* : cifra;\r\n"
    "}\r\n";
constexpr std::string_view kGruposMiles =
    "  while (unidades.length > 3) {\r\n"
    "    grupos = \"*SeparadorMiles*\" + unidades.substring(unidades.length - 3) + grupos;\r\n"
    "    unidades = unidades.substring(0, unidades.length - 3);\r\n"
    "  }\r\n";

// No shipping for an empty basket, nor from the amount on which it is free; the
// basket's total is compared as it is shown, in whole cents.
constexpr std::string_view kFuncionEnvio =
    "function gastosEnvio(total, numero) {\r\n"
    "  if (numero == 0*Gratis*) return 0;\r\n"
    "  return *Importe*;\r\n"
    "}\r\n";

constexpr std::string_view kEnvioCesta =
    "\r\n  var envio = gastosEnvio(total, numero);\r\n"
    "  if (numero > 0) document.writeln('<tr><td colspan=3><b>Gastos de envío</b></td>"
    "<td align=right>' + (envio > 0 ? *ImporteEnvio* : 'Envío gratis') + "
    "'</td><td>&nbsp;</td></tr>');\r\n"
    "  total += envio;";

// The order form shows the charge as it shows the total, with the symbol.
constexpr std::string_view kEnvioFormulario =
    "var envio = gastosEnvio(total, numero);\r\n"
    "  if (numero > 0) document.writeln('<tr><td>Gastos de envío:</td><td>' + "
    "(envio > 0 ? importe(alterError(envio), true) : 'Envío gratis') + '</td></tr>');\r\n"
    "  total += envio;\r\n"
    "  document.writeln('<input type=\"hidden\" name=\"Envio\" value=\"' + alterError(envio) + "
    "'\">');\r\n  ";

std::string Simbolo(const Proyecto::Moneda& m) { return TextoEnAtributo(m.Simbolo); }

// HTML text with the symbol before or after it, as the project writes amounts.
std::string ConSimbolo(const Proyecto::Moneda& m, std::string_view html) {
  if (m.Simbolo.empty()) return std::string(html);
  return m.SimboloDespues ? std::string(html) + " " + Simbolo(m)
                          : Simbolo(m) + " " + std::string(html);
}

// The script expression that shows the amount `expresion` (a "1234.56" text).
std::string Mostrar(const Proyecto& p, std::string_view expresion, bool conSimbolo) {
  if (NumerosComoSiempre(p.moneda) && !conSimbolo) return std::string(expresion);
  return "importe(" + std::string(expresion) + (conSimbolo ? ", true)" : ", false)");
}

std::string FuncionImporte(const Proyecto::Moneda& m) {
  std::string f(kFuncionImporte);
  Reemplazar(f, "*Miles*", m.Miles ? kGruposMiles : "");
  Reemplazar(f, "*SeparadorMiles*", m.ComaDecimal ? "." : ",");
  Reemplazar(f, "*SeparadorDecimal*", m.ComaDecimal ? "," : ".");
  const std::string simbolo = "\"" + CadenaJsEnScript(Simbolo(m)) + "\"";
  Reemplazar(f, "*ConSimbolo*", m.Simbolo.empty()   ? "cifra"
                                 : m.SimboloDespues ? "cifra + \" \" + " + simbolo
                                                    : simbolo + " + \" \" + cifra");
  return f;
}

std::string FuncionEnvio(const Proyecto& p) {
  std::string f(kFuncionEnvio);
  const auto gratis = ImporteConCentavos(Trim(p.envio.GratisDesde));
  Reemplazar(f, "*Gratis*", gratis ? " || alterError(total) - 0 >= " + *gratis : "");
  Reemplazar(f, "*Importe*", ImporteConCentavos(Trim(p.envio.Importe)).value_or("0"));
  return f;
}

}  // namespace

std::string PrecioEnCatalogo(const Proyecto& p, std::string_view precio) {
  const auto importe = ImporteConCentavos(precio);
  if (NumerosComoSiempre(p.moneda) || !importe) return std::string(precio);
  const std::string texto = TextoImporte(p.moneda, *importe, false);
  if (!p.moneda.SimboloEnTodos) return texto;
  return ConSimbolo(p.moneda, texto);
}

void RellenarImportes(const Proyecto& p, std::string& texto, bool formulario) {
  const Proyecto::Moneda& m = p.moneda;
  const bool envio = CobraEnvio(p);
  const bool todos = m.SimboloEnTodos == 1;
  std::string funciones;
  if (!NumerosComoSiempre(m) || (formulario && envio)) funciones += FuncionImporte(m);
  if (envio) funciones += FuncionEnvio(p);
  Reemplazar(texto, "*FuncionesImporte*", funciones);

  // The unit price is shown as it came in the cookie while numbers read as always.
  Reemplazar(texto, "*PrecioUnidad*",
             NumerosComoSiempre(m) ? "decodificar(precio)"
                                   : Mostrar(p, "alterError(decodificar(precio) - 0)", todos));
  Reemplazar(texto, "*Subtotal*", Mostrar(p, "alterError(subtotal)", todos));
  if (!formulario) {
    std::string cesta(kEnvioCesta);
    Reemplazar(cesta, "*ImporteEnvio*", Mostrar(p, "alterError(envio)", todos));
    Reemplazar(texto, "*Envio*", envio ? cesta : "");
    Reemplazar(texto, "*TotalCesta*", Mostrar(p, "alterError(total)", todos));
    return;
  }
  Reemplazar(texto, "*Envio*", envio ? kEnvioFormulario : "");
  // The order form's total always carries the symbol; with the default format it is
  // written around the script, as the form always had it.
  const std::string_view script = "<script type=\"text/javascript\">Total();</script>";
  if (NumerosComoSiempre(m)) {
    Reemplazar(texto, "*TotalCesta*", "alterError(totalCesta)");
    Reemplazar(texto, "*TotalVisible*", ConSimbolo(m, script));
  } else {
    Reemplazar(texto, "*TotalCesta*", "importe(alterError(totalCesta), true)");
    Reemplazar(texto, "*TotalVisible*", script);
  }
}

std::string FilaImpuestos(const Proyecto& p) {
  return "document.writeln('<tr><td colspan=3><b>Impuestos</b></td><td align=right>" +
         TextoImporte(p.moneda, TextoTasa(p), false) + "%</td><td>&nbsp;</td></tr>');";
}

}  // namespace vendaluz
