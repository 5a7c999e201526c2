// The order form page formulario.htm, where it is sent, and the card routines that
// it shares with the payment page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generator/ejecucion.h"
#include "generator/paginas.h"
#include "model/proyecto.h"

namespace vendaluz {

// The form target, method and menu link of the run.
DestinoFormulario SeleccionarDestino(const Proyecto& p);

// The accepted cards, always in this order.
struct Tarjeta {
  int Proyecto::Tajetas::*aceptada;
  std::string_view opcion;  // "<option>Visa"
  std::string_view nombre;  // "Visa", the text of its logo
  std::string_view logo;    // visa.gif, in the store folder
  std::string_view origen;  // IMGvisa.dat, in the card picture folder
};
inline constexpr Tarjeta kTarjetas[] = {
    {&Proyecto::Tajetas::Visa, "<option>Visa", "Visa", "visa.gif", "IMGvisa.dat"},
    {&Proyecto::Tajetas::Master, "<option>Master Card", "Master Card", "master.gif",
     "IMGmaster.dat"},
    {&Proyecto::Tajetas::Amex, "<option>American Express", "American Express", "amex.gif",
     "IMGamex.dat"},
    {&Proyecto::Tajetas::Diners, "<option>Diners Club", "Diners Club", "diners.gif",
     "IMGdiners.dat"},
};

// The option of every accepted card, nothing between them.
std::string OpcionesTarjetas(const Proyecto& p);
// <img src="visa.gif" alt="Visa">  and so on for every accepted card.
std::string ImagenesTarjetas(const Proyecto& p);
// The copies of the card pictures into their logo files.
std::vector<ArchivoTienda> LogosTarjetas(const Proyecto& p, const Ejecucion& e);

// One table row per order-form field, each followed by CR LF. The label is written as the
// owner typed it, as the other texts of the pages; the input name and the size are made safe
// for their attributes, which leaves the names of a to z and the sizes of digits unchanged.
std::string FilasFormulario(const Proyecto& p);

// The order form, with the card logos when it posts to a payment gateway.
std::vector<ArchivoTienda> ConstruirFormulario(const Proyecto& p, const Ejecucion& e,
                                               const ClasePagina& clase);

}  // namespace vendaluz
