// The workspace on disk: the program folder, the Proyectos folder with the project
// files and one generated store per project, and the Codigo folder with the card
// pictures.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/proyecto.h"

namespace vendaluz {

namespace fs = std::filesystem;

struct Espacio {
  fs::path programa;   // the folder of the executable
  fs::path proyectos;  // project files and generated stores
  fs::path codigo;     // the card pictures (IMGvisa.dat ...)

  // Where the store of a project is generated: Proyectos / Inicio.Nombre.
  fs::path CarpetaSalida(const Proyecto& p) const;
};

// The per-user data folder: $XDG_DATA_HOME/vendaluz, or ~/.local/share/vendaluz.
fs::path CarpetaDatosUsuario();

// Works out the workspace of a program folder and creates Proyectos when missing.
// A program run from where it was built keeps Proyectos beside it; an installed one
// (its data folder programa/../share/vendaluz exists) and one whose folder cannot be
// written use datosUsuario/Proyectos. The card pictures come from Codigo beside the
// program, or from the installed data folder. When the per-user Proyectos folder is
// made, the installed sample project (share/vendaluz/ejemplo) is copied into it, so
// that the first start offers it. Throws Error when no Proyectos folder can be made
// at all. Without crear nothing is created (a run that writes elsewhere): the folder
// that would be made is named, and a store generated there makes it.
Espacio PrepararEspacio(const fs::path& programa, const fs::path& datosUsuario, bool crear = true);

// One entry of the project list: the file name without its final ".ini", and the file.
struct EntradaProyecto {
  std::string nombre;
  fs::path ruta;
  bool operator==(const EntradaProyecto&) const = default;
};

// The project list: the .ini files of the folder (any letter case of the extension)
// in alphabetical order (letter case and accents aside). A missing folder gives an empty list.
std::vector<EntradaProyecto> ListarProyectos(const fs::path& carpetaProyectos);

}  // namespace vendaluz
