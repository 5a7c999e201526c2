#include "image_testing.h"

#include <gif_lib.h>
#include <png.h>
#include <zlib.h>

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>

#include <jpeglib.h>

namespace vendaluz::test {

Bitmap Paint(int width, int height, const std::function<Rgb(int, int)>& color) {
  Bitmap m;
  m.width = width;
  m.height = height;
  m.rgb.reserve(static_cast<std::size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb c = color(x, y);
      m.rgb.insert(m.rgb.end(), c.begin(), c.end());
    }
  }
  return m;
}

Bitmap Quadrants(int width, int height) {
  return Paint(width, height, [&](int x, int y) {
    const bool derecha = x >= width / 2, abajo = y >= height / 2;
    return abajo ? (derecha ? kWhite : kBlue) : (derecha ? kGreen : kRed);
  });
}

Bitmap Photo(int width, int height, int semilla) {
  const double a = 0.7 + 0.1 * semilla, b = 1.3 + 0.07 * semilla;
  return Paint(width, height, [&](int x, int y) {
    const double u = static_cast<double>(x) / width, v = static_cast<double>(y) / height;
    auto canal = [](double t) {
      return static_cast<std::uint8_t>(std::lround(127.5 + 120 * std::sin(t)));
    };
    return Rgb{canal(6 * a * u + 3 * v), canal(5 * b * v - 2 * u + semilla),
               canal(4 * (u + v) * a + 7 * u * v)};
  });
}

Rgb ColorAt(const Bitmap& m, int x, int y) {
  const std::uint8_t* p = m.Pixel(x, y);
  return {p[0], p[1], p[2]};
}

std::array<double, 3> Mean(const Bitmap& m) {
  std::array<double, 3> s{};
  for (std::size_t i = 0; i < m.rgb.size(); ++i) s[i % 3] += m.rgb[i];
  const double n = static_cast<double>(m.width) * m.height;
  for (double& c : s) c /= n;
  return s;
}

int Distance(const Rgb& a, const Rgb& b) {
  int d = 0;
  for (int i = 0; i < 3; ++i) d = std::max(d, std::abs(a[i] - b[i]));
  return d;
}

namespace {

std::string Exif(int orientacion, bool intel) {
  auto u16 = [&](unsigned v) {
    return intel ? std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}
                 : std::string{static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
  };
  auto u32 = [&](unsigned v) {
    return intel ? u16(v & 0xFFFF) + u16(v >> 16) : u16(v >> 16) + u16(v & 0xFFFF);
  };
  std::string t = std::string("Exif\0\0", 6) + (intel ? "II" : "MM") + u16(42) + u32(8);
  // IFD0 with a neighbour before the orientation, as cameras write it.
  t += u16(2);
  t += u16(0x010F) + u16(2) + u32(4) + "ABC" + std::string(1, '\0');  // maker "ABC"
  t += u16(0x0112) + u16(3) + u32(1) + u16(static_cast<unsigned>(orientacion)) + u16(0);
  t += u32(0);
  return t;
}

}  // namespace

std::string Jpeg(const Bitmap& m, const JpegOptions& o) {
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* buffer = nullptr;
  unsigned long largo = 0;
  jpeg_mem_dest(&c, &buffer, &largo);
  c.image_width = m.width;
  c.image_height = m.height;
  c.input_components = o.grey ? 1 : o.cmyk ? 4 : 3;
  c.in_color_space = o.grey ? JCS_GRAYSCALE : o.cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, o.quality, TRUE);
  if (o.progressive) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  if (o.orientation != 0) {
    const std::string exif = Exif(o.orientation, o.intel);
    jpeg_write_marker(&c, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(exif.data()),
                      static_cast<unsigned>(exif.size()));
  }
  std::vector<JSAMPLE> fila(static_cast<std::size_t>(m.width) * c.input_components);
  while (c.next_scanline < c.image_height) {
    const int y = static_cast<int>(c.next_scanline);
    for (int x = 0; x < m.width; ++x) {
      const std::uint8_t* p = m.Pixel(x, y);
      if (o.grey) {
        fila[x] = static_cast<JSAMPLE>((p[0] + p[1] + p[2]) / 3);
      } else if (o.cmyk) {
        // Key taken out, then stored inverted (255 means no ink).
        const int k = 255 - std::max({p[0], p[1], p[2]});
        for (int i = 0; i < 3; ++i) {
          const int tinta = k == 255 ? 0 : (255 - p[i] - k) * 255 / (255 - k);
          fila[x * 4 + i] = static_cast<JSAMPLE>(255 - tinta);
        }
        fila[x * 4 + 3] = static_cast<JSAMPLE>(255 - k);
      } else {
        for (int i = 0; i < 3; ++i) fila[x * 3 + i] = p[i];
      }
    }
    JSAMPROW r = fila.data();
    jpeg_write_scanlines(&c, &r, 1);
  }
  jpeg_finish_compress(&c);
  std::string out(reinterpret_cast<const char*>(buffer), largo);
  jpeg_destroy_compress(&c);
  std::free(buffer);
  return out;
}

std::string Png(const Bitmap& m, const PngOptions& o) {
  std::string out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) throw std::runtime_error("libpng no escribió la prueba");
  png_set_write_fn(
      png, &out,
      [](png_structp p, png_bytep d, png_size_t n) {
        static_cast<std::string*>(png_get_io_ptr(p))->append(reinterpret_cast<char*>(d), n);
      },
      nullptr);
  const bool alfa = !o.alpha.empty();
  const int canales = alfa ? 4 : 3, bytes = o.sixteen_bits ? 2 : 1;
  png_set_IHDR(png, info, m.width, m.height, o.sixteen_bits ? 16 : 8,
               alfa ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
               o.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> todo(static_cast<std::size_t>(m.width) * m.height * canales * bytes);
  std::vector<png_bytep> filas(m.height);
  for (int y = 0; y < m.height; ++y) {
    png_bytep f = todo.data() + static_cast<std::size_t>(y) * m.width * canales * bytes;
    filas[y] = f;
    for (int x = 0; x < m.width; ++x) {
      const std::uint8_t* p = m.Pixel(x, y);
      for (int i = 0; i < canales; ++i) {
        const std::uint8_t v = i < 3 ? p[i] : o.alpha[static_cast<std::size_t>(y) * m.width + x];
        for (int b = 0; b < bytes; ++b) *f++ = v;  // 16-bit v*257: high and low byte alike
      }
    }
  }
  png_write_image(png, filas.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

std::string Gif(const Bitmap& m, const GifOptions& o) {
  std::map<Rgb, int> indices;
  std::vector<GifColorType> colores;
  std::vector<GifPixelType> pixeles;
  for (int y = 0; y < m.height; ++y) {
    for (int x = 0; x < m.width; ++x) {
      const Rgb c = ColorAt(m, x, y);
      auto [it, nuevo] = indices.emplace(c, static_cast<int>(colores.size()));
      if (nuevo) colores.push_back({c[0], c[1], c[2]});
      pixeles.push_back(static_cast<GifPixelType>(it->second));
    }
  }
  if (colores.size() > 256) throw std::invalid_argument("más de 256 colores");
  int bits = 1;
  while ((1u << bits) < colores.size()) ++bits;
  colores.resize(1u << bits);
  ColorMapObject* paleta = GifMakeMapObject(1 << bits, colores.data());

  std::string out;
  int error = 0;
  GifFileType* g = EGifOpen(
      &out,
      [](GifFileType* f, const GifByteType* d, int n) {
        static_cast<std::string*>(f->UserData)->append(reinterpret_cast<const char*>(d), n);
        return n;
      },
      &error);
  EGifSetGifVersion(g, true);
  const int pw = o.screen_width ? o.screen_width : m.width;
  const int ph = o.screen_height ? o.screen_height : m.height;
  EGifPutScreenDesc(g, pw, ph, bits, 0, paleta);
  if (o.transparent) {
    GraphicsControlBlock gcb{};
    gcb.TransparentColor = indices.count(o.key) ? indices.at(o.key) : -1;
    GifByteType ext[4];
    const auto n = EGifGCBToExtension(&gcb, ext);
    EGifPutExtension(g, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(n), ext);
  }
  EGifPutImageDesc(g, o.left, o.top, m.width, m.height, o.interlaced, nullptr);
  if (o.interlaced) {
    static constexpr int kInicio[] = {0, 4, 2, 1}, kPaso[] = {8, 8, 4, 2};
    for (int pasada = 0; pasada < 4; ++pasada) {
      for (int y = kInicio[pasada]; y < m.height; y += kPaso[pasada]) {
        EGifPutLine(g, pixeles.data() + static_cast<std::size_t>(y) * m.width, m.width);
      }
    }
  } else {
    for (int y = 0; y < m.height; ++y) {
      EGifPutLine(g, pixeles.data() + static_cast<std::size_t>(y) * m.width, m.width);
    }
  }
  EGifCloseFile(g, &error);
  GifFreeMapObject(paleta);
  return out;
}

std::string WithDeclaredSize(std::string file, int width, int height) {
  auto put = [&](std::size_t at, unsigned v, int bytes, bool big_endian) {
    for (int i = 0; i < bytes; ++i) {
      file[at + i] = static_cast<char>(v >> (big_endian ? 8 * (bytes - 1 - i) : 8 * i));
    }
  };
  if (file.compare(0, 3, "GIF") == 0) {  // the logical screen, little-endian
    put(6, width, 2, false);
    put(8, height, 2, false);
  } else if (file.compare(1, 3, "PNG") == 0) {
    // IHDR data starts at 16; its CRC at 29 covers the chunk type and data, 12 to 28.
    put(16, width, 4, true);
    put(20, height, 4, true);
    put(29, crc32(0, reinterpret_cast<const Bytef*>(file.data() + 12), 17), 4, true);
  } else {  // JPEG: the frame header FF C0 (or C2), length, precision, height, width
    std::size_t i = 2;
    while (!(file[i] == '\xFF' && (file[i + 1] == '\xC0' || file[i + 1] == '\xC2'))) ++i;
    put(i + 5, height, 2, true);
    put(i + 7, width, 2, true);
  }
  return file;
}

}  // namespace vendaluz::test
