// The state of one generation run that every builder shares: the run values worked
// out when the run opens, the four working texts, and the files that could not be
// written. Also the services the builders use to put files on disk.
//
// One Ejecucion belongs to one run on one thread; not thread safe.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "generator/imagenes.h"
#include "model/proyecto.h"

namespace vendaluz {

namespace fs = std::filesystem;

// Where the order form is sent and how the menus link it, chosen once per run from
// the secure-server and server-support options.
struct DestinoFormulario {
  std::string urlScript;  // *URLScript*
  std::string metodo;     // *Metodo*: method="post" or method="get", with the quotes
  std::string menuLink;   // *MenuLink*
  bool operator==(const DestinoFormulario&) const = default;
};
DestinoFormulario SeleccionarDestino(const Proyecto& p);

inline constexpr std::string_view kElementoLink =
    R"(<link rel="stylesheet" href="estilo.css" type="text/css">)";

struct Ejecucion {
  // Run values.
  std::string nombreProyecto;
  fs::path carpetaSalida;
  fs::path carpetaCodigo;  // the card pictures IMGvisa.dat ...
  std::string elementoLink{kElementoLink};
  DestinoFormulario destino;
  int contadorPaginas = 1;  // advanced by the catalogue builder, once per page
  std::string textoPaginador;
  TamanosImagenes tamanos;

  // Working texts.
  std::string textoPagina;     // the whole file being built
  std::string textoFragmento;  // one fragment (a product row, the meta block)
  std::string textoFilas;      // fragments gathered for one page
  std::string textoEstilo;     // the stylesheet or the inline style element

  // Files that could not be written or copied; the run goes on and reports them.
  std::vector<ProblemaArchivo> problemas;

  // Writes texto as the file ruta (created or truncated): Windows-1252, a lone LF
  // written as CR LF, characters the code page lacks as HTML character references,
  // then one more CR LF. A failure is added to problemas; it never throws.
  void EscribirArchivo(const fs::path& ruta, std::string_view texto);

  // Copies a file byte for byte, replacing the target; a failure goes to problemas.
  void CopiarArchivo(const fs::path& origen, const fs::path& destino);
};

// The bytes EscribirArchivo writes for texto (without the final CR LF).
std::string CodificarPagina(std::string_view texto);

// Empties a folder: every file, link and sub-folder in it goes, the folder itself
// stays. Read-only entries go as well. A symbolic link is removed as a link and
// never followed. Throws Error (kVaciadoFallido) naming the entry that could not go.
void VaciarCarpeta(const fs::path& carpeta);

// Checks of the values a run turns into numbers or paths; each throws Error with a
// Spanish description when the value does not serve.
void ComprobarNombreCarpeta(std::string_view nombre);    // a plain folder name
int ProductosPorPagina(const Proyecto& p);               // txtCantProd, at least 1
void ComprobarTasa(const Proyecto& p);                   // txtTasa when the tax is on
void ComprobarNombreCategoria(std::string_view nombre);  // a to z, not a store page

// The tax rate text of the page scripts: the rate with the tax on, "0" otherwise.
std::string TextoTasa(const Proyecto& p);

}  // namespace vendaluz
