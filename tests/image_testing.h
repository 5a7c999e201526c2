// Pictures for the tests, written with the real encoders (libjpeg, libpng, giflib)
// so that the reader is tested on the files other programs produce.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/image.h"

namespace vendaluz::test {

using Rgb = std::array<std::uint8_t, 3>;
inline constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255},
    kBlack{0, 0, 0};

Bitmap Paint(int width, int height, const std::function<Rgb(int x, int y)>& color);
// Quadrants top left, top right, bottom left, bottom right.
Bitmap Quadrants(int width, int height,
                 const std::array<Rgb, 4>& colors = {kRed, kGreen, kBlue, kWhite});
Bitmap Photo(int width, int height, int seed);  // smooth, varied content

// What the writers heed; each ignores what its format lacks.
struct Options {
  bool interlaced = false;            // progressive for JPEG
  bool grey = false, cmyk = false;    // JPEG: grey keeps red; CMYK inverted, as Photoshop writes
  int orientation = 0;                // JPEG: EXIF orientation, 0 for no EXIF block
  bool intel = false;                 // EXIF byte order
  bool sixteen_bits = false;          // PNG
  std::vector<std::uint8_t> alpha{};  // PNG, one per pixel
  std::optional<Rgb> transparent{};   // GIF: the transparent colour
  int left = 0, top = 0, screen_width = 0, screen_height = 0;  // GIF: the frame on its screen
};
std::string Jpeg(const Bitmap& m, const Options& o = {});
std::string Png(const Bitmap& m, const Options& o = {});
std::string Gif(const Bitmap& m, const Options& o = {});  // at most 256 colours

// The same baseline JPEG file with another declared size in its frame header.
std::string WithDeclaredSize(std::string file, int width, int height);

}  // namespace vendaluz::test
