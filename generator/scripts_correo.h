// The order-mail script of a store without a secure server: which one the web host
// runs (Perl CGI, ASP with CDONTS or ASPEmail, PHP) and the fillers of its template.
#pragma once

#include <optional>
#include <string_view>

#include "generator/ejecucion.h"
#include "model/proyecto.h"

namespace vendaluz {

enum class ScriptCorreo { kPerl, kAspCdonts, kAspEmail, kPhp };

struct ScriptElegido {
  ScriptCorreo tipo;
  std::string_view plantilla;  // PERL, ASPCDONTS, ASPEMAIL, PHP
  std::string_view archivo;    // enviar.pl, enviar.asp, enviar.php
  bool operator==(const ScriptElegido&) const = default;
};

// The script of the first server support option that is set (CGI, ASP, PHP), or
// nothing when none is.
std::optional<ScriptElegido> ElegirScriptCorreo(const Proyecto& p);

// Fills the script template held in the page text. Settings go into the strings of
// the script escaped for its language and on one line, so that no setting can
// break the script or add code to it.
void RellenarScriptCorreo(const Proyecto& p, Ejecucion& e, ScriptCorreo tipo);

}  // namespace vendaluz
