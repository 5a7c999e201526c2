#include "generator/scripts_correo.h"

#include "generator/plantillas.h"

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

// One body line per order-form field: label, a space, the posted value.
void RellenarAsp(const Proyecto& p, Ejecucion& e, std::string_view inicioLinea) {
  const std::string plantilla =
      std::string(inicioLinea) + " & \"*Campo* \" & Request.Form(\"*NombreCampo*\") & VbCrLf";
  e.textoFilas.clear();
  for (const CampoFormulario& c : p.camposFormulario) {
    e.textoFilas += plantilla;
    e.textoFilas += "\r\n";
    Reemplazar(e.textoFilas, "*Campo*", CadenaVb(c.Campo));
    Reemplazar(e.textoFilas, "*NombreCampo*", CadenaVb(c.Nombre));
  }
  Reemplazar(e.textoPagina, "*CodigoASP*", e.textoFilas);
}

}  // namespace

std::optional<ScriptElegido> ElegirScriptCorreo(const Proyecto& p) {
  if (p.soporte.CGI) return ScriptElegido{ScriptCorreo::kPerl, "PERL", "enviar.pl"};
  if (p.soporte.ASP) {
    if (p.asp.CDONTS) return ScriptElegido{ScriptCorreo::kAspCdonts, "ASPCDONTS", "enviar.asp"};
    return ScriptElegido{ScriptCorreo::kAspEmail, "ASPEMAIL", "enviar.asp"};
  }
  if (p.soporte.PHP) return ScriptElegido{ScriptCorreo::kPhp, "PHP", "enviar.php"};
  return std::nullopt;
}

void RellenarScriptCorreo(const Proyecto& p, Ejecucion& e, ScriptCorreo tipo) {
  std::string& t = e.textoPagina;
  switch (tipo) {
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
      RellenarAsp(p, e, "email.Body = email.Body");
      break;
    case ScriptCorreo::kAspEmail:
      Reemplazar(t, "*Email*", CadenaVb(p.correoEmail));
      Reemplazar(t, "*Smtp*", CadenaVb(p.asp.SMTP));
      RellenarAsp(p, e, "Mail.Body = Mail.Body");
      break;
    case ScriptCorreo::kPhp:
      Reemplazar(t, "*Email*", CadenaSimple(p.correoEmail));
      Reemplazar(t, "*Redireccionar*", CadenaSimple(p.servidor.Redireccionar));
      break;
  }
}

}  // namespace vendaluz
