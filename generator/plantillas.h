// The templates of every generated file and the one operation that fills them.
//
// A template is text with *Name* marks (an asterisk, ASCII letters and digits, an
// asterisk). Builders copy a template into a working text and replace its marks one
// after another; a value inserted by one replacement is scanned by every later one,
// so the order of the replacements is part of each builder's behaviour.
//
// The texts are UTF-8 with CR LF line ends in memory; they become Windows-1252 only
// when a generated file is written. Thread safe (read-only data).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vendaluz {

// The text of a named template: CARRITO, PRODUCTO, META, CSS, ESTADO, FORMULARIO,
// FINFORM, FINFORM2, VALIDAR, PERLFORM, SSL, PERL, ASPCDONTS, ASPEMAIL, PHP. The same
// text on every call. Throws Error (internal) for any other name.
std::string_view CargarPlantilla(std::string_view nombre);

// Replaces every occurrence of marca in texto by valor, scanning left to right; the
// inserted text is not scanned again by this call. Exact, case-sensitive matching;
// the value is inserted verbatim (an empty value removes the mark).
void Reemplazar(std::string& texto, std::string_view marca, std::string_view valor);

// Text for a double-quoted attribute value or an element's text: control characters
// dropped; quotes, '&', angle brackets and '*' (which a later replacement would take
// for a mark) as character references.
std::string TextoEnAtributo(std::string_view texto);

// Text for a JavaScript string, single- or double-quoted, inside a script element:
// every character but ASCII letters, digits, blank, '_', '-' and '.' written as a
// \uXXXX escape, so nothing in it can end the string or the element, or be taken
// for a mark by a later replacement.
std::string CadenaJsEnScript(std::string_view texto);

// The embedded templates, generated at build time from templates/.
struct PlantillaIncrustada {
  std::string_view nombre;
  std::string_view texto;
};
extern const PlantillaIncrustada kPlantillasIncrustadas[];
extern const std::size_t kNumPlantillasIncrustadas;

}  // namespace vendaluz
