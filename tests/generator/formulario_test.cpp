// The order form and the payment page: field rows and the card routines. The
// pages as a whole are compared with the golden stores.
#include "generator/formulario.h"

#include <gtest/gtest.h>

#include "generar_util.h"
#include "generator/pago.h"
#include "generator/plantillas.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;
using test::Contar;
using test::ProyectoDePrueba;
using test::TempDir;

Ejecucion NuevaEjecucion(const Proyecto& p, const fs::path& dir) {
  Ejecucion e;
  e.carpetaSalida = dir;
  e.carpetaCodigo = VENDALUZ_CODIGO_DIR;
  e.destino = SeleccionarDestino(p);
  e.textoEstilo = "<style>estilo en línea</style>";
  return e;
}

std::string Formulario(const Proyecto& p, const fs::path& dir, Ejecucion* salida = nullptr) {
  Ejecucion e = NuevaEjecucion(p, dir);
  e.textoPagina.assign(CargarPlantilla("FORMULARIO"));
  ConstruirFilasFormulario(p, e);
  RellenarFormulario(p, e);
  if (salida) *salida = e;
  return e.textoPagina;
}

std::string Pago(const Proyecto& p, const fs::path& dir, Ejecucion* salida = nullptr) {
  Ejecucion e = NuevaEjecucion(p, dir);
  e.textoPagina.assign(CargarPlantilla("SSL"));
  ConstruirPago(p, e);
  if (salida) *salida = e;
  return e.textoPagina;
}

TEST(Formulario, FieldRowsFollowTheFieldList) {
  Proyecto p = ProyectoDePrueba("Tienda");
  Ejecucion e;
  ConstruirFilasFormulario(p, e);
  EXPECT_TRUE(e.textoFilas.starts_with(
      "<tr><td>Nombre</td><td><input type=\"text\" name=\"nombre\" size=34></td></tr>\r\n"
      "<tr><td>Apellido</td>"));
  EXPECT_EQ(Contar(e.textoFilas, "<tr>"), 10);
  EXPECT_TRUE(e.textoFilas.ends_with("name=\"fax\" size=34></td></tr>\r\n"));
  p.camposFormulario.clear();
  ConstruirFilasFormulario(p, e);
  EXPECT_EQ(e.textoFilas, "");
}

TEST(Formulario, GatewayCopiesTheAcceptedCardPictures) {
  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda");
  ElegirServidor(p, &Proyecto::Servidor::SPG);
  p.tajetas = {1, 0, 0, 1};  // Visa, Amex, Master, Diners
  Ejecucion e;
  const std::string t = Formulario(p, dir.path(), &e);
  EXPECT_NE(t.find(R"(<img src="visa.gif"> <img src="diners.gif"> </td>)"), std::string::npos);
  EXPECT_NE(t.find(R"(<select name="Tipo"><option>Visa<option>Diners Club</select>)"),
            std::string::npos);
  const fs::path codigo = VENDALUZ_CODIGO_DIR;
  EXPECT_EQ(test::Slurp(dir / "visa.gif"), test::Slurp(codigo / "IMGvisa.dat"));
  EXPECT_EQ(test::Slurp(dir / "diners.gif"), test::Slurp(codigo / "IMGdiners.dat"));
  EXPECT_FALSE(fs::exists(dir / "amex.gif"));
  EXPECT_FALSE(fs::exists(dir / "master.gif"));
  EXPECT_TRUE(e.problemas.empty());
}

TEST(Formulario, MissingCardPictureIsReported) {
  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda");
  ElegirServidor(p, &Proyecto::Servidor::SPG);
  Ejecucion e = NuevaEjecucion(p, dir.path());
  e.carpetaCodigo = dir / "Codigo";  // holds no pictures
  LogosTarjetas(p, e);
  EXPECT_EQ(
      e.textoFilas,
      R"(<img src="visa.gif"> <img src="master.gif"> <img src="amex.gif"> <img src="diners.gif"> )");
  ASSERT_EQ(e.problemas.size(), 4u);
  EXPECT_EQ(e.problemas[2].archivo, dir / "amex.gif");
}

TEST(Pago, WithoutCardsOrHiddenFieldsTheFormStaysWhole) {
  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda");
  ElegirServidor(p, &Proyecto::Servidor::SSL);
  p.tajetas = {0, 0, 0, 0};
  Ejecucion e;
  const std::string t = Pago(p, dir.path(), &e);
  EXPECT_NE(t.find("<select name=\"Tipo\" style=\"width:100%;box-sizing:border-box\"></select>"),
            std::string::npos);
  EXPECT_NE(t.find("method=\"post\" name=\"pago\">\r\n<script"), std::string::npos);
  EXPECT_EQ(t.find("<img"), std::string::npos);
  EXPECT_TRUE(fs::is_empty(dir.path()));
  EXPECT_TRUE(e.problemas.empty());
}

}  // namespace
}  // namespace vendaluz
