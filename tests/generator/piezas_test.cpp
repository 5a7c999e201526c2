// The pieces every builder relies on, where the golden stores leave cases open: the
// replacement rules, the embedded templates, the page encoding of characters the
// code page lacks, script strings, order-form fields, and the products-per-page rule.
#include <gtest/gtest.h>

#include <span>

#include "generator/catalogo.h"
#include "generator/comprobaciones.h"
#include "generator/ejecucion.h"
#include "generator/formulario.h"
#include "generator/importes.h"
#include "generator/plantillas.h"
#include "platform/cp1252.h"
#include "platform/error.h"

namespace vendaluz {
namespace {

TEST(Piezas, ReplacementRulesAndTemplates) {
  const std::tuple<std::string, std::string, std::string, std::string> casos[] = {
      {"*Titulo* *titulo*", "*Titulo*", "T", "T *titulo*"},  // exact, case-sensitive
      {"[*A*] *A*", "*A*", "*A**A*", "[*A**A*] *A**A*"},     // the value is not scanned again
      {"*A*A*", "*A*", "", "A*"},
  };
  for (const auto& [texto, marca, valor, esperado] : casos) {
    std::string t = texto;
    Reemplazar(t, marca, valor);
    EXPECT_EQ(t, esperado) << texto;
  }
  // Every template fits the code page (line ends and lookups show in the golden stores).
  for (const auto& [nombre, texto] : std::span(kPlantillasIncrustadas, kNumPlantillasIncrustadas)) {
    EXPECT_TRUE(Utf8ToCp1252(texto).has_value()) << nombre;
  }
  EXPECT_THROW(CargarPlantilla("carrito"), Error);
}

TEST(Piezas, PagesAreWindows1252WithCrLfAndScriptStringsAndFieldsAreEscaped) {
  const std::string largo(21, 'a');  // longer than a run copied at once
  EXPECT_EQ(CodificarPagina("a\nb\r\nc\n" + largo + "é" + largo + "\n"),
            "a\r\nb\r\nc\r\n" + largo + "\xE9" + largo + "\r\n");
  EXPECT_EQ(CodificarPagina("Ω → 😀 \xFF"), "&#937; &#8594; &#128512; &#65533;");
  // A cookie holds no control character; no later replacement may find a mark.
  EXPECT_EQ(CadenaJsEnAtributo("a&b línea\r\notra\t*Precio*"),
            "a&amp;b línea otra \\x2aPrecio\\x2a");
  EXPECT_EQ(CadenaJsEnScript("n\"é</script>😀"),
            "n\\u0022\\u00e9\\u003c\\u002fscript\\u003e\\ud83d\\ude00");
  // A field's name and size keep to their attributes, and the next label stays out of them.
  Proyecto p;
  p.camposFormulario = {{"<b>Cp</b>", "cp\" onfocus=\"x()\t*Campo*&<>", "3 4>"},
                        {"Fax", "fax", "9"}};
  const std::string cp = "cp&quot; onfocus=&quot;x()&#42;Campo&#42;&amp;&lt;&gt;";
  EXPECT_EQ(FilasFormulario(p),
            "<tr><td><label for=\"campo_" + cp +
                "\"><b>Cp</b></label></td><td><input type=\"text\" "
                "id=\"campo_" +
                cp + "\" name=\"" + cp +
                "\" size=34></td></tr>\r\n"
                "<tr><td><label for=\"campo_fax\">Fax</label></td><td><input type=\"text\" "
                "id=\"campo_fax\" name=\"fax\" size=9></td></tr>\r\n");
  // The money symbol is text wherever it goes, and holds no mark for a later fill.
  p.moneda = {"<b>*Total*\"", "EUR", 0, 1, 0, 1};
  EXPECT_EQ(PrecioEnCatalogo(p, "5"), "&lt;b&gt;&#42;Total&#42;&quot; 5,00");
  std::string formulario = "*FuncionesImporte*";
  RellenarImportes(p, formulario, true);
  EXPECT_NE(formulario.find("\"\\u0026lt\\u003bb\\u0026gt\\u003b\\u0026\\u002342"), std::string::npos);
  EXPECT_EQ(formulario.find_first_of("<*"), std::string::npos) << formulario;
}

// Up to 50 pages every page lists them all; above, the pages near the one shown, the
// first and the last.
TEST(Piezas, PagerAboveFiftyPages) {
  auto pager = [](std::initializer_list<int> entradas) {  // 0: a gap
    std::string t;
    for (int n : entradas) {
      const std::string num = std::to_string(n);
      t += n == 0 ? " …" : " [<a href=\"c" + (n > 1 ? num : "") + ".htm\">" + num + "</a>]";
    }
    return t;
  };
  EXPECT_EQ(TextoPaginador("c", 50, 30), TextoPaginador("c", 50, 1));
  EXPECT_EQ(TextoPaginador("c", 51, 1), pager({1, 2, 3, 4, 5, 6, 0, 51}));
  EXPECT_EQ(TextoPaginador("c", 51, 7), pager({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 51}));
  EXPECT_EQ(TextoPaginador("c", 51, 30),
            pager({1, 0, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 0, 51}));
  EXPECT_EQ(TextoPaginador("c", 51, 46), pager({1, 0, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51}));
}

TEST(Piezas, ProductsPerPage) {
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
