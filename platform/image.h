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

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

// An RGB bitmap, 3 bytes per pixel, rows from top to bottom without padding.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
  const std::uint8_t* Pixel(int x, int y) const {
    return rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3;
  }
};

// Pictures with more pixels than this are refused before their pixels are decoded;
// a small file can declare a huge size.
inline constexpr std::int64_t kMaxImagePixels = 100'000'000;

struct DecodedImage {
  Size original;  // the picture's size as a browser shows it
  Bitmap bitmap;  // the picture reduced to the size asked for
};

// Reads the picture in `data` as a browser shows it: JPEGs turned by their EXIF
// orientation, transparent pixels on white, the first frame of an animated GIF.
// `target` receives the picture's size and returns the size of the bitmap wanted
// (each side at least 1; larger than the picture is allowed and enlarges it).
// `name` names the picture in error messages. Throws Error with
// kImagenDanada (not JPEG, GIF or PNG; damaged; incomplete) or
// kImagenDemasiadoGrande (more than kMaxImagePixels pixels).
DecodedImage ReadImage(std::string_view data, const std::string& name,
                       const std::function<Size(Size)>& target);

// The whole picture at its own size.
DecodedImage ReadImage(std::string_view data, const std::string& name);

// The bitmap as a baseline JPEG file of the given quality (1 to 100). The same
// bitmap always gives the same bytes.
std::string EncodeJpeg(const Bitmap& bitmap, int quality);

}  // namespace vendaluz
