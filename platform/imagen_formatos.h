// Inside the picture codec: the area-averaging reducer and one decoder per format.
// Only platform/imagen*.cpp include this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/imagen.h"

namespace vendaluz::imagen {

// Reduces (or enlarges) a picture that arrives row by row. Every target pixel is the
// mean of the source area it covers, each source pixel weighted by the part of it
// that falls inside, so no row or column is dropped and no pattern aliases.
class Reductor {
 public:
  Reductor(Medida origen, Medida destino);
  Medida origen() const { return origen_; }
  // The next source row: origen().ancho RGB pixels.
  void Fila(const std::uint8_t* rgb);
  // The target bitmap; every source row must have been given.
  Mapa Terminar();

 private:
  struct Tramo {  // the source pixels that make one target pixel, with their weights
    int primero = 0;
    std::vector<float> pesos;
  };
  struct Aporte {  // a target row that one source row feeds
    int destino;
    float peso;
  };

  Medida origen_, destino_;
  std::vector<Tramo> columnas_;               // per target column
  std::vector<std::vector<Aporte>> aportes_;  // per source row
  std::vector<float> fila_reducida_;          // one source row reduced across
  std::vector<float> suma_;                   // the whole target, 3 floats a pixel
  int fila_ = 0;                              // source rows given so far
  Mapa directo_;                              // same size: the rows are kept as they come
};

// What a decoder learns from the header before it decodes any pixel.
struct Encabezado {
  Medida almacenada;    // the size as stored in the file
  int orientacion = 1;  // EXIF orientation 1 to 8 (1 for GIF and PNG)
};

// Given the header, returns the size the decoder must reduce to, in stored
// orientation; throws when the picture is refused.
using Preparar = std::function<Medida(const Encabezado&)>;

// Each decoder returns the reduced bitmap in stored orientation. Throws Error with
// kImagenDanada, or whatever preparar throws.
Mapa DecodificarJpeg(std::string_view datos, const std::string& nombre, const Preparar& preparar);
Mapa DecodificarGif(std::string_view datos, const std::string& nombre, const Preparar& preparar);
Mapa DecodificarPng(std::string_view datos, const std::string& nombre, const Preparar& preparar);

// The EXIF orientation (1 to 8) of an APP1 payload that starts with "Exif\0\0";
// 1 when it holds none or is malformed.
int OrientacionExif(const std::uint8_t* datos, std::size_t largo);

// Errors of the decoders, with the picture named.
[[noreturn]] void ImagenDanada(const std::string& nombre);
[[noreturn]] void ImagenIncompleta(const std::string& nombre);

}  // namespace vendaluz::imagen
