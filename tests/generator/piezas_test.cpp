// The pieces every builder relies on: the replacement rules, the embedded templates,
// the page encoding, the script strings, the pager and the products-per-page rule.
#include <gtest/gtest.h>

#include "generator/catalogo.h"
#include "generator/comprobaciones.h"
#include "generator/ejecucion.h"
#include "generator/plantillas.h"
#include "platform/cp1252.h"
#include "platform/error.h"

namespace vendaluz {
namespace {

TEST(Piezas, ReplacementRules) {
  const std::tuple<std::string, std::string, std::string, std::string> casos[] = {
      {"*A* y *A* y *A*", "*A*", "x", "x y x y x"},          // every occurrence
      {"*Titulo* *titulo*", "*Titulo*", "T", "T *titulo*"},  // exact, case-sensitive
      {"[*A*]", "*A*", "*A**A*", "[*A**A*]"},                // the value is not scanned again
      {"*A*A*", "*A*", "", "A*"},
      {"a*B*c", "*B*", "", "ac"},
      {"<p>*T*</p>", "*T*", "<b>&\"'</b>", "<p><b>&\"'</b></p>"},  // verbatim
  };
  for (const auto& [texto, marca, valor, esperado] : casos) {
    std::string t = texto;
    Reemplazar(t, marca, valor);
    EXPECT_EQ(t, esperado) << texto;
  }
  for (std::size_t i = 0; i < kNumPlantillasIncrustadas; ++i) {
    const std::string_view t = kPlantillasIncrustadas[i].texto;
    const std::string nombre(kPlantillasIncrustadas[i].nombre);
    EXPECT_EQ(CargarPlantilla(nombre).data(), t.data());
    EXPECT_TRUE(Utf8ToCp1252(t).has_value()) << nombre;
    for (std::size_t k = t.find('\n'); k != std::string::npos; k = t.find('\n', k + 1)) {
      ASSERT_TRUE(k > 0 && t[k - 1] == '\r') << nombre << ": LF without CR at " << k;
    }
    EXPECT_FALSE(t.ends_with("\r\n")) << nombre;
  }
  EXPECT_EQ(kNumPlantillasIncrustadas, 15u);
  EXPECT_THROW(CargarPlantilla("carrito"), Error);
}

TEST(Piezas, PagesAreWindows1252WithCrLfAndScriptStringsAreEscaped) {
  EXPECT_EQ(CodificarPagina("Página\r\nñandú €"),
            "P\xE1gina\r\n\xF1"
            "and\xFA \x80");
  EXPECT_EQ(CodificarPagina("a\nb\r\nc\n"), "a\r\nb\r\nc\r\n");
  const std::string largo(21, 'a');
  EXPECT_EQ(CodificarPagina(largo + "\n" + largo + "é" + largo + "\n"),
            largo + "\r\n" + largo + "\xE9" + largo + "\r\n");
  EXPECT_EQ(CodificarPagina("Ω → 😀 \xFF"), "&#937; &#8594; &#128512; &#65533;");
  const std::pair<const char*, const char*> js[] = {
      {R"(Sill'n "Roma" \ 2)", R"(Sill\'n &quot;Roma&quot; \\ 2)"},
      {"a&b", "a&amp;b"},
      {"línea\r\notra", "línea\\r\\notra"},
      {"<b>Mesa</b> [grande], #1; 50%", "<b>Mesa</b> [grande], #1; 50%"}};
  for (const auto& [texto, esperado] : js) EXPECT_EQ(CadenaJsEnAtributo(texto), esperado);
}

TEST(Piezas, PagerAndProductsPerPage) {
  EXPECT_EQ(TextoPaginador("ofertas", 3),
            R"( [<a href="ofertas.htm">1</a>] [<a href="ofertas2.htm">2</a>])"
            R"( [<a href="ofertas3.htm">3</a>])");
  EXPECT_EQ(NombrePagina("carrito", 12), "carrito12.htm");
  const std::pair<const char*, int> casos[] = {{"10", 10}, {" 25 ", 25},     {"007", 7},
                                               {"0", 0},   {"", 0},          {"-3", 0},
                                               {"1.5", 0}, {"9999999999", 0}};
  for (const auto& [texto, valor] : casos) {
    Proyecto p;
    p.txtCantProd = texto;
    if (valor) {
      EXPECT_EQ(ProductosPorPagina(p), valor) << texto;
    } else {
      EXPECT_THROW(ProductosPorPagina(p), Error) << texto;
    }
  }
}

}  // namespace
}  // namespace vendaluz
