#include "platform/image.h"

#include <gtest/gtest.h>

#include <cmath>

#include "image_testing.h"
#include "platform/error.h"

namespace vendaluz {
namespace {

using namespace test;

// The colour at the centre of each quadrant: top left, top right, bottom left,
// bottom right.
std::array<Rgb, 4> Centros(const Bitmap& m) {
  const int x0 = m.width / 4, x1 = m.width * 3 / 4, y0 = m.height / 4, y1 = m.height * 3 / 4;
  return {ColorAt(m, x0, y0), ColorAt(m, x1, y0), ColorAt(m, x0, y1), ColorAt(m, x1, y1)};
}

void EsperarCentros(const Bitmap& m, const std::array<Rgb, 4>& esperados, int tolerancia,
                    const std::string& caso) {
  const auto centros = Centros(m);
  for (int i = 0; i < 4; ++i) {
    EXPECT_LE(Distance(centros[i], esperados[i]), tolerancia)
        << caso << ", cuadrante " << i << ": " << int(centros[i][0]) << "," << int(centros[i][1])
        << "," << int(centros[i][2]);
  }
}

Error ErrorAlLeer(const std::string& datos, const std::string& nombre, bool* se_pidio_medida) {
  try {
    ReadImage(datos, nombre, [&](Size) {
      *se_pidio_medida = true;
      return Size{8, 8};
    });
  } catch (const Error& e) {
    return e;
  }
  ADD_FAILURE() << nombre << ": no hubo error";
  return Error(CodigoError::kLecturaFallida, "");
}

TEST(Image, EveryKindIsReadByItsContent) {
  const Bitmap cuadrantes = Quadrants(64, 48);
  const std::array<Rgb, 4> color = {kRed, kGreen, kBlue, kWhite};
  // Grey is the plain mean of the three channels.
  const std::array<Rgb, 4> gris = {Rgb{85, 85, 85}, Rgb{85, 85, 85}, Rgb{85, 85, 85}, kWhite};
  struct Caso {
    std::string nombre, datos;
    std::array<Rgb, 4> esperados;
    int tolerancia;
  };
  const Caso casos[] = {
      {"jpeg", Jpeg(cuadrantes), color, 12},
      {"jpeg progresivo", Jpeg(cuadrantes, {.progressive = true}), color, 12},
      {"jpeg gris", Jpeg(cuadrantes, {.grey = true}), gris, 4},
      {"jpeg cmyk", Jpeg(cuadrantes, {.cmyk = true}), color, 12},
      {"png", Png(cuadrantes), color, 0},
      {"png 16 bits", Png(cuadrantes, {.alpha = {}, .sixteen_bits = true}), color, 0},
      {"png entrelazado", Png(cuadrantes, {.alpha = {}, .interlaced = true}), color, 0},
      {"gif", Gif(cuadrantes), color, 0},
      {"gif entrelazado", Gif(cuadrantes, {.interlaced = true}), color, 0},
  };
  for (const Caso& c : casos) {
    const DecodedImage leida = ReadImage(c.datos, c.nombre + ".jpg");
    EXPECT_EQ(leida.original, (Size{64, 48})) << c.nombre;
    ASSERT_EQ(leida.bitmap.width, 64) << c.nombre;
    ASSERT_EQ(leida.bitmap.height, 48) << c.nombre;
    EsperarCentros(leida.bitmap, c.esperados, c.tolerancia, c.nombre);
  }
}

TEST(Image, TransparencyAndUncoveredScreenShowWhite) {
  // A GIF frame of 20 by 10 at (30, 20) on a 64 by 48 screen; its green is transparent.
  const Bitmap marco = Paint(20, 10, [](int x, int) { return x < 10 ? kRed : kGreen; });
  const DecodedImage gif = ReadImage(Gif(marco, {.transparent = true,
                                                 .key = kGreen,
                                                 .left = 30,
                                                 .top = 20,
                                                 .screen_width = 64,
                                                 .screen_height = 48}),
                                     "marco.gif");
  EXPECT_EQ(gif.original, (Size{64, 48}));
  EXPECT_EQ(ColorAt(gif.bitmap, 5, 5), kWhite);    // outside the frame
  EXPECT_EQ(ColorAt(gif.bitmap, 35, 25), kRed);    // the frame's opaque half
  EXPECT_EQ(ColorAt(gif.bitmap, 45, 25), kWhite);  // its transparent half
  EXPECT_EQ(ColorAt(gif.bitmap, 35, 35), kWhite);  // below it

  // PNG alpha: clear, half and opaque black.
  const Bitmap negro = Paint(3, 1, [](int, int) { return kBlack; });
  const DecodedImage png = ReadImage(Png(negro, {.alpha = {0, 128, 255}}), "alfa.png");
  EXPECT_EQ(ColorAt(png.bitmap, 0, 0), kWhite);
  EXPECT_EQ(ColorAt(png.bitmap, 1, 0), (Rgb{127, 127, 127}));
  EXPECT_EQ(ColorAt(png.bitmap, 2, 0), kBlack);
}

TEST(Image, ExifOrientationTurnsThePictureAsBrowsersShowIt) {
  // Stored 60 by 40: red, green / blue, white. Expected as shown, in the same order.
  const Bitmap almacenada = Quadrants(60, 40);
  struct Caso {
    int orientation;
    std::array<Rgb, 4> vista;
  };
  const Caso casos[] = {
      {1, {kRed, kGreen, kBlue, kWhite}}, {2, {kGreen, kRed, kWhite, kBlue}},
      {3, {kWhite, kBlue, kGreen, kRed}}, {4, {kBlue, kWhite, kRed, kGreen}},
      {5, {kRed, kBlue, kGreen, kWhite}}, {6, {kBlue, kRed, kWhite, kGreen}},
      {7, {kWhite, kGreen, kBlue, kRed}}, {8, {kGreen, kWhite, kRed, kBlue}},
  };
  for (const Caso& c : casos) {
    for (bool intel : {false, true}) {
      const std::string nombre =
          "orientación " + std::to_string(c.orientation) + (intel ? " II" : " MM");
      const DecodedImage leida =
          ReadImage(Jpeg(almacenada, {.orientation = c.orientation, .intel = intel}), nombre);
      const Size vista = c.orientation >= 5 ? Size{40, 60} : Size{60, 40};
      EXPECT_EQ(leida.original, vista) << nombre;
      EXPECT_EQ((Size{leida.bitmap.width, leida.bitmap.height}), vista) << nombre;
      EsperarCentros(leida.bitmap, c.vista, 12, nombre);
    }
  }
  // Turned and reduced at once: the size asked for is the shown one.
  const DecodedImage reducida =
      ReadImage(Jpeg(almacenada, {.orientation = 6}), "girada.jpg", [](Size) {
        return Size{20, 30};
      });
  EXPECT_EQ((Size{reducida.bitmap.width, reducida.bitmap.height}), (Size{20, 30}));
  EsperarCentros(reducida.bitmap, {kBlue, kRed, kWhite, kGreen}, 12, "girada y reducida");
}

TEST(Image, ReductionAveragesEverySourcePixel) {
  auto reducir = [](const Bitmap& m, Size d) {
    return ReadImage(Png(m), "prueba.png", [&](Size) { return d; }).bitmap;
  };
  auto gris = [](std::uint8_t v) { return Rgb{v, v, v}; };

  // Whole pixels: 4 by 2 to 2 by 1, each target the mean of a 2 by 2 block.
  const std::uint8_t valores[2][4] = {{10, 20, 100, 200}, {30, 41, 0, 60}};
  const Bitmap bloques = Paint(4, 2, [&](int x, int y) { return gris(valores[y][x]); });
  const Bitmap dos = reducir(bloques, {2, 1});
  EXPECT_EQ(ColorAt(dos, 0, 0), gris(25));  // 101 / 4 = 25.25
  EXPECT_EQ(ColorAt(dos, 1, 0), gris(90));

  // Fractional: 3 to 2, the middle pixel split between both targets.
  const std::uint8_t tres[] = {0, 90, 180};
  const Bitmap partida = reducir(Paint(3, 1, [&](int x, int) { return gris(tres[x]); }), {2, 1});
  EXPECT_EQ(ColorAt(partida, 0, 0), gris(30));   // (0 + 45) / 1.5
  EXPECT_EQ(ColorAt(partida, 1, 0), gris(150));  // (45 + 180) / 1.5

  // One-pixel stripes neither alias nor vanish: sampling would give black or white.
  const Bitmap rayas =
      reducir(Paint(100, 100, [&](int x, int) { return x % 2 ? kWhite : kBlack; }), {10, 10});
  const Bitmap linea =
      reducir(Paint(100, 100, [&](int, int y) { return y == 5 ? kBlack : kWhite; }), {10, 10});
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      EXPECT_LE(Distance(ColorAt(rayas, x, y), gris(128)), 1) << x << "," << y;
      EXPECT_EQ(ColorAt(linea, x, y), y == 0 ? gris(230) : kWhite) << x << "," << y;
    }
  }

  // Enlarging repeats pixels.
  const Bitmap ancha = reducir(Paint(2, 1, [](int x, int) { return x ? kBlue : kRed; }), {4, 2});
  EXPECT_EQ(ColorAt(ancha, 1, 1), kRed);
  EXPECT_EQ(ColorAt(ancha, 2, 0), kBlue);
}

TEST(Image, LargeJpegReducedInTheDctKeepsItsMeanColour) {
  const Bitmap foto = Photo(1600, 1200, 3);
  const std::string jpeg = Jpeg(foto, {.quality = 90});
  const auto completa = Mean(ReadImage(jpeg, "foto.jpg").bitmap);
  const DecodedImage chica = ReadImage(jpeg, "foto.jpg", [](Size) { return Size{80, 60}; });
  EXPECT_EQ(chica.original, (Size{1600, 1200}));
  ASSERT_EQ(chica.bitmap.width, 80);
  ASSERT_EQ(chica.bitmap.height, 60);
  const auto media = Mean(chica.bitmap);
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(media[c], completa[c], 1.5) << "canal " << c;
  // And it is the picture, not a flat colour: corners keep their own colours.
  EXPECT_LE(Distance(ColorAt(chica.bitmap, 0, 0), ColorAt(foto, 10, 10)), 12);
  EXPECT_LE(Distance(ColorAt(chica.bitmap, 79, 59), ColorAt(foto, 1590, 1190)), 12);
}

TEST(Image, DamagedPicturesAreRefusedNamingTheFile) {
  const std::string jpeg = Jpeg(Photo(200, 150, 1));
  const std::string png = Png(Photo(200, 150, 1));
  const std::string gif = Gif(Quadrants(200, 150));
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
  EXPECT_EQ(ReadImage(jpeg.substr(0, jpeg.size() - 2), "p.jpg").original, (Size{200, 150}));
}

TEST(Image, HugeDeclaredSizeIsRefusedBeforeAnyPixelIsDecoded) {
  const Bitmap m = Quadrants(16, 16);
  const std::pair<std::string, std::string> casos[] = {
      {"enorme.jpg", WithDeclaredSize(Jpeg(m), 30000, 30000)},
      {"enorme.png", WithDeclaredSize(Png(m), 30000, 30000)},
      {"enorme.gif", WithDeclaredSize(Gif(m), 30000, 30000)},
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
  EXPECT_EQ(ErrorAlLeer(WithDeclaredSize(Png(m), 10000, 10000), "justo.png", &medida).codigo(),
            202);
  EXPECT_TRUE(medida);
}

TEST(Image, JpegEncoderIsFaithfulAndDeterministic) {
  const Bitmap foto = Photo(320, 240, 5);
  const std::string a = EncodeJpeg(foto, 85), b = EncodeJpeg(foto, 85);
  EXPECT_EQ(a, b);
  ASSERT_GE(a.size(), 4u);
  EXPECT_EQ(a.substr(0, 3), "\xFF\xD8\xFF");
  EXPECT_EQ(a.substr(a.size() - 2), "\xFF\xD9");
  const Bitmap vuelta = ReadImage(a, "vuelta.jpg").bitmap;
  ASSERT_EQ(vuelta.width, 320);
  ASSERT_EQ(vuelta.height, 240);
  double diferencia = 0;
  for (std::size_t i = 0; i < foto.rgb.size(); ++i)
    diferencia += std::abs(foto.rgb[i] - vuelta.rgb[i]);
  EXPECT_LT(diferencia / foto.rgb.size(), 3.0);
  // Quality matters: 85 is clearly larger than 20 on the same bitmap.
  EXPECT_GT(a.size(), EncodeJpeg(foto, 20).size() * 3 / 2);
}

}  // namespace
}  // namespace vendaluz
