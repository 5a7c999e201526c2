// Inside the picture codec: the area-averaging resampler and one decoder per format.
// Only platform/image*.cpp include this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/image.h"

namespace vendaluz::image {

// Reduces (or enlarges) a picture that arrives row by row. Every target pixel is the
// mean of the source area it covers, each source pixel weighted by the part of it
// that falls inside, so no row or column is dropped and no pattern aliases.
class Resampler {
 public:
  Resampler(Size source, Size target);
  Size source() const { return source_; }
  // The next source row: source().width RGB pixels.
  void AddRow(const std::uint8_t* rgb);
  // The target bitmap; every source row must have been given.
  Bitmap Finish();

 private:
  struct Span {  // the source pixels that make one target pixel, with their weights
    int first = 0;
    std::vector<float> weights;
  };
  struct Share {  // a target row that one source row feeds
    int target_row;
    float weight;
  };

  Size source_, target_;
  std::vector<Span> columns_;               // per target column
  std::vector<std::vector<Share>> shares_;  // per source row
  std::vector<float> reduced_row_;          // one source row reduced across
  std::vector<float> sum_;                  // the whole target, 3 floats a pixel
  int rows_given_ = 0;
  Bitmap same_size_;  // same size: the rows are kept as they come
};

// What a decoder learns from the header before it decodes any pixel.
struct Header {
  Size stored;          // the size as stored in the file
  int orientation = 1;  // EXIF orientation 1 to 8 (1 for GIF and PNG)
};

// Given the header, returns the size the decoder must reduce to, in stored
// orientation; throws when the picture is refused.
using Prepare = std::function<Size(const Header&)>;

// Each decoder returns the reduced bitmap in stored orientation. Throws Error with
// kImagenDanada, or whatever prepare throws.
Bitmap DecodeJpeg(std::string_view data, const std::string& name, const Prepare& prepare);
Bitmap DecodeGif(std::string_view data, const std::string& name, const Prepare& prepare);
Bitmap DecodePng(std::string_view data, const std::string& name, const Prepare& prepare);

// The EXIF orientation (1 to 8) of an APP1 payload that starts with "Exif\0\0";
// 1 when it holds none or is malformed.
int ExifOrientation(const std::uint8_t* data, std::size_t size);

// Errors of the decoders, with the picture named.
[[noreturn]] void ThrowDamaged(const std::string& name);
[[noreturn]] void ThrowIncomplete(const std::string& name);

}  // namespace vendaluz::image
