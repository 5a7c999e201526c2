// GIF through giflib: the first frame on its logical screen, where the frame leaves
// the screen uncovered or is transparent the picture is white.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/image_formats.h"

namespace vendaluz::image {
namespace {

struct MemoryInput {
  std::string_view data;
  std::size_t pos = 0;
  bool short_read = false;  // the file ended before giflib had what it asked for
};

int ReadBytes(GifFileType* g, GifByteType* out, int n) {
  auto* in = static_cast<MemoryInput*>(g->UserData);
  const std::size_t wanted = n < 0 ? 0 : static_cast<std::size_t>(n);
  const std::size_t k = std::min(wanted, in->data.size() - in->pos);
  std::memcpy(out, in->data.data() + in->pos, k);
  in->pos += k;
  if (k < wanted) in->short_read = true;
  return static_cast<int>(k);
}

struct CloseGif {
  void operator()(GifFileType* g) const {
    int error = 0;
    DGifCloseFile(g, &error);
  }
};

class GifReader {
 public:
  GifReader(std::string_view data, const std::string& name) : input_{data}, name_(name) {}
  GifReader(const GifReader&) = delete;
  GifReader& operator=(const GifReader&) = delete;

  Bitmap Read(const Prepare& prepare) {
    int error = 0;
    gif_.reset(DGifOpen(&input_, ReadBytes, &error));
    if (!gif_) Fail();
    FindFirstFrame();
    PlaceFrame();
    const Size target = prepare({screen_, 1});
    line_.resize(static_cast<std::size_t>(gif_->Image.Width));
    if (gif_->Image.Interlace) ReadInterlacedFrame();

    Resampler resampler(screen_, target);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(screen_.width) * 3);
    for (int y = 0; y < screen_.height; ++y) {
      std::fill(row.begin(), row.end(), 255);
      if (y >= y0_ && y < y1_) PaintRow(FrameRow(y), row.data());
      resampler.AddRow(row.data());
    }
    return resampler.Finish();
  }

 private:
  [[noreturn]] void Fail() const {
    if (input_.short_read) ThrowIncomplete(name_);
    ThrowDamaged(name_);
  }
  void Check(int result) const {
    if (result == GIF_ERROR) Fail();
  }

  // Skips to the first frame, keeping the transparent colour of its control block.
  void FindFirstFrame() {
    for (;;) {
      GifRecordType type;
      Check(DGifGetRecordType(gif_.get(), &type));
      if (type == IMAGE_DESC_RECORD_TYPE) {
        Check(DGifGetImageDesc(gif_.get()));
        return;
      }
      if (type == TERMINATE_RECORD_TYPE) ThrowDamaged(name_);  // no frame at all
      if (type == EXTENSION_RECORD_TYPE) ReadExtension();
    }
  }

  void ReadExtension() {
    int code = 0;
    GifByteType* block = nullptr;
    Check(DGifGetExtension(gif_.get(), &code, &block));
    if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= 4) {
      GraphicsControlBlock gcb;
      DGifExtensionToGCB(block[0], block + 1, &gcb);
      transparent_ = gcb.TransparentColor;
    }
    while (block != nullptr) Check(DGifGetExtensionNext(gif_.get(), &block));
  }

  // The screen, and the part of the frame that lies on it.
  void PlaceFrame() {
    const GifImageDesc& frame = gif_->Image;
    palette_ = frame.ColorMap != nullptr ? frame.ColorMap : gif_->SColorMap;
    if (palette_ == nullptr || frame.Width < 1 || frame.Height < 1) ThrowDamaged(name_);
    // Some writers leave the logical screen at 0 by 0; browsers then use the frame.
    screen_ = {gif_->SWidth, gif_->SHeight};
    if (screen_.width < 1 || screen_.height < 1) {
      screen_ = {frame.Left + frame.Width, frame.Top + frame.Height};
    }
    x0_ = std::min(frame.Left, screen_.width);
    x1_ = std::min(frame.Left + frame.Width, screen_.width);
    y0_ = std::min(frame.Top, screen_.height);
    y1_ = std::min(frame.Top + frame.Height, screen_.height);
  }

  // An interlaced frame arrives out of order; keep its visible rows until all are in.
  void ReadInterlacedFrame() {
    const GifImageDesc& frame = gif_->Image;
    const int visible = x1_ - x0_;
    interlaced_.resize(static_cast<std::size_t>(visible) * (y1_ - y0_));
    static constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
      for (int fy = kStart[pass]; fy < frame.Height; fy += kStep[pass]) {
        Check(DGifGetLine(gif_.get(), line_.data(), frame.Width));
        if (frame.Top + fy < y1_ && visible > 0) {
          std::memcpy(interlaced_.data() + static_cast<std::size_t>(fy) * visible, line_.data(),
                      static_cast<std::size_t>(visible));
        }
      }
    }
  }

  // The palette indices of screen row y, one the frame covers.
  const GifPixelType* FrameRow(int y) {
    if (gif_->Image.Interlace) {
      return interlaced_.data() + static_cast<std::size_t>(y - y0_) * (x1_ - x0_);
    }
    Check(DGifGetLine(gif_.get(), line_.data(), gif_->Image.Width));
    return line_.data();
  }

  // Paints the frame's visible pixels into a screen row; transparent ones leave it.
  void PaintRow(const GifPixelType* indices, std::uint8_t* row) const {
    for (int x = 0; x < x1_ - x0_; ++x) {
      const int i = indices[x];
      if (i == transparent_) continue;
      std::uint8_t* p = row + static_cast<std::size_t>(x0_ + x) * 3;
      if (i < palette_->ColorCount) {
        p[0] = palette_->Colors[i].Red;
        p[1] = palette_->Colors[i].Green;
        p[2] = palette_->Colors[i].Blue;
      } else {  // an index past the palette shows black
        p[0] = p[1] = p[2] = 0;
      }
    }
  }

  MemoryInput input_;
  const std::string& name_;
  std::unique_ptr<GifFileType, CloseGif> gif_;
  int transparent_ = -1;
  const ColorMapObject* palette_ = nullptr;
  Size screen_;
  int x0_ = 0, x1_ = 0, y0_ = 0, y1_ = 0;  // the frame's part on the screen
  std::vector<GifPixelType> line_, interlaced_;
};

}  // namespace

Bitmap DecodeGif(std::string_view data, const std::string& name, const Prepare& prepare) {
  GifReader reader(data, name);
  return reader.Read(prepare);
}

}  // namespace vendaluz::image
