// The order-mail script of a store without a secure server: which one the web host
// runs (Perl CGI, ASP with CDONTS or ASPEmail, PHP) and the fillers of its template.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/ejecucion.h"
#include "generator/paginas.h"
#include "model/proyecto.h"

namespace vendaluz {

enum class ScriptCorreo { kPerl, kAspCdonts, kAspEmail, kPhp };

struct ScriptElegido {
  ScriptCorreo tipo;
  std::string_view plantilla;  // PERL, ASPCDONTS, ASPEMAIL, PHP
  std::string_view extension;  // .pl, .asp, .php
  bool operator==(const ScriptElegido&) const = default;
};

// The script of the first server support option that is set (CGI, ASP, PHP), or
// nothing when none is.
std::optional<ScriptElegido> ElegirScriptCorreo(const Proyecto& p);

// Its file name in the store: enviar.pl, enviar.asp, enviar.php.
std::string ArchivoScript(const ScriptElegido& s);

// The script of a store without a secure server, if a support option is set.
// Settings go into the strings of the script escaped for its language and on one
// line, so that no setting can break the script or add code to it.
std::vector<ArchivoTienda> ConstruirScriptCorreo(const Proyecto& p, const Ejecucion& e,
                                                 const ClasePagina& clase);

}  // namespace vendaluz
