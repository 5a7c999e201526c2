// JPEG through libjpeg(-turbo). Its errors arrive through longjmp, so the classes
// below keep every C++ object that must outlive a jump in their members, and the
// functions that call setjmp create no objects with destructors after it.
#include <csetjmp>
#include <cstdio>
#include <optional>
#include <stdexcept>

#include <jerror.h>
#include <jpeglib.h>

#include "platform/error.h"
#include "platform/imagen.h"
#include "platform/imagen_formatos.h"

namespace vendaluz {
namespace imagen {
namespace {

struct ErrorJpeg {
  jpeg_error_mgr pub;  // first, so that cinfo->err can be cast back
  std::jmp_buf salto;
  bool fin_del_archivo;  // the data ran out (libjpeg then supplies an end marker)
  bool incompleta;       // ... and the picture needed more of it
};

void Salir(j_common_ptr c) { std::longjmp(reinterpret_cast<ErrorJpeg*>(c->err)->salto, 1); }

// Warnings are ignored (browsers show such pictures) except a file that ends before
// its picture does, which would otherwise decode to grey rows. libjpeg warns of the
// end of the file when it merely looks ahead, too: a file that lacks only its end
// marker is whole. The picture is cut short only when the decoder then needs bits
// that are not there.
void Avisar(j_common_ptr c, int nivel) {
  if (nivel >= 0) return;
  auto* e = reinterpret_cast<ErrorJpeg*>(c->err);
  if (c->err->msg_code == JWRN_JPEG_EOF) {
    e->fin_del_archivo = true;
  } else if (c->err->msg_code == JWRN_HIT_MARKER && e->fin_del_archivo) {
    e->incompleta = true;
    std::longjmp(e->salto, 1);
  }
}

void PrepararErrores(ErrorJpeg& e) {
  jpeg_std_error(&e.pub);
  e.pub.error_exit = Salir;
  e.pub.emit_message = Avisar;
  e.fin_del_archivo = false;
  e.incompleta = false;
}

class LectorJpeg {
 public:
  LectorJpeg() {
    PrepararErrores(err_);
    cinfo_.err = &err_.pub;
  }
  ~LectorJpeg() { jpeg_destroy_decompress(&cinfo_); }
  LectorJpeg(const LectorJpeg&) = delete;
  LectorJpeg& operator=(const LectorJpeg&) = delete;

  Mapa Leer(std::string_view datos, const std::string& nombre, const Preparar& preparar) {
    if (setjmp(err_.salto)) {
      // A file cut inside its header fails for want of tables or frame: incomplete too.
      if (err_.incompleta || err_.fin_del_archivo) ImagenIncompleta(nombre);
      ImagenDanada(nombre);
    }
    jpeg_create_decompress(&cinfo_);
    jpeg_mem_src(&cinfo_, reinterpret_cast<const unsigned char*>(datos.data()),
                 static_cast<unsigned long>(datos.size()));
    jpeg_save_markers(&cinfo_, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&cinfo_, TRUE);

    int orientacion = 1;
    for (jpeg_saved_marker_ptr m = cinfo_.marker_list; m != nullptr; m = m->next) {
      if (m->marker == JPEG_APP0 + 1 && m->data_length >= 6) {
        orientacion = OrientacionExif(m->data, m->data_length);
        break;
      }
    }
    const int ancho = static_cast<int>(cinfo_.image_width);
    const int alto = static_cast<int>(cinfo_.image_height);
    const Medida objetivo = preparar({{ancho, alto}, orientacion});

    cmyk_ = cinfo_.jpeg_color_space == JCS_CMYK || cinfo_.jpeg_color_space == JCS_YCCK;
    cinfo_.out_color_space = cmyk_ ? JCS_CMYK : JCS_RGB;
    // The smallest DCT scale whose output still covers the target: decoding at 1/8
    // skips most of the inverse transform and all of the colour work of the rest.
    unsigned num = 1;
    while (num < 8 && (!Cubre(ancho, num, objetivo.ancho) || !Cubre(alto, num, objetivo.alto))) {
      ++num;
    }
    cinfo_.scale_num = num;
    cinfo_.scale_denom = 8;
    cinfo_.do_fancy_upsampling = FALSE;
    jpeg_start_decompress(&cinfo_);

    const int salida = static_cast<int>(cinfo_.output_width);
    reductor_.emplace(Medida{salida, static_cast<int>(cinfo_.output_height)}, objetivo);
    const int por_vuelta = std::min(cinfo_.rec_outbuf_height, kMaxFilas);
    const std::size_t bytes_fila =
        static_cast<std::size_t>(salida) * static_cast<std::size_t>(cinfo_.output_components);
    filas_.resize(bytes_fila * por_vuelta);
    if (cmyk_) rgb_.resize(static_cast<std::size_t>(salida) * 3);
    JSAMPROW punteros[kMaxFilas];
    for (int i = 0; i < por_vuelta; ++i) punteros[i] = filas_.data() + bytes_fila * i;

    while (cinfo_.output_scanline < cinfo_.output_height) {
      const auto leidas = jpeg_read_scanlines(&cinfo_, punteros, por_vuelta);
      for (JDIMENSION i = 0; i < leidas; ++i) {
        if (cmyk_) {
          DeCmyk(punteros[i], salida);
          reductor_->Fila(rgb_.data());
        } else {
          reductor_->Fila(punteros[i]);
        }
      }
    }
    // No jpeg_finish_decompress: every pixel is in, and a file that lacks only its
    // end marker shows whole in a browser.
    return reductor_->Terminar();
  }

 private:
  static constexpr int kMaxFilas = 16;

  static bool Cubre(int lado, unsigned num, int objetivo) {
    return (static_cast<long long>(lado) * num + 7) / 8 >= objetivo;
  }

  // Adobe writes CMYK inverted (0 is full ink); other writers do not.
  void DeCmyk(const JSAMPLE* p, int ancho) {
    const bool invertido = cinfo_.saw_Adobe_marker;
    std::uint8_t* o = rgb_.data();
    for (int x = 0; x < ancho; ++x, p += 4, o += 3) {
      const int k = invertido ? p[3] : 255 - p[3];
      for (int c = 0; c < 3; ++c) {
        const int tinta = invertido ? p[c] : 255 - p[c];
        o[c] = static_cast<std::uint8_t>((tinta * k + 127) / 255);
      }
    }
  }

  jpeg_decompress_struct cinfo_{};
  ErrorJpeg err_{};
  bool cmyk_ = false;
  std::optional<Reductor> reductor_;
  std::vector<std::uint8_t> filas_;
  std::vector<std::uint8_t> rgb_;
};

// A libjpeg destination that appends to a string.
struct DestinoTexto {
  jpeg_destination_mgr pub;  // first, so that cinfo->dest can be cast back
  std::string* salida;
  JOCTET buffer[16384];

  static DestinoTexto* De(j_compress_ptr c) { return reinterpret_cast<DestinoTexto*>(c->dest); }
  static void Iniciar(j_compress_ptr c) {
    DestinoTexto* d = De(c);
    d->pub.next_output_byte = d->buffer;
    d->pub.free_in_buffer = sizeof d->buffer;
  }
  static boolean Vaciar(j_compress_ptr c) {
    DestinoTexto* d = De(c);
    d->salida->append(reinterpret_cast<const char*>(d->buffer), sizeof d->buffer);
    Iniciar(c);
    return TRUE;
  }
  static void Terminar(j_compress_ptr c) {
    DestinoTexto* d = De(c);
    d->salida->append(reinterpret_cast<const char*>(d->buffer),
                      sizeof d->buffer - d->pub.free_in_buffer);
  }
};

class EscritorJpeg {
 public:
  EscritorJpeg() {
    PrepararErrores(err_);
    cinfo_.err = &err_.pub;
    destino_.pub.init_destination = DestinoTexto::Iniciar;
    destino_.pub.empty_output_buffer = DestinoTexto::Vaciar;
    destino_.pub.term_destination = DestinoTexto::Terminar;
    destino_.salida = &salida_;
  }
  ~EscritorJpeg() { jpeg_destroy_compress(&cinfo_); }
  EscritorJpeg(const EscritorJpeg&) = delete;
  EscritorJpeg& operator=(const EscritorJpeg&) = delete;

  std::string Escribir(const Mapa& mapa, int calidad) {
    if (setjmp(err_.salto)) {
      throw Error(CodigoError::kJpegNoCodificado, "No se pudo codificar la imagen como JPEG");
    }
    jpeg_create_compress(&cinfo_);
    cinfo_.dest = &destino_.pub;
    cinfo_.image_width = static_cast<JDIMENSION>(mapa.ancho);
    cinfo_.image_height = static_cast<JDIMENSION>(mapa.alto);
    cinfo_.input_components = 3;
    cinfo_.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo_);
    jpeg_set_quality(&cinfo_, calidad, TRUE);
    cinfo_.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo_, TRUE);
    while (cinfo_.next_scanline < cinfo_.image_height) {
      JSAMPROW fila = const_cast<JSAMPLE*>(mapa.Pixel(0, static_cast<int>(cinfo_.next_scanline)));
      jpeg_write_scanlines(&cinfo_, &fila, 1);
    }
    jpeg_finish_compress(&cinfo_);
    return std::move(salida_);
  }

 private:
  jpeg_compress_struct cinfo_{};
  ErrorJpeg err_{};
  DestinoTexto destino_{};
  std::string salida_;
};

}  // namespace

Mapa DecodificarJpeg(std::string_view datos, const std::string& nombre, const Preparar& preparar) {
  LectorJpeg lector;
  return lector.Leer(datos, nombre, preparar);
}

}  // namespace imagen

std::string CodificarJpeg(const Mapa& mapa, int calidad) {
  if (mapa.ancho < 1 || mapa.alto < 1 ||
      mapa.rgb.size() != static_cast<std::size_t>(mapa.ancho) * mapa.alto * 3 || calidad < 1 ||
      calidad > 100) {
    throw std::invalid_argument("CodificarJpeg: mapa o calidad no válidos");
  }
  imagen::EscritorJpeg escritor;
  return escritor.Escribir(mapa, calidad);
}

}  // namespace vendaluz
