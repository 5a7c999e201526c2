// The state of one generation run that every builder reads: the run values worked
// out when the run opens, and the files that could not be written. Also the two
// ways a run puts a file on disk.
//
// One Ejecucion belongs to one run on one thread; not thread safe.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "generator/imagenes.h"
#include "model/proyecto.h"
#include "platform/disk.h"

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

struct Ejecucion {
  explicit Ejecucion(Disk& d = RealDisk()) : disco(&d) {}

  // Run values.
  std::string nombreProyecto;
  fs::path carpetaSalida;
  fs::path carpetaCodigo;  // the card pictures IMGvisa.dat ...
  DestinoFormulario destino;
  // *Estilo* of every page: the link element or the inline style, then the shared rules.
  std::string estilo;
  TamanosImagenes tamanos;
  Disk* disco;

  // Files that could not be written or copied; the run goes on and reports them.
  std::vector<ProblemaArchivo> problemas;

  // Writes texto as the file ruta: Windows-1252, a lone LF written as CR LF,
  // characters the code page lacks as HTML character references, then one more
  // CR LF. With lineasUnix every line ends in LF alone instead. A failure is added
  // to problemas; it never throws.
  void EscribirArchivo(const fs::path& ruta, std::string_view texto, bool lineasUnix = false);

  // Copies a file byte for byte, replacing the target; a failure goes to problemas.
  void CopiarArchivo(const fs::path& origen, const fs::path& destino);
};

// The bytes EscribirArchivo writes for texto (without the final CR LF).
std::string CodificarPagina(std::string_view texto);

// Empties a folder: every file, link and sub-folder in it goes, the folder itself
// stays. Read-only entries go as well; links are removed, never followed. Throws
// Error (kVaciadoFallido) naming the entry that could not go.
void VaciarCarpeta(Disk& disco, const fs::path& carpeta);

}  // namespace vendaluz
