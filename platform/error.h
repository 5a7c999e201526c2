// Failures of the core: an exception with a stable numeric code and a readable
// Spanish description. Callers at the edge (windows, command line, run driver)
// show them as "Error: " code ": " description.
#pragma once

#include <stdexcept>
#include <string>

namespace vendaluz {

// Stable codes; new failures get new numbers, old numbers never change meaning.
enum class CodigoError : int {
  kLecturaFallida = 101,      // a file could not be read
  kEscrituraFallida = 102,    // a file could not be written
  kCarpetaFallida = 103,      // a folder could not be created or listed
  kTextoNoCodificable = 104,  // a text holds a character Windows-1252 lacks

  // Pictures and thumbnails.
  kImagenIlegible = 201,         // a picture file could not be read
  kImagenDanada = 202,           // not a JPEG, GIF or PNG picture, damaged or incomplete
  kImagenDemasiadoGrande = 203,  // a picture with more pixels than allowed
  kTamanoMiniatura = 204,        // the thumbnail size is not a usable number
  kJpegNoCodificado = 205,       // a bitmap could not be encoded as JPEG
  kImagenNoArchivo = 206,        // a picture path names a folder, a FIFO or a device
  kImagenArchivoGrande = 207,    // a picture file larger than a run reads

  // The store generator.
  kNombreCarpetaInvalido = 301,  // a project name that cannot name the output folder
  kProductosPorPagina = 302,     // products per page is not a whole number of at least 1
  kTasaInvalida = 303,           // the tax rate is not a plain decimal number
  kCategoriaInvalida = 304,      // a category file name that is empty, not a to z, or reserved
  kCarpetaCategoria = 305,       // the category folder holds no generated store
  kVaciadoFallido = 306,         // the old output folder could not be emptied
  kEnvioInvalido = 307,          // a shipping amount is not a plain decimal number
  kErrorInterno = 399,           // an unexpected failure inside a run
};

class Error : public std::runtime_error {
 public:
  Error(CodigoError codigo, std::string descripcion);

  int codigo() const { return static_cast<int>(codigo_); }
  CodigoError tipo() const { return codigo_; }
  const std::string& descripcion() const { return descripcion_; }
  // "Error: " code ": " description, the one message shown to the user.
  std::string Mensaje() const;

 private:
  CodigoError codigo_;
  std::string descripcion_;
};

// Spanish text for an errno value ("permiso denegado", "no queda espacio en el disco").
std::string SystemErrorText(int errnum);

}  // namespace vendaluz
