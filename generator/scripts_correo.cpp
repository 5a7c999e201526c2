#include "generator/scripts_correo.h"

#include "generator/plantillas.h"
#include "model/moneda.h"

namespace vendaluz {
namespace {

// A setting on one line: line breaks in it would end a string or a comment of the
// script and let the rest of the value run as code.
std::string UnaLinea(std::string_view texto) {
  std::string out;
  for (char c : texto) {
    if (c != '\r' && c != '\n') out.push_back(c);
  }
  return out;
}

// For a single-quoted Perl or PHP string: one line, backslash and quote escaped.
// An e-mail address or host name holds neither, so valid settings go in unchanged.
std::string CadenaSimple(std::string_view texto) {
  std::string out;
  for (char c : UnaLinea(texto)) {
    if (c == '\\' || c == '\'') out.push_back('\\');
    out.push_back(c);
  }
  return out;
}

// For a double-quoted VBScript string: one line, quotes doubled.
std::string CadenaVb(std::string_view texto) {
  std::string out;
  for (char c : UnaLinea(texto)) {
    out.push_back(c);
    if (c == '"') out.push_back('"');
  }
  return out;
}

// One body line per order-form field: label, a space, the posted value. Each field's
// values go into the lines built so far, as the order form's rows do.
void RellenarAsp(const Proyecto& p, std::string& t, std::string_view inicioLinea) {
  const std::string plantilla =
      std::string(inicioLinea) + " & \"*Campo* \" & Request.Form(\"*NombreCampo*\") & VbCrLf";
  std::string lineas;
  for (const CampoFormulario& c : p.camposFormulario) {
    lineas += plantilla;
    lineas += "\r\n";
    Reemplazar(lineas, "*Campo*", CadenaVb(c.Campo));
    Reemplazar(lineas, "*NombreCampo*", CadenaVb(c.Nombre));
  }
  Reemplazar(t, "*CodigoASP*", lineas);
  // The shipping charge goes with the order's amounts, before its total.
  Reemplazar(t, "*EnvioASP*",
             CobraEnvio(p) ? std::string(inicioLinea) +
                                 " & \"Envio: \" & Request.Form(\"Envio\") & VbCrLf\r\n"
                           : "");
}

}  // namespace

std::optional<ScriptElegido> ElegirScriptCorreo(const Proyecto& p) {
  if (p.soporte.CGI) return ScriptElegido{ScriptCorreo::kPerl, "PERL", ".pl"};
  if (p.soporte.ASP) {
    if (p.asp.CDONTS) return ScriptElegido{ScriptCorreo::kAspCdonts, "ASPCDONTS", ".asp"};
    return ScriptElegido{ScriptCorreo::kAspEmail, "ASPEMAIL", ".asp"};
  }
  if (p.soporte.PHP) return ScriptElegido{ScriptCorreo::kPhp, "PHP", ".php"};
  return std::nullopt;
}

std::string ArchivoScript(const ScriptElegido& s) {
  return std::string(PaginaDe(ConstruirScriptCorreo).archivo) + std::string(s.extension);
}

std::vector<ArchivoTienda> ConstruirScriptCorreo(const Proyecto& p, const Ejecucion& /*e*/,
                                                 const ClasePagina& /*clase*/) {
  const auto script = ElegirScriptCorreo(p);
  if (!p.servidor.NoSS || !script) return {};
  std::string t(CargarPlantilla(script->plantilla));
  switch (script->tipo) {
    case ScriptCorreo::kPerl:
      Reemplazar(t, "*Email*", CadenaSimple(p.correoEmail));
      Reemplazar(t, "*Host*", CadenaSimple(p.cgi.Host));
      Reemplazar(t, "*SendMail*", CadenaSimple(p.cgi.SendMail));
      // The script sends buyers only to the configured address, never a posted one.
      Reemplazar(t, "*Redireccionar*", CadenaSimple(p.servidor.Redireccionar));
      Reemplazar(t, "*RutaCGI*", UnaLinea(p.cgi.Perl));
      break;
    case ScriptCorreo::kAspCdonts:
      Reemplazar(t, "*Email*", CadenaVb(p.correoEmail));
      RellenarAsp(p, t, "email.Body = email.Body");
      break;
    case ScriptCorreo::kAspEmail:
      Reemplazar(t, "*Email*", CadenaVb(p.correoEmail));
      Reemplazar(t, "*Smtp*", CadenaVb(p.asp.SMTP));
      RellenarAsp(p, t, "Mail.Body = Mail.Body");
      break;
    case ScriptCorreo::kPhp:
      Reemplazar(t, "*Email*", CadenaSimple(p.correoEmail));
      Reemplazar(t, "*Redireccionar*", CadenaSimple(p.servidor.Redireccionar));
      break;
  }
  const std::string_view aviso =
      script->tipo == ScriptCorreo::kPerl ? "Creando archivo CGI..." : std::string_view();
  // A Unix host runs enviar.pl by its first line, which a CR would break.
  return {{ArchivoScript(*script), std::move(t), {}, aviso, script->tipo == ScriptCorreo::kPerl}};
}

}  // namespace vendaluz
