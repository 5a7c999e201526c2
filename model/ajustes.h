// The stored settings of a Proyecto by their Section.Key names: one table, in the
// order in which the project file writes them, with the place of each of the three
// lists marked. Reading and writing the project file, and any caller that wants a
// setting by its name, go through this table.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/proyecto.h"

namespace vendaluz {

enum class TipoAjuste {
  kTexto,    // text and number text
  kBandera,  // flag, 0 or 1
  kOpcion,   // option: one true member per group
  kColor,
  // Places of the lists in the writer's order (they have no single value).
  kListaProductos,
  kListaCampos,
  kListaOcultos,
};

using RefAjuste = std::variant<std::monostate, std::string*, int*, bool*, Color*>;

struct Ajuste {
  std::string_view seccion;
  std::string_view clave;
  TipoAjuste tipo;
  RefAjuste (*ref)(Proyecto&);
  int grupo;  // option group (1 Servidor, 2 Soporte, 3 ASP); 0 for the rest
};

// Every stored setting, in the writer's order.
const std::vector<Ajuste>& Ajustes();

// The setting of section/key (names compared without regard to case), or nullptr.
const Ajuste* BuscarAjuste(std::string_view seccion, std::string_view clave);

// The text the project file holds for the setting ("True", "1", "9258546" ...).
std::string TextoDeAjuste(const Proyecto& p, const Ajuste& a);

// Converts text to the kind of the setting and stores it. An option set true clears
// the other members of its group. Returns false, leaving the setting as it was, when
// the text does not convert (a flag or colour that is not a number, an option that
// is neither "True", "False", "Verdadero", "Falso" nor a number).
bool AplicarTexto(Proyecto& p, const Ajuste& a, std::string_view texto);

// The same by a "Section.Key" name ("Formato.Color5", "Meta Tags.Autor").
std::optional<std::string> ObtenerAjuste(const Proyecto& p, std::string_view nombre);
bool EstablecerAjuste(Proyecto& p, std::string_view nombre, std::string_view texto);

}  // namespace vendaluz
