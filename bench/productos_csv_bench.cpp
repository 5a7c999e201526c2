// A 10,000-product list read from and written to a CSV file, as the import and export
// commands do (the write flushed to the disk), and the same without the disk.
// Goal: under 50 ms each.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "model/productos_csv.h"
#include "platform/files.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;

constexpr int kFilas = 10000;

// Rows as a spreadsheet holds them: quoted names, line breaks in the descriptions,
// prices with thousands and a decimal comma, relative pictures.
std::vector<Producto> Lista() {
  std::vector<Producto> lista;
  for (int i = 1; i <= kFilas; ++i) {
    lista.push_back(
        {"Silla \"Ñandú\"; número " + std::to_string(i),
         std::to_string(1000 + i) + "." + std::to_string(10 + i % 90),
         "Silla artesanal de pino macizo, barnizada a mano.\r\nAltura 45 cm, asiento de "
         "enea. Envío en 48 horas a toda la península.",
         "/home/tienda/fotos/silla_" + std::to_string(i) + ".jpg"});
  }
  return lista;
}

fs::path Archivo() {
  return fs::temp_directory_path() /
         ("vendaluz-bench-" + std::to_string(::getpid()) + "-productos.csv");
}

void BM_Exportar(benchmark::State& state) {
  const std::vector<Producto> lista = Lista();
  for (auto _ : state) ExportarProductosCsv(lista, Archivo());
  state.counters["bytes"] = static_cast<double>(fs::file_size(Archivo()));
  fs::remove(Archivo());
}

void BM_Importar(benchmark::State& state) {
  ExportarProductosCsv(Lista(), Archivo());
  for (auto _ : state) {
    const LecturaCsv l = ImportarProductosCsv(Archivo());
    if (l.productos.size() != kFilas) state.SkipWithError("la lista no se leyó entera");
    benchmark::DoNotOptimize(l.productos.data());
  }
  fs::remove(Archivo());
}

void BM_Escribir(benchmark::State& state) {
  const std::vector<Producto> lista = Lista();
  for (auto _ : state) benchmark::DoNotOptimize(EscribirProductosCsv(lista).data());
}

// Windows-1252, as Excel with Spanish settings saves a list.
void BM_LeerWindows1252(benchmark::State& state) {
  std::string bytes = EscribirProductosCsv(Lista()).substr(3);
  for (char& c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) c = '\xF1';
  }
  for (auto _ : state) benchmark::DoNotOptimize(LeerProductosCsv(bytes, "/home/lista.csv"));
}

BENCHMARK(BM_Exportar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Importar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Escribir)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeerWindows1252)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vendaluz

BENCHMARK_MAIN();
