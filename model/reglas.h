// The rules about values the owner types that the report, the generator and the
// windows share: one function each, so that they can never disagree.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "model/proyecto.h"

namespace vendaluz {

// A character that no folder name can hold: a slash, a backslash or a control
// character. Bytes of a multi-byte UTF-8 character never are.
bool EsCaracterProhibido(char c);

// Why a project name cannot name the store's folder inside Proyectos ("es un nombre
// reservado de carpeta" ...), or empty when it can: not empty, not "." or "..", no
// character EsCaracterProhibido refuses.
std::string MotivoNombreCarpeta(std::string_view nombre);
inline bool EsNombreDeCarpeta(std::string_view nombre) {
  return MotivoNombreCarpeta(nombre).empty();
}

// A plain decimal number as the basket scripts read it (prices, the tax rate):
// digits with at most one "." among or after them ("10", "10.50", "10.", ".5").
bool EsNumeroDecimal(std::string_view texto);

// An address that orders can be mailed to, as far as its shape tells: text@domain.tld
// with one "@", no blanks, and a domain holding a dot with text on both sides of each dot.
bool EsDireccionCorreo(std::string_view texto);

// Picture paths relative to the folder of the project file made absolute, so that
// a run finds the pictures wherever it is started from.
void ResolverImagenes(Proyecto& p, const std::filesystem::path& archivoProyecto);

}  // namespace vendaluz
