#include "model/proyecto.h"

#include <gtest/gtest.h>

namespace vendaluz {
namespace {

TEST(Proyecto, NewProjectsAreNumberedPerRun) {
  ContadorProyectos contador;
  Proyecto p;
  p.txtCantProd = "25";
  p.cheTasa = 1;
  p.txtTasa = "21";
  p.productos.push_back({"Silla", "1", "", ""});
  p.camposOcultos.push_back("<input>");
  NuevoProyecto(p, contador, "/w/Proyectos");
  EXPECT_EQ(p.inicio.Nombre, "Proyecto1");
  EXPECT_EQ(p.inicio.Carpeta, "/w/Proyectos");
  EXPECT_EQ(p.txtCantProd, "25");  // kept by new and open
  EXPECT_EQ(p.cheTasa, 0);
  EXPECT_EQ(p.txtTasa, "0.0");
  EXPECT_TRUE(p.productos.empty());
  EXPECT_TRUE(p.camposOcultos.empty());
  ASSERT_EQ(p.camposFormulario.size(), 10u);
  EXPECT_EQ(p.camposFormulario[5], (CampoFormulario{"Código Postal", "cp", "34"}));
  NuevoProyecto(p, contador, "/w/Proyectos");
  NuevoProyecto(p, contador, "/w/Proyectos");
  EXPECT_EQ(p.inicio.Nombre, "Proyecto3");
  EXPECT_EQ(p.camposFormulario.size(), 10u);

  ContadorProyectos otra_ejecucion;
  EXPECT_EQ(otra_ejecucion.Siguiente(), "Proyecto1");
}

TEST(Proyecto, ResetKeepsFormFieldsForTheFileToReplace) {
  Proyecto p;
  p.inicio.Nombre = "Tienda";
  p.camposFormulario = {{"Nombre", "nombre", "34"}};
  RestablecerProyecto(p, "/w");
  EXPECT_EQ(p.inicio.Nombre, "");
  EXPECT_EQ(p.camposFormulario.size(), 1u);
}

TEST(Proyecto, OptionGroupsHoldOneTrueMember) {
  Proyecto p;
  ElegirServidor(p, &Proyecto::Servidor::SPG);
  ElegirServidor(p, &Proyecto::Servidor::SSL);
  EXPECT_EQ((std::array{p.servidor.NoSS, p.servidor.SPG, p.servidor.SSL}),
            (std::array{false, false, true}));
  ElegirSoporte(p, &Proyecto::Soporte::ASP);
  EXPECT_EQ((std::array{p.soporte.CGI, p.soporte.ASP, p.soporte.PHP}),
            (std::array{false, true, false}));
  ElegirComponenteAsp(p, &Proyecto::Asp::ASPEmail);
  EXPECT_FALSE(p.asp.CDONTS);
  EXPECT_TRUE(p.asp.ASPEmail);
}

TEST(Proyecto, HiddenFieldsAreNotDuplicated) {
  Proyecto p;
  const std::string a = "<input type=\"hidden\" name=\"a\" value=\"1\">";
  AgregarCampoOculto(p, a);
  AgregarCampoOculto(p, "<input type=\"hidden\" name=\"A\" value=\"1\">");
  AgregarCampoOculto(p, a);
  EXPECT_EQ(p.camposOcultos.size(), 2u);
  EXPECT_EQ(p.camposOcultos[0], a);
}

}  // namespace
}  // namespace vendaluz
