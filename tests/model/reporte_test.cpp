#include "model/reporte.h"

#include <gtest/gtest.h>

#include "generator/ejecucion.h"
#include "platform/error.h"

namespace vendaluz {
namespace {

using Filas = std::vector<FilaReporte>;

Proyecto Nuevo() {
  Proyecto p;
  ContadorProyectos contador;
  NuevoProyecto(p, contador, "/tmp/Proyectos");
  return p;
}

TEST(Reporte, NewProjectWithUntouchedPresetsIsIncomplete) {
  const Filas filas = ConstruirReporte(Nuevo());
  EXPECT_EQ(filas, (Filas{{"Nombre del Proyecto:", "Proyecto1"},
                          {"Carrito de Compra:", "Incompleto"},
                          {"Formulario:", "10 campos"},
                          {"Servidor Seguro:", "No utilizar"},
                          {"Redireccionar:", "Incompleto"},
                          {"E-mail:", "Incompleto"}}));
  EXPECT_FALSE(ReporteCompleto(filas));
}

TEST(Reporte, OneProductTwoFieldsAndAddressesIsComplete) {
  Proyecto p = Nuevo();
  p.productos = {{"Silla", "10.50", "", ""}};
  p.camposFormulario.resize(2);
  p.servidor.Redireccionar = "http://www.example.com/gracias.htm";
  p.correoEmail = "ventas@example.com";
  const Filas filas = ConstruirReporte(p);
  EXPECT_EQ(filas, (Filas{{"Nombre del Proyecto:", "Proyecto1"},
                          {"Carrito de Compra:", "1 producto"},
                          {"Formulario:", "2 campos"},
                          {"Servidor Seguro:", "No utilizar"}}));
  EXPECT_TRUE(ReporteCompleto(filas));

  p.productos.resize(12, {"Silla", "10.50", "", ""});
  p.camposFormulario.resize(1);
  const Filas otras = ConstruirReporte(p);
  EXPECT_EQ(otras[1].estado, "12 productos");
  EXPECT_EQ(otras[2].estado, "1 campo");
  p.camposFormulario.clear();
  EXPECT_EQ(ConstruirReporte(p)[2].estado, "Incompleto");
}

// A price the basket scripts cannot add up keeps the store from being generated; the
// row names how many products need a plain number.
TEST(Reporte, PricesThatAreNotPlainNumbersAreIncomplete) {
  struct Caso {
    const char* precio;
    bool bueno;
  } casos[] = {{"10", true},   {"10.50", true}, {"0.5", true},    {".5", true},     {"10.", true},
               {"", false},    {"$10", false},  {"10,50", false}, {"1.2.3", false}, {".", false},
               {" 10", false}, {"-3", false},   {"1e3", false}};
  for (const Caso& c : casos) EXPECT_EQ(EsPrecio(c.precio), c.bueno) << c.precio;

  Proyecto p = Nuevo();
  p.servidor.Redireccionar = "http://www.example.com/gracias.htm";
  p.correoEmail = "ventas@example.com";
  p.productos = {{"Silla", "$10", "", ""}, {"Mesa", "80.00", "", ""}};
  Filas filas = ConstruirReporte(p);
  ASSERT_EQ(filas.size(), 5u);
  EXPECT_EQ(filas[2], (FilaReporte{"Precios:", "Incompleto (1 producto)"}));
  EXPECT_FALSE(ReporteCompleto(filas));
  p.productos.push_back({"Banco", "10,50", "", ""});
  EXPECT_EQ(ConstruirReporte(p)[2].estado, "Incompleto (2 productos)");
  p.productos[0].Precio = "10";
  p.productos[2].Precio = "10.50";
  filas = ConstruirReporte(p);
  EXPECT_EQ(filas.size(), 4u);
  EXPECT_TRUE(ReporteCompleto(filas));
}

// The rows that follow "Servidor Seguro:" for each option, with the address boxes
// left at their presets or filled in.
TEST(Reporte, SecureServerRowsFollowTheOption) {
  struct Caso {
    const char* nombre;
    bool Proyecto::Servidor::*opcion;
    std::string ruta, script, redireccionar;
    Filas esperadas;
  };
  const Caso casos[] = {
      {"SPG presets",
       &Proyecto::Servidor::SPG,
       "https://",
       "https://",
       "http://",
       {{"Servidor Seguro:", "SPG"},
        {"URL Servidor:", "Incompleto"},
        {"Script Servidor:", "Incompleto"}}},
      {"SPG without script",
       &Proyecto::Servidor::SPG,
       "https://pago.example.com",
       "https://",
       "",
       {{"Servidor Seguro:", "SPG"}, {"Script Servidor:", "Incompleto"}}},
      {"SPG complete",
       &Proyecto::Servidor::SPG,
       "https://pago.example.com",
       "https://pago.example.com/cobrar",
       "",
       {{"Servidor Seguro:", "SPG"}}},
      {"SSL presets",
       &Proyecto::Servidor::SSL,
       "https://",
       "",
       "http://",
       {{"Servidor Seguro:", "SSL"},
        {"URL Servidor:", "Incompleto"},
        {"Redireccionar:", "Incompleto"}}},
      {"SSL empty texts",
       &Proyecto::Servidor::SSL,
       "",
       "",
       "",
       {{"Servidor Seguro:", "SSL"},
        {"URL Servidor:", "Incompleto"},
        {"Redireccionar:", "Incompleto"}}},
      // The comparison with the presets is exact: an upper-case scheme was typed.
      {"SSL upper case",
       &Proyecto::Servidor::SSL,
       "HTTPS://",
       "",
       "HTTP://",
       {{"Servidor Seguro:", "SSL"}}},
      {"NoSS upper case",
       &Proyecto::Servidor::NoSS,
       "",
       "",
       "HTTP://",
       {{"Servidor Seguro:", "No utilizar"}}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    Proyecto p = Nuevo();
    p.productos.resize(1, {"Silla", "10.50", "", ""});
    p.correoEmail = "a@example.com";
    ElegirServidor(p, c.opcion);
    p.servidor.RutaServidor = c.ruta;
    p.servidor.ServidorScript = c.script;
    p.servidor.Redireccionar = c.redireccionar;
    const Filas filas = ConstruirReporte(p);
    ASSERT_GE(filas.size(), 3u);
    EXPECT_EQ(Filas(filas.begin() + 3, filas.end()), c.esperadas);
    EXPECT_EQ(ReporteCompleto(filas), c.esperadas.size() == 1);
  }

  // No option at all (a damaged file): no server row, and nothing missing for it.
  Proyecto p = Nuevo();
  p.productos.resize(1, {"Silla", "10.50", "", ""});
  p.correoEmail = "a@example.com";
  p.servidor.NoSS = false;
  EXPECT_EQ(ConstruirReporte(p).size(), 3u);
}

// A name that cannot be the store's folder makes the report incomplete, so such a
// project is never generated into a wrong place.
TEST(Reporte, NameThatCannotNameAFolderIsIncomplete) {
  Proyecto p = Nuevo();
  p.productos.resize(1, {"Silla", "10.50", "", ""});
  p.correoEmail = "a@example.com";
  p.servidor.Redireccionar = "http://example.com";
  for (const char* malo : {"", ".", "..", "a/b", "..\\tienda", "uno\tdos", "x\x7f"}) {
    SCOPED_TRACE(malo);
    p.inicio.Nombre = malo;
    const Filas filas = ConstruirReporte(p);
    EXPECT_EQ(filas[0], (FilaReporte{"Nombre del Proyecto:", "Incompleto"}));
    EXPECT_FALSE(ReporteCompleto(filas));
  }
  for (const char* bueno : {"Tienda", "Café y té", "tienda.v2", "...mas", "A b"}) {
    SCOPED_TRACE(bueno);
    p.inicio.Nombre = bueno;
    EXPECT_EQ(ConstruirReporte(p)[0].estado, bueno);
    EXPECT_TRUE(ReporteCompleto(ConstruirReporte(p)));
  }
}

// The report lets through exactly the names the generator accepts for the store's
// folder, so a complete report never leads to a run that stops on the name.
TEST(Reporte, FolderNameRuleAgreesWithTheGenerator) {
  for (const char* nombre : {"", ".", "..", "a/b", "a\\b", "tab\there", "x\x7f", "Tienda",
                             "Café y té", "tienda.v2", "...", " espacio ", "ñandú"}) {
    SCOPED_TRACE(nombre);
    bool generador = true;
    try {
      ComprobarNombreCarpeta(nombre);
    } catch (const Error&) {
      generador = false;
    }
    EXPECT_EQ(EsNombreDeCarpeta(nombre), generador);
  }
}

}  // namespace
}  // namespace vendaluz
