// The page frame shared by the store pages: title, free text, top menu, colours,
// centring, style and popup options, and the meta block of the catalogue pages.
#pragma once

#include <string>
#include <string_view>

#include "generator/ejecucion.h"
#include "generator/paginas.h"
#include "model/proyecto.h"

namespace vendaluz {

// Formato.Color<n> as "#RRGGBB".
std::string ColorPagina(const Proyecto& p, int n);

// *Centrar* and *FinCentrar* by Formato.CentrarTexto0 (every page follows page 0).
void RellenarCentrado(const Proyecto& p, std::string& texto);

// *Titulo*, *Texto*, *TopMenu* and the menu's marks, in this order.
void RellenarEncabezado(const Proyecto& p, const Ejecucion& e, const ClasePagina& clase,
                        std::string& texto);

// *Estilo*, the page and table colours, the link colours and the centring.
void RellenarColores(const Proyecto& p, const Ejecucion& e, std::string& texto);

// *TituloDocumento* (the page's title, "página n" from the second catalogue page on,
// and the project's name, joined by " - ") and *MetaDescripcion* (a description meta
// element, unless the catalogue's meta block already carries one).
void RellenarCabecera(const Proyecto& p, const ClasePagina& clase, std::string& texto,
                      int pagina = 1);

// Fills a catalogue shell (CARRITO): heading, popup options, colours, then the rows
// as *Producto*, then the meta block. *NumPag* is left for the catalogue builder.
void RellenarMarco(const Proyecto& p, const Ejecucion& e, const ClasePagina& clase,
                   std::string& texto, std::string_view filas);

}  // namespace vendaluz
