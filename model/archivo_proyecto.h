// The project file: a Proyecto stored as INI text (Windows-1252, CR LF), one section
// per area and one per list column, lists as a count plus indexed keys.
//
// Load and save parse or write the whole file once. Save is atomic: the old file
// stays as it was until the new one is complete, and keys of the old file that this
// program does not write are kept. Values of any length and with line breaks survive
// a save and load exactly (see platform/ini.h for how they are written).
#pragma once

#include <filesystem>
#include <string_view>

#include "model/proyecto.h"
#include "platform/disk.h"
#include "platform/ini.h"

namespace vendaluz {

// Resets p to the defaults of a new project (Inicio.Carpeta = carpetaProyectos) and
// reads the file at ruta over them. A file that cannot be read at all throws Error
// and leaves p as it was; a damaged file loads what it can without error.
void CargarProyecto(const std::filesystem::path& ruta, Proyecto& p,
                    std::string_view carpetaProyectos);

// Writes p to the file at ruta. Throws Error naming the path and the cause when the
// file cannot be written; the old file is then left byte for byte.
void GuardarProyecto(const Proyecto& p, const std::filesystem::path& ruta,
                     Disk& disco = RealDisk());

// The two halves without the disk: read the values of ini over p, and write every
// setting of p into ini (keeping what ini already holds).
void LeerProyecto(const IniFile& ini, Proyecto& p);
void EscribirProyecto(const Proyecto& p, IniFile& ini);

}  // namespace vendaluz
