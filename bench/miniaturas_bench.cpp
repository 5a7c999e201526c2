// Times the thumbnail maker on every picture of a folder, the way a store run uses
// it: one product per picture, thumbnails written to OUTDIR/thumbnails.
//   bench_miniaturas DIR OUTDIR [THREADS]   (THREADS 0 or absent: one per core)
// bench/thumbnails.sh runs it beside other tools on the same pictures.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "generator/imagenes.h"
#include "platform/error.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "uso: %s CARPETA_FOTOS CARPETA_SALIDA [HILOS]\n", argv[0]);
    return 2;
  }
  const fs::path fotos = argv[1], salida = argv[2];
  const int hilos = argc == 4 ? std::stoi(argv[3]) : 0;
  std::vector<fs::path> archivos;
  for (const auto& e : fs::directory_iterator(fotos)) {
    if (e.is_regular_file()) archivos.push_back(e.path());
  }
  std::sort(archivos.begin(), archivos.end());
  vendaluz::Proyecto p;
  for (const auto& a : archivos) p.productos.push_back({a.stem().string(), "1.00", "", a.string()});
  fs::create_directories(salida / "thumbnails");

  const auto inicio = std::chrono::steady_clock::now();
  try {
    vendaluz::CrearMiniaturas(vendaluz::RealDisk(), p, salida, nullptr, hilos);
  } catch (const vendaluz::Error& e) {
    std::fprintf(stderr, "%s\n", e.Mensaje().c_str());
    return 1;
  }
  const double segundos =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
  std::printf("%zu imágenes en %.3f s (%.1f por segundo)\n", archivos.size(), segundos,
              archivos.size() / segundos);
  return 0;
}
