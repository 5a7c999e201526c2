// Whole-store generation without pictures for 1,000 to 100,000 products, 10 per
// page. Up to 50 pages every page lists every page; above that the pager lists only
// the pages near the current one, so the output grows linearly with the products.
// Each iteration generates into a fresh folder; removing the previous store is not
// timed. Goals: 10,000 products under 0.3 s; 100,000 products under 5 s and under
// 300 MB written (the MB counter).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "generator/generador.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;

Proyecto Tienda(int n) {
  Proyecto p;
  ContadorProyectos contador;
  NuevoProyecto(p, contador, "/opt/vendaluz/Proyectos");
  p.inicio.Nombre = "Tienda";
  for (int i = 1; i <= n; ++i) {
    p.productos.push_back({"Silla de pino número " + std::to_string(i),
                           std::to_string(10 + i % 90) + ".50",
                           "Silla artesanal de pino macizo, barnizada a mano. Altura 45 cm, "
                           "asiento de enea. Envío en 48 horas a toda la península.",
                           ""});
  }
  return p;
}

std::uintmax_t Bytes(const fs::path& carpeta) {
  std::uintmax_t total = 0;
  for (const auto& e : fs::recursive_directory_iterator(carpeta)) {
    if (e.is_regular_file()) total += e.file_size();
  }
  return total;
}

void BM_GenerarTienda(benchmark::State& state) {
  const Proyecto p = Tienda(static_cast<int>(state.range(0)));
  const fs::path raiz =
      fs::temp_directory_path() / ("vendaluz-bench-generar-" + std::to_string(::getpid()));
  Espacio espacio;
  espacio.programa = raiz;
  espacio.proyectos = raiz / "Proyectos";
  espacio.codigo = raiz / "Codigo";
  fs::create_directories(espacio.proyectos);
  std::uintmax_t bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(espacio.proyectos / "Tienda");
    state.ResumeTiming();
    Generador g(p, espacio, {});
    if (g.Ejecutar() != ResultadoGeneracion::kCreada) state.SkipWithError("la generación falló");
    state.PauseTiming();
    bytes = Bytes(g.Carpeta());
    state.ResumeTiming();
  }
  state.counters["MB"] = static_cast<double>(bytes) / 1e6;
  state.counters["MB/s"] = benchmark::Counter(static_cast<double>(bytes) / 1e6,
                                              benchmark::Counter::kIsIterationInvariantRate);
  state.counters["productos/s"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                     benchmark::Counter::kIsIterationInvariantRate);
  fs::remove_all(raiz);
}

BENCHMARK(BM_GenerarTienda)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace vendaluz

BENCHMARK_MAIN();
