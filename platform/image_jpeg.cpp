// JPEG through libjpeg(-turbo). Its errors arrive through longjmp, so the classes
// below keep every C++ object that must outlive a jump in their members, and the
// functions that call setjmp create no objects with destructors after it.
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <optional>
#include <stdexcept>

#include <jerror.h>
#include <jpeglib.h>

#include "platform/error.h"
#include "platform/image.h"
#include "platform/image_formats.h"

namespace vendaluz {
namespace image {
namespace {

struct JpegErrors {
  jpeg_error_mgr pub;  // first, so that cinfo->err can be cast back
  std::jmp_buf jump;
  bool end_of_file;     // the data ran out (libjpeg then supplies an end marker)
  bool incomplete;      // ... and the picture needed more of it
  bool too_many_scans;  // a progressive file that repeats its scans without end
};

// Real progressive files have about ten scans; a crafted one may repeat a
// refinement scan thousands of times, each costing a pass over the whole picture.
constexpr int kMaxScans = 1000;

void OnProgress(j_common_ptr c) {
  if (!c->is_decompressor) return;
  if (reinterpret_cast<j_decompress_ptr>(c)->input_scan_number > kMaxScans) {
    auto* e = reinterpret_cast<JpegErrors*>(c->err);
    e->too_many_scans = true;
    std::longjmp(e->jump, 1);
  }
}

void ExitOnError(j_common_ptr c) { std::longjmp(reinterpret_cast<JpegErrors*>(c->err)->jump, 1); }

// Warnings are ignored (browsers show such pictures) except a file that ends before
// its picture does, which would otherwise decode to grey rows. libjpeg warns of the
// end of the file when it merely looks ahead, too: a file that lacks only its end
// marker is whole. The picture is cut short only when the decoder then needs bits
// that are not there.
void OnMessage(j_common_ptr c, int level) {
  if (level >= 0) return;
  auto* e = reinterpret_cast<JpegErrors*>(c->err);
  if (c->err->msg_code == JWRN_JPEG_EOF) {
    e->end_of_file = true;
  } else if (c->err->msg_code == JWRN_HIT_MARKER && e->end_of_file) {
    e->incomplete = true;
    std::longjmp(e->jump, 1);
  }
}

void InstallErrorHandlers(JpegErrors& e) {
  jpeg_std_error(&e.pub);
  e.pub.error_exit = ExitOnError;
  e.pub.emit_message = OnMessage;
  e.end_of_file = false;
  e.incomplete = false;
  e.too_many_scans = false;
}

class JpegReader {
 public:
  JpegReader() {
    InstallErrorHandlers(err_);
    cinfo_.err = &err_.pub;
    progress_.progress_monitor = OnProgress;
  }
  ~JpegReader() { jpeg_destroy_decompress(&cinfo_); }
  JpegReader(const JpegReader&) = delete;
  JpegReader& operator=(const JpegReader&) = delete;

  Bitmap Read(std::string_view data, const std::string& name, const Prepare& prepare) {
    if (setjmp(err_.jump)) {
      if (err_.too_many_scans) {
        throw Error(CodigoError::kImagenDanada,
                    "La imagen «" + name + "» tiene más de " + std::to_string(kMaxScans) +
                        " pasadas progresivas; guárdela de nuevo con un programa de imágenes");
      }
      // A file cut inside its header fails for want of tables or frame: incomplete too.
      if (err_.incomplete || err_.end_of_file) ThrowIncomplete(name);
      ThrowDamaged(name);
    }
    jpeg_create_decompress(&cinfo_);
    cinfo_.progress = &progress_;
    jpeg_mem_src(&cinfo_, reinterpret_cast<const unsigned char*>(data.data()),
                 static_cast<unsigned long>(data.size()));
    jpeg_save_markers(&cinfo_, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&cinfo_, TRUE);
    const Size stored{static_cast<int>(cinfo_.image_width), static_cast<int>(cinfo_.image_height)};
    Start(prepare({stored, SavedOrientation()}));
    ReadRows();
    // No jpeg_finish_decompress: every pixel is in, and a file that lacks only its
    // end marker shows whole in a browser.
    return resampler_->Finish();
  }

 private:
  static constexpr int kMaxRows = 16;

  int SavedOrientation() const {
    for (jpeg_saved_marker_ptr m = cinfo_.marker_list; m != nullptr; m = m->next) {
      if (m->marker == JPEG_APP0 + 1 && m->data_length >= 6) {
        return ExifOrientation(m->data, m->data_length);
      }
    }
    return 1;
  }

  // Starts decoding at the smallest DCT scale whose output still covers the target:
  // decoding at 1/8 skips most of the inverse transform and all of the colour work
  // of the rest.
  void Start(Size target) {
    cmyk_ = cinfo_.jpeg_color_space == JCS_CMYK || cinfo_.jpeg_color_space == JCS_YCCK;
    cinfo_.out_color_space = cmyk_ ? JCS_CMYK : JCS_RGB;
    const int width = static_cast<int>(cinfo_.image_width);
    const int height = static_cast<int>(cinfo_.image_height);
    unsigned num = 1;
    while (num < 8 && (!Covers(width, num, target.width) || !Covers(height, num, target.height))) {
      ++num;
    }
    cinfo_.scale_num = num;
    cinfo_.scale_denom = 8;
    cinfo_.do_fancy_upsampling = FALSE;
    jpeg_start_decompress(&cinfo_);
    resampler_.emplace(
        Size{static_cast<int>(cinfo_.output_width), static_cast<int>(cinfo_.output_height)},
        target);
  }

  void ReadRows() {
    const int width = static_cast<int>(cinfo_.output_width);
    const int per_call = std::min(cinfo_.rec_outbuf_height, kMaxRows);
    const std::size_t row_bytes =
        static_cast<std::size_t>(width) * static_cast<std::size_t>(cinfo_.output_components);
    rows_.resize(row_bytes * per_call);
    if (cmyk_) rgb_.resize(static_cast<std::size_t>(width) * 3);
    JSAMPROW pointers[kMaxRows];
    for (int i = 0; i < per_call; ++i) pointers[i] = rows_.data() + row_bytes * i;
    while (cinfo_.output_scanline < cinfo_.output_height) {
      const auto read = jpeg_read_scanlines(&cinfo_, pointers, per_call);
      for (JDIMENSION i = 0; i < read; ++i) {
        if (cmyk_) {
          FromCmyk(pointers[i], width);
          resampler_->AddRow(rgb_.data());
        } else {
          resampler_->AddRow(pointers[i]);
        }
      }
    }
  }

  static bool Covers(int side, unsigned num, int target) {
    return (static_cast<long long>(side) * num + 7) / 8 >= target;
  }

  // Adobe writes CMYK inverted (0 is full ink); other writers do not.
  void FromCmyk(const JSAMPLE* p, int width) {
    const bool inverted = cinfo_.saw_Adobe_marker;
    std::uint8_t* o = rgb_.data();
    for (int x = 0; x < width; ++x, p += 4, o += 3) {
      const int k = inverted ? p[3] : 255 - p[3];
      for (int c = 0; c < 3; ++c) {
        const int ink = inverted ? p[c] : 255 - p[c];
        o[c] = static_cast<std::uint8_t>((ink * k + 127) / 255);
      }
    }
  }

  jpeg_decompress_struct cinfo_{};
  jpeg_progress_mgr progress_{};
  JpegErrors err_{};
  bool cmyk_ = false;
  std::optional<Resampler> resampler_;
  std::vector<std::uint8_t> rows_;
  std::vector<std::uint8_t> rgb_;
};

// A libjpeg destination that appends to a string.
struct StringDestination {
  jpeg_destination_mgr pub;  // first, so that cinfo->dest can be cast back
  std::string* out;
  JOCTET buffer[16384];

  static StringDestination* Of(j_compress_ptr c) {
    return reinterpret_cast<StringDestination*>(c->dest);
  }
  static void Init(j_compress_ptr c) {
    StringDestination* d = Of(c);
    d->pub.next_output_byte = d->buffer;
    d->pub.free_in_buffer = sizeof d->buffer;
  }
  static boolean Flush(j_compress_ptr c) {
    StringDestination* d = Of(c);
    d->out->append(reinterpret_cast<const char*>(d->buffer), sizeof d->buffer);
    Init(c);
    return TRUE;
  }
  static void Term(j_compress_ptr c) {
    StringDestination* d = Of(c);
    d->out->append(reinterpret_cast<const char*>(d->buffer),
                   sizeof d->buffer - d->pub.free_in_buffer);
  }
};

class JpegWriter {
 public:
  JpegWriter() {
    InstallErrorHandlers(err_);
    cinfo_.err = &err_.pub;
    dest_.pub.init_destination = StringDestination::Init;
    dest_.pub.empty_output_buffer = StringDestination::Flush;
    dest_.pub.term_destination = StringDestination::Term;
    dest_.out = &out_;
  }
  ~JpegWriter() { jpeg_destroy_compress(&cinfo_); }
  JpegWriter(const JpegWriter&) = delete;
  JpegWriter& operator=(const JpegWriter&) = delete;

  std::string Write(const Bitmap& bitmap, int quality) {
    if (setjmp(err_.jump)) {
      throw Error(CodigoError::kJpegNoCodificado, "No se pudo codificar la imagen como JPEG");
    }
    jpeg_create_compress(&cinfo_);
    cinfo_.dest = &dest_.pub;
    cinfo_.image_width = static_cast<JDIMENSION>(bitmap.width);
    cinfo_.image_height = static_cast<JDIMENSION>(bitmap.height);
    cinfo_.input_components = 3;
    cinfo_.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo_);
    jpeg_set_quality(&cinfo_, quality, TRUE);
    cinfo_.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo_, TRUE);
    while (cinfo_.next_scanline < cinfo_.image_height) {
      JSAMPROW row = const_cast<JSAMPLE*>(bitmap.Pixel(0, static_cast<int>(cinfo_.next_scanline)));
      jpeg_write_scanlines(&cinfo_, &row, 1);
    }
    jpeg_finish_compress(&cinfo_);
    return std::move(out_);
  }

 private:
  jpeg_compress_struct cinfo_{};
  JpegErrors err_{};
  StringDestination dest_{};
  std::string out_;
};

}  // namespace

Bitmap DecodeJpeg(std::string_view data, const std::string& name, const Prepare& prepare) {
  JpegReader reader;
  return reader.Read(data, name, prepare);
}

}  // namespace image

std::string EncodeJpeg(const Bitmap& bitmap, int quality) {
  if (bitmap.width < 1 || bitmap.height < 1 ||
      bitmap.rgb.size() != static_cast<std::size_t>(bitmap.width) * bitmap.height * 3 ||
      quality < 1 || quality > 100) {
    throw std::invalid_argument("EncodeJpeg: mapa o calidad no válidos");
  }
  image::JpegWriter writer;
  return writer.Write(bitmap, quality);
}

}  // namespace vendaluz
