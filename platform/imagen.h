// The picture codec: reads JPEG, GIF and PNG pictures (told apart by their content,
// never by the file name) and writes JPEG. Pictures are read straight to the size
// the caller needs: JPEGs are reduced in the DCT first, then every format is reduced
// by area averaging, so a large picture never exists in memory at full size unless
// its format demands it (interlaced GIF and PNG).
//
// All functions are thread safe: they share no state.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vendaluz {

struct Medida {
  int ancho = 0;
  int alto = 0;
  bool operator==(const Medida&) const = default;
};

// An RGB bitmap, 3 bytes per pixel, rows from top to bottom without padding.
struct Mapa {
  int ancho = 0;
  int alto = 0;
  std::vector<std::uint8_t> rgb;
  const std::uint8_t* Pixel(int x, int y) const {
    return rgb.data() + (static_cast<std::size_t>(y) * ancho + x) * 3;
  }
};

// Pictures with more pixels than this are refused before their pixels are decoded;
// a small file can declare a huge size.
inline constexpr std::int64_t kMaxPixelesImagen = 100'000'000;

struct ImagenLeida {
  Medida original;  // the picture's size as a browser shows it
  Mapa mapa;        // the picture reduced to the size asked for
};

// Reads the picture in `datos` as a browser shows it: JPEGs turned by their EXIF
// orientation, transparent pixels on white, the first frame of an animated GIF.
// `destino` receives the picture's size and returns the size of the bitmap wanted
// (each side at least 1; larger than the picture is allowed and enlarges it).
// `nombre` names the picture in error messages. Throws Error with
// kImagenDanada (not JPEG, GIF or PNG; damaged; incomplete) or
// kImagenDemasiadoGrande (more than kMaxPixelesImagen pixels).
ImagenLeida LeerImagen(std::string_view datos, const std::string& nombre,
                       const std::function<Medida(Medida)>& destino);

// The whole picture at its own size.
ImagenLeida LeerImagen(std::string_view datos, const std::string& nombre);

// The bitmap as a baseline JPEG file of the given quality (1 to 100). The same
// bitmap always gives the same bytes.
std::string CodificarJpeg(const Mapa& mapa, int calidad);

}  // namespace vendaluz
