#include "model/archivo_proyecto.h"

#include <gtest/gtest.h>

#include "model/ajustes.h"
#include "test_util.h"

namespace vendaluz {
namespace {

using test::FailingDisk;
using test::Slurp;
using test::Spit;
using test::TempDir;
using test::TestData;

constexpr const char* kCarpeta = "/opt/vendaluz/Proyectos";

Proyecto ProyectoNuevo() {
  Proyecto p;
  ContadorProyectos contador;
  NuevoProyecto(p, contador, kCarpeta);
  return p;
}

Proyecto Cargar(const std::string& bytes) {
  TempDir dir;
  Spit(dir / "p.ini", bytes);
  Proyecto p;
  CargarProyecto(dir / "p.ini", p, kCarpeta);
  return p;
}

// A new project is written as the reviewed file; the reviewed store project is read and
// written back byte for byte. Which field each key fills shows in the golden stores.
TEST(ArchivoProyecto, GoldenFilesAreWrittenByteForByteAndReadBack) {
  TempDir dir;
  GuardarProyecto(ProyectoNuevo(), dir / "nuevo.ini");
  EXPECT_EQ(Slurp(dir / "nuevo.ini"), TestData("proyecto_nuevo.ini"));
  EXPECT_EQ(Cargar(TestData("proyecto_nuevo.ini")), ProyectoNuevo());
  const Proyecto p = Cargar(TestData("proyecto_tienda.ini"));
  GuardarProyecto(p, dir / "tienda.ini");
  EXPECT_EQ(Slurp(dir / "tienda.ini"), TestData("proyecto_tienda.ini"));
  EXPECT_EQ(std::to_string(p.cheTasa) + " " + p.txtTasa + " " + p.txtCantProd, "1 10.5 5");
  // A file of an older version, without the Generar section, turns the tax off and
  // keeps the products per page.
  Spit(dir / "p.ini", "[Inicio]\r\nNombre=Viejo\r\n");
  Proyecto abierto = p;
  abierto.txtCantProd = "25";
  CargarProyecto(dir / "p.ini", abierto, kCarpeta);
  EXPECT_EQ(std::to_string(abierto.cheTasa) + " " + abierto.txtTasa + " " + abierto.txtCantProd,
            "0 0.0 25");
}

TEST(ArchivoProyecto, DamagedFilesLoadWhatTheyCan) {
  const Proyecto d = Cargar("");
  EXPECT_EQ(d.inicio.Carpeta, kCarpeta);
  EXPECT_TRUE(d.camposFormulario.empty());
  Proyecto p = Cargar(
      "[productos]\r\ncantidad= 2\r\n"
      "[NOMBRE]\r\n 1 = Silla \r\n 2=Mesa\r\n"
      "[Precio]\r\n1=10\r\n"  // product 2 has no price
      "[Descripcion]\r\n2=\"Grande\"\r\n"
      "[formulario]\r\nCantidad=3a\r\n"
      "[FCampo]\r\n1=Nombre\r\n3=Fax\r\n"
      "[Formato]\r\nColor5=azul\r\nColor0=-1\r\nCSS=1\r\n"
      "IncluirTexto0=si\r\nCentrarTexto1=0\r\n"
      "[Servidor]\r\nNoSS=True\r\nSSL=TRUE\r\n"
      "[Soporte]\r\nCGI=False\r\nASP=0\r\nPHP=False\r\n"
      "[ASP]\r\nCDONTS=Falso\r\nASPEmail=Verdadero\r\n"
      "[SSL]\r\nCantidad=2a\r\nCampo0=x\r\n");
  ASSERT_EQ(p.productos.size(), 2u);
  EXPECT_EQ(p.productos[0], (Producto{"Silla", "10", "", ""}));
  EXPECT_EQ(p.productos[1], (Producto{"Mesa", "", "Grande", ""}));  // never the entry above
  ASSERT_EQ(p.camposFormulario.size(), 2u);  // index 2 holds nothing: no record
  EXPECT_EQ(p.camposFormulario[1].Campo, "Fax");
  EXPECT_EQ(p.formato.Color[5], 9258546u);   // not a number: default kept
  EXPECT_EQ(p.formato.Color[0], 0xFFFFFFu);  // the three low bytes of -1
  EXPECT_EQ(std::tie(p.formato.CSS, p.formato.IncluirTexto[0], p.formato.CentrarTexto[1]),
            std::make_tuple(1, 0, 0));
  EXPECT_TRUE(!p.servidor.NoSS && p.servidor.SSL);  // the last true member wins
  EXPECT_FALSE(p.soporte.CGI || p.soporte.ASP || p.soporte.PHP);
  EXPECT_TRUE(p.asp.ASPEmail && !p.asp.CDONTS);
  EXPECT_TRUE(p.camposOcultos.empty());  // "2a" is no whole number
  EXPECT_EQ(Cargar("[SSL]\r\nCantidad= 2 \r\nCampo0=a\r\nCampo1=b\r\nCampo2=c\r\n").camposOcultos,
            (std::vector<CampoOculto>{"a", "b"}));
  EXPECT_EQ(
      Cargar("[Productos]\r\nCantidad=1.6\r\n[Precio]\r\n1=\r\n2=3\r\n3=4\r\n").productos.size(),
      2u);
  EXPECT_EQ(Cargar("[Productos]\r\nCantidad=-3\r\n[Nombre]\r\n1=a\r\n").productos.size(), 0u);
  // A huge count in a damaged file gives only the entries present, however far apart:
  // the list, and the time to read it, follow the file's size.
  std::string espaciado = "[Productos]\r\nCantidad=999999999999\r\n[Nombre]\r\n";
  for (int i = 1; i <= 100; ++i) espaciado += std::to_string(i * 100000) + "=p\r\n";
  espaciado += "[Precio]\r\n+7=x\r\n07=x\r\n";  // not as the program writes an index
  const Proyecto enorme = Cargar(espaciado);
  ASSERT_EQ(enorme.productos.size(), 100u);
  EXPECT_EQ(enorme.productos[99], (Producto{"p", "", "", ""}));
}

TEST(ArchivoProyecto, SettingsByNameConvertOrRefuse) {
  Proyecto p;
  EXPECT_TRUE(EstablecerAjuste(p, "meta tags.autor", "Ana"));
  EXPECT_EQ(p.metaTags.valor[0], "Ana");
  EXPECT_TRUE(EstablecerAjuste(p, "Popup.Barra2", "2"));
  EXPECT_EQ(p.popup.Barra2, 1);
  EXPECT_EQ(ObtenerAjuste(p, "Servidor.NoSS"), "True");
  EXPECT_FALSE(ObtenerAjuste(p, "Tarjetas.Visa"));  // the file spells it "Tajetas"
  for (const auto& [clave, malo] : {std::pair{"Formato.CSS", "sí"},
                                    {"Formato.Color0", "#FFFFFF"},
                                    {"Servidor.SPG", "quizás"}}) {
    EXPECT_FALSE(EstablecerAjuste(p, clave, malo)) << clave;
  }
}

TEST(ArchivoProyecto, ReadAndSaveFailuresChangeNothing) {
  TempDir dir;
  const Proyecto tienda = Cargar(TestData("proyecto_tienda.ini"));
  Proyecto p = tienda;
  EXPECT_THROW(CargarProyecto(dir / "falta.ini", p, kCarpeta), Error);  // its message: the CLI test
  EXPECT_EQ(p, tienda);

  const auto ruta = dir / "p.ini";
  GuardarProyecto(ProyectoNuevo(), ruta);
  FailingDisk lleno("p.ini");
  EXPECT_THROW(GuardarProyecto(tienda, ruta, lleno), Error);
  EXPECT_EQ(Slurp(ruta), TestData("proyecto_nuevo.ini"));
}

TEST(ArchivoProyecto, SavingKeepsWhatThisProgramDoesNotWrite) {
  TempDir dir;
  const auto ruta = dir / "p.ini";
  Proyecto p = Cargar(TestData("proyecto_tienda.ini"));
  p.productos.resize(8, Producto{"Extra", "1", "d", ""});
  GuardarProyecto(p, ruta);
  Spit(ruta,
       "; nota del usuario\r\n" + Slurp(ruta) + "\r\n[Otro Programa]\r\nClave=valor \xF1\r\n");
  p.productos.resize(5);
  GuardarProyecto(p, ruta);
  const std::string despues = Slurp(ruta);
  EXPECT_EQ(despues.rfind("; nota del usuario\r\n", 0), 0u);
  EXPECT_NE(despues.find("[Otro Programa]\r\nClave=valor \xF1\r\n"), std::string::npos);
  EXPECT_EQ(Cargar(despues), p);
}

}  // namespace
}  // namespace vendaluz
