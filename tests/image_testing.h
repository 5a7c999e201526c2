// Pictures for the tests, written with the real encoders (libjpeg, libpng, giflib)
// so that the reader is tested on the files other programs produce.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/image.h"

namespace vendaluz::test {

using Rgb = std::array<std::uint8_t, 3>;

inline constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255},
    kBlack{0, 0, 0};

Bitmap Paint(int width, int height, const std::function<Rgb(int x, int y)>& color);
// Top left red, top right green, bottom left blue, bottom right white.
Bitmap Quadrants(int width, int height);
// Smooth, varied content like a photograph.
Bitmap Photo(int width, int height, int seed);

Rgb ColorAt(const Bitmap& m, int x, int y);
// Mean of each channel.
std::array<double, 3> Mean(const Bitmap& m);
// The largest difference of one channel between two colours.
int Distance(const Rgb& a, const Rgb& b);

struct JpegOptions {
  int quality = 95;
  bool progressive = false;
  bool grey = false;
  bool cmyk = false;    // Adobe's inverted CMYK, as Photoshop writes it
  int orientation = 0;  // EXIF orientation tag; 0 writes no EXIF block
  bool intel = false;   // EXIF byte order
};
std::string Jpeg(const Bitmap& m, const JpegOptions& o = {});

struct PngOptions {
  std::vector<std::uint8_t> alpha;  // one per pixel; empty for an opaque RGB picture
  bool interlaced = false;
  bool sixteen_bits = false;  // 16 bits per channel
};
std::string Png(const Bitmap& m, const PngOptions& o = {});

struct GifOptions {
  bool interlaced = false;
  bool transparent = false;  // pixels of colour `key` become transparent
  Rgb key{};
  int left = 0, top = 0;                    // frame position on the screen
  int screen_width = 0, screen_height = 0;  // 0: the frame's size
};
// The bitmap may hold at most 256 colours.
std::string Gif(const Bitmap& m, const GifOptions& o = {});

// The same JPEG, PNG or GIF file with another declared size.
std::string WithDeclaredSize(std::string file, int width, int height);

}  // namespace vendaluz::test
