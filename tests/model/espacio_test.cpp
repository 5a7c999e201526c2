#include "model/espacio.h"

#include <gtest/gtest.h>

#include "platform/error.h"
#include "test_util.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;
using test::Spit;
using test::TempDir;

TEST(Espacio, ProyectosBesideTheProgramOrInTheUserDataFolder) {
  TempDir dir;
  const Espacio e = PrepararEspacio(dir.path(), dir / "datos");
  EXPECT_EQ(e.proyectos, dir / "Proyectos");
  EXPECT_EQ(e.codigo, dir / "Codigo");
  EXPECT_TRUE(fs::is_directory(e.proyectos));
  EXPECT_FALSE(fs::exists(dir / "datos"));
  // A file where Proyectos should be: no folder can be made there, not even by root.
  TempDir otro;
  Spit(otro / "bin" / "Proyectos", "");
  fs::create_directories(otro / "share" / "vendaluz" / "Codigo");
  const Espacio instalado = PrepararEspacio(otro / "bin", otro / "datos");
  EXPECT_EQ(instalado.proyectos, otro / "datos" / "Proyectos");
  EXPECT_TRUE(fs::is_directory(instalado.proyectos));
  EXPECT_EQ(instalado.codigo, otro / "share" / "vendaluz" / "Codigo");
  Spit(otro / "nada", "");
  EXPECT_THROW(PrepararEspacio(otro / "bin", otro / "nada"), Error);
}

TEST(Espacio, ProjectListShowsIniFilesByName) {
  TempDir dir;
  for (const char* f : {"tienda.ini", "Tienda.copia.ini", "Zapatos.INI", "ábaco.ini", "b.ini.bak",
                        "notas.txt", ".ini"}) {
    Spit(dir / f, "");
  }
  fs::create_directory(dir / "carpeta.ini");
  std::vector<std::string> lista;
  for (const auto& e : ListarProyectos(dir.path())) {
    lista.push_back(e.nombre + " " + e.ruta.filename().string());
  }
  EXPECT_EQ(lista,
            (std::vector<std::string>{"ábaco ábaco.ini", "tienda tienda.ini",
                                      "Tienda.copia Tienda.copia.ini", "Zapatos Zapatos.INI"}));
  EXPECT_TRUE(ListarProyectos(dir / "falta").empty());
}

}  // namespace
}  // namespace vendaluz
