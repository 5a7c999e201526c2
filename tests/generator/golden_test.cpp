// Whole stores compared byte for byte with the reviewed files in tests/data/generador.
// Each folder there is one case: proyecto.ini is the project, the other files are
// the store it must make.
//
// Text files (pages, stylesheet, scripts) must match exactly. Pictures (copies,
// thumbnails, card logos) are checked by name only, against the list in the folder's
// _imagenes.txt, so the golden files do not depend on how thumbnails are drawn. With
// VENDALUZ_ESCRIBIR_GOLDEN=1 the test writes the expected files instead of comparing;
// review every change before committing it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "generar_util.h"
#include "model/archivo_proyecto.h"
#include "model/reglas.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;
using namespace test;

const fs::path kGolden = fs::path(VENDALUZ_TEST_DATA) / "generador";
const std::string kProyecto = "proyecto.ini", kImagenes = "_imagenes.txt";

bool EsImagen(const std::string& ruta) { return ruta.ends_with(".gif") || ruta.ends_with(".jpg"); }

Proyecto Cargar(const std::string& caso) {
  const fs::path ruta = kGolden / caso / kProyecto;
  Proyecto p;
  CargarProyecto(ruta, p, "/tmp/Proyectos");
  ResolverImagenes(p, ruta);
  return p;
}

// Compares (or writes) the expected files of a case with the store in carpeta.
void Comparar(const std::string& caso, const fs::path& carpeta) {
  const fs::path golden = kGolden / caso;
  std::vector<std::string> textos;
  std::string imagenes;
  for (const std::string& a : Archivos(carpeta)) {
    if (EsImagen(a)) {
      imagenes += a + "\n";
    } else {
      textos.push_back(a);
    }
  }
  if (const char* e = std::getenv("VENDALUZ_ESCRIBIR_GOLDEN"); e && std::string(e) == "1") {
    for (const std::string& a : Archivos(golden)) {
      if (a != kProyecto) fs::remove(golden / a);
    }
    for (const std::string& a : textos) Spit(golden / a, Slurp(carpeta / a));
    Spit(golden / kImagenes, imagenes);
    return;
  }
  EXPECT_EQ(imagenes, Slurp(golden / kImagenes)) << caso;
  std::vector<std::string> esperados = Archivos(golden);
  std::erase_if(esperados, [](const std::string& a) { return a == kProyecto || a == kImagenes; });
  EXPECT_EQ(textos, esperados) << caso;
  for (const std::string& a : textos) {
    const std::string hecho = Slurp(carpeta / a), esperado = Slurp(golden / a);
    if (hecho == esperado) continue;
    std::size_t i = 0;
    while (i < hecho.size() && i < esperado.size() && hecho[i] == esperado[i]) ++i;
    ADD_FAILURE() << caso << "/" << a << " differs at byte " << i << ":\n  got      «"
                  << hecho.substr(i > 40 ? i - 40 : 0, 120) << "»\n  expected «"
                  << esperado.substr(i > 40 ? i - 40 : 0, 120) << "»";
  }
}

TEST(Golden, StoresMatchTheReviewedFiles) {
  int casos = 0;
  for (const auto& entrada : fs::directory_iterator(kGolden)) {
    const std::string caso = entrada.path().filename().string();
    if (caso == "categoria") continue;
    SCOPED_TRACE(caso);
    TempDir dir;
    Registro r;
    Generador g(Cargar(caso), EspacioDePrueba(dir), r.Llamadas());
    ASSERT_EQ(g.Ejecutar(), ResultadoGeneracion::kCreada);
    Comparar(caso, g.Carpeta());
    ++casos;
  }
  EXPECT_EQ(casos, 9);
}

TEST(Golden, CategoryMatchesTheReviewedFiles) {
  TempDir dir;
  const Espacio espacio = EspacioDePrueba(dir);
  Generador tienda(Cargar("predeterminado"), espacio, {});
  ASSERT_EQ(tienda.Ejecutar(), ResultadoGeneracion::kCreada);
  Proyecto p = Cargar("categoria");
  p.categoriaOpcion = 1;
  p.categoriaArchivo = "ofertas";
  p.categoriaCarpeta = tienda.Carpeta().string();
  // The store's own files must stay as they are; only what the category adds is
  // compared with its expected files.
  const auto antes = Contenido(tienda.Carpeta());
  ASSERT_EQ(Generador(p, espacio, {}).Ejecutar(), ResultadoGeneracion::kCreada);
  TempDir agregados;
  for (const std::string& a : Archivos(tienda.Carpeta())) {
    const std::string bytes = Slurp(tienda.Carpeta() / a);
    if (const auto it = antes.find(a); it != antes.end()) {
      EXPECT_EQ(bytes, it->second) << a << " changed by the category job";
    } else {
      Spit(agregados / a, bytes);
    }
  }
  Comparar("categoria", agregados.path());
}

}  // namespace
}  // namespace vendaluz
