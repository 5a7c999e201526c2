// Where a full run builds its store: a new folder beside the output folder, which
// replaces the old store only when the run is complete, so that a run stopped at any
// point leaves the old store as it was. Also the list of its own files that a run
// leaves in the store, by which the next run tells the owner's files from its own.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/disk.h"

namespace vendaluz {

// The hidden file of a store that lists the files the runs wrote, one path relative
// to the store per line.
inline constexpr std::string_view kListaPropios = ".vendaluz-archivos";

// The output folder before a run: whether it exists, and the files in it that no run
// wrote (relative paths, sorted; none when it has no list: a store of an older
// version counts as all the run's own). Project files (.ini) are not among them: a
// run keeps them. Throws Error (kCarpetaFallida) when the folder is a link or not a
// folder.
struct CarpetaPrevia {
  bool existe = false;
  std::vector<std::string> ajenos = {};
};
CarpetaPrevia MirarCarpeta(const std::filesystem::path& carpeta);

// Whether carpeta holds a generated store: the list of its own files, or its catalogue.
bool EsCarpetaDeTienda(const std::filesystem::path& carpeta);

// "a, b, c, d, e y 3 más": up to five names, then how many more.
std::string ListaAjenos(const std::vector<std::string>& ajenos);

// The replace question for the folder of the project `nombre`.
std::string PreguntaReemplazo(const std::string& nombre, const std::vector<std::string>& ajenos);

// Every file under carpeta (links included, never followed), as sorted relative
// paths with '/'.
std::vector<std::string> ArchivosBajo(const std::filesystem::path& carpeta);

// Adds names to the store's list when it has one (a category job's files).
void AnotarPropios(Disk& disco, const std::filesystem::path& carpeta,
                   const std::vector<std::string>& nombres);

// The new store, built in Ruta() and put in place of carpeta by Instalar. Until
// then the destructor removes it.
class TiendaNueva {
 public:
  // Makes the new folder beside carpeta (a leftover of a killed run goes first).
  // Throws Error (kCarpetaFallida) naming carpeta's parent.
  TiendaNueva(Disk& disco, std::filesystem::path carpeta);
  ~TiendaNueva();
  TiendaNueva(const TiendaNueva&) = delete;
  TiendaNueva& operator=(const TiendaNueva&) = delete;

  const std::filesystem::path& Ruta() const { return nueva_; }

  // Carries the old folder's project files over, writes the list of the run's files
  // and swaps the new store in: the old one is renamed aside, the new one takes its
  // name, the old one goes. When the swap fails the old store is put back. Returns
  // the cause when only removing the old store failed (the new one is in place).
  std::string Instalar();

 private:
  Disk& disco_;
  std::filesystem::path carpeta_, nueva_, anterior_;
  bool instalada_ = false;
};

// A path inside the new folder as the user knows it: the same path in the store.
std::string RutaEnTienda(std::string texto, const std::filesystem::path& nueva,
                         const std::filesystem::path& carpeta);

}  // namespace vendaluz
