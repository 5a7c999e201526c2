// Checks of the values a run turns into numbers or names, made before anything is
// written; each throws Error with a Spanish description when the value does not
// serve.
#pragma once

#include <string>
#include <string_view>

#include "model/proyecto.h"

namespace vendaluz {

void ComprobarNombreCarpeta(std::string_view nombre);    // the project name as a folder
int ProductosPorPagina(const Proyecto& p);               // txtCantProd, at least 1
void ComprobarTasa(const Proyecto& p);                   // txtTasa when the tax is on
void ComprobarEnvio(const Proyecto& p);                  // the shipping amounts, when set
void ComprobarNombreCategoria(std::string_view nombre);  // a to z, not a store page

// The tax rate text of the page scripts: the rate with the tax on, "0" otherwise.
std::string TextoTasa(const Proyecto& p);

}  // namespace vendaluz
