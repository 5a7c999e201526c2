// The project report: the state of the settings that a store cannot do without, one
// row per item, and the verdict that opens the way to generation. The report window
// shows these rows; the command line can print them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/proyecto.h"

namespace vendaluz {

// The value of a row whose setting is missing.
inline constexpr std::string_view kIncompleto = "Incompleto";

struct FilaReporte {
  std::string opcion;  // "Nombre del Proyecto:", "Carrito de Compra:" ...
  std::string estado;  // the value, or kIncompleto + ": " and what to fix
  bool operator==(const FilaReporte&) const = default;
};

// The rows of the report, in the order the window lists them. Rows for settings that
// are present are given only for the name, the product and field counts and the
// secure-server option; address and e-mail rows appear only when missing, malformed
// or still an example address, and only for the server and script chosen.
std::vector<FilaReporte> ConstruirReporte(const Proyecto& p);

// Complete when no row's value begins with kIncompleto.
bool ReporteCompleto(const std::vector<FilaReporte>& filas);

}  // namespace vendaluz
