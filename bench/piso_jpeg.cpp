// The practical floor of any JPEG thumbnail maker built on libjpeg-turbo: every
// picture of a folder decoded at 1/8 scale on all cores, nothing else (no reduction,
// no encoding, no file written).  bench_piso_jpeg DIR [THREADS]
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

// After <cstdio>: it needs FILE and size_t.
#include <jpeglib.h>

namespace fs = std::filesystem;

namespace {

void Decodificar(const fs::path& archivo) {
  std::ifstream in(archivo, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  const std::string datos = bytes.str();
  jpeg_decompress_struct c{};
  jpeg_error_mgr e{};
  c.err = jpeg_std_error(&e);
  jpeg_create_decompress(&c);
  jpeg_mem_src(&c, reinterpret_cast<const unsigned char*>(datos.data()), datos.size());
  jpeg_read_header(&c, TRUE);
  c.scale_num = 1;
  c.scale_denom = 8;
  c.do_fancy_upsampling = FALSE;
  jpeg_start_decompress(&c);
  std::vector<JSAMPLE> fila(static_cast<std::size_t>(c.output_width) * c.output_components);
  while (c.output_scanline < c.output_height) {
    JSAMPROW p = fila.data();
    jpeg_read_scanlines(&c, &p, 1);
  }
  jpeg_destroy_decompress(&c);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "uso: %s CARPETA [HILOS]\n", argv[0]);
    return 2;
  }
  std::vector<fs::path> archivos;
  for (const auto& e : fs::directory_iterator(argv[1])) {
    if (e.is_regular_file()) archivos.push_back(e.path());
  }
  unsigned hilos = argc > 2 ? std::stoul(argv[2]) : 0;
  if (hilos == 0) hilos = std::max(1u, std::thread::hardware_concurrency());
  std::atomic<std::size_t> siguiente{0};
  std::vector<std::thread> obreros;
  for (unsigned h = 0; h < hilos; ++h) {
    obreros.emplace_back([&] {
      for (std::size_t k; (k = siguiente++) < archivos.size();) Decodificar(archivos[k]);
    });
  }
  for (auto& t : obreros) t.join();
  return 0;
}
