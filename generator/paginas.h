// The table of the store's pages: one row per kind of file a full run makes, in the
// order the run makes them. The run driver walks it (one progress step per row), the
// page frame builds the top menu from it, and the category job keeps its names free.
// A new kind of page is a new row, its template and its builder; nothing else.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "generator/ejecucion.h"
#include "model/proyecto.h"

namespace vendaluz {

// A file of the store as a builder makes it: its name in the store folder and its
// text, or, when copia is set, a byte copy of that file (the card logos).
struct ArchivoTienda {
  std::string nombre;
  std::string texto = {};
  std::filesystem::path copia = {};
  std::string_view aviso = {};  // a status text shown before it is written
  bool lineasUnix = false;        // LF line ends, for a script a Unix host runs as it is
};

struct ClasePagina;
// Builds the files of one kind of page; none when the project does not use it.
using Constructor = std::vector<ArchivoTienda> (*)(const Proyecto& p, const Ejecucion& e,
                                                   const ClasePagina& clase);

struct ClasePagina {
  std::string_view archivo;         // the file; for the catalogue, its first page
  std::string_view plantilla = {};  // the template its builder fills; empty: chosen by options
  Constructor construir = nullptr;
  int formato = -1;              // its Formato.Titulo and Texto entry; -1: the fixed title
  std::string_view titulo = {};  // the fixed title
  std::string_view menu = {};    // its entry in the top menu (frame marks allowed); empty: none
  std::string_view enlace = {};  // where the menu entry links, when not to archivo
};

// Every kind of page, in the order of the run.
std::span<const ClasePagina> TablaPaginas();
// The row of a builder: PaginaDe(ConstruirCatalogo).archivo is the store's first page.
const ClasePagina& PaginaDe(Constructor construir);

// *Titulo* and *Texto* of a page: its Formato entries, or the fixed title and no text.
std::string TituloPagina(const Proyecto& p, const ClasePagina& clase);
std::string TextoPagina(const Proyecto& p, const ClasePagina& clase);

// The top menu of a page in a nav element: "[ " every menu entry " | " ... " ]", the
// page's own entry as plain text and the others as links.
std::string MenuSuperior(const ClasePagina& actual);

// The base names of the catalogue pages ("carrito", the stem of every .htm row), which
// a category would overwrite.
std::vector<std::string_view> NombresReservados();

}  // namespace vendaluz
