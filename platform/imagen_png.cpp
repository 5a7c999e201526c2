// PNG through libpng, every kind turned into 8-bit RGBA and laid on white. libpng
// reports errors through longjmp: the reader keeps its C++ objects in members and
// creates none with destructors after setjmp.
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <optional>

#include "platform/imagen_formatos.h"

namespace vendaluz::imagen {
namespace {

struct Lectura {
  std::string_view datos;
  std::size_t pos = 0;
  bool corta = false;
};

void LeerBytes(png_structp png, png_bytep destino, png_size_t n) {
  auto* l = static_cast<Lectura*>(png_get_io_ptr(png));
  if (n > l->datos.size() - l->pos) {
    l->corta = true;
    png_error(png, "fin del archivo");
  }
  std::memcpy(destino, l->datos.data() + l->pos, n);
  l->pos += n;
}

// Errors jump straight back to setjmp (libpng's own handler would print them first);
// warnings are dropped.
void Fallar(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void Callar(png_structp, png_const_charp) {}

class LectorPng {
 public:
  LectorPng() {
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fallar, Callar);
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
  }
  ~LectorPng() { png_destroy_read_struct(&png_, &info_, nullptr); }
  LectorPng(const LectorPng&) = delete;
  LectorPng& operator=(const LectorPng&) = delete;

  Mapa Leer(std::string_view datos, const std::string& nombre, const Preparar& preparar) {
    if (png_ == nullptr || info_ == nullptr) throw std::bad_alloc();
    lectura_.datos = datos;
    if (setjmp(png_jmpbuf(png_))) {
      if (lectura_.corta) ImagenIncompleta(nombre);
      ImagenDanada(nombre);
    }
    png_set_read_fn(png_, &lectura_, LeerBytes);
    png_read_info(png_, info_);
    const int ancho = static_cast<int>(png_get_image_width(png_, info_));
    const int alto = static_cast<int>(png_get_image_height(png_, info_));
    const Medida objetivo = preparar({{ancho, alto}, 1});

    png_set_expand(png_);
    png_set_strip_16(png_);
    png_set_gray_to_rgb(png_);
    png_set_add_alpha(png_, 0xFF, PNG_FILLER_AFTER);
    const int pasadas = png_set_interlace_handling(png_);
    png_read_update_info(png_, info_);
    const std::size_t bytes_fila = static_cast<std::size_t>(ancho) * 4;
    if (png_get_rowbytes(png_, info_) != bytes_fila) ImagenDanada(nombre);

    reductor_.emplace(Medida{ancho, alto}, objetivo);
    rgb_.resize(static_cast<std::size_t>(ancho) * 3);
    if (pasadas > 1) {
      // Interlaced rows are filled in over several passes: all of them must exist.
      rgba_.resize(bytes_fila * alto);
      punteros_.resize(alto);
      for (int y = 0; y < alto; ++y) punteros_[y] = rgba_.data() + bytes_fila * y;
      png_read_image(png_, punteros_.data());
      for (int y = 0; y < alto; ++y) Entregar(punteros_[y], ancho);
    } else {
      rgba_.resize(bytes_fila);
      for (int y = 0; y < alto; ++y) {
        png_read_row(png_, rgba_.data(), nullptr);
        Entregar(rgba_.data(), ancho);
      }
    }
    return reductor_->Terminar();
  }

 private:
  void Entregar(const png_byte* p, int ancho) {
    std::uint8_t* o = rgb_.data();
    for (int x = 0; x < ancho; ++x, p += 4, o += 3) {
      const int a = p[3];
      for (int c = 0; c < 3; ++c) {
        o[c] = static_cast<std::uint8_t>((p[c] * a + 255 * (255 - a) + 127) / 255);
      }
    }
    reductor_->Fila(rgb_.data());
  }

  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
  Lectura lectura_;
  std::optional<Reductor> reductor_;
  std::vector<png_byte> rgba_;
  std::vector<png_bytep> punteros_;
  std::vector<std::uint8_t> rgb_;
};

}  // namespace

Mapa DecodificarPng(std::string_view datos, const std::string& nombre, const Preparar& preparar) {
  LectorPng lector;
  return lector.Leer(datos, nombre, preparar);
}

}  // namespace vendaluz::imagen
