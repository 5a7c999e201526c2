// PNG through libpng, every kind turned into 8-bit RGBA and laid on white. libpng
// reports errors through longjmp: the reader keeps its C++ objects in members and
// creates none with destructors after setjmp.
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <optional>

#include "platform/image_formats.h"

namespace vendaluz::image {
namespace {

struct MemoryInput {
  std::string_view data;
  std::size_t pos = 0;
  bool short_read = false;
};

void ReadBytes(png_structp png, png_bytep out, png_size_t n) {
  auto* in = static_cast<MemoryInput*>(png_get_io_ptr(png));
  if (n > in->data.size() - in->pos) {
    in->short_read = true;
    png_error(png, "fin del archivo");
  }
  std::memcpy(out, in->data.data() + in->pos, n);
  in->pos += n;
}

// Errors jump straight back to setjmp (libpng's own handler would print them first);
// warnings are dropped.
void FailOnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void IgnoreWarning(png_structp, png_const_charp) {}

class PngReader {
 public:
  PngReader() {
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, FailOnError, IgnoreWarning);
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
  }
  ~PngReader() { png_destroy_read_struct(&png_, &info_, nullptr); }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;

  Bitmap Read(std::string_view data, const std::string& name, const Prepare& prepare) {
    if (png_ == nullptr || info_ == nullptr) throw std::bad_alloc();
    input_.data = data;
    if (setjmp(png_jmpbuf(png_))) {
      if (input_.short_read) ThrowIncomplete(name);
      ThrowDamaged(name);
    }
    png_set_read_fn(png_, &input_, ReadBytes);
    png_read_info(png_, info_);
    const int width = static_cast<int>(png_get_image_width(png_, info_));
    const int height = static_cast<int>(png_get_image_height(png_, info_));
    const Size target = prepare({{width, height}, 1});

    png_set_expand(png_);
    png_set_strip_16(png_);
    png_set_gray_to_rgb(png_);
    png_set_add_alpha(png_, 0xFF, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(png_);
    png_read_update_info(png_, info_);
    const std::size_t row_bytes = static_cast<std::size_t>(width) * 4;
    if (png_get_rowbytes(png_, info_) != row_bytes) ThrowDamaged(name);

    resampler_.emplace(Size{width, height}, target);
    rgb_.resize(static_cast<std::size_t>(width) * 3);
    if (passes > 1) {
      // Interlaced rows are filled in over several passes: all of them must exist.
      rgba_.resize(row_bytes * height);
      pointers_.resize(height);
      for (int y = 0; y < height; ++y) pointers_[y] = rgba_.data() + row_bytes * y;
      png_read_image(png_, pointers_.data());
      for (int y = 0; y < height; ++y) AddRow(pointers_[y], width);
    } else {
      rgba_.resize(row_bytes);
      for (int y = 0; y < height; ++y) {
        png_read_row(png_, rgba_.data(), nullptr);
        AddRow(rgba_.data(), width);
      }
    }
    return resampler_->Finish();
  }

 private:
  void AddRow(const png_byte* p, int width) {
    std::uint8_t* o = rgb_.data();
    for (int x = 0; x < width; ++x, p += 4, o += 3) {
      const int a = p[3];
      for (int c = 0; c < 3; ++c) {
        o[c] = static_cast<std::uint8_t>((p[c] * a + 255 * (255 - a) + 127) / 255);
      }
    }
    resampler_->AddRow(rgb_.data());
  }

  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
  MemoryInput input_;
  std::optional<Resampler> resampler_;
  std::vector<png_byte> rgba_;
  std::vector<png_bytep> pointers_;
  std::vector<std::uint8_t> rgb_;
};

}  // namespace

Bitmap DecodePng(std::string_view data, const std::string& name, const Prepare& prepare) {
  PngReader reader;
  return reader.Read(data, name, prepare);
}

}  // namespace vendaluz::image
