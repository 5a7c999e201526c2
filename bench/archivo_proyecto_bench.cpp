// Load and save of project files with 100, 1,000 and 10,000 products.
// Goal: 10,000 products load plus save under 100 ms, and ten times the products
// costing at most about twelve times the time.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "model/archivo_proyecto.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;

Proyecto ProyectoConProductos(int n) {
  Proyecto p;
  ContadorProyectos contador;
  NuevoProyecto(p, contador, "/opt/vendaluz/Proyectos");
  for (int i = 1; i <= n; ++i) {
    p.productos.push_back({"Silla de pino número " + std::to_string(i),
                           "10" + std::to_string(i % 100) + ".50",
                           "Silla artesanal de pino macizo, barnizada a mano.\nAltura 45 cm, "
                           "asiento de enea. Envío en 48 horas a toda la península.",
                           "C:\\Mis fotos\\productos\\silla_" + std::to_string(i) + ".jpg"});
  }
  return p;
}

fs::path BenchFile(int n) {
  return fs::temp_directory_path() /
         ("vendaluz-bench-" + std::to_string(::getpid()) + "-" + std::to_string(n) + ".ini");
}

void BM_Guardar(benchmark::State& state) {
  const Proyecto p = ProyectoConProductos(static_cast<int>(state.range(0)));
  const fs::path ruta = BenchFile(static_cast<int>(state.range(0)));
  fs::remove(ruta);
  for (auto _ : state) {
    // A save over an existing file first reads it, as the program does.
    GuardarProyecto(p, ruta);
  }
  state.counters["bytes"] = static_cast<double>(fs::file_size(ruta));
  fs::remove(ruta);
}

void BM_Cargar(benchmark::State& state) {
  const fs::path ruta = BenchFile(static_cast<int>(state.range(0)));
  GuardarProyecto(ProyectoConProductos(static_cast<int>(state.range(0))), ruta);
  for (auto _ : state) {
    Proyecto p;
    CargarProyecto(ruta, p, "/opt/vendaluz/Proyectos");
    benchmark::DoNotOptimize(p.productos.data());
  }
  fs::remove(ruta);
}

void BM_CargarYGuardar(benchmark::State& state) {
  const fs::path ruta = BenchFile(static_cast<int>(state.range(0)));
  GuardarProyecto(ProyectoConProductos(static_cast<int>(state.range(0))), ruta);
  for (auto _ : state) {
    Proyecto p;
    CargarProyecto(ruta, p, "/opt/vendaluz/Proyectos");
    GuardarProyecto(p, ruta);
  }
  fs::remove(ruta);
}

BENCHMARK(BM_Guardar)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cargar)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CargarYGuardar)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vendaluz

BENCHMARK_MAIN();
