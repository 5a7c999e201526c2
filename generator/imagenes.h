// Product pictures of a store: the copies in imagenes/ and the thumbnails in
// thumbnails/, with the picture sizes that the catalogue rows use for the popups.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "model/proyecto.h"
#include "platform/disk.h"

namespace vendaluz {

struct TamanoImagen {
  int ancho = 0;
  int alto = 0;
  bool operator==(const TamanoImagen&) const = default;
};

// The picture sizes of a run by product number (1 for the first product).
using TamanosImagenes = std::map<int, TamanoImagen>;

// A file that a run could not write or copy; the run goes on and reports them all
// when it ends.
struct ProblemaArchivo {
  std::filesystem::path archivo;
  std::string causa;  // Spanish, for example "no existe el archivo o la carpeta"
  bool operator==(const ProblemaArchivo&) const = default;
};

// progress(minimum, maximum, value), reported after each product.
using Progreso = std::function<void(int minimo, int maximo, int valor)>;

// The picture file name of a path (after the last '\' or '/', blanks around
// removed) and its base name (up to the first full stop).
std::string NombreImagen(std::string_view ruta);
std::string NombreBase(std::string_view ruta);

inline constexpr std::uintmax_t kMaxBytesImagen = 200u << 20;  // 200 MB

// Checks the product pictures before a run: each that exists must be a regular file
// (kImagenNoArchivo) of at most kMaxBytesImagen (kImagenArchivoGrande); a missing one
// is left to the copy, which reports it. Returns how many products have a picture.
int ComprobarArchivosImagen(const Proyecto& p);

// Copies every product picture into carpeta/imagenes (which the caller creates) when
// Productos.Imagen and Thumbnails.Copiar are both 1. Pictures that cannot be copied
// are returned, not skipped silently.
std::vector<ProblemaArchivo> CopiarImagenes(Disk& disco, const Proyecto& p,
                                            const std::filesystem::path& carpeta,
                                            const Progreso& progreso);

// Makes the thumbnail of every product picture in carpeta/thumbnails (which the
// caller creates) on `hilos` threads (0: one per core), and returns the picture
// sizes. Throws Error when a picture cannot be decoded or the thumbnail size is not a
// number (the errors of CrearMiniatura below and LeerReglaMiniatura). The files, the
// sizes, the progress reports (always from the calling thread, in product order) and
// the error thrown are those of a run on one thread: when several products share a
// base name the last of them leaves its thumbnail, and when several pictures fail the
// first one is reported.
TamanosImagenes CrearMiniaturas(Disk& disco, const Proyecto& p,
                                const std::filesystem::path& carpeta, const Progreso& progreso,
                                int hilos = 0);

inline constexpr int kLadoMiniatura = 80;       // the longer side of a proportional one
inline constexpr int kMaxLadoMiniatura = 2000;  // the largest side of a fixed size
inline constexpr int kCalidadMiniatura = 85;    // JPEG quality of every thumbnail

// How big thumbnails are: proportional with the longer side kLadoMiniatura
// (Thumbnails.TGenerar 1) or stretched to a fixed size (TGenerar 0, TAncho by TAlto).
struct ReglaMiniatura {
  bool proporcional = true;
  TamanoImagen fija;
};

// Throws Error (kTamanoMiniatura) when TGenerar is 0 and TAncho or TAlto is not a
// whole number from 1 to kMaxLadoMiniatura.
ReglaMiniatura LeerReglaMiniatura(const Proyecto::Thumbnails& t);

// The thumbnail size of a picture of the given size, rounded to whole pixels, no
// side less than 1.
TamanoImagen MedidaMiniatura(TamanoImagen imagen, const ReglaMiniatura& regla);

// Makes one thumbnail: reads the picture at `ruta` (blanks around removed), writes
// destino_base + ".jpg" and returns the picture's size as a browser shows it. Throws
// Error when the picture cannot be read (kImagenIlegible), is damaged or not a
// picture (kImagenDanada), is too large (kImagenDemasiadoGrande), or the thumbnail
// cannot be written (kEscrituraFallida).
TamanoImagen CrearMiniatura(Disk& disco, std::string_view ruta,
                            const std::filesystem::path& destino_base, const ReglaMiniatura& regla);

}  // namespace vendaluz
