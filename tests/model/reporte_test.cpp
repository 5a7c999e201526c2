#include "model/reporte.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/moneda.h"
#include "model/reglas.h"

namespace vendaluz {

namespace {

using Filas = std::vector<FilaReporte>;

TEST(Reglas, FolderNamesDecimalNumbersAndMoney) {
  const std::pair<const char*, const char*> nombres[] = {
      {"Tienda", ""},
      {"Café y té", ""},
      {"...mas", ""},
      {"", "está vacío"},
      {".", "es un nombre reservado de carpeta"},
      {"..", "es un nombre reservado de carpeta"},
      {"a/b", "no puede contener barras («/» ni «\\»)"},
      {"..\\t", "no puede contener barras («/» ni «\\»)"},
      {"uno\tdos", "contiene caracteres de control"},
      {"x\x7f", "contiene caracteres de control"}};
  for (const auto& [nombre, motivo] : nombres) EXPECT_EQ(MotivoNombreCarpeta(nombre), motivo);
  for (const char* bueno : {"10", "10.50", ".5", "10."}) EXPECT_TRUE(EsNumeroDecimal(bueno));
  for (const char* malo : {"", "$10", "10,50", "1.2.3", ".", " 10", "-3", "1e3"}) {
    EXPECT_FALSE(EsNumeroDecimal(malo)) << malo;
  }
  const std::pair<const char*, const char*> centavos[] = {
      {"12.5", "12.50"}, {"7", "7.00"}, {".5", "0.50"}, {"0012.999", "12.99"}, {"10.", "10.00"},
      {"000", "0.00"}};
  for (const auto& [texto, importe] : centavos) EXPECT_EQ(ImporteConCentavos(texto), importe);
  EXPECT_EQ(ImporteConCentavos("12,50"), std::nullopt);
  // Decimal comma and thousands: the four number formats, symbol before and after.
  const char* formatos[][4] = {{"0.00", "0.50", "1234.56", "1000000.00"},
                               {"0.00", "0.50", "1,234.56", "1,000,000.00"},
                               {"0,00", "0,50", "1234,56", "1000000,00"},
                               {"0,00", "0,50", "1.234,56", "1.000.000,00"}};
  const char* importes[] = {"0.00", "0.50", "1234.56", "1000000.00"};
  for (int f = 0; f < 4; ++f) {
    const Proyecto::Moneda m{"€", "EUR", f % 2, f / 2, f % 2};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(TextoImporte(m, importes[i], false), formatos[f][i]) << f;
    }
  }
  EXPECT_EQ(TextoImporte({"€", "EUR", 1, 1, 1}, "1234.56", true), "1.234,56 €");
  EXPECT_EQ(TextoImporte({}, "29.40", true), "$ 29.40");
  EXPECT_EQ(TextoImporte({"", "EUR", 1, 0, 0, 0}, "29.40", true), "29.40");
  EXPECT_TRUE(EsCodigoMoneda("EUR") && !EsCodigoMoneda("eur") && !EsCodigoMoneda("EURO"));
  EXPECT_TRUE(EsDireccionCorreo("ventas@tienda.com") && EsDireccionCorreo("a.b@c.d.ar"));
  for (const char* malo :
       {"", "ventas", "@tienda.com", "ventas@", "ventas@tienda", "ventas@.com", "ventas@tienda.",
        "v@tienda..com", "a@b@c.com", "ven tas@tienda.com", "v@tienda.com\t"}) {
    EXPECT_FALSE(EsDireccionCorreo(malo)) << malo;
  }
}

// Each case changes a complete project and lists the rows after "Formulario:".
TEST(Reporte, RowsFollowTheSettingsAndOnlyACompleteReportOpensGeneration) {
  struct Caso {
    const char* nombre;
    std::function<void(Proyecto&)> cambio;
    Filas filas;  // from the fourth row on
  };
  const Caso casos[] = {
      {"completo", [](Proyecto&) {}, {{"Servidor Seguro:", "No utilizar"}}},
      {"sin correo, redirección ni script",
       [](Proyecto& p) { p.correoEmail = p.cgi.Ruta = "", p.servidor.Redireccionar = "http://"; },
       {{"Servidor Seguro:", "No utilizar"},
        {"Redireccionar:",
         "Incompleto: falta la dirección a la que va el comprador tras el pedido"},
        {"Ruta al CGI:", "Incompleto: falta la dirección del script"},
        {"E-mail:", "Incompleto: falta la dirección de correo"}}},
      {"CGI con las direcciones de ejemplo y un correo sin dominio",
       [](Proyecto& p) { p.cgi = {}, p.correoEmail = "ventas@tienda"; },
       {{"Servidor Seguro:", "No utilizar"},
        {"Ruta al CGI:",
         "Incompleto: la dirección del script es la de ejemplo "
         "(http://www.example.com/cgi-bin/enviar.pl)"},
        {"DNS o Dirección IP:",
         "Incompleto: el dominio de la tienda es el de ejemplo (www.example.com)"},
        {"E-mail:",
         "Incompleto: «ventas@tienda» no parece una dirección de correo (como "
         "ventas@mitienda.com)"}}},
      {"PHP no usa las direcciones del CGI",
       [](Proyecto& p) { p.cgi = {}, ElegirSoporte(p, &Proyecto::Soporte::PHP); },
       {{"Servidor Seguro:", "No utilizar"}}},
      {"SPG completo",
       [](Proyecto& p) {
         ElegirServidor(p, &Proyecto::Servidor::SPG);
         p.servidor.RutaServidor = p.servidor.ServidorScript = "https://pago.example";
       },
       {{"Servidor Seguro:", "SPG"}}},
      {"SSL vacío",
       [](Proyecto& p) {
         ElegirServidor(p, &Proyecto::Servidor::SSL);
         p.servidor.RutaServidor = p.servidor.Redireccionar = "";
       },
       {{"Servidor Seguro:", "SSL"},
        {"URL Servidor:", "Incompleto: falta la dirección del servidor seguro"},
        {"Redireccionar:",
         "Incompleto: falta la dirección a la que va el comprador tras el pedido"}}},
      // The comparison with the presets is exact: an upper-case scheme was typed.
      {"SSL en mayúsculas",
       [](Proyecto& p) {
         ElegirServidor(p, &Proyecto::Servidor::SSL);
         p.servidor.RutaServidor = "HTTPS://";
       },
       {{"Servidor Seguro:", "SSL"}}},
      {"ninguna opción", [](Proyecto& p) { p.servidor.NoSS = false; }, {}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    Proyecto p;
    p.inicio.Nombre = "Tienda";
    p.productos = {{"Silla", "10.50", "", ""}};
    p.camposFormulario.resize(2);
    p.servidor.Redireccionar = "http://www.example.com/gracias.htm";
    p.correoEmail = "ventas@example.com";
    p.cgi.Ruta = "http://tienda.example.com/cgi-bin/enviar.pl", p.cgi.Host = "tienda.example.com";
    c.cambio(p);
    Filas esperadas = {{"Nombre del Proyecto:", "Tienda"},
                       {"Carrito de Compra:", "1 producto"},
                       {"Formulario:", "2 campos"}};
    esperadas.insert(esperadas.end(), c.filas.begin(), c.filas.end());
    const Filas filas = ConstruirReporte(p);
    EXPECT_EQ(filas, esperadas);
    EXPECT_EQ(ReporteCompleto(filas), c.filas.size() <= 1);
  }
}

TEST(Reporte, MissingNameProductsFieldsAndUnreadablePricesAreIncomplete) {
  Proyecto p;
  p.inicio.Nombre = "..";
  p.camposFormulario.resize(1);
  p.correoEmail = "a@example.com";
  p.servidor.Redireccionar = "http://example.com";
  ElegirSoporte(p, &Proyecto::Soporte::ASP);
  EXPECT_EQ(
      ConstruirReporte(p),
      (Filas{{"Nombre del Proyecto:", "Incompleto: el nombre es un nombre reservado de carpeta"},
             {"Carrito de Compra:", "Incompleto: agregue al menos un producto"},
             {"Formulario:", "1 campo"},
             {"Servidor Seguro:", "No utilizar"}}));
  p.inicio.Nombre = "Tienda";
  p.camposFormulario.clear();
  p.productos = {{"Silla", "$10", "", ""}, {"Mesa", "80", "", ""}, {"Banco", "10,50", "", ""}};
  const Filas filas = ConstruirReporte(p);
  EXPECT_EQ(filas[1], (FilaReporte{"Carrito de Compra:", "3 productos"}));
  EXPECT_EQ(filas[2], (FilaReporte{"Precios:",
                                   "Incompleto: 2 productos tienen precios que no son "
                                   "números como 10.50 (el primero, «Silla»)"}));
  EXPECT_EQ(filas[3], (FilaReporte{"Formulario:", "Incompleto: agregue al menos un campo"}));
  EXPECT_FALSE(ReporteCompleto(filas));
  p.productos = {{"Silla", "10", "", ""}};
  p.camposFormulario.resize(1);
  p.envio = {" 4.50 ", "60,00"};
  p.moneda.Codigo = "euro";
  EXPECT_EQ(ConstruirReporte(p)[2],
            (FilaReporte{"Envío:", "Incompleto: el importe de envío gratis «60,00» no es un "
                                   "número como 4.50"}));
  EXPECT_EQ(ConstruirReporte(p)[3],
            (FilaReporte{"Moneda:", "Incompleto: «euro» no es un código de moneda de tres "
                                    "letras como EUR o USD"}));
}

}  // namespace
}  // namespace vendaluz
