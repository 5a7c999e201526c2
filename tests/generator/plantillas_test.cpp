#include "generator/plantillas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/cp1252.h"
#include "platform/error.h"

namespace vendaluz {
namespace {

TEST(Reemplazar, FollowsTheReplacementRules) {
  struct Caso {
    std::string texto, marca, valor, esperado;
  } casos[] = {
      // every occurrence, left to right
      {"*A* y *A* y *A*", "*A*", "x", "x y x y x"},
      // exact, case-sensitive matching
      {"*Titulo* *titulo*", "*Titulo*", "T", "T *titulo*"},
      // the inserted text is not scanned again by the same replacement
      {"[*A*]", "*A*", "*A**A*", "[*A**A*]"},
      {"*A*A*", "*A*", "", "A*"},
      // an empty value removes the mark; a missing mark leaves the text alone
      {"a*B*c", "*B*", "", "ac"},
      {"sin marcas", "*B*", "v", "sin marcas"},
      {"", "*B*", "v", ""},
      // values are inserted verbatim
      {"<p>*T*</p>", "*T*", "<b>&\"'</b>", "<p><b>&\"'</b></p>"},
  };
  for (const Caso& c : casos) {
    std::string t = c.texto;
    Reemplazar(t, c.marca, c.valor);
    EXPECT_EQ(t, c.esperado) << c.texto << " / " << c.marca;
  }
  // A value inserted by an earlier replacement is filled by a later one.
  std::string t = "*Texto*";
  Reemplazar(t, "*Texto*", "color *Link*");
  Reemplazar(t, "*Link*", "#32468D");
  EXPECT_EQ(t, "color #32468D");
}

TEST(Plantillas, AllFifteenAreEmbeddedAsWindows1252WithCrLf) {
  const std::vector<std::string> nombres = {
      "CARRITO", "PRODUCTO", "META", "CSS",  "ESTADO",    "FORMULARIO", "FINFORM", "FINFORM2",
      "VALIDAR", "PERLFORM", "SSL",  "PERL", "ASPCDONTS", "ASPEMAIL",   "PHP"};
  ASSERT_EQ(kNumPlantillasIncrustadas, nombres.size());
  for (const std::string& n : nombres) {
    const std::string_view t = CargarPlantilla(n);
    EXPECT_EQ(t.data(), CargarPlantilla(n).data()) << n;
    EXPECT_TRUE(Utf8ToCp1252(t).has_value()) << n << " holds a character Windows-1252 lacks";
    for (std::size_t i = 0; i < t.size(); ++i) {
      if (t[i] == '\n') {
        ASSERT_TRUE(i > 0 && t[i - 1] == '\r') << n << ": LF without CR at " << i;
      }
    }
    EXPECT_FALSE(t.ends_with("\r\n")) << n << " ends with a line end of its own";
  }
  EXPECT_THROW(CargarPlantilla("carrito"), Error);
  EXPECT_THROW(CargarPlantilla("NADA"), Error);
}

// The marks each template must carry for its builder, with how often.
TEST(Plantillas, CarryTheMarksTheirBuildersFill) {
  struct Marcas {
    std::string plantilla;
    std::vector<std::pair<std::string, int>> marcas;
  } tabla[] = {
      {"CARRITO", {{"*Titulo*", 2},    {"*MetaTags*", 1},   {"*Estilo*", 1},    {"*PopAncho*", 1},
                   {"*PopAlto*", 1},   {"*che0*", 1},       {"*che1*", 1},      {"*che2*", 1},
                   {"*che3*", 1},      {"*che4*", 1},       {"*strColor0*", 1}, {"*strColor1*", 2},
                   {"*strColor3*", 1}, {"*strColor4*", 1},  {"*Link*", 1},      {"*Visitado*", 1},
                   {"*Centrar*", 1},   {"*FinCentrar*", 1}, {"*TopMenu*", 1},   {"*Texto*", 1},
                   {"*Producto*", 1},  {"*NumPag*", 1}}},
      {"PRODUCTO",
       {{"*Tipo*", 1},
        {"*Imagen*", 1},
        {"*FinTipo*", 1},
        {"*Href*", 1},
        {"*NombrePro*", 1},
        {"*NombreProJS*", 1},
        {"*HrefFin*", 1},
        {"*Descripcion*", 1},
        {"*Precio*", 1},
        {"*PrecioJS*", 1},
        {"*Agregar*", 2}}},
      {"META",
       {{"*Meta1*", 1},
        {"*Meta2*", 1},
        {"*Meta3*", 1},
        {"*Meta4*", 1},
        {"*Meta5*", 1},
        {"*Meta6*", 1},
        {"*Meta7*", 1},
        {"*Meta8*", 1}}},
      {"CSS",
       {{"*strFuente*", 2},
        {"*strTFuente*", 2},
        {"*strColor1*", 1},
        {"*strColor2*", 1},
        {"*strCSSColor0*", 1},
        {"*strCSSColor2*", 1},
        {"*cboCSSFuente1*", 1},
        {"*cboCSSFuente2*", 1},
        {"*cboCSSTFuente1*", 1},
        {"*cboCSSTFuente2*", 1},
        {"*cboCSSDeco1*", 1},
        {"*cboCSSDeco2*", 1}}},
      {"ESTADO",
       {{"*Titulo*", 2},
        {"*Estilo*", 1},
        {"*strColor0*", 1},
        {"*strColor1*", 2},
        {"*strColor3*", 1},
        {"*strColor4*", 1},
        {"*Link*", 1},
        {"*Visitado*", 1},
        {"*Centrar*", 1},
        {"*FinCentrar*", 1},
        {"*TopMenu*", 1},
        {"*Texto*", 1},
        {"*tax1*", 1},
        {"*tax2*", 1}}},
      {"FORMULARIO",
       {{"*Titulo*", 2},   {"*Estilo*", 1},    {"*strColor0*", 1},  {"*strColor1*", 1},
        {"*Link*", 1},     {"*Visitado*", 1},  {"*Centrar*", 1},    {"*FinCentrar*", 1},
        {"*TopMenu*", 1},  {"*Texto*", 1},     {"*Formulario*", 1}, {"*FinForm*", 1},
        {"*FinForm2*", 1}, {"*URLScript*", 1}, {"*Metodo*", 1},     {"*CamposOcultos*", 1},
        {"*CGI*", 1},      {"*Validar*", 1},   {"*Enviar*", 1},     {"*tax1*", 1}}},
      {"FINFORM", {{"*Tipo*", 1}}},
      {"FINFORM2", {{"*strColor1*", 1}}},
      {"PERLFORM", {{"*Email*", 1}, {"*Redireccionar*", 1}}},
      // The Perl script also takes the redirect address, so that it never sends a
      // buyer where a post says.
      {"PERL",
       {{"*RutaCGI*", 1},
        {"*Email*", 1},
        {"*Host*", 1},
        {"*SendMail*", 1},
        {"*Redireccionar*", 1}}},
      {"ASPCDONTS", {{"*Email*", 2}, {"*CodigoASP*", 1}}},
      {"ASPEMAIL", {{"*Email*", 2}, {"*Smtp*", 1}, {"*CodigoASP*", 1}}},
      {"PHP", {{"*Email*", 2}, {"*Redireccionar*", 1}}},
      {"SSL",
       {{"*Titulo*", 2},
        {"*Estilo*", 1},
        {"*strColor0*", 1},
        {"*strColor1*", 2},
        {"*Link*", 1},
        {"*Visitado*", 1},
        {"*Centrar*", 1},
        {"*FinCentrar*", 1},
        {"*Texto*", 1},
        {"*Tarjetas*", 1},
        {"*Tipo*", 1},
        {"*URLScript*", 1},
        {"*CamposOcultos*", 1}}},
  };
  for (const Marcas& m : tabla) {
    const std::string texto(CargarPlantilla(m.plantilla));
    std::string resto = texto;
    for (const auto& [marca, veces] : m.marcas) {
      int n = 0;
      for (auto p = texto.find(marca); p != std::string::npos; p = texto.find(marca, p + 1)) ++n;
      EXPECT_EQ(n, veces) << m.plantilla << " " << marca;
      Reemplazar(resto, marca, "");
    }
    // No other mark: whatever a builder does not fill would stay in the page.
    for (std::size_t a = resto.find('*'); a != std::string::npos; a = resto.find('*', a + 1)) {
      std::size_t b = a + 1;
      while (b < resto.size() && std::isalnum(static_cast<unsigned char>(resto[b]))) ++b;
      EXPECT_FALSE(b > a + 1 && b < resto.size() && resto[b] == '*')
          << m.plantilla << " holds an unexpected mark " << resto.substr(a, b - a + 1);
    }
  }
}

TEST(Plantillas, CssStartsWithExactlyThePageRules) {
  const std::string_view css = CargarPlantilla("CSS");
  const std::string_view reglas = css.substr(0, 328);
  EXPECT_TRUE(reglas.starts_with(".body {\r\n")) << reglas;
  EXPECT_NE(reglas.find("\r\n}\r\n\r\n.td {\r\n"), std::string_view::npos);
  EXPECT_TRUE(reglas.ends_with("color: *strColor2*;\r\n}\r\n\r\n")) << reglas;
  EXPECT_TRUE(css.substr(328).starts_with("A {\r\n"));
  EXPECT_NE(css.find("}\r\nA:hover {\r\n"), std::string_view::npos);
  EXPECT_TRUE(css.ends_with("text-decoration: *cboCSSDeco2*;\r\n}"));
}

}  // namespace
}  // namespace vendaluz
