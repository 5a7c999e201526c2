#include "image_testing.h"

#include <gif_lib.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

#include <jpeglib.h>

namespace vendaluz::test {

Bitmap Paint(int width, int height, const std::function<Rgb(int, int)>& color) {
  Bitmap m{width, height, {}};
  for (int i = 0; i < width * height; ++i) {
    const Rgb c = color(i % width, i / width);
    m.rgb.insert(m.rgb.end(), c.begin(), c.end());
  }
  return m;
}

Bitmap Quadrants(int width, int height, const std::array<Rgb, 4>& colors) {
  return Paint(width, height,
               [&](int x, int y) { return colors[(y >= height / 2) * 2 + (x >= width / 2)]; });
}

Bitmap Photo(int width, int height, int seed) {
  const double a = 0.7 + 0.1 * seed, b = 1.3 + 0.07 * seed;
  return Paint(width, height, [&](int x, int y) {
    const double u = static_cast<double>(x) / width, v = static_cast<double>(y) / height;
    auto c = [](double t) {
      return static_cast<std::uint8_t>(std::lround(127.5 + 120 * std::sin(t)));
    };
    return Rgb{c(6 * a * u + 3 * v), c(5 * b * v - 2 * u + seed), c(4 * (u + v) * a + 7 * u * v)};
  });
}

std::string Jpeg(const Bitmap& m, const Options& o) {
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &buffer, &size);
  c.image_width = m.width, c.image_height = m.height;
  const int n = c.input_components = o.grey ? 1 : o.cmyk ? 4 : 3;
  c.in_color_space = o.grey ? JCS_GRAYSCALE : o.cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 95, TRUE);
  if (o.interlaced) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  if (o.orientation != 0) {  // the maker before the orientation, as cameras write EXIF
    auto u16 = [&](unsigned v) {
      const char hi = static_cast<char>(v >> 8), lo = static_cast<char>(v & 0xFF);
      return o.intel ? std::string{lo, hi} : std::string{hi, lo};
    };
    auto u32 = [&](unsigned v) { return o.intel ? u16(v) + u16(0) : u16(0) + u16(v); };
    const std::string exif = std::string("Exif\0\0", 6) + (o.intel ? "II" : "MM") + u16(42) +
                             u32(8) + u16(2) + u16(0x010F) + u16(2) + u32(4) + "ABC" + '\0' +
                             u16(0x0112) + u16(3) + u32(1) + u16(o.orientation) + u16(0) + u32(0);
    jpeg_write_marker(&c, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(exif.data()), exif.size());
  }
  std::vector<JSAMPLE> samples;
  for (std::size_t p = 0; p < m.rgb.size(); p += 3) {
    const std::uint8_t* rgb = &m.rgb[p];
    const int key = std::max({rgb[0], rgb[1], rgb[2]});  // CMYK stores 255 - black ink
    for (int i = 0; i < n; ++i) {
      samples.push_back(n < 4 ? rgb[i] : i == 3 ? key : key ? rgb[i] * 255 / key : 255);
    }
  }
  for (JSAMPROW row = samples.data(); c.next_scanline < c.image_height; row += m.width * n) {
    jpeg_write_scanlines(&c, &row, 1);
  }
  jpeg_finish_compress(&c);
  std::string out(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&c);
  std::free(buffer);
  return out;
}

void AppendPng(png_structp png, png_bytep data, png_size_t size) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), size);
}

std::string Png(const Bitmap& m, const Options& o) {
  std::string out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, AppendPng, nullptr);
  const int channels = o.alpha.empty() ? 3 : 4, bytes = o.sixteen_bits ? 2 : 1;
  png_set_IHDR(png, info, m.width, m.height, 8 * bytes,
               channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
               o.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> samples;  // 16 bits: v * 257, high and low byte alike
  for (std::size_t i = 0; i < m.rgb.size() / 3 * channels; ++i) {
    samples.insert(
        samples.end(), bytes,
        i % channels < 3 ? m.rgb[i / channels * 3 + i % channels] : o.alpha[i / channels]);
  }
  std::vector<png_bytep> rows;
  for (int y = 0; y < m.height; ++y) rows.push_back(&samples[y * m.width * channels * bytes]);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

int AppendGif(GifFileType* gif, const GifByteType* data, int size) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), size);
  return size;
}

std::string Gif(const Bitmap& m, const Options& o) {
  std::map<Rgb, int> index;
  std::vector<GifColorType> colors(256);
  std::vector<GifPixelType> pixels;
  for (std::size_t p = 0; p < m.rgb.size(); p += 3) {
    const Rgb c{m.rgb[p], m.rgb[p + 1], m.rgb[p + 2]};
    const int i = index.emplace(c, static_cast<int>(index.size())).first->second;
    colors.at(i) = {c[0], c[1], c[2]};  // throws past 256 colours
    pixels.push_back(static_cast<GifPixelType>(i));
  }
  std::string out;
  int error = 0;
  GifFileType* g = EGifOpen(&out, AppendGif, &error);
  ColorMapObject* palette = GifMakeMapObject(256, colors.data());
  EGifSetGifVersion(g, true);
  EGifPutScreenDesc(g, o.screen_width ? o.screen_width : m.width,
                    o.screen_height ? o.screen_height : m.height, 8, 0, palette);
  if (o.transparent) {
    GraphicsControlBlock gcb{};
    gcb.TransparentColor = index.at(*o.transparent);
    GifByteType ext[4];
    EGifPutExtension(g, GRAPHICS_EXT_FUNC_CODE, EGifGCBToExtension(&gcb, ext), ext);
  }
  EGifPutImageDesc(g, o.left, o.top, m.width, m.height, o.interlaced, nullptr);
  // Interlaced: every 8th row from 0, every 8th from 4, every 4th from 2, every 2nd from 1.
  std::vector<int> rows;
  for (auto [first, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
    for (int y = first; y < m.height; y += step) rows.push_back(y);
  }
  if (!o.interlaced) std::sort(rows.begin(), rows.end());
  for (int y : rows) EGifPutLine(g, &pixels[y * m.width], m.width);
  EGifCloseFile(g, &error);
  GifFreeMapObject(palette);
  return out;
}

std::string WithDeclaredSize(std::string file, int width, int height) {
  auto two = [](int v) { return std::string{static_cast<char>(v >> 8), static_cast<char>(v)}; };
  file.replace(file.find("\xFF\xC0") + 5, 4, two(height) + two(width));  // after length, precision
  return file;
}

}  // namespace vendaluz::test
