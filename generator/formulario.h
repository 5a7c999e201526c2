// The order form page formulario.htm and the card routines that it shares with the
// payment page.
#pragma once

#include <string_view>

#include "generator/ejecucion.h"
#include "model/proyecto.h"

namespace vendaluz {

// The accepted cards, always in this order.
struct Tarjeta {
  int Proyecto::Tajetas::*aceptada;
  std::string_view opcion;  // "<option>Visa"
  std::string_view logo;    // visa.gif, in the store folder
  std::string_view origen;  // IMGvisa.dat, in the card picture folder
};
inline constexpr Tarjeta kTarjetas[] = {
    {&Proyecto::Tajetas::Visa, "<option>Visa", "visa.gif", "IMGvisa.dat"},
    {&Proyecto::Tajetas::Master, "<option>Master Card", "master.gif", "IMGmaster.dat"},
    {&Proyecto::Tajetas::Amex, "<option>American Express", "amex.gif", "IMGamex.dat"},
    {&Proyecto::Tajetas::Diners, "<option>Diners Club", "diners.gif", "IMGdiners.dat"},
};

// Appends to the rows text the option of every accepted card, nothing between them.
void OpcionesTarjetas(const Proyecto& p, Ejecucion& e);

// Appends to the rows text <img src="visa.gif">  and so on for every accepted card,
// and copies each card picture to its logo file in the output folder (a failed copy
// goes to the run's problems).
void LogosTarjetas(const Proyecto& p, Ejecucion& e);

// Empties the rows text and builds one table row per order-form field into it.
void ConstruirFilasFormulario(const Proyecto& p, Ejecucion& e);

// Fills the FORMULARIO template held in the page text, using the rows text.
void RellenarFormulario(const Proyecto& p, Ejecucion& e);

}  // namespace vendaluz
