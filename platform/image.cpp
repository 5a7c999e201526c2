#include "platform/image.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <stdexcept>

#include "platform/error.h"
#include "platform/image_formats.h"

namespace vendaluz {
namespace image {

void ThrowDamaged(const std::string& name) {
  throw Error(CodigoError::kImagenDanada, "La imagen «" + name + "» está dañada");
}

void ThrowIncomplete(const std::string& name) {
  throw Error(CodigoError::kImagenDanada, "La imagen «" + name + "» está incompleta");
}

namespace {

// The source pixels [first, ...) that cover target pixel o of `target`, weighted by
// the share of each inside the target pixel's span; the weights add up to 1.
std::vector<std::pair<int, std::vector<float>>> Coverage(int source, int target) {
  std::vector<std::pair<int, std::vector<float>>> out(target);
  const double scale = static_cast<double>(source) / target;
  for (int o = 0; o < target; ++o) {
    const double a = o * scale;
    const double b = std::min<double>((o + 1) * scale, source);
    int k = static_cast<int>(std::floor(a));
    const int end = std::min(source, static_cast<int>(std::ceil(b)));
    auto& [first, weights] = out[o];
    first = k;
    for (; k < end; ++k) {
      const double w = std::min<double>(k + 1, b) - std::max<double>(k, a);
      if (weights.empty() && w <= 1e-9) {
        first = k + 1;
        continue;
      }
      weights.push_back(static_cast<float>(w / scale));
    }
    if (weights.empty()) {  // cannot happen for sane sizes; keep one source pixel
      first = std::min(source - 1, static_cast<int>(a));
      weights.push_back(1.0f);
    }
  }
  return out;
}

}  // namespace

Resampler::Resampler(Size source, Size target) : source_(source), target_(target) {
  if (source.width < 1 || source.height < 1 || target.width < 1 || target.height < 1) {
    throw std::invalid_argument("Resampler: medida vacía");
  }
  if (source_ == target_) {
    same_size_.width = target.width;
    same_size_.height = target.height;
    same_size_.rgb.resize(static_cast<std::size_t>(target.width) * target.height * 3);
    return;
  }
  for (auto& [first, weights] : Coverage(source.width, target.width)) {
    columns_.push_back({first, std::move(weights)});
  }
  shares_.resize(source.height);
  const auto rows = Coverage(source.height, target.height);
  for (int o = 0; o < target.height; ++o) {
    const auto& [first, weights] = rows[o];
    for (std::size_t j = 0; j < weights.size(); ++j) shares_[first + j].push_back({o, weights[j]});
  }
  reduced_row_.resize(static_cast<std::size_t>(target.width) * 3);
  sum_.assign(static_cast<std::size_t>(target.width) * target.height * 3, 0.0f);
}

void Resampler::AddRow(const std::uint8_t* rgb) {
  if (rows_given_ >= source_.height) throw std::logic_error("Resampler: sobran filas");
  if (!same_size_.rgb.empty()) {
    const std::size_t bytes = static_cast<std::size_t>(source_.width) * 3;
    std::memcpy(same_size_.rgb.data() + rows_given_ * bytes, rgb, bytes);
    ++rows_given_;
    return;
  }
  const auto& shares = shares_[rows_given_++];
  if (shares.empty()) return;
  float* r = reduced_row_.data();
  for (const Span& span : columns_) {
    const std::uint8_t* p = rgb + static_cast<std::size_t>(span.first) * 3;
    float sr = 0, sg = 0, sb = 0;
    for (float w : span.weights) {
      sr += w * p[0];
      sg += w * p[1];
      sb += w * p[2];
      p += 3;
    }
    r[0] = sr;
    r[1] = sg;
    r[2] = sb;
    r += 3;
  }
  const std::size_t n = reduced_row_.size();
  for (const Share& share : shares) {
    float* s = sum_.data() + share.target_row * n;
    for (std::size_t i = 0; i < n; ++i) s[i] += share.weight * reduced_row_[i];
  }
}

Bitmap Resampler::Finish() {
  if (rows_given_ != source_.height) throw std::logic_error("Resampler: faltan filas");
  if (!same_size_.rgb.empty()) return std::move(same_size_);
  Bitmap m;
  m.width = target_.width;
  m.height = target_.height;
  m.rgb.resize(sum_.size());
  for (std::size_t i = 0; i < sum_.size(); ++i) {
    m.rgb[i] = static_cast<std::uint8_t>(std::clamp(std::lround(sum_[i]), 0L, 255L));
  }
  return m;
}

int ExifOrientation(const std::uint8_t* d, std::size_t n) {
  // "Exif\0\0", then a TIFF header: byte order, 42, offset of the first directory.
  if (n < 14 || std::memcmp(d, "Exif\0\0", 6) != 0) return 1;
  const std::uint8_t* t = d + 6;
  const std::size_t size = n - 6;
  bool intel;
  if (t[0] == 'I' && t[1] == 'I') {
    intel = true;
  } else if (t[0] == 'M' && t[1] == 'M') {
    intel = false;
  } else {
    return 1;
  }
  auto u16 = [&](std::size_t at) -> unsigned {
    return intel ? t[at] | t[at + 1] << 8 : t[at] << 8 | t[at + 1];
  };
  auto u32 = [&](std::size_t at) -> std::uint32_t {
    return intel ? u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16
                 : static_cast<std::uint32_t>(u16(at)) << 16 | u16(at + 2);
  };
  if (u16(2) != 42) return 1;
  const std::uint32_t ifd = u32(4);
  if (ifd > size || size - ifd < 2) return 1;
  const unsigned entries = u16(ifd);
  for (unsigned i = 0; i < entries; ++i) {
    const std::size_t e = ifd + 2 + static_cast<std::size_t>(i) * 12;
    if (e + 12 > size) return 1;
    if (u16(e) == 0x0112) {
      const unsigned type = u16(e + 2);  // SHORT, one value, held in the entry itself
      const unsigned value = u16(e + 8);
      if (type != 3 || u32(e + 4) != 1 || value < 1 || value > 8) return 1;
      return static_cast<int>(value);
    }
  }
  return 1;
}

namespace {

// The stored bitmap as shown under EXIF orientation o.
Bitmap ApplyOrientation(Bitmap m, int o) {
  if (o <= 1 || o > 8) return m;
  const int w = m.width, h = m.height;
  Bitmap r;
  const bool turned = o >= 5;
  r.width = turned ? h : w;
  r.height = turned ? w : h;
  r.rgb.resize(m.rgb.size());
  for (int y = 0; y < r.height; ++y) {
    for (int x = 0; x < r.width; ++x) {
      int sx = x, sy = y;
      switch (o) {
        case 2:
          sx = w - 1 - x;
          break;
        case 3:
          sx = w - 1 - x, sy = h - 1 - y;
          break;
        case 4:
          sy = h - 1 - y;
          break;
        case 5:
          sx = y, sy = x;
          break;
        case 6:
          sx = y, sy = h - 1 - x;
          break;
        case 7:
          sx = w - 1 - y, sy = h - 1 - x;
          break;
        case 8:
          sx = w - 1 - y, sy = x;
          break;
      }
      std::memcpy(r.rgb.data() + (static_cast<std::size_t>(y) * r.width + x) * 3, m.Pixel(sx, sy),
                  3);
    }
  }
  return r;
}

enum class Format { kJpeg, kGif, kPng };

Format DetectFormat(std::string_view d, const std::string& name) {
  if (d.empty()) throw Error(CodigoError::kImagenDanada, "La imagen «" + name + "» está vacía");
  if (d.size() >= 3 && d.substr(0, 3) == "\xFF\xD8\xFF") return Format::kJpeg;
  if (d.size() >= 6 && (d.substr(0, 6) == "GIF87a" || d.substr(0, 6) == "GIF89a")) {
    return Format::kGif;
  }
  if (d.size() >= 8 && d.substr(0, 8) == "\x89PNG\r\n\x1A\n") return Format::kPng;
  throw Error(CodigoError::kImagenDanada,
              "La imagen «" + name + "» no es una imagen JPEG, GIF ni PNG");
}

}  // namespace
}  // namespace image

DecodedImage ReadImage(std::string_view data, const std::string& name,
                       const std::function<Size(Size)>& target) {
  using namespace image;
  DecodedImage decoded;
  int orientation = 1;
  const Prepare prepare = [&](const Header& header) {
    const Size s = header.stored;
    if (s.width < 1 || s.height < 1) ThrowDamaged(name);
    if (static_cast<std::int64_t>(s.width) * s.height > kMaxImagePixels) {
      throw Error(CodigoError::kImagenDemasiadoGrande,
                  "La imagen «" + name + "» mide " + std::to_string(s.width) + " por " +
                      std::to_string(s.height) + " píxeles y supera el máximo de 100 megapíxeles");
    }
    orientation = header.orientation;
    const bool turned = orientation >= 5;
    decoded.original = turned ? Size{s.height, s.width} : s;
    const Size t = target(decoded.original);
    if (t.width < 1 || t.height < 1 ||
        static_cast<std::int64_t>(t.width) * t.height > kMaxImagePixels) {
      throw std::invalid_argument("ReadImage: medida de destino no válida");
    }
    return turned ? Size{t.height, t.width} : t;
  };
  try {
    Bitmap bitmap;
    switch (DetectFormat(data, name)) {
      case Format::kJpeg:
        bitmap = DecodeJpeg(data, name, prepare);
        break;
      case Format::kGif:
        bitmap = DecodeGif(data, name, prepare);
        break;
      case Format::kPng:
        bitmap = DecodePng(data, name, prepare);
        break;
    }
    decoded.bitmap = ApplyOrientation(std::move(bitmap), orientation);
  } catch (const std::bad_alloc&) {
    throw Error(CodigoError::kImagenDemasiadoGrande,
                "No hay memoria suficiente para leer la imagen «" + name + "»");
  }
  return decoded;
}

DecodedImage ReadImage(std::string_view data, const std::string& name) {
  return ReadImage(data, name, [](Size s) { return s; });
}

}  // namespace vendaluz
