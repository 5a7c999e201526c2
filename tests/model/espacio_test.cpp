#include "model/espacio.h"

#include <gtest/gtest.h>

#include "platform/error.h"
#include "test_util.h"

namespace vendaluz {
namespace {

using test::Spit;
using test::TempDir;

TEST(Espacio, ProyectosIsCreatedBesideTheProgram) {
  TempDir dir;
  const Espacio e = PrepararEspacio(dir.path(), dir / "datos");
  EXPECT_EQ(e.proyectos, dir / "Proyectos");
  EXPECT_TRUE(std::filesystem::is_directory(e.proyectos));
  EXPECT_FALSE(std::filesystem::exists(dir / "datos"));
  EXPECT_EQ(e.codigo, dir / "Codigo");
  Proyecto p;
  p.inicio.Nombre = "Tienda";
  EXPECT_EQ(e.CarpetaSalida(p), dir / "Proyectos" / "Tienda");
}

TEST(Espacio, UnusableProgramFolderFallsBackToUserData) {
  TempDir dir;
  // A file where Proyectos should be: no folder can be made there, not even by root.
  Spit(dir / "Proyectos", "");
  std::filesystem::create_directories(dir / "share" / "vendaluz" / "Codigo");
  std::filesystem::create_directory(dir / "bin");
  const Espacio e = PrepararEspacio(dir.path(), dir / "datos");
  EXPECT_EQ(e.proyectos, dir / "datos" / "Proyectos");
  EXPECT_TRUE(std::filesystem::is_directory(e.proyectos));

  const Espacio instalado = PrepararEspacio(dir / "bin", dir / "datos");
  EXPECT_EQ(instalado.codigo, dir / "share" / "vendaluz" / "Codigo");

  Spit(dir / "nada", "");
  EXPECT_THROW(PrepararEspacio(dir.path(), dir / "nada"), Error);
}

TEST(Espacio, ProjectListShowsIniFilesByName) {
  TempDir dir;
  for (const char* f : {"tienda.ini", "Tienda.copia.ini", "Zapatos.INI", "ábaco.ini", "b.ini.bak",
                        "notas.txt", ".ini"}) {
    Spit(dir / f, "");
  }
  std::filesystem::create_directory(dir / "carpeta.ini");
  const auto lista = ListarProyectos(dir.path());
  std::vector<std::string> nombres;
  for (const auto& e : lista) nombres.push_back(e.nombre);
  EXPECT_EQ(nombres, (std::vector<std::string>{"ábaco", "tienda", "Tienda.copia", "Zapatos"}));
  EXPECT_EQ(lista[2].ruta, dir / "Tienda.copia.ini");  // not Tienda.ini
  EXPECT_EQ(lista[3].ruta, dir / "Zapatos.INI");
  EXPECT_TRUE(ListarProyectos(dir / "falta").empty());
}

}  // namespace
}  // namespace vendaluz
