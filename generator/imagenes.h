// Product pictures of a store: the copies in imagenes/ and the thumbnails in
// thumbnails/, with the picture sizes that the catalogue rows use for the popups.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "model/proyecto.h"

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

// Copies every product picture into carpeta/imagenes (which the caller creates) when
// Productos.Imagen and Thumbnails.Copiar are both 1. Pictures that cannot be copied
// are returned, not skipped silently.
std::vector<ProblemaArchivo> CopiarImagenes(const Proyecto& p, const std::filesystem::path& carpeta,
                                            const Progreso& progreso);

// Makes the thumbnail of every product picture in carpeta/thumbnails (which the
// caller creates) and returns the picture sizes. Throws Error when a picture cannot
// be decoded or the thumbnail size is not a number.
TamanosImagenes CrearMiniaturas(const Proyecto& p, const std::filesystem::path& carpeta,
                                const Progreso& progreso);

}  // namespace vendaluz
