// Pictures for the tests, written with the real encoders (libjpeg, libpng, giflib)
// so that the reader is tested on the files other programs produce.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/imagen.h"

namespace vendaluz::test {

using Rgb = std::array<std::uint8_t, 3>;

inline constexpr Rgb kRojo{255, 0, 0}, kVerde{0, 255, 0}, kAzul{0, 0, 255}, kBlanco{255, 255, 255},
    kNegro{0, 0, 0};

Mapa Pintar(int ancho, int alto, const std::function<Rgb(int x, int y)>& color);
// Top left red, top right green, bottom left blue, bottom right white.
Mapa Cuadrantes(int ancho, int alto);
// Smooth, varied content like a photograph.
Mapa Foto(int ancho, int alto, int semilla);

Rgb Color(const Mapa& m, int x, int y);
// Mean of each channel.
std::array<double, 3> Media(const Mapa& m);
// The largest difference of one channel between two colours.
int Distancia(const Rgb& a, const Rgb& b);

struct OpcionesJpeg {
  int calidad = 95;
  bool progresivo = false;
  bool gris = false;
  bool cmyk = false;    // Adobe's inverted CMYK, as Photoshop writes it
  int orientacion = 0;  // EXIF orientation tag; 0 writes no EXIF block
  bool intel = false;   // EXIF byte order
};
std::string Jpeg(const Mapa& m, const OpcionesJpeg& o = {});

struct OpcionesPng {
  std::vector<std::uint8_t> alfa;  // one per pixel; empty for an opaque RGB picture
  bool entrelazado = false;
  bool dieciseis = false;  // 16 bits per channel
};
std::string Png(const Mapa& m, const OpcionesPng& o = {});

struct OpcionesGif {
  bool entrelazado = false;
  bool transparente = false;  // pixels of colour `clave` become transparent
  Rgb clave{};
  int izquierda = 0, arriba = 0;              // frame position on the screen
  int pantalla_ancho = 0, pantalla_alto = 0;  // 0: the frame's size
};
// The bitmap may hold at most 256 colours.
std::string Gif(const Mapa& m, const OpcionesGif& o = {});

// The same file with another declared size.
std::string CambiarMedidaJpeg(std::string jpeg, int ancho, int alto);
std::string CambiarMedidaPng(std::string png, int ancho, int alto);
std::string CambiarMedidaGif(std::string gif, int ancho, int alto);

}  // namespace vendaluz::test
