#include "platform/imagen.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "platform/error.h"
#include "platform/imagen_formatos.h"

namespace vendaluz {
namespace imagen {

void ImagenDanada(const std::string& nombre) {
  throw Error(CodigoError::kImagenDanada, "La imagen «" + nombre + "» está dañada");
}

void ImagenIncompleta(const std::string& nombre) {
  throw Error(CodigoError::kImagenDanada, "La imagen «" + nombre + "» está incompleta");
}

namespace {

// The source pixels [primero, ...) that cover target pixel o of `destino`, weighted by
// the share of each inside the target pixel's span; the weights add up to 1.
std::vector<std::pair<int, std::vector<float>>> Cobertura(int origen, int destino) {
  std::vector<std::pair<int, std::vector<float>>> out(destino);
  const double escala = static_cast<double>(origen) / destino;
  for (int o = 0; o < destino; ++o) {
    const double a = o * escala;
    const double b = std::min<double>((o + 1) * escala, origen);
    int k = static_cast<int>(std::floor(a));
    const int fin = std::min(origen, static_cast<int>(std::ceil(b)));
    auto& [primero, pesos] = out[o];
    primero = k;
    for (; k < fin; ++k) {
      const double w = std::min<double>(k + 1, b) - std::max<double>(k, a);
      if (pesos.empty() && w <= 1e-9) {
        primero = k + 1;
        continue;
      }
      pesos.push_back(static_cast<float>(w / escala));
    }
    if (pesos.empty()) {  // cannot happen for sane sizes; keep one source pixel
      primero = std::min(origen - 1, static_cast<int>(a));
      pesos.push_back(1.0f);
    }
  }
  return out;
}

}  // namespace

Reductor::Reductor(Medida origen, Medida destino) : origen_(origen), destino_(destino) {
  if (origen.ancho < 1 || origen.alto < 1 || destino.ancho < 1 || destino.alto < 1) {
    throw std::invalid_argument("Reductor: medida vacía");
  }
  if (origen_ == destino_) {
    directo_.ancho = destino.ancho;
    directo_.alto = destino.alto;
    directo_.rgb.resize(static_cast<std::size_t>(destino.ancho) * destino.alto * 3);
    return;
  }
  for (auto& [primero, pesos] : Cobertura(origen.ancho, destino.ancho)) {
    columnas_.push_back({primero, std::move(pesos)});
  }
  aportes_.resize(origen.alto);
  const auto filas = Cobertura(origen.alto, destino.alto);
  for (int o = 0; o < destino.alto; ++o) {
    const auto& [primero, pesos] = filas[o];
    for (std::size_t j = 0; j < pesos.size(); ++j) aportes_[primero + j].push_back({o, pesos[j]});
  }
  fila_reducida_.resize(static_cast<std::size_t>(destino.ancho) * 3);
  suma_.assign(static_cast<std::size_t>(destino.ancho) * destino.alto * 3, 0.0f);
}

void Reductor::Fila(const std::uint8_t* rgb) {
  if (fila_ >= origen_.alto) throw std::logic_error("Reductor: sobran filas");
  if (!directo_.rgb.empty()) {
    const std::size_t bytes = static_cast<std::size_t>(origen_.ancho) * 3;
    std::memcpy(directo_.rgb.data() + fila_ * bytes, rgb, bytes);
    ++fila_;
    return;
  }
  const auto& aportes = aportes_[fila_++];
  if (aportes.empty()) return;
  float* r = fila_reducida_.data();
  for (const Tramo& t : columnas_) {
    const std::uint8_t* p = rgb + static_cast<std::size_t>(t.primero) * 3;
    float sr = 0, sg = 0, sb = 0;
    for (float w : t.pesos) {
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
  const std::size_t n = fila_reducida_.size();
  for (const Aporte& a : aportes) {
    float* s = suma_.data() + a.destino * n;
    for (std::size_t i = 0; i < n; ++i) s[i] += a.peso * fila_reducida_[i];
  }
}

Mapa Reductor::Terminar() {
  if (fila_ != origen_.alto) throw std::logic_error("Reductor: faltan filas");
  if (!directo_.rgb.empty()) return std::move(directo_);
  Mapa m;
  m.ancho = destino_.ancho;
  m.alto = destino_.alto;
  m.rgb.resize(suma_.size());
  for (std::size_t i = 0; i < suma_.size(); ++i) {
    m.rgb[i] = static_cast<std::uint8_t>(std::clamp(std::lround(suma_[i]), 0L, 255L));
  }
  return m;
}

int OrientacionExif(const std::uint8_t* d, std::size_t n) {
  // "Exif\0\0", then a TIFF header: byte order, 42, offset of the first directory.
  if (n < 14 || std::memcmp(d, "Exif\0\0", 6) != 0) return 1;
  const std::uint8_t* t = d + 6;
  const std::size_t largo = n - 6;
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
  if (ifd > largo || largo - ifd < 2) return 1;
  const unsigned entradas = u16(ifd);
  for (unsigned i = 0; i < entradas; ++i) {
    const std::size_t e = ifd + 2 + static_cast<std::size_t>(i) * 12;
    if (e + 12 > largo) return 1;
    if (u16(e) == 0x0112) {
      const unsigned tipo = u16(e + 2);  // SHORT, one value, held in the entry itself
      const unsigned valor = u16(e + 8);
      if (tipo != 3 || u32(e + 4) != 1 || valor < 1 || valor > 8) return 1;
      return static_cast<int>(valor);
    }
  }
  return 1;
}

namespace {

// The stored bitmap as shown under EXIF orientation o.
Mapa Orientar(Mapa m, int o) {
  if (o <= 1 || o > 8) return m;
  const int w = m.ancho, h = m.alto;
  Mapa r;
  const bool girada = o >= 5;
  r.ancho = girada ? h : w;
  r.alto = girada ? w : h;
  r.rgb.resize(m.rgb.size());
  for (int y = 0; y < r.alto; ++y) {
    for (int x = 0; x < r.ancho; ++x) {
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
      std::memcpy(r.rgb.data() + (static_cast<std::size_t>(y) * r.ancho + x) * 3, m.Pixel(sx, sy),
                  3);
    }
  }
  return r;
}

enum class Formato { kJpeg, kGif, kPng };

Formato Reconocer(std::string_view d, const std::string& nombre) {
  if (d.empty()) throw Error(CodigoError::kImagenDanada, "La imagen «" + nombre + "» está vacía");
  if (d.size() >= 3 && d.substr(0, 3) == "\xFF\xD8\xFF") return Formato::kJpeg;
  if (d.size() >= 6 && (d.substr(0, 6) == "GIF87a" || d.substr(0, 6) == "GIF89a")) {
    return Formato::kGif;
  }
  if (d.size() >= 8 && d.substr(0, 8) == "\x89PNG\r\n\x1A\n") return Formato::kPng;
  throw Error(CodigoError::kImagenDanada,
              "La imagen «" + nombre + "» no es una imagen JPEG, GIF ni PNG");
}

}  // namespace
}  // namespace imagen

ImagenLeida LeerImagen(std::string_view datos, const std::string& nombre,
                       const std::function<Medida(Medida)>& destino) {
  using namespace imagen;
  ImagenLeida leida;
  int orientacion = 1;
  const Preparar preparar = [&](const Encabezado& e) {
    const Medida a = e.almacenada;
    if (a.ancho < 1 || a.alto < 1) ImagenDanada(nombre);
    if (static_cast<std::int64_t>(a.ancho) * a.alto > kMaxPixelesImagen) {
      throw Error(CodigoError::kImagenDemasiadoGrande,
                  "La imagen «" + nombre + "» mide " + std::to_string(a.ancho) + " por " +
                      std::to_string(a.alto) + " píxeles y supera el máximo de 100 megapíxeles");
    }
    orientacion = e.orientacion;
    const bool girada = orientacion >= 5;
    leida.original = girada ? Medida{a.alto, a.ancho} : a;
    const Medida d = destino(leida.original);
    if (d.ancho < 1 || d.alto < 1 ||
        static_cast<std::int64_t>(d.ancho) * d.alto > kMaxPixelesImagen) {
      throw std::invalid_argument("LeerImagen: medida de destino no válida");
    }
    return girada ? Medida{d.alto, d.ancho} : d;
  };
  Mapa mapa;
  switch (Reconocer(datos, nombre)) {
    case Formato::kJpeg:
      mapa = DecodificarJpeg(datos, nombre, preparar);
      break;
    case Formato::kGif:
      mapa = DecodificarGif(datos, nombre, preparar);
      break;
    case Formato::kPng:
      mapa = DecodificarPng(datos, nombre, preparar);
      break;
  }
  leida.mapa = Orientar(std::move(mapa), orientacion);
  return leida;
}

ImagenLeida LeerImagen(std::string_view datos, const std::string& nombre) {
  return LeerImagen(datos, nombre, [](Medida m) { return m; });
}

}  // namespace vendaluz
