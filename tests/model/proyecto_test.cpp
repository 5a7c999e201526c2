#include "model/proyecto.h"

#include <gtest/gtest.h>

namespace vendaluz {
namespace {

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
  EXPECT_TRUE(p.productos.empty());
  ASSERT_EQ(p.camposFormulario.size(), 10u);
  EXPECT_EQ(p.camposFormulario[5], (CampoFormulario{"Código Postal", "cp", "34"}));
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

}  // namespace
}  // namespace vendaluz
