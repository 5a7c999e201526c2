// A new project, its option groups and colours, and the workspace its files live in.
#include "model/proyecto.h"

#include <gtest/gtest.h>

#include "model/espacio.h"
#include "platform/error.h"
#include "test_util.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;
using test::Slurp;
using test::Spit;
using test::TempDir;

TEST(Proyecto, NewProjectsAreNumberedPerRunAndKeepProductsPerPage) {
  ContadorProyectos contador;
  Proyecto p;
  p.txtCantProd = "25";
  p.cheTasa = 1;
  p.productos.push_back({"Silla", "1", "", ""});
  NuevoProyecto(p, contador, "/w/Proyectos");
  EXPECT_EQ(p.inicio.Nombre, "Proyecto1");
  EXPECT_EQ(p.inicio.Carpeta, "/w/Proyectos");
  EXPECT_EQ(p.txtCantProd, "25");
  EXPECT_EQ(p.cheTasa, 0);
  EXPECT_TRUE(p.productos.empty());  // its form fields are pinned by proyecto_nuevo.ini
  NuevoProyecto(p, contador, "/w/Proyectos");
  EXPECT_EQ(p.inicio.Nombre, "Proyecto2");
  EXPECT_EQ(ContadorProyectos().Siguiente(), "Proyecto1");
  // A reset keeps the form fields for the file being read to replace.
  p.camposFormulario = {{"Nombre", "nombre", "34"}};
  RestablecerProyecto(p, "/w");
  EXPECT_EQ(p.inicio.Nombre, "");
  EXPECT_EQ(p.camposFormulario.size(), 1u);
}

TEST(Proyecto, OptionGroupsHiddenFieldsAndColours) {
  Proyecto p;
  ElegirServidor(p, &Proyecto::Servidor::SPG);
  ElegirServidor(p, &Proyecto::Servidor::SSL);
  EXPECT_EQ((std::array{p.servidor.NoSS, p.servidor.SPG, p.servidor.SSL}),
            (std::array{false, false, true}));
  ElegirSoporte(p, &Proyecto::Soporte::ASP);
  EXPECT_EQ((std::array{p.soporte.CGI, p.soporte.ASP, p.soporte.PHP}),
            (std::array{false, true, false}));
  const std::string a = "<input type=\"hidden\" name=\"a\" value=\"1\">";
  AgregarCampoOculto(p, a);
  AgregarCampoOculto(p, "<input type=\"hidden\" name=\"A\" value=\"1\">");
  AgregarCampoOculto(p, a);
  EXPECT_EQ(p.camposOcultos.size(), 2u);
  // Red is the low byte; only the three low bytes count.
  for (const auto& [valor, hex] : {std::pair<Color, const char*>{9258546, "#32468D"},
                                   {255, "#FF0000"},
                                   {16711680, "#0000FF"},
                                   {0xFF123456, "#563412"}}) {
    EXPECT_EQ(ColorAHex(valor), hex);
    EXPECT_EQ(HexAColor(hex), valor & 0xFFFFFF);
  }
  EXPECT_EQ(HexAColor("#32468d"), 9258546u);
  for (const char* malo : {"32468D", "#32468", "#32468G"}) EXPECT_FALSE(HexAColor(malo)) << malo;
}

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
  // Installed where it could write beside itself: the user's folder, and the sample
  // copied into it only when that folder is made, never over the user's own files.
  TempDir prefijo;
  fs::create_directories(prefijo / "bin");
  Spit(prefijo / "share" / "vendaluz" / "ejemplo" / "tienda.ini", "[Inicio]");
  Spit(prefijo / "share" / "vendaluz" / "ejemplo" / "imagenes" / "silla.jpg", "jpg");
  const fs::path usuario = prefijo / "datos" / "Proyectos";
  EXPECT_EQ(PrepararEspacio(prefijo / "bin", prefijo / "datos").proyectos, usuario);
  EXPECT_FALSE(fs::exists(prefijo / "bin" / "Proyectos"));
  EXPECT_EQ(Slurp(usuario / "imagenes" / "silla.jpg"), "jpg");
  Spit(usuario / "tienda.ini", "mío");
  fs::remove(usuario / "imagenes" / "silla.jpg");
  PrepararEspacio(prefijo / "bin", prefijo / "datos");
  EXPECT_EQ(Slurp(usuario / "tienda.ini"), "mío");
  EXPECT_FALSE(fs::exists(usuario / "imagenes" / "silla.jpg"));
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
