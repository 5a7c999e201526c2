#include "generator/scripts_correo.h"

namespace vendaluz {

std::optional<ScriptElegido> ElegirScriptCorreo(const Proyecto& p) {
  if (p.soporte.CGI) return ScriptElegido{ScriptCorreo::kPerl, "PERL", "enviar.pl"};
  if (p.soporte.ASP) {
    if (p.asp.CDONTS) return ScriptElegido{ScriptCorreo::kAspCdonts, "ASPCDONTS", "enviar.asp"};
    return ScriptElegido{ScriptCorreo::kAspEmail, "ASPEMAIL", "enviar.asp"};
  }
  if (p.soporte.PHP) return ScriptElegido{ScriptCorreo::kPhp, "PHP", "enviar.php"};
  return std::nullopt;
}

// The four script templates and their fillers are not written yet: the templates
// are empty, so the run writes no script, and there is nothing to fill.
void RellenarScriptCorreo(const Proyecto&, Ejecucion&, ScriptCorreo) {}

}  // namespace vendaluz
