// GIF through giflib: the first frame on its logical screen, where the frame leaves
// the screen uncovered or is transparent the picture is white.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

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

}  // namespace

Bitmap DecodeGif(std::string_view data, const std::string& name, const Prepare& prepare) {
  MemoryInput input{data};
  auto fail = [&]() {
    if (input.short_read) ThrowIncomplete(name);
    ThrowDamaged(name);
  };
  int error = 0;
  std::unique_ptr<GifFileType, CloseGif> g(DGifOpen(&input, ReadBytes, &error));
  if (!g) fail();

  // Up to the first frame, keeping the transparent colour of its control block.
  int transparent = -1;
  for (;;) {
    GifRecordType type;
    if (DGifGetRecordType(g.get(), &type) == GIF_ERROR) fail();
    if (type == IMAGE_DESC_RECORD_TYPE) {
      if (DGifGetImageDesc(g.get()) == GIF_ERROR) fail();
      break;
    }
    if (type == TERMINATE_RECORD_TYPE) ThrowDamaged(name);  // no frame at all
    if (type == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      if (DGifGetExtension(g.get(), &code, &block) == GIF_ERROR) fail();
      if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= 4) {
        GraphicsControlBlock gcb;
        DGifExtensionToGCB(block[0], block + 1, &gcb);
        transparent = gcb.TransparentColor;
      }
      while (block != nullptr) {
        if (DGifGetExtensionNext(g.get(), &block) == GIF_ERROR) fail();
      }
    }
  }

  const GifImageDesc& frame = g->Image;
  const ColorMapObject* palette = frame.ColorMap != nullptr ? frame.ColorMap : g->SColorMap;
  if (palette == nullptr || frame.Width < 1 || frame.Height < 1) ThrowDamaged(name);
  // Some writers leave the logical screen at 0 by 0; browsers then use the frame.
  Size screen{g->SWidth, g->SHeight};
  if (screen.width < 1 || screen.height < 1) {
    screen = {frame.Left + frame.Width, frame.Top + frame.Height};
  }
  const Size target = prepare({screen, 1});

  // The part of the frame that lies on the screen.
  const int x0 = std::min(frame.Left, screen.width);
  const int x1 = std::min(frame.Left + frame.Width, screen.width);
  const int y0 = std::min(frame.Top, screen.height);
  const int y1 = std::min(frame.Top + frame.Height, screen.height);
  const int visible = x1 - x0;

  std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
  // An interlaced frame arrives out of order; keep its visible rows until all are in.
  std::vector<GifPixelType> interlaced;
  if (frame.Interlace) {
    interlaced.resize(static_cast<std::size_t>(visible) * (y1 - y0));
    static constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
      for (int fy = kStart[pass]; fy < frame.Height; fy += kStep[pass]) {
        if (DGifGetLine(g.get(), line.data(), frame.Width) == GIF_ERROR) fail();
        if (frame.Top + fy < y1 && visible > 0) {
          std::memcpy(interlaced.data() + static_cast<std::size_t>(fy) * visible, line.data(),
                      static_cast<std::size_t>(visible));
        }
      }
    }
  }

  Resampler resampler(screen, target);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(screen.width) * 3);
  for (int y = 0; y < screen.height; ++y) {
    std::fill(row.begin(), row.end(), 255);
    if (y >= y0 && y < y1) {
      const GifPixelType* indices;
      if (frame.Interlace) {
        indices = interlaced.data() + static_cast<std::size_t>(y - y0) * visible;
      } else {
        if (DGifGetLine(g.get(), line.data(), frame.Width) == GIF_ERROR) fail();
        indices = line.data();
      }
      for (int x = 0; x < visible; ++x) {
        const int i = indices[x];
        if (i == transparent) continue;
        std::uint8_t* p = row.data() + static_cast<std::size_t>(x0 + x) * 3;
        if (i < palette->ColorCount) {
          p[0] = palette->Colors[i].Red;
          p[1] = palette->Colors[i].Green;
          p[2] = palette->Colors[i].Blue;
        } else {  // an index past the palette shows black
          p[0] = p[1] = p[2] = 0;
        }
      }
    }
    resampler.AddRow(row.data());
  }
  return resampler.Finish();
}

}  // namespace vendaluz::image
