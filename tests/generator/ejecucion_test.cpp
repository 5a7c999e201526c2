#include "generator/ejecucion.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/error.h"
#include "test_util.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;
using test::Slurp;
using test::Spit;
using test::TempDir;

TEST(SeleccionarDestino, FollowsTheFormTargetTable) {
  struct Caso {
    bool noss, spg, ssl, cgi, asp, php;
    DestinoFormulario esperado;
  } casos[] = {
      {true,
       false,
       false,
       true,
       false,
       false,
       {"http://tienda.example/cgi-bin/enviar.pl", R"(method="post")", "formulario.htm"}},
      {true,
       false,
       false,
       false,
       true,
       false,
       {"enviar.asp", R"(method="post")", "formulario.htm"}},
      {true,
       false,
       false,
       false,
       false,
       true,
       {"enviar.php", R"(method="post")", "formulario.htm"}},
      {true, false, false, false, false, false, {"", R"(method="post")", "formulario.htm"}},
      {false,
       true,
       false,
       true,
       false,
       false,
       {"https://pasarela.example/cobrar", R"(method="post")", "https://pasarela.example/form"}},
      {false, false, true, true, false, false, {"ssl.htm", R"(method="get")", "formulario.htm"}},
      {false, false, false, true, false, false, {"", "", ""}},
      // the options are tested in the order of the table
      {true, true, true, false, true, true, {"enviar.asp", R"(method="post")", "formulario.htm"}},
  };
  for (const Caso& c : casos) {
    Proyecto p;
    p.cgi.Ruta = "http://tienda.example/cgi-bin/enviar.pl";
    p.servidor.ServidorScript = "https://pasarela.example/cobrar";
    p.servidor.RutaServidor = "https://pasarela.example/form";
    p.servidor = {c.noss, c.spg, c.ssl, p.servidor.RutaServidor, p.servidor.ServidorScript, ""};
    p.soporte = {c.cgi, c.asp, c.php};
    EXPECT_EQ(SeleccionarDestino(p), c.esperado) << c.noss << c.spg << c.ssl;
  }
}

TEST(EscribirArchivo, WritesWindows1252WithCrLfAndOneMoreLineEnd) {
  EXPECT_EQ(CodificarPagina("Página\r\nñandú €"),
            "P\xE1"
            "gina\r\n\xF1"
            "and\xFA \x80");
  // A lone LF gets its CR; CR LF stays as it is.
  EXPECT_EQ(CodificarPagina("a\nb\r\nc\n"), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(CodificarPagina("\n"), "\r\n");
  // Long plain runs take a faster path; what follows them is still converted.
  const std::string largo(21, 'a');
  EXPECT_EQ(CodificarPagina(largo + "\n" + largo + "\r\n" + largo + "é" + largo + "\n"),
            largo + "\r\n" + largo + "\r\n" + largo + "\xE9" + largo + "\r\n");
  // Characters the code page lacks become character references, never '?' or nothing.
  EXPECT_EQ(CodificarPagina("Ω → 😀"), "&#937; &#8594; &#128512;");
  EXPECT_EQ(CodificarPagina(std::string("a\xFF"
                                        "b")),
            "a&#65533;b");

  TempDir dir;
  Ejecucion e;
  e.EscribirArchivo(dir / "p.htm", "<p>Año</p>");
  EXPECT_EQ(Slurp(dir / "p.htm"), "<p>A\xF1o</p>\r\n");
  e.EscribirArchivo(dir / "vacio.htm", "");
  EXPECT_EQ(Slurp(dir / "vacio.htm"), "\r\n");
  // An existing file is replaced, not appended to.
  e.EscribirArchivo(dir / "p.htm", "x");
  EXPECT_EQ(Slurp(dir / "p.htm"), "x\r\n");
  EXPECT_TRUE(e.problemas.empty());
}

TEST(EscribirArchivo, FailuresAreCollectedNotThrown) {
  TempDir dir;
  fs::create_directory(dir / "estado.htm");  // a folder where the page should go
  Ejecucion e;
  e.EscribirArchivo(dir / "estado.htm", "x");
  e.EscribirArchivo(dir / "falta" / "p.htm", "x");
  e.CopiarArchivo(dir / "IMGnada.dat", dir / "visa.gif");
  ASSERT_EQ(e.problemas.size(), 3u);
  EXPECT_EQ(e.problemas[0], (ProblemaArchivo{dir / "estado.htm", "es una carpeta, no un archivo"}));
  EXPECT_EQ(e.problemas[1],
            (ProblemaArchivo{dir / "falta" / "p.htm", "no existe el archivo o la carpeta"}));
  EXPECT_EQ(e.problemas[2].archivo, dir / "visa.gif");
  EXPECT_EQ(e.problemas[2].causa, "no se pudo copiar «" + (dir / "IMGnada.dat").string() +
                                      "»: no existe el archivo o la carpeta");
  EXPECT_FALSE(fs::exists(dir / "visa.gif"));
}

TEST(VaciarCarpeta, RemovesHiddenReadOnlyAndNestedEntriesButKeepsTheFolder) {
  TempDir dir;
  const fs::path t = dir / "Tienda";
  fs::create_directories(t / "imagenes" / "viejas" / "mas");
  Spit(t / "carrito.htm", "x");
  Spit(t / ".oculto", "x");
  Spit(t / "solo_lectura.htm", "x");
  fs::permissions(t / "solo_lectura.htm", fs::perms::owner_read);
  Spit(t / "imagenes" / "silla.jpg", "x");
  Spit(t / "imagenes" / "viejas" / "mas" / ".x", "x");
  fs::create_directory(t / ".git");
  Spit(t / ".git" / "config", "x");
  fs::permissions(t / "imagenes" / "viejas", fs::perms::owner_read | fs::perms::owner_exec);

  VaciarCarpeta(t);
  EXPECT_TRUE(fs::is_directory(t));
  EXPECT_TRUE(fs::is_empty(t));
}

TEST(VaciarCarpeta, RemovesLinksWithoutFollowingThem) {
  TempDir dir;
  const fs::path t = dir / "Tienda";
  const fs::path fuera = dir / "fuera";
  fs::create_directories(t);
  fs::create_directories(fuera / "sub");
  Spit(fuera / "importante.txt", "no tocar");
  Spit(fuera / "sub" / "otro.txt", "no tocar");
  fs::create_directory_symlink(fuera, t / "enlace_carpeta");
  fs::create_symlink(fuera / "importante.txt", t / "enlace_archivo");
  fs::create_symlink(dir / "no_existe", t / "enlace_roto");
  fs::create_directory(t / "sub");
  fs::create_directory_symlink(fuera / "sub", t / "sub" / "enlace");

  VaciarCarpeta(t);
  EXPECT_TRUE(fs::is_empty(t));
  EXPECT_EQ(Slurp(fuera / "importante.txt"), "no tocar");
  EXPECT_EQ(Slurp(fuera / "sub" / "otro.txt"), "no tocar");
}

TEST(VaciarCarpeta, AMissingFolderIsAnError) {
  TempDir dir;
  try {
    VaciarCarpeta(dir / "nada");
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.tipo(), CodigoError::kVaciadoFallido);
    EXPECT_EQ(e.descripcion(), "No se pudo borrar «" + (dir / "nada").string() +
                                   "»: no existe el archivo o la carpeta");
  }
}

TEST(Comprobaciones, RefuseValuesThatWouldBreakTheRun) {
  for (const char* bueno : {"Tienda", "Muebles Ñandú", "tienda.v2", " a ", "...x"}) {
    EXPECT_NO_THROW(ComprobarNombreCarpeta(bueno)) << bueno;
  }
  for (const char* malo : {"", ".", "..", "../x", "a/b", "a\\b", "/", "a\tb", "a\nb", "\x7f"}) {
    EXPECT_THROW(ComprobarNombreCarpeta(malo), Error) << malo;
  }
  try {
    ComprobarNombreCarpeta("..");
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.Mensaje(),
              "Error: 301: El nombre del proyecto «..» no sirve como nombre de la carpeta de la "
              "tienda: es un nombre reservado de carpeta.");
  }

  struct {
    const char* texto;
    int valor;  // 0: refused
  } porPagina[] = {{"10", 10}, {" 25 ", 25}, {"1", 1},    {"007", 7}, {"0", 0},         {"", 0},
                   {"-3", 0},  {"1.5", 0},   {"diez", 0}, {"10a", 0}, {"9999999999", 0}};
  for (const auto& c : porPagina) {
    Proyecto p;
    p.txtCantProd = c.texto;
    if (c.valor) {
      EXPECT_EQ(ProductosPorPagina(p), c.valor) << c.texto;
    } else {
      EXPECT_THROW(ProductosPorPagina(p), Error) << c.texto;
    }
  }

  struct {
    const char* tasa;
    bool ok;
  } tasas[] = {{"21", true},          {"10.5", true}, {"0.0", true}, {".5", true},
               {"21,5", false},       {"", false},    {"-1", false}, {"1.2.3", false},
               {"0;alert(1)", false}, {".", false}};
  for (const auto& c : tasas) {
    Proyecto p;
    p.cheTasa = 1;
    p.txtTasa = c.tasa;
    if (c.ok) {
      EXPECT_NO_THROW(ComprobarTasa(p)) << c.tasa;
    } else {
      EXPECT_THROW(ComprobarTasa(p), Error) << c.tasa;
    }
    p.cheTasa = 0;  // the rate is not used at all with the tax off
    EXPECT_NO_THROW(ComprobarTasa(p));
    EXPECT_EQ(TextoTasa(p), "0");
  }

  EXPECT_NO_THROW(ComprobarNombreCategoria("ofertas"));
  for (const char* malo : {"", "Ofertas", "ofertas2", "of ertas", "carrito", "estado", "formulario",
                           "ssl", "ñu", "../x"}) {
    EXPECT_THROW(ComprobarNombreCategoria(malo), Error) << malo;
  }
}

}  // namespace
}  // namespace vendaluz
