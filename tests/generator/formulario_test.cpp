// The basket status page, the order form and the payment page, with the cards.
#include "generator/formulario.h"

#include <gtest/gtest.h>

#include "generar_util.h"
#include "generator/estado.h"
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

std::string Estado(const Proyecto& p) {
  Ejecucion e = NuevaEjecucion(p, "/nada");
  e.textoPagina.assign(CargarPlantilla("ESTADO"));
  ConstruirEstado(p, e);
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

TEST(Formulario, MailScriptOptionPostsToTheScriptWithTheMenu) {
  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda");
  p.cgi.Ruta = "http://tienda.example/cgi-bin/enviar.pl";
  p.correoEmail = "ventas@tienda.example";
  p.servidor.Redireccionar = "http://tienda.example/gracias.htm";
  p.camposOcultos = {R"(<input type="hidden" name="a" value="1">)"};
  p.formato.Texto[1] = "Complete sus datos";
  const std::string t = Formulario(p, dir.path());
  EXPECT_NE(
      t.find(
          R"(<form name="formulario" action="http://tienda.example/cgi-bin/enviar.pl" method="post" target="_top">)"
          "\r\n<input type=\"hidden\" name=\"recipient\" value=\"ventas@tienda.example\">"),
      std::string::npos);
  EXPECT_NE(
      t.find(R"(<input type="hidden" name="redirect" value="http://tienda.example/gracias.htm">)"),
      std::string::npos);
  EXPECT_NE(t.find(R"(<input type="hidden" name="subject" value="Vendaluz - Orden de Compra">)"),
            std::string::npos);
  EXPECT_NE(t.find(R"(value="REMOTE_HOST,REMOTE_ADDR,HTTP_USER_AGENT">)"), std::string::npos);
  EXPECT_NE(
      t.find(
          R"([ <a href="carrito.htm">Carrito de Compra</a> | <a href="estado.htm">Estado</a> | Formulario ])"),
      std::string::npos);
  EXPECT_NE(t.find(R"x(<input type="button" value="Enviar" onclick="Enviar(this.form)">)x"),
            std::string::npos);
  EXPECT_NE(t.find("<td colspan=\"2\">Complete sus datos</td>"), std::string::npos);
  EXPECT_EQ(t.find("name=\"a\""), std::string::npos);  // hidden fields go only to a gateway
  EXPECT_EQ(t.find("Tarjeta de crédito"), std::string::npos);
  EXPECT_EQ(t.find("Volver atrás"), std::string::npos);
  EXPECT_NE(t.find("Por favor complete todos los campos del formulario"), std::string::npos);
  EXPECT_NE(t.find("var tasa = 0 - 0;"), std::string::npos);
  EXPECT_EQ(Contar(t, "<center>"), 1);

  p.soporte = {false, true, false};
  p.formularioValidar = 0;
  p.formato.CentrarTexto = {1, 0, 0};  // every page follows page 0
  const std::string asp = Formulario(p, dir.path());
  EXPECT_NE(asp.find(R"(action="enviar.asp" method="post")"), std::string::npos);
  EXPECT_EQ(asp.find("recipient"), std::string::npos);
  EXPECT_EQ(asp.find("Por favor complete"), std::string::npos);
  EXPECT_EQ(Contar(asp, "<center>"), 1);
}

TEST(Formulario, GatewayShowsCardsHiddenFieldsAndBackLink) {
  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda");
  ElegirServidor(p, &Proyecto::Servidor::SPG);
  p.servidor.ServidorScript = "https://pasarela.example/cobrar";
  p.servidor.RutaServidor = "https://pasarela.example/form";
  p.tajetas = {1, 0, 0, 1};  // Visa, Amex, Master, Diners
  p.camposOcultos = {R"(<input type="hidden" name="tienda" value="42">)",
                     R"(<input type="hidden" name="moneda" value="EUR">)"};
  p.formato.Color[1] = 0x00FF00;
  Ejecucion e;
  const std::string t = Formulario(p, dir.path(), &e);
  EXPECT_NE(t.find(R"(action="https://pasarela.example/cobrar" method="post" target="_top">)"
                   "\r\n<input type=\"hidden\" name=\"tienda\" value=\"42\">"
                   "\r\n<input type=\"hidden\" name=\"moneda\" value=\"EUR\">\r\n"),
            std::string::npos);
  EXPECT_NE(
      t.find(R"(<td width="50%" align="right"><img src="visa.gif"> <img src="diners.gif"> </td>)"),
      std::string::npos);
  EXPECT_EQ(t.find("| <a href=\"estado.htm\">Estado</a> |"), std::string::npos);
  EXPECT_NE(t.find(R"(<select name="Tipo"><option>Visa<option>Diners Club</select>)"),
            std::string::npos);
  for (const char* campo : {"name=\"Titular\"", "name=\"Número\"", "name=\"Expira\""}) {
    EXPECT_NE(t.find(campo), std::string::npos) << campo;
  }
  EXPECT_NE(t.find("[<a href=\"javascript:history.back()\">Volver atrás</a>]"), std::string::npos);
  EXPECT_EQ(Contar(t, R"(<hr size="1" color="#00FF00">)"), 2);  // the frame and the back link
  EXPECT_NE(t.find(R"(value="Enviar")"), std::string::npos);
  EXPECT_EQ(test::Slurp(dir / "visa.gif"),
            test::Slurp(fs::path(VENDALUZ_CODIGO_DIR) / "IMGvisa.dat"));
  EXPECT_EQ(test::Slurp(dir / "diners.gif"),
            test::Slurp(fs::path(VENDALUZ_CODIGO_DIR) / "IMGdiners.dat"));
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

TEST(Formulario, SecurePageOptionContinuesToThePaymentPage) {
  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda");
  ElegirServidor(p, &Proyecto::Servidor::SSL);
  p.camposOcultos = {R"(<input type="hidden" name="tienda" value="42">)"};
  p.cheTasa = 1;
  p.txtTasa = "21";
  const std::string t = Formulario(p, dir.path());
  EXPECT_NE(t.find(R"(action="ssl.htm" method="get" target="_top">)"
                   "\r\n\r\n<table"),
            std::string::npos);
  EXPECT_NE(t.find(R"(value="Continuar")"), std::string::npos);
  EXPECT_EQ(t.find("tienda"), std::string::npos);
  EXPECT_NE(t.find("var tasa = 21 - 0;"), std::string::npos);

  ElegirServidor(p, &Proyecto::Servidor::NoSS);
  p.soporte = {false, false, false};
  EXPECT_NE(Formulario(p, dir.path()).find(R"(action="" method="post")"), std::string::npos);
  p.servidor = {false, false, false, "https://", "https://", "http://"};
  EXPECT_NE(Formulario(p, dir.path()).find(R"(<form name="formulario" action=""  target="_top">)"),
            std::string::npos);
}

TEST(Estado, FillsTheFrameTheMenuAndTheTax) {
  Proyecto p = ProyectoDePrueba("Tienda");
  p.formato.Texto[0] = "no aparece";
  ElegirServidor(p, &Proyecto::Servidor::SPG);
  p.servidor.RutaServidor = "https://pasarela.example/form";
  const std::string sin = Estado(p);
  EXPECT_EQ(Contar(sin, "Estado del Carrito"), 2);
  EXPECT_NE(
      sin.find(
          R"([ <a href="carrito.htm">Carrito de Compra</a> | Estado | <a href="https://pasarela.example/form">Formulario</a> ])"),
      std::string::npos);
  EXPECT_NE(sin.find("<tr><td colspan=\"2\"></td></tr>"), std::string::npos);
  EXPECT_EQ(sin.find("no aparece"), std::string::npos);
  EXPECT_NE(sin.find("var tasa = 0 - 0;"), std::string::npos);
  EXPECT_EQ(sin.find("Impuestos"), std::string::npos);
  EXPECT_NE(sin.find("<style>estilo en línea</style>"), std::string::npos);
  EXPECT_NE(sin.find(R"(bgcolor="#E0E0E0" bordercolor="#FFFFFF" class="td")"), std::string::npos);

  p.cheTasa = 1;
  p.txtTasa = "21";
  p.formato.CSS = 1;
  const std::string con = Estado(p);
  EXPECT_NE(con.find("var tasa = 21 - 0;"), std::string::npos);
  EXPECT_NE(con.find("document.writeln('<tr><td colspan=3><b>Impuestos</b></td><td "
                     "align=right>21%</td><td>&nbsp;</td></tr>');"),
            std::string::npos);
  EXPECT_NE(con.find(R"(<link rel="stylesheet" href="estilo.css" type="text/css">)"),
            std::string::npos);
}

TEST(Pago, CarriesHiddenFieldsCardsAndPostsToTheSecureScript) {
  TempDir dir;
  Proyecto p = ProyectoDePrueba("Tienda");
  ElegirServidor(p, &Proyecto::Servidor::SSL);
  p.servidor.ServidorScript = "https://seguro.example/cobrar.pl";
  p.camposOcultos = {R"(<input type="hidden" name="tienda" value="42">)",
                     R"(<input type="hidden" name="moneda" value="EUR">)"};
  p.tajetas = {1, 0, 0, 1};
  p.formato.Texto[2] = "Sus datos viajan cifrados";
  Ejecucion e;
  const std::string t = Pago(p, dir.path(), &e);
  EXPECT_EQ(Contar(t, "Tarjeta de Crédito"), 2);
  EXPECT_NE(t.find(R"(<form action="https://seguro.example/cobrar.pl" method="post">)"
                   "\r\n<input type=\"hidden\" name=\"tienda\" value=\"42\">"
                   "\r\n<input type=\"hidden\" name=\"moneda\" value=\"EUR\">\r\n"),
            std::string::npos);
  EXPECT_NE(t.find(R"(<select name="Tipo"><option>Visa<option>Diners Club</select>)"),
            std::string::npos);
  EXPECT_NE(
      t.find(R"(<td width="50%" align="right"><img src="visa.gif"> <img src="diners.gif"> </td>)"),
      std::string::npos);
  for (const char* campo : {"name=\"Titular\"", "name=\"Numero\"", "name=\"Expiracion\""}) {
    EXPECT_NE(t.find(campo), std::string::npos) << campo;
  }
  EXPECT_NE(t.find("Sus datos viajan cifrados"), std::string::npos);
  EXPECT_NE(t.find(R"(<input type="submit" value="Enviar Orden">)"), std::string::npos);
  EXPECT_TRUE(fs::exists(dir / "visa.gif"));
  EXPECT_TRUE(fs::exists(dir / "diners.gif"));

  p.tajetas = {0, 0, 0, 0};
  p.camposOcultos.clear();
  const std::string sin = Pago(p, dir.path());
  EXPECT_NE(sin.find("<select name=\"Tipo\"></select>"), std::string::npos);
  EXPECT_NE(sin.find("method=\"post\">\r\n<table"), std::string::npos);
  EXPECT_EQ(sin.find("<img"), std::string::npos);
}

}  // namespace
}  // namespace vendaluz
