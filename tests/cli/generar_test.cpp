// vendaluz-generar as a user runs it: a copy of the program in a temporary folder
// (so that Proyectos and Codigo are beside it), exit codes, messages, and the
// replace question with and without a terminal.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "model/archivo_proyecto.h"
#include "model/proyecto.h"
#include "test_util.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;
using test::Slurp;
using test::Spit;
using test::TempDir;

std::string Citar(const std::string& s) {
  std::string out = "'";
  for (char c : s) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

struct Resultado {
  int codigo = -1;
  std::string salida, errores;
};

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir_ / "bin");
    fs::copy_file(VENDALUZ_GENERAR, programa_);
    fs::copy(VENDALUZ_CODIGO_DIR, dir_ / "bin" / "Codigo");
  }

  // Runs the program with standard input from entrada (a file, or /dev/null) and
  // standard output and error captured; never on a terminal.
  Resultado Ejecutar(const std::vector<std::string>& args, const std::string& entrada = "") {
    std::string cmd = "cd " + Citar(dir_.path().string()) + " && " + Citar(programa_.string());
    for (const std::string& a : args) cmd += " " + Citar(a);
    if (entrada.empty()) {
      cmd += " </dev/null";
    } else {
      Spit(dir_ / "entrada.txt", entrada);
      cmd += " <" + Citar((dir_ / "entrada.txt").string());
    }
    cmd += " >" + Citar((dir_ / "out.txt").string()) + " 2>" + Citar((dir_ / "err.txt").string());
    const int estado = std::system(cmd.c_str());
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, Slurp(dir_ / "out.txt"),
            Slurp(dir_ / "err.txt")};
  }

  // Runs the program on a terminal (through script(1)) with respuesta typed in.
  Resultado EnTerminal(const std::vector<std::string>& args, const std::string& respuesta) {
    std::string interno = Citar(programa_.string());
    for (const std::string& a : args) interno += " " + Citar(a);
    Spit(dir_ / "entrada.txt", respuesta);
    const std::string cmd = "cd " + Citar(dir_.path().string()) + " && script -qec " +
                            Citar(interno) + " /dev/null <" +
                            Citar((dir_ / "entrada.txt").string()) + " >" +
                            Citar((dir_ / "out.txt").string()) + " 2>&1";
    const int estado = std::system(cmd.c_str());
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, Slurp(dir_ / "out.txt"), ""};
  }

  fs::path Proyecto(const vendaluz::Proyecto& p, const std::string& archivo = "tienda.ini") {
    const fs::path ruta = dir_ / archivo;
    fs::create_directories(ruta.parent_path());
    GuardarProyecto(p, ruta);
    return ruta;
  }

  static vendaluz::Proyecto Nuevo(const std::string& nombre, int productos) {
    vendaluz::Proyecto p;
    ContadorProyectos c;
    NuevoProyecto(p, c, "/tmp");
    p.inicio.Nombre = nombre;
    for (int i = 1; i <= productos; ++i) {
      p.productos.push_back({"Producto " + std::to_string(i), "1.50", "", ""});
    }
    return p;
  }

  fs::path Tienda(const std::string& nombre) const { return dir_ / "bin" / "Proyectos" / nombre; }

  TempDir dir_;
  fs::path programa_ = dir_ / "bin" / "vendaluz-generar";
};

TEST_F(Cli, HelpAndVersion) {
  const Resultado ayuda = Ejecutar({"--help"});
  EXPECT_EQ(ayuda.codigo, 0);
  for (const char* texto :
       {"Uso: vendaluz-generar [opciones] PROYECTO.ini", "--salida CARPETA", "--reemplazar",
        "--productos-por-pagina N", "--tasa R", "--categoria NOMBRE", "--silencioso", "--version",
        "Códigos de salida"}) {
    EXPECT_NE(ayuda.salida.find(texto), std::string::npos) << texto;
  }
  const Resultado version = Ejecutar({"--version"});
  EXPECT_EQ(version.codigo, 0);
  EXPECT_EQ(version.salida, "vendaluz-generar 1.0\n");
}

TEST_F(Cli, WrongUsageExitsWithTwo) {
  const fs::path ini = Proyecto(Nuevo("Tienda", 1));
  struct {
    std::vector<std::string> args;
    std::string mensaje;
  } casos[] = {
      {{}, "falta el archivo de proyecto."},
      {{"--nada", ini.string()}, "opción desconocida: --nada"},
      {{ini.string(), "--salida"}, "falta el valor de --salida."},
      {{ini.string(), ini.string()}, "se indicó más de un archivo de proyecto."},
      {{"--reemplazar=si", ini.string()}, "la opción --reemplazar no lleva valor."},
  };
  for (const auto& c : casos) {
    const Resultado r = Ejecutar(c.args);
    EXPECT_EQ(r.codigo, 2) << c.mensaje;
    EXPECT_EQ(r.errores,
              "vendaluz-generar: " + c.mensaje + "\nUse --help para ver las opciones.\n");
  }
  EXPECT_FALSE(fs::exists(Tienda("Tienda")));
}

TEST_F(Cli, GeneratesIntoTheWorkspaceBesideTheProgram) {
  vendaluz::Proyecto p = Nuevo("Muebles Ñandú", 5);
  ElegirServidor(p, &Proyecto::Servidor::SPG);
  const Resultado r =
      Ejecutar({"--productos-por-pagina", "2", "--tasa", "21", Proyecto(p).string()});
  EXPECT_EQ(r.codigo, 0) << r.errores;
  const fs::path t = Tienda("Muebles Ñandú");
  EXPECT_EQ(r.salida, (t / "carrito.htm").string() + "\n");
  EXPECT_EQ(r.errores, "");  // no terminal: no status lines
  EXPECT_TRUE(fs::exists(t / "carrito3.htm"));
  EXPECT_FALSE(fs::exists(t / "carrito4.htm"));
  EXPECT_NE(Slurp(t / "estado.htm").find("var tasa = 21 - 0;"), std::string::npos);
  EXPECT_EQ(Slurp(t / "visa.gif"), Slurp(fs::path(VENDALUZ_CODIGO_DIR) / "IMGvisa.dat"));

  EXPECT_EQ(
      Ejecutar({"--silencioso", "--salida", (dir_ / "otra").string(), Proyecto(p).string()}).salida,
      "");
}

TEST_F(Cli, ExistingFolderIsNeverReplacedWithoutAsking) {
  const fs::path ini = Proyecto(Nuevo("Tienda", 1));
  const fs::path t = Tienda("Tienda");
  fs::create_directories(t / "sub");
  Spit(t / "carrito.htm", "viejo");
  Spit(t / "sub" / "x", "viejo");

  const Resultado r = Ejecutar({ini.string()}, "s\n");  // an answer that nobody asked for
  EXPECT_EQ(r.codigo, 4);
  EXPECT_EQ(r.errores.find("¿Desea"), std::string::npos);
  EXPECT_EQ(r.errores, "vendaluz-generar: la carpeta «" + t.string() +
                           "» ya existe y no se reemplazó; no se tocó nada. Use --reemplazar para "
                           "reemplazarla.\n");
  EXPECT_EQ(Slurp(t / "carrito.htm"), "viejo");
  EXPECT_EQ(Slurp(t / "sub" / "x"), "viejo");

  EXPECT_EQ(Ejecutar({"--reemplazar", ini.string()}).codigo, 0);
  EXPECT_FALSE(fs::exists(t / "sub"));
  EXPECT_NE(Slurp(t / "carrito.htm"), "viejo");
}

TEST_F(Cli, AsksOnATerminal) {
  if (std::system("command -v script >/dev/null 2>&1") != 0) GTEST_SKIP() << "sin script(1)";
  const fs::path ini = Proyecto(Nuevo("Tienda", 1));
  const fs::path t = Tienda("Tienda");
  fs::create_directories(t);
  Spit(t / "carrito.htm", "viejo");

  const Resultado no = EnTerminal({ini.string()}, "n\n");
  EXPECT_EQ(no.codigo, 4);
  EXPECT_NE(no.salida.find("La carpeta Tienda ya existe. ¿Desea reemplazarla? [s/N]"),
            std::string::npos)
      << no.salida;
  EXPECT_NE(no.salida.find("Se ha interrumpido la operación"), std::string::npos);
  EXPECT_EQ(Slurp(t / "carrito.htm"), "viejo");

  const Resultado si = EnTerminal({ini.string()}, "s\n");
  EXPECT_EQ(si.codigo, 0) << si.salida;
  EXPECT_NE(si.salida.find("Generando Tienda..."), std::string::npos);
  EXPECT_NE(si.salida.find("La Vendaluz ha sido creada!"), std::string::npos);
  EXPECT_NE(Slurp(t / "carrito.htm"), "viejo");
}

TEST_F(Cli, ErrorsNameTheCauseAndExitWithOne) {
  struct {
    vendaluz::Proyecto proyecto;
    std::vector<std::string> opciones;
    std::string mensaje;
  } casos[] = {
      {Nuevo("..", 1), {}, "Error: 301: El nombre del proyecto «..» no sirve como nombre"},
      {Nuevo("Tienda", 1), {"--productos-por-pagina", "0"}, "Error: 302: La cantidad de productos"},
      {Nuevo("Tienda", 1), {"--tasa", "21,5"}, "Error: 303: La tasa de impuesto («21,5»)"},
      {Nuevo("Tienda", 1), {"--categoria", "carrito"}, "Error: 304: El nombre de la categoría"},
      {Nuevo("Tienda", 1),
       {"--categoria", "ofertas", "--salida", "/nada"},
       "Error: 305: La carpeta «/nada» no contiene una tienda generada (falta carrito.htm)."},
  };
  for (const auto& c : casos) {
    std::vector<std::string> args = c.opciones;
    args.push_back(Proyecto(c.proyecto).string());
    const Resultado r = Ejecutar(args);
    EXPECT_EQ(r.codigo, 1) << c.mensaje;
    EXPECT_EQ(r.errores.rfind("vendaluz-generar: " + c.mensaje, 0), 0u) << r.errores;
  }
  EXPECT_FALSE(fs::exists(dir_ / "bin" / "Proyectos" / "Tienda"));
  EXPECT_TRUE(fs::exists(programa_));

  const Resultado falta = Ejecutar({(dir_ / "no_existe.ini").string()});
  EXPECT_EQ(falta.codigo, 1);
  EXPECT_EQ(falta.errores, "vendaluz-generar: Error: 101: No se pudo leer «" +
                               (dir_ / "no_existe.ini").string() +
                               "»: no existe el archivo o la carpeta\n");
}

TEST_F(Cli, ReportedProblemsExitWithThree) {
  fs::remove_all(dir_ / "bin" / "Codigo");
  vendaluz::Proyecto p = Nuevo("Tienda", 1);
  ElegirServidor(p, &Proyecto::Servidor::SSL);
  p.tajetas = {1, 0, 0, 0};
  const Resultado r = Ejecutar({Proyecto(p).string()});
  EXPECT_EQ(r.codigo, 3);
  EXPECT_NE(r.errores.find("La tienda se generó, pero con un problema"), std::string::npos)
      << r.errores;
  EXPECT_NE(r.errores.find((Tienda("Tienda") / "visa.gif").string() + ": no se pudo copiar"),
            std::string::npos);
  EXPECT_TRUE(fs::exists(Tienda("Tienda") / "ssl.htm"));
}

TEST_F(Cli, CategoryGoesIntoTheStoreFolder) {
  const fs::path tienda = dir_ / "tienda";
  ASSERT_EQ(Ejecutar({"--salida", tienda.string(), Proyecto(Nuevo("Tienda", 1)).string()}).codigo,
            0);
  const Resultado r =
      Ejecutar({"--categoria", "ofertas", "--salida", tienda.string(), "--productos-por-pagina",
                "3", Proyecto(Nuevo("Ofertas", 7), "ofertas.ini").string()});
  EXPECT_EQ(r.codigo, 0) << r.errores;
  EXPECT_EQ(r.salida, (tienda / "ofertas.htm").string() + "\n");
  for (const char* f : {"ofertas.htm", "ofertas2.htm", "ofertas3.htm", "carrito.htm"}) {
    EXPECT_TRUE(fs::exists(tienda / f)) << f;
  }
  EXPECT_FALSE(fs::exists(tienda / "ofertas4.htm"));
}

TEST_F(Cli, RelativePicturePathsBelongToTheProjectFile) {
  fs::create_directories(dir_ / "proyecto" / "fotos");
  fs::copy_file(fs::path(VENDALUZ_TEST_DATA) / "imagenes" / "silla.roja.jpg",
                dir_ / "proyecto" / "fotos" / "silla.roja.jpg");
  vendaluz::Proyecto p = Nuevo("Tienda", 1);
  p.productos[0].Imagen = "fotos/silla.roja.jpg";
  const fs::path ini = Proyecto(p, "proyecto/tienda.ini");
  const Resultado r = Ejecutar({ini.string()});  // run from dir_, not from proyecto/
  EXPECT_EQ(r.codigo, 0) << r.errores;
  EXPECT_EQ(Slurp(Tienda("Tienda") / "imagenes" / "silla.roja.jpg"),
            Slurp(dir_ / "proyecto" / "fotos" / "silla.roja.jpg"));
  EXPECT_TRUE(fs::exists(Tienda("Tienda") / "thumbnails" / "silla.jpg"));
}

TEST_F(Cli, SampleStoreGeneratesWithoutProblems) {
  const fs::path ejemplo = fs::path(VENDALUZ_EJEMPLO) / "tienda.ini";
  const Resultado r = Ejecutar({"--salida", (dir_ / "ejemplo").string(), ejemplo.string()});
  EXPECT_EQ(r.codigo, 0) << r.errores;
  const fs::path t = dir_ / "ejemplo";
  for (const char* f : {"carrito.htm", "carrito2.htm", "carrito3.htm", "estado.htm",
                        "formulario.htm", "estilo.css"}) {
    EXPECT_TRUE(fs::exists(t / f)) << f;
  }
  EXPECT_FALSE(fs::exists(t / "carrito4.htm"));
  int copias = 0, miniaturas = 0;
  for (const auto& e : fs::directory_iterator(t / "imagenes")) copias += e.is_regular_file();
  for (const auto& e : fs::directory_iterator(t / "thumbnails")) miniaturas += e.is_regular_file();
  EXPECT_EQ(copias, 24);
  EXPECT_EQ(miniaturas, 24);
  EXPECT_NE(Slurp(t / "carrito3.htm").find("mecedora_ratan.jpg','1620','1230'"), std::string::npos);
}

}  // namespace
}  // namespace vendaluz
