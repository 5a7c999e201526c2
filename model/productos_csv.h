// The product list as a spreadsheet holds it: CSV text, one product a row under a
// header row that names the columns.
//
// Reading takes what LibreOffice Calc and Excel write with Spanish or English
// settings: ";", "," or tab as the separator (found from the header line), quoted
// fields with separators, quotes and line breaks inside, UTF-8 with or without a
// byte-order mark, UTF-16 with one, otherwise Windows-1252, CR LF or LF. A file with
// any error imports nothing; every error names its line (and column) in Spanish.
//
// Writing gives what a Spanish spreadsheet opens as it is: UTF-8 with a byte-order
// mark, ";", CR LF, prices with a decimal comma. Reading back what was written gives
// the same products, byte for byte. Plain functions, no shared state.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/proyecto.h"
#include "platform/disk.h"

namespace vendaluz {

// At most this many errors are listed; a last line counts the rest.
inline constexpr std::size_t kMaxErroresCsv = 20;

struct LecturaCsv {
  std::vector<Producto> productos;   // empty when there are errors
  std::vector<std::string> errores;  // "Línea 14, columna Precio: «doce» no es un precio."
};

// Reads the products of CSV bytes. Picture paths relative to the folder of
// archivo (the CSV file, which is not read) become absolute.
LecturaCsv LeerProductosCsv(std::string_view bytes, const std::filesystem::path& archivo);

// Reads the file at archivo. Throws DiskError when it cannot be read.
LecturaCsv ImportarProductosCsv(const std::filesystem::path& archivo);

// The CSV bytes of a product list.
std::string EscribirProductosCsv(const std::vector<Producto>& productos);

// Writes the list as the file at archivo; a failure throws DiskError and leaves an
// earlier file as it was.
void ExportarProductosCsv(const std::vector<Producto>& productos,
                          const std::filesystem::path& archivo, Disk& disco = RealDisk());

}  // namespace vendaluz
