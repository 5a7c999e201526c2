#include "platform/image.h"

#include <gtest/gtest.h>

#include <cmath>

#include "image_testing.h"
#include "test_util.h"

namespace vendaluz {
namespace {

using namespace test;

// The mean difference of the channel values of two bitmaps; 255 when their sizes differ.
double Difference(const Bitmap& a, const Bitmap& b) {
  if (a.width != b.width || a.height != b.height) return 255;
  double sum = 0;
  for (std::size_t i = 0; i < a.rgb.size(); ++i) sum += std::abs(a.rgb[i] - b.rgb[i]);
  return sum / a.rgb.size();
}

// The picture read at the target size; at its own size when there is none.
DecodedImage Read(const std::string& data, Size target = {}) {
  return ReadImage(data, "p.jpg", [&](Size s) { return target.width ? target : s; });
}

Bitmap Greys(int width, const std::vector<int>& v) {
  return Paint(width, v.size() / width, [&](int x, int y) {
    const auto g = static_cast<std::uint8_t>(v[y * width + x]);
    return Rgb{g, g, g};
  });
}

TEST(Image, ReadsEveryKindAsShownAtTheSizeAskedFor) {
  // 256 colours in blocks of 4 by 3, so that the rows of an interlaced file differ.
  auto step = [](int v, int size) { return static_cast<std::uint8_t>(v / size * 17); };
  const Bitmap steps = Paint(64, 48, [&](int x, int y) {
    return Rgb{step(x, 4), step(y, 3), 128};
  });
  Bitmap grey = steps;  // what a grey JPEG of it holds: the red channel
  for (std::size_t i = 0; i < grey.rgb.size(); ++i) grey.rgb[i] = steps.rgb[i - i % 3];
  const std::string jpeg = Jpeg(steps);
  const Bitmap photo = Photo(800, 600, 3);
  const Bitmap line = Paint(10, 10, [](int, int y) { return y ? kWhite : Rgb{230, 230, 230}; });
  const struct {
    std::string file;
    Bitmap shown;
    double tolerance = 0;  // of the mean difference
    bool reduced = false;  // else the picture's own size
  } cases[] = {
      {jpeg.substr(0, jpeg.size() - 2), steps, 3},  // no end marker: browsers show it whole
      {Jpeg(steps, {.interlaced = true}), steps, 3},
      {Jpeg(steps, {.grey = true}), grey, 3},
      {Jpeg(steps, {.cmyk = true}), steps, 3},
      {Png(steps, {.sixteen_bits = true}), steps},
      {Png(steps, {.interlaced = true}), steps},
      {Png(Greys(3, {0, 0, 0}), {.alpha = {0, 128, 255}}), Greys(3, {255, 127, 0})},
      {Gif(steps, {.interlaced = true}), steps},
      // A 20 by 10 frame at (30, 20) on a 64 by 48 screen, its green half transparent.
      {Gif(Quadrants(20, 10, {kRed, kGreen, kRed, kGreen}),
           {.transparent = kGreen, .left = 30, .top = 20, .screen_width = 64, .screen_height = 48}),
       Paint(64, 48, [](int x, int y) { return x / 10 == 3 && y / 10 == 2 ? kRed : kWhite; })},
      // Every target pixel is the mean of the source area it covers, in whole or in part.
      {Png(Greys(4, {10, 20, 100, 200, 30, 41, 0, 60})), Greys(2, {25, 90}), 0, true},
      {Png(Greys(3, {0, 90, 180})), Greys(2, {30, 150}), 0, true},
      {Png(Greys(2, {0, 200})), Greys(4, {0, 0, 200, 200, 0, 0, 200, 200}), 0, true},
      // One-pixel stripes and lines neither alias nor vanish, as sampling would make them.
      {Png(Paint(100, 100, [](int x, int) { return x % 2 ? kWhite : kBlack; })),
       Greys(10, std::vector<int>(100, 128)), 0.5, true},
      {Png(Paint(100, 100, [](int, int y) { return y == 5 ? kBlack : kWhite; })), line, 0, true},
      // A JPEG reduced in the DCT first matches the photo reduced without loss.
      {Jpeg(photo), Read(Png(photo), {80, 60}).bitmap, 1.5, true},
      {EncodeJpeg(photo, 85), photo, 3},  // our own encoder, as thumbnails are written
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Size size{cases[i].shown.width, cases[i].shown.height};
    const DecodedImage d = Read(cases[i].file, cases[i].reduced ? size : Size{});
    EXPECT_LE(Difference(d.bitmap, cases[i].shown), cases[i].tolerance) << "caso " << i;
  }
}

TEST(Image, ExifOrientationTurnsThePicture) {
  // Stored 60 by 40 as red, green / blue, white; shown in orientations 1 to 8 as:
  const std::array<Rgb, 4> shown[] = {{kRed, kGreen, kBlue, kWhite}, {kGreen, kRed, kWhite, kBlue},
                                      {kWhite, kBlue, kGreen, kRed}, {kBlue, kWhite, kRed, kGreen},
                                      {kRed, kBlue, kGreen, kWhite}, {kBlue, kRed, kWhite, kGreen},
                                      {kWhite, kGreen, kBlue, kRed}, {kGreen, kWhite, kRed, kBlue}};
  for (int o = 1; o <= 8; ++o) {
    for (bool intel : {false, true}) {
      const Size size = o >= 5 ? Size{40, 60} : Size{60, 40};
      const DecodedImage d = Read(Jpeg(Quadrants(60, 40), {.orientation = o, .intel = intel}));
      EXPECT_LE(Difference(d.bitmap, Quadrants(size.width, size.height, shown[o - 1])), 3)
          << o << intel;
    }
  }
  // Turned and reduced at once: the size asked for is the shown one.
  const Bitmap turned = Read(Jpeg(Quadrants(60, 40), {.orientation = 6}), {20, 30}).bitmap;
  EXPECT_LE(Difference(turned, Quadrants(20, 30, shown[5])), 3);
}

TEST(Image, DamagedAndHugePicturesAreRefusedNamingThem) {
  const std::string jpeg = Jpeg(Photo(200, 150, 1)), png = Png(Photo(200, 150, 1));
  const std::string gif = Gif(Quadrants(200, 150));
  std::string no_frame = jpeg;
  no_frame.replace(jpeg.find("\xFF\xC0"), 2, "\xFF\xCC");
  // A progressive file whose last scan is repeated until decoding it would take minutes.
  std::string bomb = Jpeg(Photo(200, 150, 1), {.interlaced = true});
  const std::size_t scan = bomb.rfind("\xFF\xDA"), end = bomb.rfind("\xFF\xD9");
  const std::string repeated = bomb.substr(scan, end - scan);
  for (int i = 0; i < 1100; ++i) bomb.insert(scan, repeated);
  const std::string imagen = "Error: 202: La imagen «p.jpg» ", cut = imagen + "está incompleta";
  const std::pair<std::string, std::string> cases[] = {
      {"", imagen + "está vacía"},
      {"BM\x36\x00\x00\x00", imagen + "no es una imagen JPEG, GIF ni PNG"},
      {jpeg.substr(0, 300), cut},  // inside the header
      {png.substr(0, png.size() / 2), cut},
      {gif.substr(0, gif.size() / 2), cut},
      {no_frame, imagen + "está dañada"},
      {bomb, imagen + "tiene más de 1000 pasadas progresivas; guárdela de nuevo con un programa "
                      "de imágenes"},
      // Refused before the reduction is planned; exactly 100 megapixels is let through.
      {WithDeclaredSize(jpeg, 30000, 30000),
       "Error: 203: La imagen «p.jpg» mide 30000 por "
       "30000 píxeles y supera el máximo de 100 megapíxeles"},
      {WithDeclaredSize(jpeg, 10000, 10000), "sin error"},
  };
  for (const auto& [data, refusal] : cases) {
    bool planned = false;
    const auto plan = [&](Size) { return planned = true, Size{8, 8}; };
    EXPECT_EQ(MensajeDe([&] { ReadImage(data, "p.jpg", plan); }), refusal);
    EXPECT_FALSE(planned && refusal.starts_with("Error: 203")) << refusal;
  }
}

TEST(Image, JpegEncoderHeedsQuality) {  // 85 is clearly larger than 20 on the same bitmap
  const Bitmap photo = Photo(320, 240, 5);
  EXPECT_GT(EncodeJpeg(photo, 85).size(), EncodeJpeg(photo, 20).size() * 3 / 2);
}

}  // namespace
}  // namespace vendaluz
