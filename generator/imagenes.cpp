#include "generator/imagenes.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/error.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/text.h"

namespace vendaluz {
namespace {

std::string LeerImagenArchivo(const std::string& ruta) {
  try {
    return ReadFile(ruta);
  } catch (const DiskError& e) {
    throw Error(CodigoError::kImagenIlegible,
                "No se pudo leer la imagen «" + ruta + "»: " + e.cause());
  }
}

// Reads the picture, and writes its thumbnail unless a later product with the same
// base name will replace it anyway.
TamanoImagen HacerMiniatura(Disk& disco, const std::string& ruta, const fs::path& destino_base,
                            const ReglaMiniatura& regla, bool escribir) {
  const std::string datos = LeerImagenArchivo(ruta);
  DecodedImage leida = ReadImage(datos, ruta, [&](Size m) {
    const TamanoImagen t = MedidaMiniatura({m.width, m.height}, regla);
    return Size{t.ancho, t.alto};
  });
  if (escribir) {
    fs::path destino = destino_base;
    destino += ".jpg";
    disco.WriteFile(destino, EncodeJpeg(leida.bitmap, kCalidadMiniatura), Replace::kFast);
  }
  return {leida.original.width, leida.original.height};
}

// A whole number from 1 to kMaxLadoMiniatura, blanks around allowed.
std::optional<int> LadoFijo(std::string_view texto) {
  texto = Trim(texto);
  if (texto.empty() || texto.size() > 4) return std::nullopt;
  int n = 0;
  for (char c : texto) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n < 1 || n > kMaxLadoMiniatura) return std::nullopt;
  return n;
}

struct Trabajo {
  int producto;  // 1 for the first
  std::string ruta;
  fs::path destino_base;
  bool escribir;
};

// The products that have a picture, in order; of several with one base name only the
// last writes its thumbnail, as it would be the one left after a run on one thread.
std::vector<Trabajo> Trabajos(const Proyecto& p, const fs::path& carpeta) {
  std::vector<Trabajo> trabajos;
  std::map<std::string, std::size_t> ultimo;
  for (std::size_t i = 0; i < p.productos.size(); ++i) {
    const std::string ruta(Trim(p.productos[i].Imagen));
    if (ruta.empty()) continue;
    const std::string base = NombreBase(ruta);
    ultimo[base] = trabajos.size();
    trabajos.push_back({static_cast<int>(i) + 1, ruta, carpeta / "thumbnails" / base, false});
  }
  for (const auto& [base, indice] : ultimo) trabajos[indice].escribir = true;
  return trabajos;
}

TamanosImagenes EnSerie(Disk& disco, const std::vector<Trabajo>& trabajos, int productos,
                        const ReglaMiniatura& regla, const Progreso& progreso) {
  TamanosImagenes tamanos;
  std::size_t t = 0;
  for (int i = 1; i <= productos; ++i) {
    if (t < trabajos.size() && trabajos[t].producto == i) {
      const Trabajo& w = trabajos[t++];
      tamanos[i] = HacerMiniatura(disco, w.ruta, w.destino_base, regla, w.escribir);
    }
    if (progreso) progreso(0, productos, i);
  }
  return tamanos;
}

// Workers take the pictures in product order; the calling thread waits for each
// product in turn, records its size and reports progress, so that what the caller
// sees is what a serial run shows.
TamanosImagenes EnParalelo(Disk& disco, const std::vector<Trabajo>& trabajos, int productos,
                           const ReglaMiniatura& regla, const Progreso& progreso, int hilos) {
  struct Resultado {
    TamanoImagen tamano;
    std::exception_ptr error;
    bool listo = false;
  };
  std::vector<Resultado> resultados(trabajos.size());
  std::mutex mu;
  std::condition_variable cambio;
  std::size_t siguiente = 0;
  std::size_t limite = trabajos.size();  // no picture at or past this one is started

  auto trabajar = [&] {
    for (;;) {
      std::size_t k;
      {
        std::lock_guard lock(mu);
        if (siguiente >= limite) return;
        k = siguiente++;
      }
      Resultado r;
      try {
        const Trabajo& w = trabajos[k];
        r.tamano = HacerMiniatura(disco, w.ruta, w.destino_base, regla, w.escribir);
      } catch (...) {
        r.error = std::current_exception();
      }
      {
        std::lock_guard lock(mu);
        r.listo = true;
        // After a failure only earlier pictures matter: one of them may fail too, and
        // the first failure in product order is the one to report.
        if (r.error) limite = std::min(limite, k + 1);
        resultados[k] = std::move(r);
      }
      cambio.notify_all();
    }
  };

  std::vector<std::jthread> obreros;
  // Declared after the workers, so destroyed first: on any exit the workers stop
  // taking pictures before they are joined.
  struct Parada {
    std::mutex& mu;
    std::size_t& limite;
    ~Parada() {
      std::lock_guard lock(mu);
      limite = 0;
    }
  } parada{mu, limite};
  for (int h = 0; h < hilos; ++h) obreros.emplace_back(trabajar);

  TamanosImagenes tamanos;
  std::size_t t = 0;
  for (int i = 1; i <= productos; ++i) {
    if (t < trabajos.size() && trabajos[t].producto == i) {
      Resultado r;
      {
        std::unique_lock lock(mu);
        cambio.wait(lock, [&] { return resultados[t].listo; });
        r = std::move(resultados[t]);
      }
      if (r.error) std::rethrow_exception(r.error);
      tamanos[i] = r.tamano;
      ++t;
    }
    if (progreso) progreso(0, productos, i);
  }
  return tamanos;
}

}  // namespace

std::string NombreImagen(std::string_view ruta) {
  ruta = Trim(ruta);
  const auto corte = ruta.find_last_of("\\/");
  if (corte != std::string_view::npos) ruta.remove_prefix(corte + 1);
  return std::string(Trim(ruta));
}

std::string NombreBase(std::string_view ruta) {
  std::string nombre = NombreImagen(ruta);
  const auto punto = nombre.find('.');
  if (punto != std::string::npos) nombre.resize(punto);
  return nombre;
}

int ComprobarArchivosImagen(const Proyecto& p) {
  int con = 0;
  for (const Producto& producto : p.productos) {
    const std::string ruta(Trim(producto.Imagen));
    if (ruta.empty()) continue;
    ++con;
    std::error_code ec;
    const fs::file_status st = fs::status(ruta, ec);
    if (!fs::exists(st)) continue;
    if (!fs::is_regular_file(st)) {
      throw Error(CodigoError::kImagenNoArchivo, "La imagen «" + ruta + "» no es un archivo");
    }
    if (const std::uintmax_t bytes = fs::file_size(ruta, ec); !ec && bytes > kMaxBytesImagen) {
      throw Error(CodigoError::kImagenArchivoGrande,
                  "La imagen «" + ruta + "» ocupa más de 200 MB; redúzcala antes de generar.");
    }
  }
  return con;
}

std::vector<ProblemaArchivo> CopiarImagenes(Disk& disco, const Proyecto& p, const fs::path& carpeta,
                                            const Progreso& progreso) {
  std::vector<ProblemaArchivo> problemas;
  if (p.productosImagen != 1 || p.thumbnails.Copiar != 1) return problemas;
  const int n = static_cast<int>(p.productos.size());
  for (int i = 1; i <= n; ++i) {
    const std::string_view ruta = Trim(p.productos[i - 1].Imagen);
    if (!ruta.empty()) {
      try {
        disco.CopyFile(fs::path(ruta), carpeta / "imagenes" / NombreImagen(ruta));
      } catch (const DiskError& e) {
        problemas.push_back({e.path(), e.cause()});
      }
    }
    if (progreso) progreso(0, n, i);
  }
  return problemas;
}

ReglaMiniatura LeerReglaMiniatura(const Proyecto::Thumbnails& t) {
  ReglaMiniatura regla;
  regla.proporcional = t.TGenerar == 1;
  if (regla.proporcional) return regla;
  const auto ancho = LadoFijo(t.TAncho), alto = LadoFijo(t.TAlto);
  if (!ancho || !alto) {
    throw Error(CodigoError::kTamanoMiniatura, "El tamaño de las miniaturas («" + t.TAncho +
                                                   "» por «" + t.TAlto +
                                                   "») debe ser de números enteros de 1 a " +
                                                   std::to_string(kMaxLadoMiniatura) + " píxeles");
  }
  regla.fija = {*ancho, *alto};
  return regla;
}

TamanoImagen MedidaMiniatura(TamanoImagen imagen, const ReglaMiniatura& regla) {
  if (!regla.proporcional) return regla.fija;
  const std::int64_t w = std::max(imagen.ancho, 1), h = std::max(imagen.alto, 1);
  // The shorter side scaled like the longer one, rounded to the nearest pixel.
  auto corto = [](std::int64_t lado, std::int64_t largo) {
    return static_cast<int>(
        std::max<std::int64_t>(1, (2 * lado * kLadoMiniatura + largo) / (2 * largo)));
  };
  if (w < h) return {corto(w, h), kLadoMiniatura};
  if (w > h) return {kLadoMiniatura, corto(h, w)};
  return {kLadoMiniatura, kLadoMiniatura};
}

TamanoImagen CrearMiniatura(Disk& disco, std::string_view ruta, const fs::path& destino_base,
                            const ReglaMiniatura& regla) {
  return HacerMiniatura(disco, std::string(Trim(ruta)), destino_base, regla, true);
}

TamanosImagenes CrearMiniaturas(Disk& disco, const Proyecto& p, const fs::path& carpeta,
                                const Progreso& progreso, int hilos) {
  const int productos = static_cast<int>(p.productos.size());
  const std::vector<Trabajo> trabajos = Trabajos(p, carpeta);
  // The size rule matters only when there is a picture to reduce.
  const ReglaMiniatura regla =
      trabajos.empty() ? ReglaMiniatura{} : LeerReglaMiniatura(p.thumbnails);
  if (hilos <= 0) hilos = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  hilos = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(hilos), trabajos.size()));
  if (hilos <= 1) return EnSerie(disco, trabajos, productos, regla, progreso);
  return EnParalelo(disco, trabajos, productos, regla, progreso, hilos);
}

}  // namespace vendaluz
