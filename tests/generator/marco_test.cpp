// The page frame of the catalogue pages and the stylesheet step.
#include "generator/marco.h"

#include <gtest/gtest.h>

#include "generar_util.h"
#include "generator/catalogo.h"
#include "generator/estilo.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;
using test::Contar;
using test::Pagina;
using test::ProyectoDePrueba;
using test::TempDir;

// The catalogue pages of p after the stylesheet step, as the run makes them.
std::vector<std::string> Paginas(const Proyecto& p, const fs::path& dir) {
  Ejecucion e;
  e.carpetaSalida = dir;
  e.destino = SeleccionarDestino(p);
  PasoEstilo(p, e, dir);
  ConstruirCatalogo(p, e, "carrito", dir);
  std::vector<std::string> paginas;
  for (int n = 1; fs::exists(dir / NombrePagina("carrito", n)); ++n) {
    paginas.push_back(Pagina(dir / NombrePagina("carrito", n)));
  }
  return paginas;
}

TEST(Marco, FillsTitleTextMenuColoursAndPopupOptions) {
  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda", 1);
  p.formato.Titulo = {"Catálogo", "Pedido", "Pago"};
  p.formato.Texto[0] = "Visite *Link*";
  p.formato.Color = {0x010203, 0x0A0B0C, 0, 0x102030, 0x405060, 9258546, 8388736};
  p.popup.Barra1 = 1, p.popup.Barra2 = 0, p.popup.Barra3 = 1, p.popup.Barra4 = 0;
  p.popup.Barra5 = 1, p.popup.Centrar = 1;
  const std::string t = Paginas(p, dir.path()).at(0);
  EXPECT_NE(t.find("<title>Catálogo</title>"), std::string::npos);
  EXPECT_NE(t.find(R"(<font size="+2">Catálogo</font>)"), std::string::npos);
  EXPECT_NE(
      t.find(
          R"([ Catálogo | <a href="estado.htm">Estado</a> | <a href="formulario.htm">Pedido</a> ])"),
      std::string::npos);
  // A mark typed into the free text is filled by the later colour step.
  EXPECT_NE(t.find("<td colspan=\"2\">Visite #32468D</td>"), std::string::npos);
  EXPECT_NE(t.find(R"(<body bgcolor="#030201" link="#32468D" vlink="#800080" class="body">)"),
            std::string::npos);
  EXPECT_EQ(Contar(t, R"(<hr size="1" color="#0C0B0A">)"), 2);
  EXPECT_NE(t.find(R"(bgcolor="#302010" bordercolor="#605040" class="td")"), std::string::npos);
  EXPECT_NE(t.find("toolbar=0,scrollbars=1,location=1,statusbar=0,menubar=1,resizable=1,width="),
            std::string::npos);
  EXPECT_NE(
      t.find("var derecha = (screen.width-ancho)/2;\r\n  var arriba = (screen.height-alto)/2;\r\n"),
      std::string::npos);
  EXPECT_EQ(Contar(t, "<center>"), 1);
  EXPECT_EQ(Contar(t, "</center>"), 1);

  p.popup.Centrar = 0;
  p.formato.CentrarTexto[0] = 0;
  p.formato.CentrarTexto[1] = 1;
  const std::string u = Paginas(p, dir.path()).at(0);
  EXPECT_NE(u.find("var derecha = 0\r\n  var arriba = 0\r\n"), std::string::npos);
  EXPECT_EQ(u.find("center>"), std::string::npos);
}

TEST(Marco, MetaBlockFollowsItsSwitchOnEveryPage) {
  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda", 25);
  p.metaTags.valor = {"Ana \"la\" Peña", "", "", "", "", "", "", "all"};
  const auto paginas = Paginas(p, dir.path());
  ASSERT_EQ(paginas.size(), 3u);
  for (const std::string& t : paginas) {
    EXPECT_EQ(Contar(t, "<meta name="), 9);  // eight meta tags and the viewport
    EXPECT_NE(t.find(R"(<meta name="author" content="Ana &quot;la&quot; Peña">)"),
              std::string::npos);
    EXPECT_NE(t.find(R"(<meta name="title" content="">)"), std::string::npos);
    EXPECT_NE(t.find(R"(<meta name="robots" content="all">)"), std::string::npos);
    EXPECT_EQ(Contar(t, "<title>Carrito de Compra</title>"), 1);
    EXPECT_EQ(Contar(t, "| <a href=\"estado.htm\">Estado</a> |"), 1);
  }

  p.metaTags.Incluir = 0;
  for (const std::string& t : Paginas(p, dir.path())) {
    EXPECT_NE(t.find("<title>Carrito de Compra</title>\r\n\r\n<style"), std::string::npos);
    EXPECT_EQ(Contar(t, "<meta name="), 1);
  }
}

TEST(Marco, EveryPageDeclaresItsCharacterSetAndViewport) {
  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda", 1);
  p.metaTags.Incluir = 0;
  const std::string t = Paginas(p, dir.path()).at(0);
  EXPECT_LT(t.find(R"(<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-1">)"),
            t.find("<title>"));
  EXPECT_LT(t.find(R"(<meta name="viewport" content="width=device-width, initial-scale=1">)"),
            t.find("<title>"));
  EXPECT_EQ(Contar(t, R"(<table width="640")"), 3);
  EXPECT_EQ(Contar(t, R"(style="max-width:100%")"), 3);
}

TEST(Estilo, ExternalStylesheetHoldsAllFourRulesAndPagesLinkIt) {
  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda", 1);
  p.formato.CSS = 1;
  p.formato.Fuente = "Times New Roman";
  p.formato.TamanoFuente = "12pt";
  p.formato.Color[1] = 0x0000FF;
  p.formato.Color[2] = 0x00FF00;
  p.css.CSS = {0xFF0000, 0x111111, 0x00FFFF, 0x222222};
  p.css.Fuente1 = "Arial";
  p.css.Fuente2 = "Verdana";
  p.css.TamanoFuente1 = "11pt";
  p.css.TamanoFuente2 = "13pt";
  p.css.Decoracion1 = "underline";
  p.css.Decoracion2 = "overline";
  const std::string t = Paginas(p, dir.path()).at(0);
  EXPECT_NE(t.find("\r\n<link rel=\"stylesheet\" href=\"estilo.css\" type=\"text/css\">\r\n"),
            std::string::npos);
  EXPECT_EQ(t.find("<style"), std::string::npos);
  EXPECT_EQ(
      test::Slurp(dir / "estilo.css"),
      ".body {\r\nfont-family: Times New Roman;\r\nfont-size: 12pt;\r\nfont-style: normal;\r\n"
      "font-weight: normal;\r\nfont-variant: normal;\r\ncolor: #FF0000;\r\n}\r\n\r\n"
      ".td {\r\nfont-family: Times New Roman;\r\nfont-size: 12pt;\r\nfont-style: normal;\r\n"
      "line-height: normal;\r\nfont-weight: normal;\r\nfont-variant: normal;\r\n"
      "color: #00FF00;\r\n}\r\n\r\n"
      "A {\r\ncolor: #0000FF;\r\nfont-family: Arial;\r\nfont-weight: normal;\r\n"
      "font-variant: normal;\r\nfont-size: 11pt;\r\nfont-style: normal;\r\n"
      "text-decoration: underline;\r\n}\r\n"
      "A:hover {\r\ncolor: #FFFF00;\r\nfont-family: Verdana;\r\nfont-weight: normal;\r\n"
      "font-variant: normal;\r\nfont-size: 13pt;\r\nfont-style: normal;\r\n"
      "text-decoration: overline;\r\n}\r\n");
}

TEST(Estilo, InlineStyleKeepsOnlyThePageRules) {
  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda", 1);
  p.formato.Fuente = "Ωmega Sans";  // a character Windows-1252 lacks
  const std::string t = Paginas(p, dir.path()).at(0);
  EXPECT_FALSE(fs::exists(dir / "estilo.css"));
  EXPECT_NE(t.find("<style type=\"text/css\">\r\n.body {\r\nfont-family: \\3A9 mega Sans;\r\n"),
            std::string::npos);
  EXPECT_NE(t.find("color: #000000;\r\n}\r\n\r\n\r\n</style>\r\n<script"), std::string::npos);
  EXPECT_NE(t.find(".td {"), std::string::npos);
  EXPECT_EQ(t.find("A {"), std::string::npos);
  EXPECT_EQ(t.find("A:hover"), std::string::npos);
  EXPECT_EQ(t.find("<link rel"), std::string::npos);
}

}  // namespace
}  // namespace vendaluz
