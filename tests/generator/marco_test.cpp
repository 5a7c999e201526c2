// The page head of the catalogue pages and the inline style. The pages as a
// whole are compared with the golden stores.
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

TEST(Marco, EveryPageDeclaresItsCharacterSetAndViewport) {
  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda", 1);
  p.metaTags.valor[0] = "Ana \"la\" Peña";
  EXPECT_NE(Paginas(p, dir.path())
                .at(0)
                .find(R"(<meta name="author" content="Ana &quot;la&quot; Peña">)"),
            std::string::npos);
  p.metaTags.Incluir = 0;
  const std::string t = Paginas(p, dir.path()).at(0);
  EXPECT_LT(t.find(R"(<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-1">)"),
            t.find("<title>"));
  EXPECT_LT(t.find(R"(<meta name="viewport" content="width=device-width, initial-scale=1">)"),
            t.find("<title>"));
  EXPECT_EQ(Contar(t, R"(<table width="640")"), 3);
  // The three tables, and the quantity box of the one product.
  EXPECT_EQ(Contar(t, R"(style="max-width:100%")"), 4);
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
