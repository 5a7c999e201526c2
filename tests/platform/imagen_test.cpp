#include "platform/imagen.h"

#include <gtest/gtest.h>

#include <cmath>

#include "imagen_prueba.h"
#include "platform/error.h"

namespace vendaluz {
namespace {

using namespace test;

// The colour at the centre of each quadrant: top left, top right, bottom left,
// bottom right.
std::array<Rgb, 4> Centros(const Mapa& m) {
  const int x0 = m.ancho / 4, x1 = m.ancho * 3 / 4, y0 = m.alto / 4, y1 = m.alto * 3 / 4;
  return {Color(m, x0, y0), Color(m, x1, y0), Color(m, x0, y1), Color(m, x1, y1)};
}

void EsperarCentros(const Mapa& m, const std::array<Rgb, 4>& esperados, int tolerancia,
                    const std::string& caso) {
  const auto centros = Centros(m);
  for (int i = 0; i < 4; ++i) {
    EXPECT_LE(Distancia(centros[i], esperados[i]), tolerancia)
        << caso << ", cuadrante " << i << ": " << int(centros[i][0]) << "," << int(centros[i][1])
        << "," << int(centros[i][2]);
  }
}

Error ErrorAlLeer(const std::string& datos, const std::string& nombre, bool* se_pidio_medida) {
  try {
    LeerImagen(datos, nombre, [&](Medida) {
      *se_pidio_medida = true;
      return Medida{8, 8};
    });
  } catch (const Error& e) {
    return e;
  }
  ADD_FAILURE() << nombre << ": no hubo error";
  return Error(CodigoError::kLecturaFallida, "");
}

TEST(Imagen, EveryKindIsReadByItsContent) {
  const Mapa cuadrantes = Cuadrantes(64, 48);
  const std::array<Rgb, 4> color = {kRojo, kVerde, kAzul, kBlanco};
  // Grey is the plain mean of the three channels.
  const std::array<Rgb, 4> gris = {Rgb{85, 85, 85}, Rgb{85, 85, 85}, Rgb{85, 85, 85}, kBlanco};
  struct Caso {
    std::string nombre, datos;
    std::array<Rgb, 4> esperados;
    int tolerancia;
  };
  const Caso casos[] = {
      {"jpeg", Jpeg(cuadrantes), color, 12},
      {"jpeg progresivo", Jpeg(cuadrantes, {.progresivo = true}), color, 12},
      {"jpeg gris", Jpeg(cuadrantes, {.gris = true}), gris, 4},
      {"jpeg cmyk", Jpeg(cuadrantes, {.cmyk = true}), color, 12},
      {"png", Png(cuadrantes), color, 0},
      {"png 16 bits", Png(cuadrantes, {.alfa = {}, .dieciseis = true}), color, 0},
      {"png entrelazado", Png(cuadrantes, {.alfa = {}, .entrelazado = true}), color, 0},
      {"gif", Gif(cuadrantes), color, 0},
      {"gif entrelazado", Gif(cuadrantes, {.entrelazado = true}), color, 0},
  };
  for (const Caso& c : casos) {
    const ImagenLeida leida = LeerImagen(c.datos, c.nombre + ".jpg");
    EXPECT_EQ(leida.original, (Medida{64, 48})) << c.nombre;
    ASSERT_EQ(leida.mapa.ancho, 64) << c.nombre;
    ASSERT_EQ(leida.mapa.alto, 48) << c.nombre;
    EsperarCentros(leida.mapa, c.esperados, c.tolerancia, c.nombre);
  }
}

TEST(Imagen, TransparencyAndUncoveredScreenShowWhite) {
  // A GIF frame of 20 by 10 at (30, 20) on a 64 by 48 screen; its green is transparent.
  const Mapa marco = Pintar(20, 10, [](int x, int) { return x < 10 ? kRojo : kVerde; });
  const ImagenLeida gif = LeerImagen(Gif(marco, {.transparente = true,
                                                 .clave = kVerde,
                                                 .izquierda = 30,
                                                 .arriba = 20,
                                                 .pantalla_ancho = 64,
                                                 .pantalla_alto = 48}),
                                     "marco.gif");
  EXPECT_EQ(gif.original, (Medida{64, 48}));
  EXPECT_EQ(Color(gif.mapa, 5, 5), kBlanco);    // outside the frame
  EXPECT_EQ(Color(gif.mapa, 35, 25), kRojo);    // the frame's opaque half
  EXPECT_EQ(Color(gif.mapa, 45, 25), kBlanco);  // its transparent half
  EXPECT_EQ(Color(gif.mapa, 35, 35), kBlanco);  // below it

  // PNG alpha: clear, half and opaque black.
  const Mapa negro = Pintar(3, 1, [](int, int) { return kNegro; });
  const ImagenLeida png = LeerImagen(Png(negro, {.alfa = {0, 128, 255}}), "alfa.png");
  EXPECT_EQ(Color(png.mapa, 0, 0), kBlanco);
  EXPECT_EQ(Color(png.mapa, 1, 0), (Rgb{127, 127, 127}));
  EXPECT_EQ(Color(png.mapa, 2, 0), kNegro);
}

TEST(Imagen, ExifOrientationTurnsThePictureAsBrowsersShowIt) {
  // Stored 60 by 40: red, green / blue, white. Expected as shown, in the same order.
  const Mapa almacenada = Cuadrantes(60, 40);
  struct Caso {
    int orientacion;
    std::array<Rgb, 4> vista;
  };
  const Caso casos[] = {
      {1, {kRojo, kVerde, kAzul, kBlanco}}, {2, {kVerde, kRojo, kBlanco, kAzul}},
      {3, {kBlanco, kAzul, kVerde, kRojo}}, {4, {kAzul, kBlanco, kRojo, kVerde}},
      {5, {kRojo, kAzul, kVerde, kBlanco}}, {6, {kAzul, kRojo, kBlanco, kVerde}},
      {7, {kBlanco, kVerde, kAzul, kRojo}}, {8, {kVerde, kBlanco, kRojo, kAzul}},
  };
  for (const Caso& c : casos) {
    for (bool intel : {false, true}) {
      const std::string nombre =
          "orientación " + std::to_string(c.orientacion) + (intel ? " II" : " MM");
      const ImagenLeida leida =
          LeerImagen(Jpeg(almacenada, {.orientacion = c.orientacion, .intel = intel}), nombre);
      const Medida vista = c.orientacion >= 5 ? Medida{40, 60} : Medida{60, 40};
      EXPECT_EQ(leida.original, vista) << nombre;
      EXPECT_EQ((Medida{leida.mapa.ancho, leida.mapa.alto}), vista) << nombre;
      EsperarCentros(leida.mapa, c.vista, 12, nombre);
    }
  }
  // Turned and reduced at once: the size asked for is the shown one.
  const ImagenLeida reducida =
      LeerImagen(Jpeg(almacenada, {.orientacion = 6}), "girada.jpg", [](Medida) {
        return Medida{20, 30};
      });
  EXPECT_EQ((Medida{reducida.mapa.ancho, reducida.mapa.alto}), (Medida{20, 30}));
  EsperarCentros(reducida.mapa, {kAzul, kRojo, kBlanco, kVerde}, 12, "girada y reducida");
}

TEST(Imagen, ReductionAveragesEverySourcePixel) {
  auto reducir = [](const Mapa& m, Medida d) {
    return LeerImagen(Png(m), "prueba.png", [&](Medida) { return d; }).mapa;
  };
  auto gris = [](std::uint8_t v) { return Rgb{v, v, v}; };

  // Whole pixels: 4 by 2 to 2 by 1, each target the mean of a 2 by 2 block.
  const std::uint8_t valores[2][4] = {{10, 20, 100, 200}, {30, 41, 0, 60}};
  const Mapa bloques = Pintar(4, 2, [&](int x, int y) { return gris(valores[y][x]); });
  const Mapa dos = reducir(bloques, {2, 1});
  EXPECT_EQ(Color(dos, 0, 0), gris(25));  // 101 / 4 = 25.25
  EXPECT_EQ(Color(dos, 1, 0), gris(90));

  // Fractional: 3 to 2, the middle pixel split between both targets.
  const std::uint8_t tres[] = {0, 90, 180};
  const Mapa partida = reducir(Pintar(3, 1, [&](int x, int) { return gris(tres[x]); }), {2, 1});
  EXPECT_EQ(Color(partida, 0, 0), gris(30));   // (0 + 45) / 1.5
  EXPECT_EQ(Color(partida, 1, 0), gris(150));  // (45 + 180) / 1.5

  // One-pixel stripes neither alias nor vanish: sampling would give black or white.
  const Mapa rayas =
      reducir(Pintar(100, 100, [&](int x, int) { return x % 2 ? kBlanco : kNegro; }), {10, 10});
  const Mapa linea =
      reducir(Pintar(100, 100, [&](int, int y) { return y == 5 ? kNegro : kBlanco; }), {10, 10});
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      EXPECT_LE(Distancia(Color(rayas, x, y), gris(128)), 1) << x << "," << y;
      EXPECT_EQ(Color(linea, x, y), y == 0 ? gris(230) : kBlanco) << x << "," << y;
    }
  }

  // Enlarging repeats pixels.
  const Mapa ancha = reducir(Pintar(2, 1, [](int x, int) { return x ? kAzul : kRojo; }), {4, 2});
  EXPECT_EQ(Color(ancha, 1, 1), kRojo);
  EXPECT_EQ(Color(ancha, 2, 0), kAzul);
}

TEST(Imagen, LargeJpegReducedInTheDctKeepsItsMeanColour) {
  const Mapa foto = Foto(1600, 1200, 3);
  const std::string jpeg = Jpeg(foto, {.calidad = 90});
  const auto completa = Media(LeerImagen(jpeg, "foto.jpg").mapa);
  const ImagenLeida chica = LeerImagen(jpeg, "foto.jpg", [](Medida) { return Medida{80, 60}; });
  EXPECT_EQ(chica.original, (Medida{1600, 1200}));
  ASSERT_EQ(chica.mapa.ancho, 80);
  ASSERT_EQ(chica.mapa.alto, 60);
  const auto media = Media(chica.mapa);
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(media[c], completa[c], 1.5) << "canal " << c;
  // And it is the picture, not a flat colour: corners keep their own colours.
  EXPECT_LE(Distancia(Color(chica.mapa, 0, 0), Color(foto, 10, 10)), 12);
  EXPECT_LE(Distancia(Color(chica.mapa, 79, 59), Color(foto, 1590, 1190)), 12);
}

TEST(Imagen, DamagedPicturesAreRefusedNamingTheFile) {
  const std::string jpeg = Jpeg(Foto(200, 150, 1));
  const std::string png = Png(Foto(200, 150, 1));
  const std::string gif = Gif(Cuadrantes(200, 150));
  std::string sin_cuadro = jpeg;
  sin_cuadro.replace(jpeg.find("\xFF\xC0"), 2, "\xFF\xCC");  // frame header gone
  struct Caso {
    std::string datos, descripcion;
  };
  const Caso casos[] = {
      {"", "La imagen «p.jpg» está vacía"},
      {"Esto es un texto, no una foto.\r\n", "La imagen «p.jpg» no es una imagen JPEG, GIF ni PNG"},
      {"BM\x36\x00\x00\x00", "La imagen «p.jpg» no es una imagen JPEG, GIF ni PNG"},
      {jpeg.substr(0, jpeg.size() / 2), "La imagen «p.jpg» está incompleta"},
      {jpeg.substr(0, 300), "La imagen «p.jpg» está incompleta"},
      {png.substr(0, png.size() / 2), "La imagen «p.jpg» está incompleta"},
      {gif.substr(0, gif.size() / 2), "La imagen «p.jpg» está incompleta"},
      {gif.substr(0, 8), "La imagen «p.jpg» está incompleta"},
      {sin_cuadro, "La imagen «p.jpg» está dañada"},
  };
  for (const Caso& c : casos) {
    bool medida = false;
    const Error e = ErrorAlLeer(c.datos, "p.jpg", &medida);
    EXPECT_EQ(e.codigo(), 202) << c.descripcion;
    EXPECT_EQ(e.descripcion(), c.descripcion);
  }
  // A JPEG that lacks only its end marker shows whole in browsers and is accepted.
  EXPECT_EQ(LeerImagen(jpeg.substr(0, jpeg.size() - 2), "p.jpg").original, (Medida{200, 150}));
}

TEST(Imagen, HugeDeclaredSizeIsRefusedBeforeAnyPixelIsDecoded) {
  const Mapa m = Cuadrantes(16, 16);
  const std::pair<std::string, std::string> casos[] = {
      {"enorme.jpg", CambiarMedidaJpeg(Jpeg(m), 30000, 30000)},
      {"enorme.png", CambiarMedidaPng(Png(m), 30000, 30000)},
      {"enorme.gif", CambiarMedidaGif(Gif(m), 30000, 30000)},
  };
  for (const auto& [nombre, datos] : casos) {
    bool medida = false;
    const Error e = ErrorAlLeer(datos, nombre, &medida);
    EXPECT_EQ(e.codigo(), 203) << nombre;
    EXPECT_EQ(e.descripcion(), "La imagen «" + nombre +
                                   "» mide 30000 por 30000 píxeles y supera el máximo de 100 "
                                   "megapíxeles");
    EXPECT_FALSE(medida) << nombre;  // refused before the reduction was even planned
  }
  // Exactly 100 megapixels is still allowed through to the decoder (which then finds
  // the data missing).
  bool medida = false;
  EXPECT_EQ(ErrorAlLeer(CambiarMedidaPng(Png(m), 10000, 10000), "justo.png", &medida).codigo(),
            202);
  EXPECT_TRUE(medida);
}

TEST(Imagen, JpegEncoderIsFaithfulAndDeterministic) {
  const Mapa foto = Foto(320, 240, 5);
  const std::string a = CodificarJpeg(foto, 85), b = CodificarJpeg(foto, 85);
  EXPECT_EQ(a, b);
  ASSERT_GE(a.size(), 4u);
  EXPECT_EQ(a.substr(0, 3), "\xFF\xD8\xFF");
  EXPECT_EQ(a.substr(a.size() - 2), "\xFF\xD9");
  const Mapa vuelta = LeerImagen(a, "vuelta.jpg").mapa;
  ASSERT_EQ(vuelta.ancho, 320);
  ASSERT_EQ(vuelta.alto, 240);
  double diferencia = 0;
  for (std::size_t i = 0; i < foto.rgb.size(); ++i)
    diferencia += std::abs(foto.rgb[i] - vuelta.rgb[i]);
  EXPECT_LT(diferencia / foto.rgb.size(), 3.0);
  // Quality matters: 85 is clearly larger than 20 on the same bitmap.
  EXPECT_GT(a.size(), CodificarJpeg(foto, 20).size() * 3 / 2);
}

}  // namespace
}  // namespace vendaluz
