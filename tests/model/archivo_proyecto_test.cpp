#include "model/archivo_proyecto.h"

#include <gtest/gtest.h>
#include <random>

#include "model/ajustes.h"
#include "platform/cp1252.h"
#include "platform/error.h"
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

// The project that tests/data/proyecto_tienda.ini describes.
Proyecto ProyectoTienda() {
  Proyecto p = ProyectoNuevo();
  p.inicio = {"Muebles Ñandú", "Sillas y mesas de pino", "D:\\Tiendas"};
  auto& f = p.formato;
  f.Fuente = "Verdana";
  f.TamanoFuente = "12pt";
  f.Titulo = {"Catálogo", "Su pedido", "Pago seguro"};
  f.IncluirTexto = {1, 0, 1};
  f.Texto = {"Bienvenidos a la tienda.\r\nEnvíos a todo el país.", "", "Pague con tarjeta"};
  f.CentrarTexto = {0, 1, 1};
  f.Color[0] = 15790320;
  f.Color[2] = 128;
  f.CSS = 1;
  p.css.CSS = {255, 16777215, 0, 65535};
  p.css.Fuente1 = p.css.Fuente2 = "Arial";
  p.css.TamanoFuente1 = p.css.TamanoFuente2 = "11pt";
  p.css.Decoracion1 = "underline";
  p.metaTags.valor = {"Ana Peña",
                      "Muebles de pino",
                      "Muebles artesanales",
                      "sillas, mesas, pino",
                      "Global",
                      "Document",
                      "7 days",
                      "all"};
  p.productos = {
      {"Silla \"Roma\"", "10.50", "Pino macizo, 45 cm", "C:\\fotos\\silla.roja.jpg"},
      {"Mesa grande", "120", "Tablero de 2 m\r\nPatas torneadas", "/home/ana/fotos/mesa.gif"},
      {"Banqueta", "", "", ""},
  };
  p.thumbnails = {1, 0, "120", "90", 0};
  p.popup = {"640", "480", "Botón", 0, 1, 0, 1, 0, 0};
  p.camposFormulario = {{"Nombre y apellido", "nombre", "40"}, {"Teléfono", "telefono", "20"}};
  p.formularioValidar = 0;
  ElegirServidor(p, &Proyecto::Servidor::SPG);
  p.servidor.RutaServidor = "https://pagos.example.com/formulario.htm";
  p.servidor.ServidorScript = "https://pagos.example.com/cgi-bin/cobro";
  p.servidor.Redireccionar = "http://www.example.com/gracias.htm";
  p.tajetas = {1, 0, 1, 0};
  ElegirSoporte(p, &Proyecto::Soporte::PHP);
  p.correoEmail = "pedidos@example.com";
  ElegirComponenteAsp(p, &Proyecto::Asp::ASPEmail);
  p.asp.SMTP = "smtp.example.com";
  AgregarCampoOculto(p, "<input type=\"hidden\" name=\"comercio\" value=\"1234\">");
  AgregarCampoOculto(p, "<input type=\"hidden\" name=\"moneda\" value=\"EUR\">");
  return p;
}

Proyecto Cargar(const std::string& bytes) {
  TempDir dir;
  Spit(dir / "p.ini", bytes);
  Proyecto p;
  CargarProyecto(dir / "p.ini", p, kCarpeta);
  return p;
}

TEST(ArchivoProyecto, GoldenFilesAreWrittenByteForByteAndReadBack) {
  TempDir dir;
  GuardarProyecto(ProyectoNuevo(), dir / "nuevo.ini");
  EXPECT_EQ(Slurp(dir / "nuevo.ini"), TestData("proyecto_nuevo.ini"));
  GuardarProyecto(ProyectoTienda(), dir / "tienda.ini");
  EXPECT_EQ(Slurp(dir / "tienda.ini"), TestData("proyecto_tienda.ini"));
  EXPECT_EQ(Cargar(TestData("proyecto_nuevo.ini")), ProyectoNuevo());
  EXPECT_EQ(Cargar(TestData("proyecto_tienda.ini")), ProyectoTienda());
  // Opening resets the working values, but keeps the products per page.
  Spit(dir / "p.ini", TestData("proyecto_nuevo.ini"));
  Proyecto p = ProyectoTienda();
  p.cheTasa = 1;
  p.txtCantProd = "25";
  CargarProyecto(dir / "p.ini", p, kCarpeta);
  EXPECT_EQ(p.cheTasa, 0);
  EXPECT_EQ(p.txtCantProd, "25");
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
      "[Formato]\r\nTamanoFuente=14pt\r\nColor5=azul\r\nColor0=-1\r\nCSS=1\r\n"
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
  EXPECT_EQ(p.formato.TamanoFuente, "10pt");  // "TamanoFuente" is another key
  EXPECT_EQ(p.formato.Color[5], 9258546u);    // not a number: default kept
  EXPECT_EQ(p.formato.Color[0], 0xFFFFFFu);   // the three low bytes of -1
  EXPECT_EQ(std::tie(p.formato.CSS, p.formato.IncluirTexto[0], p.formato.CentrarTexto[1]),
            std::make_tuple(1, 0, 0));
  EXPECT_TRUE(!p.servidor.NoSS && p.servidor.SSL);  // the last true member wins
  EXPECT_FALSE(p.soporte.CGI || p.soporte.ASP || p.soporte.PHP);
  EXPECT_TRUE(p.asp.ASPEmail && !p.asp.CDONTS);
  EXPECT_TRUE(p.camposOcultos.empty());  // "2a" is no whole number
  EXPECT_EQ(Cargar("[SSL]\r\nCantidad= 2 \r\nCampo0=a\r\nCampo1=b\r\nCampo2=c\r\n").camposOcultos,
            (std::vector<CampoOculto>{"a", "b"}));
  EXPECT_EQ(Cargar("[Productos]\r\nCantidad=1.6\r\n[Precio]\r\n1=\r\n2=3\r\n3=4\r\n")
                .productos.size(),
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
  for (const char* malo : {"Formato.CSS=sí", "Formato.Color0=#FFFFFF", "Servidor.SPG=quizás"}) {
    const std::string s = malo;
    EXPECT_FALSE(EstablecerAjuste(p, s.substr(0, s.find('=')), s.substr(s.find('=') + 1))) << s;
  }
}

TEST(ArchivoProyecto, ReadAndSaveFailuresChangeNothing) {
  TempDir dir;
  Proyecto p = ProyectoTienda();
  try {
    CargarProyecto(dir / "falta.ini", p, kCarpeta);
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.Mensaje(), "Error: 101: No se pudo leer «" + (dir / "falta.ini").string() +
                               "»: no existe el archivo o la carpeta");
  }
  EXPECT_EQ(p, ProyectoTienda());

  const auto ruta = dir / "p.ini";
  GuardarProyecto(ProyectoNuevo(), ruta);
  const std::string antes = Slurp(ruta);
  FailingDisk lleno("p.ini");
  EXPECT_THROW(GuardarProyecto(ProyectoTienda(), ruta, lleno), Error);
  EXPECT_EQ(Slurp(ruta), antes);
}

TEST(ArchivoProyecto, SavingKeepsWhatThisProgramDoesNotWrite) {
  TempDir dir;
  const auto ruta = dir / "p.ini";
  Proyecto p = ProyectoTienda();
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

// Random text of Windows-1252 letters, other characters, blanks, quotes and breaks.
std::string RandomText(std::mt19937& rng, std::size_t max_len) {
  static const std::vector<std::string> pieces = [] {
    std::vector<std::string> v;
    for (int b = 0x20; b < 0x100; ++b) {
      if (b != 0x7F) v.push_back(Cp1252ToUtf8(std::string(1, static_cast<char>(b))));
    }
    for (const char* s :
         {"\r\n", "\n", "\r", "\t", "\"", "\\", "\\\"", "=", "[", "Ω", "😀", "\\n"}) {
      v.emplace_back(s);
    }
    return v;
  }();
  std::uniform_int_distribution<std::size_t> len(0, max_len), pick(0, pieces.size() - 1);
  std::string s;
  for (std::size_t n = len(rng); n > 0; --n) s += pieces[pick(rng)];
  return s;
}

TEST(ArchivoProyecto, RandomProjectsComeBackEqual) {
  std::mt19937 rng(20261206);
  TempDir dir;
  for (int round = 0; round < 40; ++round) {
    Proyecto p = ProyectoNuevo();
    p.inicio.Nombre = RandomText(rng, 20);
    for (auto& t : p.formato.Texto) t = RandomText(rng, 2000);
    for (auto& v : p.metaTags.valor) v = RandomText(rng, 30);
    p.formato.Color[3] = static_cast<Color>(rng() & 0xFFFFFF);
    p.productos.resize(rng() % 30);
    for (auto& r : p.productos) {
      r = {RandomText(rng, 40), RandomText(rng, 8), RandomText(rng, 600), RandomText(rng, 60)};
    }
    p.camposFormulario.resize(rng() % 12);
    for (auto& c : p.camposFormulario) c = {RandomText(rng, 20), RandomText(rng, 10), "34"};
    for (int k = static_cast<int>(rng() % 5); k > 0; --k)
      AgregarCampoOculto(p, RandomText(rng, 80));
    const auto ruta = dir / "r.ini";
    std::filesystem::remove(ruta);
    GuardarProyecto(p, ruta);
    Proyecto back;
    CargarProyecto(ruta, back, kCarpeta);
    ASSERT_EQ(back, p) << "round " << round;
  }
}

}  // namespace
}  // namespace vendaluz
