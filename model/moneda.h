// Amounts of money as a shopper reads them, in the project's format. The pages'
// scripts, the cookie and the posted fields keep "1234.56" (a decimal point, two
// decimals); only the texts people read follow Proyecto::Moneda.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/proyecto.h"

namespace vendaluz {

// A plain decimal number (EsNumeroDecimal) with exactly two decimals, the rest cut
// off as the basket scripts cut cents: "12.5" -> "12.50", "7" -> "7.00", ".5" ->
// "0.50", "0012.999" -> "12.99". Empty when the text is not such a number.
std::optional<std::string> ImporteConCentavos(std::string_view texto);

// An amount written as ImporteConCentavos writes it ("1234.56"), with the decimal
// comma and the thousands separator the project asks for, and the symbol before or
// after it when conSimbolo (and there is one): "$ 1234.56", "1.234,56 €". The symbol is returned as
// stored; callers escape it for where it goes.
std::string TextoImporte(const Proyecto::Moneda& m, std::string_view importe, bool conSimbolo);

// Whether amounts without a symbol read as the pages always wrote them: a decimal
// point, no thousands separator, the symbol only with the order form's total. The
// catalogue then shows each price as the owner typed it.
bool NumerosComoSiempre(const Proyecto::Moneda& m);

// Whether the basket charges shipping: Envio.Importe holds a number.
bool CobraEnvio(const Proyecto& p);

// A currency code as ISO 4217 writes it: three capital letters A to Z.
bool EsCodigoMoneda(std::string_view texto);

}  // namespace vendaluz
