// GIF through giflib: the first frame on its logical screen, where the frame leaves
// the screen uncovered or is transparent the picture is white.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

#include "platform/imagen_formatos.h"

namespace vendaluz::imagen {
namespace {

struct Lectura {
  std::string_view datos;
  std::size_t pos = 0;
  bool corta = false;  // the file ended before giflib had what it asked for
};

int LeerBytes(GifFileType* g, GifByteType* destino, int n) {
  auto* l = static_cast<Lectura*>(g->UserData);
  const std::size_t pedidos = n < 0 ? 0 : static_cast<std::size_t>(n);
  const std::size_t k = std::min(pedidos, l->datos.size() - l->pos);
  std::memcpy(destino, l->datos.data() + l->pos, k);
  l->pos += k;
  if (k < pedidos) l->corta = true;
  return static_cast<int>(k);
}

struct CerrarGif {
  void operator()(GifFileType* g) const {
    int error = 0;
    DGifCloseFile(g, &error);
  }
};

}  // namespace

Mapa DecodificarGif(std::string_view datos, const std::string& nombre, const Preparar& preparar) {
  Lectura lectura{datos};
  auto fallo = [&]() {
    if (lectura.corta) ImagenIncompleta(nombre);
    ImagenDanada(nombre);
  };
  int error = 0;
  std::unique_ptr<GifFileType, CerrarGif> g(DGifOpen(&lectura, LeerBytes, &error));
  if (!g) fallo();

  // Up to the first frame, keeping the transparent colour of its control block.
  int transparente = -1;
  for (;;) {
    GifRecordType tipo;
    if (DGifGetRecordType(g.get(), &tipo) == GIF_ERROR) fallo();
    if (tipo == IMAGE_DESC_RECORD_TYPE) {
      if (DGifGetImageDesc(g.get()) == GIF_ERROR) fallo();
      break;
    }
    if (tipo == TERMINATE_RECORD_TYPE) ImagenDanada(nombre);  // no frame at all
    if (tipo == EXTENSION_RECORD_TYPE) {
      int codigo = 0;
      GifByteType* bloque = nullptr;
      if (DGifGetExtension(g.get(), &codigo, &bloque) == GIF_ERROR) fallo();
      if (codigo == GRAPHICS_EXT_FUNC_CODE && bloque != nullptr && bloque[0] >= 4) {
        GraphicsControlBlock gcb;
        DGifExtensionToGCB(bloque[0], bloque + 1, &gcb);
        transparente = gcb.TransparentColor;
      }
      while (bloque != nullptr) {
        if (DGifGetExtensionNext(g.get(), &bloque) == GIF_ERROR) fallo();
      }
    }
  }

  const GifImageDesc& marco = g->Image;
  const ColorMapObject* paleta = marco.ColorMap != nullptr ? marco.ColorMap : g->SColorMap;
  if (paleta == nullptr || marco.Width < 1 || marco.Height < 1) ImagenDanada(nombre);
  // Some writers leave the logical screen at 0 by 0; browsers then use the frame.
  Medida pantalla{g->SWidth, g->SHeight};
  if (pantalla.ancho < 1 || pantalla.alto < 1) {
    pantalla = {marco.Left + marco.Width, marco.Top + marco.Height};
  }
  const Medida objetivo = preparar({pantalla, 1});

  // The part of the frame that lies on the screen.
  const int x0 = std::min(marco.Left, pantalla.ancho);
  const int x1 = std::min(marco.Left + marco.Width, pantalla.ancho);
  const int y0 = std::min(marco.Top, pantalla.alto);
  const int y1 = std::min(marco.Top + marco.Height, pantalla.alto);
  const int visible = x1 - x0;

  std::vector<GifPixelType> linea(static_cast<std::size_t>(marco.Width));
  // An interlaced frame arrives out of order; keep its visible rows until all are in.
  std::vector<GifPixelType> entrelazado;
  if (marco.Interlace) {
    entrelazado.resize(static_cast<std::size_t>(visible) * (y1 - y0));
    static constexpr int kInicio[] = {0, 4, 2, 1}, kPaso[] = {8, 8, 4, 2};
    for (int pasada = 0; pasada < 4; ++pasada) {
      for (int fy = kInicio[pasada]; fy < marco.Height; fy += kPaso[pasada]) {
        if (DGifGetLine(g.get(), linea.data(), marco.Width) == GIF_ERROR) fallo();
        if (marco.Top + fy < y1 && visible > 0) {
          std::memcpy(entrelazado.data() + static_cast<std::size_t>(fy) * visible, linea.data(),
                      static_cast<std::size_t>(visible));
        }
      }
    }
  }

  Reductor reductor(pantalla, objetivo);
  std::vector<std::uint8_t> fila(static_cast<std::size_t>(pantalla.ancho) * 3);
  for (int y = 0; y < pantalla.alto; ++y) {
    std::fill(fila.begin(), fila.end(), 255);
    if (y >= y0 && y < y1) {
      const GifPixelType* indices;
      if (marco.Interlace) {
        indices = entrelazado.data() + static_cast<std::size_t>(y - y0) * visible;
      } else {
        if (DGifGetLine(g.get(), linea.data(), marco.Width) == GIF_ERROR) fallo();
        indices = linea.data();
      }
      for (int x = 0; x < visible; ++x) {
        const int i = indices[x];
        if (i == transparente) continue;
        std::uint8_t* p = fila.data() + static_cast<std::size_t>(x0 + x) * 3;
        if (i < paleta->ColorCount) {
          p[0] = paleta->Colors[i].Red;
          p[1] = paleta->Colors[i].Green;
          p[2] = paleta->Colors[i].Blue;
        } else {  // an index past the palette shows black
          p[0] = p[1] = p[2] = 0;
        }
      }
    }
    reductor.Fila(fila.data());
  }
  return reductor.Terminar();
}

}  // namespace vendaluz::imagen
