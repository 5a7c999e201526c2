#include "model/archivo_proyecto.h"

#include <gtest/gtest.h>

#include <random>

#include "model/ajustes.h"
#include "model/productos_csv.h"
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

// Product lists as spreadsheets write them: Calc and Excel with Spanish settings, an
// English file, tabs, byte-order marks, Windows-1252 and UTF-16, quoted separators,
// quotes and line breaks, any column order, prices with currency and thousands.
TEST(ProductosCsv, SpreadsheetFilesAreReadAsTheyAreWritten) {
  const std::u16string unicode = u"\uFEFFNombre\tPrecio\r\n\u00D1u \U0001F98C\t3,5\r\n";
  const struct {
    const char* caso;
    std::string bytes;
    std::vector<Producto> productos;
  } casos[] = {
      {"Calc",
       "Nombre;Precio;Descripción;Imagen\n\"Silla; roja\";12,50;\"Pino \"\"macizo\"\"\r\n"
       "barnizado\";fotos/silla.jpg\n;;;\nTé;₹ 12,5;;\n",
       {{"Silla; roja", "12.50", "Pino \"macizo\"\r\nbarnizado", "/datos/fotos/silla.jpg"},
        {"Té", "12.50", "", ""}}},
      {"Excel",
       "Producto;Precio;Descripci\xF3n\r\nSof\xE1 cama ;1.234,50 \x80;Ni\xF1os\r\nMesa;12;\r\n",
       {{"Sofá cama ", "1234.50", "Niños", ""}, {"Mesa", "12.00", "", ""}}},
      {"inglés",
       " NOMBRE ,Color,precio,FOTO\r\n\"Lamp, blue\",azul,\"$1,234.5\",/img/l.png\r\nX,,\xC2\xA0"
       "0012\xC2\xA0\xE2\x82\xAC,\r\nY,,\",5\"",
       {{"Lamp, blue", "1234.50", "", "/img/l.png"},
        {"X", "12.00", "", ""},
        {"Y", "0.50", "", ""}}},
      {"tabuladores",
       "\xEF\xBB\xBFPrecio\tdescripcion\tNombre\n1.234.567\tA;b,c\tCojín\n\n",
       {{"Cojín", "1234567.00", "A;b,c", ""}}},
      {"UTF-16",
       std::string(reinterpret_cast<const char*>(unicode.data()), unicode.size() * 2),
       {{"Ñu 🦌", "3.50", "", ""}}},
  };
  for (const auto& c : casos) {
    const LecturaCsv l = LeerProductosCsv(c.bytes, "/datos/lista.csv");
    EXPECT_EQ(l.errores, std::vector<std::string>{}) << c.caso;
    EXPECT_EQ(l.productos, c.productos) << c.caso;
  }
}

// A file with any error imports nothing; every error is listed (up to twenty) with its
// line, and its column as the file names it.
TEST(ProductosCsv, BadFilesImportNothingAndSayWhy) {
  const std::pair<std::string, std::string> casos[] = {
      {"Producto;PRECIO;Descripción\nSilla;1;\"dos\nlíneas\"\n\nMesa;doce;\n;5\nBanco;\n"
       "Taburete;1.234\nCama;-3\nSofá;1.2.3\n",
       "Línea 5, columna PRECIO: «doce» no es un precio.\n"
       "Línea 6, columna Producto: falta el nombre del producto.\n"
       "Línea 7, columna PRECIO: falta el precio.\n"
       "Línea 8, columna PRECIO: «1.234» tiene más de dos decimales.\n"
       "Línea 9, columna PRECIO: «-3» no es un precio.\n"
       "Línea 10, columna PRECIO: «1.2.3» no es un precio.\n"},
      {"Nombre;Precio\nSilla;\"12\n", "Línea 2: unas comillas se abren y no se cierran.\n"},
      {"Nombre;Precio\nSilla;doce\nMesa;\"12\nBanco;\"30\";\n",
       "Línea 2, columna Precio: «doce» no es un precio.\n"
       "Línea 3: unas comillas abiertas no se cierran bien hasta la línea 4.\n"},
      {"Nombre;Precio\n\"Silla\" roja;3\n",
       "Línea 2: hay texto después de las comillas que cierran un campo.\n"},
      {"Nombre;Precio\nTabla 5\";3\n",
       "Línea 2: hay comillas dentro de un campo que no empieza con comillas.\n"},
      {"\r\nArticulo,Coste\r\nSilla,3\r\n",
       "Línea 2: falta la columna Nombre (o Producto).\nLínea 2: falta la columna Precio.\n"},
      {"", "El archivo está vacío.\n"},
      {std::string("PK\x03\x04\0\0", 6),
       "El archivo es un libro de hoja de cálculo, no un archivo CSV: ábralo en la hoja de "
       "cálculo y guárdelo como CSV (texto separado por punto y coma).\n"},
      {"Nombre;Precio\r\n;;\r\n",
       "El archivo no tiene ningún producto, solo la línea de títulos.\n"},
  };
  for (const auto& [bytes, esperado] : casos) {
    const LecturaCsv l = LeerProductosCsv(bytes, "/datos/lista.csv");
    std::string errores;
    for (const std::string& e : l.errores) errores += e + "\n";
    EXPECT_EQ(errores, esperado) << bytes;
    EXPECT_TRUE(l.productos.empty()) << bytes;
  }
  std::string muchos = "Nombre;Precio\n";
  for (int i = 0; i < 25; ++i) muchos += "Silla;doce\n";
  const LecturaCsv l = LeerProductosCsv(muchos, "/datos/lista.csv");
  ASSERT_EQ(l.errores.size(), 21u);
  EXPECT_EQ(l.errores[19] + l.errores[20],
            "Línea 21, columna Precio: «doce» no es un precio.Y 5 errores más.");
}

// What is written opens in a Spanish spreadsheet as it is, and reads back as the same
// products, whatever their text.
TEST(ProductosCsv, WrittenListsReadBackTheSame) {
  EXPECT_EQ(
      EscribirProductosCsv({{"Silla \"A\"", "12.5", "a;b", ""}, {"Mesa", "doce", "", "/m.jpg"}}),
      "\xEF\xBB\xBFNombre;Precio;Descripción;Imagen\r\n\"Silla \"\"A\"\"\";12,5;\"a;b\";\r\n"
      "Mesa;doce;;/m.jpg\r\n");
  const char* const piezas[] = {"a",  "Ñ",  " ", ";",    ",", "\t", "\"", "\r\n",
                                "\n", "\r", "€", "🦌", "'", "=",  "1.5"};
  std::mt19937 azar(17);
  auto texto = [&](int largo) {
    std::string t;
    for (int n = std::uniform_int_distribution(0, largo)(azar); n > 0; --n) {
      t += piezas[std::uniform_int_distribution<std::size_t>(0, std::size(piezas) - 1)(azar)];
    }
    return t;
  };
  for (int ronda = 0; ronda < 50; ++ronda) {
    std::vector<Producto> lista(std::uniform_int_distribution(1, 20)(azar));
    for (Producto& p : lista) {
      p.Nombre = texto(8) + "x" + texto(8);
      p.Precio = std::to_string(std::uniform_int_distribution(0, 999999)(azar)) + "." +
                 std::to_string(std::uniform_int_distribution(10, 99)(azar));
      p.Descripcion = texto(30);
      p.Imagen = ronda % 2 ? "" : "/fotos/" + texto(6);
    }
    const LecturaCsv l = LeerProductosCsv(EscribirProductosCsv(lista), "/datos/lista.csv");
    ASSERT_EQ(l.errores, std::vector<std::string>{}) << ronda;
    ASSERT_EQ(l.productos, lista) << ronda;
  }
}

}  // namespace
}  // namespace vendaluz
