#include "model/archivo_proyecto.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <random>

#include "platform/cp1252.h"
#include "platform/error.h"
#include "test_util.h"

namespace vendaluz {
namespace {

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

TEST(ArchivoProyecto, WritesTheGoldenFilesByteForByte) {
  TempDir dir;
  GuardarProyecto(ProyectoNuevo(), dir / "nuevo.ini");
  EXPECT_EQ(Slurp(dir / "nuevo.ini"), TestData("proyecto_nuevo.ini"));
  GuardarProyecto(ProyectoTienda(), dir / "tienda.ini");
  EXPECT_EQ(Slurp(dir / "tienda.ini"), TestData("proyecto_tienda.ini"));
}

TEST(ArchivoProyecto, ReadsTheGoldenFilesBack) {
  EXPECT_EQ(Cargar(TestData("proyecto_nuevo.ini")), ProyectoNuevo());
  EXPECT_EQ(Cargar(TestData("proyecto_tienda.ini")), ProyectoTienda());
}

TEST(ArchivoProyecto, OpeningResetsWorkingValuesButKeepsProductsPerPage) {
  TempDir dir;
  Spit(dir / "p.ini", TestData("proyecto_nuevo.ini"));
  Proyecto p = ProyectoTienda();
  p.cheTasa = 1;
  p.txtTasa = "21";
  p.txtCantProd = "25";
  p.categoriaArchivo = "ofertas";
  CargarProyecto(dir / "p.ini", p, kCarpeta);
  EXPECT_EQ(p.cheTasa, 0);
  EXPECT_EQ(p.txtTasa, "0.0");
  EXPECT_EQ(p.txtCantProd, "25");
  EXPECT_EQ(p.categoriaArchivo, "");
  EXPECT_EQ(p.inicio.Nombre, "Proyecto1");
}

TEST(ArchivoProyecto, DamagedFilesLoadWhatTheyCan) {
  // Each file is read over the defaults of a new project.
  const Proyecto d = Cargar("");
  EXPECT_EQ(d.inicio.Nombre, "");
  EXPECT_EQ(d.inicio.Carpeta, kCarpeta);
  EXPECT_TRUE(d.productos.empty());
  EXPECT_TRUE(d.camposFormulario.empty());
  EXPECT_TRUE(d.servidor.NoSS);

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
  ASSERT_EQ(p.camposFormulario.size(), 3u);
  EXPECT_EQ(p.camposFormulario[1], (CampoFormulario{"", "", ""}));
  EXPECT_EQ(p.camposFormulario[2].Campo, "Fax");
  EXPECT_EQ(p.formato.TamanoFuente, "10pt");  // "TamanoFuente" is another key
  EXPECT_EQ(p.formato.Color[5], 9258546u);    // not a number: default kept
  EXPECT_EQ(p.formato.Color[0], 0xFFFFFFu);   // the three low bytes of -1
  EXPECT_EQ(p.formato.CSS, 1);
  EXPECT_EQ(p.formato.IncluirTexto[0], 0);
  EXPECT_EQ(p.formato.CentrarTexto[1], 0);
  EXPECT_FALSE(p.servidor.NoSS);  // the last true member wins
  EXPECT_TRUE(p.servidor.SSL);
  EXPECT_FALSE(p.soporte.CGI || p.soporte.ASP || p.soporte.PHP);  // none selected
  EXPECT_TRUE(p.asp.ASPEmail);
  EXPECT_FALSE(p.asp.CDONTS);
  EXPECT_TRUE(p.camposOcultos.empty());  // "2a" is no whole number

  // A blank before the count and the index keys reads like none.
  const std::string blanks = "[Productos]\r\nCantidad= 2\r\n[Nombre]\r\n 1=a\r\n 2=b\r\n";
  const std::string plain = "[Productos]\r\nCantidad=2\r\n[Nombre]\r\n1=a\r\n2=b\r\n";
  EXPECT_EQ(Cargar(blanks), Cargar(plain));

  const Proyecto ninguno = Cargar("[Servidor]\r\nNoSS=False\r\nSPG=false\r\nSSL=FALSE\r\n");
  EXPECT_FALSE(ninguno.servidor.NoSS || ninguno.servidor.SPG || ninguno.servidor.SSL);

  EXPECT_EQ(Cargar("[SSL]\r\nCantidad= 2 \r\nCampo0=a\r\nCampo1=b\r\nCampo2=c\r\n").camposOcultos,
            (std::vector<CampoOculto>{"a", "b"}));
  EXPECT_EQ(Cargar("[Productos]\r\nCantidad=x\r\n[Nombre]\r\n1=a\r\n").productos.size(), 0u);
  EXPECT_EQ(Cargar("[Productos]\r\nCantidad=1.6\r\n").productos.size(), 2u);
  EXPECT_EQ(Cargar("[Productos]\r\nCantidad=-3\r\n").productos.size(), 0u);
}

TEST(ArchivoProyecto, AHugeDamagedCountDoesNotExhaustMemory) {
  const Proyecto p = Cargar(
      "[Productos]\r\nCantidad=999999999999\r\n[Nombre]\r\n1=a\r\n3=c\r\n"
      "[SSL]\r\nCantidad=4000000000\r\nCampo0=x\r\n");
  ASSERT_EQ(p.productos.size(), 3u);
  EXPECT_EQ(p.productos[2].Nombre, "c");
  EXPECT_EQ(p.camposOcultos, (std::vector<CampoOculto>{"x"}));
}

TEST(ArchivoProyecto, AFileThatCannotBeReadIsAnErrorAndChangesNothing) {
  TempDir dir;
  Proyecto p = ProyectoTienda();
  try {
    CargarProyecto(dir / "falta.ini", p, kCarpeta);
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_NE(e.descripcion().find((dir / "falta.ini").string()), std::string::npos);
  }
  EXPECT_EQ(p, ProyectoTienda());
  std::filesystem::create_directory(dir / "carpeta.ini");
  EXPECT_THROW(CargarProyecto(dir / "carpeta.ini", p, kCarpeta), Error);
  EXPECT_EQ(p, ProyectoTienda());
}

TEST(ArchivoProyecto, SavingKeepsWhatThisProgramDoesNotWrite) {
  TempDir dir;
  const auto ruta = dir / "p.ini";
  Proyecto p = ProyectoTienda();
  p.productos.resize(8, Producto{"Extra", "1", "d", ""});
  GuardarProyecto(p, ruta);
  std::string bytes = Slurp(ruta);
  bytes.insert(0, "; nota del usuario\r\n");
  bytes += "\r\n[Otro Programa]\r\nClave=valor \xF1\r\n";
  Spit(ruta, bytes);

  p.productos.resize(5);
  GuardarProyecto(p, ruta);
  const std::string after = Slurp(ruta);
  EXPECT_EQ(after.rfind("; nota del usuario\r\n", 0), 0u);
  EXPECT_NE(after.find("[Otro Programa]\r\nClave=valor \xF1\r\n"), std::string::npos);
  EXPECT_NE(after.find(" 8=Extra"), std::string::npos);  // stale entries stay
  Proyecto back;
  CargarProyecto(ruta, back, kCarpeta);
  EXPECT_EQ(back.productos.size(), 5u);
  EXPECT_EQ(back, p);
}

TEST(ArchivoProyecto, AFailedSaveLeavesTheOldFileByteForByte) {
  TempDir dir;
  const auto ruta = dir / "p.ini";
  GuardarProyecto(ProyectoNuevo(), ruta);
  const std::string before = Slurp(ruta);

  Proyecto grande = ProyectoTienda();
  grande.productos.assign(2000, Producto{"Silla", "10", std::string(200, 'd'), ""});
  struct rlimit old_limit {};
  ::getrlimit(RLIMIT_FSIZE, &old_limit);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old_limit;
  small.rlim_cur = before.size() + 100;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  bool failed = false;
  try {
    GuardarProyecto(grande, ruta);
  } catch (const Error& e) {
    failed = e.descripcion().find(ruta.string()) != std::string::npos;
  }
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_TRUE(failed);
  EXPECT_EQ(Slurp(ruta), before);

  EXPECT_THROW(GuardarProyecto(grande, dir / "no-existe" / "p.ini"), Error);
}

// Random text of Windows-1252 letters, other characters, blanks, quotes and breaks.
std::string RandomText(std::mt19937& rng, std::size_t max_len) {
  static const std::vector<std::string> pieces = [] {
    std::vector<std::string> v;
    for (int b = 0x20; b < 0x100; ++b) {
      if (b != 0x7F) v.push_back(Cp1252ToUtf8(std::string(1, static_cast<char>(b))));
    }
    for (const char* s : {"\r\n", "\n", "\r", "\t", "\"", "'", "\\", "\\\"", "=", "[", "]", "Ω",
                          "😀", "\\n", "\\u{41}", " "}) {
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
    p.inicio.Descripcion = RandomText(rng, 400);
    for (auto& t : p.formato.Texto) t = RandomText(rng, 2000);
    for (auto& v : p.metaTags.valor) v = RandomText(rng, 30);
    p.formato.Color[3] = static_cast<Color>(rng() & 0xFFFFFF);
    p.formato.IncluirTexto[1] = static_cast<int>(rng() & 1);
    p.productos.resize(rng() % 30);
    for (auto& r : p.productos) {
      r = {RandomText(rng, 40), RandomText(rng, 8), RandomText(rng, 600), RandomText(rng, 60)};
    }
    p.camposFormulario.resize(rng() % 12);
    for (auto& c : p.camposFormulario) c = {RandomText(rng, 20), RandomText(rng, 10), "34"};
    for (int k = static_cast<int>(rng() % 5); k > 0; --k)
      AgregarCampoOculto(p, RandomText(rng, 80));
    const auto ruta = dir / ("r" + std::to_string(round) + ".ini");
    GuardarProyecto(p, ruta);
    Proyecto back;
    CargarProyecto(ruta, back, kCarpeta);
    ASSERT_EQ(back, p) << "round " << round;
  }
}

}  // namespace
}  // namespace vendaluz
