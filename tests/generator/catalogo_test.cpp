#include "generator/catalogo.h"

#include <gtest/gtest.h>

#include "generar_util.h"
#include "platform/error.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;
using test::Archivos;
using test::Contar;
using test::Pagina;
using test::ProyectoDePrueba;
using test::TempDir;

// Builds the catalogue of p into dir the way the run does.
Ejecucion Catalogo(const Proyecto& p, const fs::path& dir, std::string_view base = "carrito",
                   TamanosImagenes tamanos = {}) {
  Ejecucion e;
  e.carpetaSalida = dir;
  e.destino = SeleccionarDestino(p);
  e.tamanos = std::move(tamanos);
  e.textoEstilo = "<style>x</style>";
  ConstruirCatalogo(p, e, base, dir);
  return e;
}

TEST(Catalogo, PagerLinksEveryPage) {
  EXPECT_EQ(TextoPaginador("carrito", 1), R"( [<a href="carrito.htm">1</a>])");
  EXPECT_EQ(TextoPaginador("carrito", 3),
            R"( [<a href="carrito.htm">1</a>] [<a href="carrito2.htm">2</a>])"
            R"( [<a href="carrito3.htm">3</a>])");
  EXPECT_EQ(TextoPaginador("ofertas", 2),
            R"( [<a href="ofertas.htm">1</a>] [<a href="ofertas2.htm">2</a>])");
  EXPECT_EQ(NombrePagina("carrito", 1), "carrito.htm");
  EXPECT_EQ(NombrePagina("carrito", 12), "carrito12.htm");
}

TEST(Catalogo, SplitsProductsIntoPagesWithTheWholePagerOnEach) {
  struct Caso {
    int productos, porPagina;
    std::vector<std::string> archivos;
    std::vector<std::pair<int, int>> filas;  // first and last product of each page
  } casos[] = {
      {25, 10, {"carrito.htm", "carrito2.htm", "carrito3.htm"}, {{1, 10}, {11, 20}, {21, 25}}},
      {20, 10, {"carrito.htm", "carrito2.htm"}, {{1, 10}, {11, 20}}},
      {3, 10, {"carrito.htm"}, {{1, 3}}},
      {0, 10, {"carrito.htm"}, {{1, 0}}},
      {7,
       1,
       {"carrito.htm", "carrito2.htm", "carrito3.htm", "carrito4.htm", "carrito5.htm",
        "carrito6.htm", "carrito7.htm"},
       {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::to_string(c.productos) + " por " + std::to_string(c.porPagina));
    TempDir dir;
    Proyecto p = ProyectoDePrueba("Tienda", c.productos);
    p.txtCantProd = std::to_string(c.porPagina);
    const Ejecucion e = Catalogo(p, dir.path());
    EXPECT_EQ(Archivos(dir.path()), c.archivos);
    EXPECT_EQ(e.contadorPaginas, static_cast<int>(c.archivos.size()) + 1);
    const std::string paginador = TextoPaginador("carrito", static_cast<int>(c.archivos.size()));
    for (std::size_t k = 0; k < c.archivos.size(); ++k) {
      const std::string pagina = Pagina(dir / c.archivos[k]);
      EXPECT_NE(pagina.find("Página" + paginador + "</td>"), std::string::npos) << c.archivos[k];
      const auto [primero, ultimo] = c.filas[k];
      EXPECT_EQ(Contar(pagina, "name=\"cbtadd\""), ultimo - primero + 1) << c.archivos[k];
      for (int i = primero; i <= ultimo; ++i) {
        EXPECT_EQ(Contar(pagina, "agregar" + std::to_string(i) + "\""), 1) << i;
        EXPECT_EQ(Contar(pagina, "<b>Producto " + std::to_string(i) + "</b>"), 1) << i;
      }
    }
  }
}

TEST(Catalogo, RowsCarryNamePriceDescriptionAndTheirOwnQuantityBox) {
  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda", 12);
  p.productos[11] = {"Lámpara", "19.99", "De pie, <i>bronce</i>", ""};
  Catalogo(p, dir.path());
  const std::string pagina = Pagina(dir / "carrito2.htm");
  EXPECT_NE(pagina.find("<b>Lámpara</b></a><br><small>De pie, <i>bronce</i></small>"),
            std::string::npos);
  EXPECT_NE(pagina.find(R"(<td width="60" align="center" valign="top">19.99</td>)"),
            std::string::npos);
  EXPECT_NE(pagina.find(R"(<input type="value" name="agregar12" value="1" size="3" style="max-width:100%">)"),
            std::string::npos);
  EXPECT_NE(pagina.find("onclick=\"buyItem('Lámpara','19.99', "
                        "document.itemsform.agregar12.value)\""),
            std::string::npos);
}

TEST(Catalogo, NamesAndPricesAreEscapedOnlyInsideTheScriptCall) {
  struct {
    const char* texto;
    const char* esperado;
  } casos[] = {
      {R"(Sill'n "Roma" \ 2)", R"(Sill\'n &quot;Roma&quot; \\ 2)"},
      {"a&b", "a&amp;b"},
      {"línea\r\notra", "línea\\r\\notra"},
      {"<b>Mesa</b> [grande], #1; 50%", "<b>Mesa</b> [grande], #1; 50%"},
  };
  for (const auto& c : casos) EXPECT_EQ(CadenaJsEnAtributo(c.texto), c.esperado) << c.texto;

  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda");
  p.productos.push_back({R"(Sill'n "Roma" \ 2)", "1'0", "", ""});
  Catalogo(p, dir.path());
  const std::string pagina = Pagina(dir / "carrito.htm");
  EXPECT_NE(pagina.find(R"(<b>Sill'n "Roma" \ 2</b>)"), std::string::npos);
  EXPECT_NE(pagina.find(R"(onclick="buyItem('Sill\'n &quot;Roma&quot; \\ 2','1\'0', )"),
            std::string::npos);
  EXPECT_NE(pagina.find(R"(<td width="60" align="center" valign="top">1'0</td>)"),
            std::string::npos);
}

TEST(Catalogo, PicturesGiveThumbnailAndPopupOfTheirOwnSize) {
  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda", 3);
  p.productos[0].Imagen = R"(C:\fotos\silla.roja.jpg)";
  p.productos[2].Imagen = "/home/ana/fotos/mesa.gif";
  Catalogo(p, dir.path(), "carrito", {{1, {300, 200}}, {3, {640, 480}}});
  const std::string pagina = Pagina(dir / "carrito.htm");
  const std::string silla =
      R"x(<a href="javascript:CargarFoto('imagenes/silla.roja.jpg','320','230')">)x";
  EXPECT_EQ(Contar(pagina, silla), 2);  // the thumbnail and the name
  EXPECT_NE(pagina.find(silla + R"(<img src="thumbnails/silla.jpg" border="0"></a>)"),
            std::string::npos);
  EXPECT_NE(pagina.find(silla + "<b>Producto 1</b></a>"), std::string::npos);
  EXPECT_EQ(Contar(pagina, R"x(CargarFoto('imagenes/mesa.gif','660','510')">)x"), 2);
  EXPECT_EQ(pagina.find("mesa.gif.jpg"), std::string::npos)
      << "the base name stops at the first full stop";
  EXPECT_NE(pagina.find(R"(<img src="thumbnails/mesa.jpg" border="0">)"), std::string::npos);
  // The product without a picture: an empty 0 by 0 image and popup size 0.
  EXPECT_EQ(
      Contar(
          pagina,
          R"x(CargarFoto('imagenes/','0','0')"><img src="" width="0" height="0" border="0"></a>)x"),
      1);
}

TEST(Catalogo, NoThumbnailsMeansNoPicturesAndNoPopupLinks) {
  for (auto apagar : {&Proyecto::Thumbnails::Mostrar, &Proyecto::Thumbnails::Copiar}) {
    TempDir dir;
    Proyecto p = ProyectoDePrueba("Tienda", 2);
    p.productos[0].Imagen = R"(C:\fotos\silla.jpg)";
    p.thumbnails.*apagar = 0;
    Catalogo(p, dir.path(), "carrito", {{1, {300, 200}}});
    const std::string pagina = Pagina(dir / "carrito.htm");
    EXPECT_EQ(Contar(pagina, "CargarFoto("), 1);  // only the function itself
    EXPECT_EQ(Contar(pagina, R"(<img src="" width="0" height="0" border="0">)"), 2);
    EXPECT_EQ(pagina.find("thumbnails/"), std::string::npos);
  }
  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda", 1);
  p.productos[0].Imagen = R"(C:\fotos\silla.jpg)";
  p.productosImagen = 0;
  Catalogo(p, dir.path(), "carrito", {{1, {300, 200}}});
  EXPECT_EQ(Contar(Pagina(dir / "carrito.htm"), "CargarFoto("), 1);
}

TEST(Catalogo, CategoryPagesUseTheirOwnNames) {
  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda", 12);
  p.txtCantProd = "5";
  Catalogo(p, dir.path(), "ofertas");
  EXPECT_EQ(Archivos(dir.path()),
            (std::vector<std::string>{"ofertas.htm", "ofertas2.htm", "ofertas3.htm"}));
  const std::string pagina = Pagina(dir / "ofertas3.htm");
  EXPECT_NE(pagina.find(R"(Página [<a href="ofertas.htm">1</a>] [<a href="ofertas2.htm">2</a>])"
                        R"( [<a href="ofertas3.htm">3</a>])"),
            std::string::npos);
  // The menus still lead to the store's own status page and order form.
  EXPECT_NE(pagina.find(R"(<a href="estado.htm">Estado</a> | <a href="formulario.htm">)"),
            std::string::npos);
}

TEST(Catalogo, BadProductsPerPageStopsBeforeAnyPage) {
  for (const char* malo : {"0", "", "diez", "-1"}) {
    TempDir dir;
    Proyecto p = ProyectoDePrueba("Tienda", 3);
    p.txtCantProd = malo;
    try {
      Catalogo(p, dir.path());
      FAIL() << malo;
    } catch (const Error& e) {
      EXPECT_EQ(e.tipo(), CodigoError::kProductosPorPagina);
    }
    EXPECT_TRUE(fs::is_empty(dir.path()));
  }
}

}  // namespace
}  // namespace vendaluz
