// vendaluz-generar as a user runs it: a copy of the program in a temporary folder
// (so that Proyectos and Codigo are beside it), exit codes, messages, and the
// replace question with and without a terminal.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>

#include "generator/generar_util.h"
#include "model/archivo_proyecto.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;
using test::ProyectoDePrueba;
using test::Slurp;
using test::Spit;
using test::TempDir;

std::string Citar(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
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

  // Runs the program with standard input from entrada (or /dev/null) and its output
  // captured; on a terminal (through script(1), output and errors together) when asked.
  Resultado Ejecutar(const std::vector<std::string>& args, const std::string& entrada = "",
                     bool terminal = false) {
    std::string programa = Citar(programa_.string());
    for (const std::string& a : args) programa += " " + Citar(a);
    Spit(dir_ / "entrada.txt", entrada);
    const std::string salida = Citar((dir_ / "out.txt").string());
    const std::string cmd =
        "cd " + Citar(dir_.path().string()) + " && " +
        (terminal ? "script -qec " + Citar(programa) + " /dev/null" : programa) + " <" +
        (entrada.empty() && !terminal ? "/dev/null" : Citar((dir_ / "entrada.txt").string())) +
        " >" + salida + (terminal ? " 2>&1" : " 2>" + Citar((dir_ / "err.txt").string()));
    fs::remove(dir_ / "err.txt");
    const int estado = std::system(cmd.c_str());
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, Slurp(dir_ / "out.txt"),
            Slurp(dir_ / "err.txt")};
  }

  fs::path Proyecto(const vendaluz::Proyecto& p, const std::string& archivo = "tienda.ini") {
    const fs::path ruta = dir_ / archivo;
    fs::create_directories(ruta.parent_path());
    GuardarProyecto(p, ruta);
    return ruta;
  }

  fs::path Tienda(const std::string& nombre) const { return dir_ / "bin" / "Proyectos" / nombre; }

  TempDir dir_;
  fs::path programa_ = dir_ / "bin" / "vendaluz-generar";
};

TEST_F(Cli, HelpVersionAndWrongUsage) {
  const Resultado ayuda = Ejecutar({"--help"});
  EXPECT_EQ(ayuda.codigo, 0);
  EXPECT_EQ(ayuda.salida.rfind("Uso: vendaluz-generar [opciones] PROYECTO.ini\n", 0), 0u);
  EXPECT_EQ(Ejecutar({"--version"}).salida, "vendaluz-generar 1.0\n");
  const fs::path ini = Proyecto(ProyectoDePrueba("Tienda", 1));
  const std::pair<std::vector<std::string>, std::string> casos[] = {
      {{}, "falta el archivo de proyecto."},
      {{"--nada", ini.string()}, "opción desconocida: --nada"},
      {{ini.string(), "--salida"}, "falta el valor de --salida."},
      {{"--salida=", ini.string()}, "la carpeta de --salida está vacía."},
      {{ini.string(), ini.string()}, "se indicó más de un archivo de proyecto."},
      {{"--reemplazar=si", ini.string()}, "la opción --reemplazar no lleva valor."},
      {{"--tasa", "5", "--sin-tasa", ini.string()}, "--tasa y --sin-tasa no pueden usarse juntas."},
      {{"--puerto", "8080", ini.string()}, "--puerto solo sirve junto con --servir."},
      {{"--servir", "--puerto", "65536", ini.string()},
       "el puerto debe ser un número de 0 a 65535: «65536»."},
  };
  for (const auto& [args, mensaje] : casos) {
    const Resultado r = Ejecutar(args);
    EXPECT_EQ(r.codigo, 2) << mensaje;
    EXPECT_EQ(r.errores, "vendaluz-generar: " + mensaje + "\nUse --help para ver las opciones.\n");
  }
  EXPECT_FALSE(fs::exists(Tienda("Tienda")));
}

TEST_F(Cli, GeneratesWithItsOptionsAndNeverReplacesWithoutAsking) {
  // The project's own products per page and tax, unless an option overrides them.
  vendaluz::Proyecto p = ProyectoDePrueba("Muebles Ñandú", 5);
  p.txtCantProd = "2";
  p.cheTasa = 1;
  p.txtTasa = "10.5";
  const fs::path ini = Proyecto(p);
  const Resultado r = Ejecutar({"--tasa", "21", ini.string()});
  EXPECT_EQ(r.codigo, 0) << r.errores;
  const fs::path t = Tienda("Muebles Ñandú");
  EXPECT_EQ(r.salida, (t / "carrito.htm").string() + "\n");
  EXPECT_EQ(r.errores, "");  // no terminal: no status lines
  EXPECT_TRUE(fs::exists(t / "carrito3.htm") && !fs::exists(t / "carrito4.htm"));
  EXPECT_NE(Slurp(t / "estado.htm").find("var tasa = 21 - 0;"), std::string::npos);

  Spit(t / "viejo.htm", "viejo");
  const Resultado otra = Ejecutar({ini.string()}, "s\n");  // an answer that nobody asked for
  EXPECT_EQ(otra.codigo, 4);
  EXPECT_EQ(otra.errores, "vendaluz-generar: la carpeta «" + t.string() +
                              "» ya existe y no se reemplazó; no se tocó nada. Use --reemplazar "
                              "para reemplazarla.\n");
  EXPECT_EQ(Slurp(t / "viejo.htm"), "viejo");
  const Resultado reemplazo =
      Ejecutar({"--reemplazar", "--silencioso", "--sin-tasa", ini.string()});
  EXPECT_EQ(reemplazo.salida, "");
  EXPECT_EQ(reemplazo.errores,
            "vendaluz-generar: se reemplaza la carpeta, con archivos que Vendaluz no generó: "
            "viejo.htm\n");
  EXPECT_FALSE(fs::exists(t / "viejo.htm"));
  EXPECT_NE(Slurp(t / "estado.htm").find("var tasa = 0 - 0;"), std::string::npos);

  if (std::system("command -v script >/dev/null 2>&1") != 0) GTEST_SKIP() << "sin script(1)";
  Spit(t / "viejo.htm", "viejo");
  const Resultado no = Ejecutar({ini.string()}, "\n", true);  // Enter: the default, No
  EXPECT_EQ(no.codigo, 4);
  EXPECT_NE(no.salida.find("La carpeta «Muebles Ñandú» ya existe y contiene archivos que "
                           "Vendaluz no generó: viejo.htm. ¿Desea reemplazarla? [s/N]"),
            std::string::npos)
      << no.salida;
  EXPECT_EQ(Slurp(t / "viejo.htm"), "viejo");
  const Resultado si = Ejecutar({ini.string()}, "s\n", true);
  EXPECT_EQ(si.codigo, 0) << si.salida;
  EXPECT_NE(si.salida.find("¡La tienda «Muebles Ñandú» ha sido creada!"), std::string::npos);
  EXPECT_NE(Slurp(t / "estado.htm").find("var tasa = 10.5 - 0;"), std::string::npos);
  EXPECT_FALSE(fs::exists(t / "viejo.htm"));
}

TEST_F(Cli, ErrorsAndProblemsHaveTheirExitCodes) {
  // One error the generator reports, one thrown while reading the project file.
  const std::pair<std::vector<std::string>, std::string> casos[] = {
      {{"--categoria", "ofertas", "--salida", "/nada"},
       "Error: 305: La carpeta «/nada» no contiene una tienda generada (falta carrito.htm)."},
      {{(dir_ / "no_existe.ini").string()},
       "Error: 101: No se pudo leer «" + (dir_ / "no_existe.ini").string() +
           "»: no existe el archivo o la carpeta"},
  };
  for (const auto& [opciones, mensaje] : casos) {
    std::vector<std::string> args = opciones;
    if (args.size() != 1) args.push_back(Proyecto(ProyectoDePrueba("Tienda", 1)).string());
    const Resultado r = Ejecutar(args);
    EXPECT_EQ(r.codigo, 1) << mensaje;
    EXPECT_EQ(r.errores, "vendaluz-generar: " + mensaje + "\n");
  }
  EXPECT_FALSE(fs::exists(Tienda("Tienda")));

  // Past a file-size limit the page is reported, not the program killed by SIGXFSZ.
  const fs::path ini = Proyecto(ProyectoDePrueba("Grande", 400));
  struct rlimit antes {};
  ::getrlimit(RLIMIT_FSIZE, &antes);
  struct rlimit limite = antes;
  limite.rlim_cur = 64 * 1024;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
  const Resultado lleno = Ejecutar({"--productos-por-pagina", "400", ini.string()});
  ::setrlimit(RLIMIT_FSIZE, &antes);
  EXPECT_EQ(lleno.codigo, 3);
  EXPECT_EQ(lleno.errores,
            "vendaluz-generar: La tienda se generó, pero con un problema: un archivo no se pudo "
            "escribir o copiar:\n" +
                (Tienda("Grande") / "carrito.htm").string() +
                ": el archivo supera el tamaño permitido\n");
  EXPECT_TRUE(fs::exists(Tienda("Grande") / "estado.htm"));
}

TEST_F(Cli, CategoriesAndPicturesRelativeToTheProjectFile) {
  const fs::path tienda = dir_ / "tienda";
  fs::create_directories(dir_ / "proyecto" / "fotos");
  fs::copy_file(fs::path(VENDALUZ_TEST_DATA) / "imagenes" / "silla.roja.jpg",
                dir_ / "proyecto" / "fotos" / "silla.roja.jpg");
  vendaluz::Proyecto p = ProyectoDePrueba("Tienda", 1);
  p.productos[0].Imagen = "fotos/silla.roja.jpg";
  // Run from dir_, not from proyecto/.
  ASSERT_EQ(
      Ejecutar({"--salida", tienda.string(), Proyecto(p, "proyecto/tienda.ini").string()}).codigo,
      0);
  EXPECT_EQ(Slurp(tienda / "imagenes" / "silla.roja.jpg"),
            Slurp(dir_ / "proyecto" / "fotos" / "silla.roja.jpg"));
  const Resultado r =
      Ejecutar({"--categoria", "ofertas", "--salida", tienda.string(), "--productos-por-pagina",
                "3", Proyecto(ProyectoDePrueba("Ofertas", 7), "o.ini").string()});
  EXPECT_EQ(r.codigo, 0) << r.errores;
  EXPECT_EQ(r.salida, (tienda / "ofertas.htm").string() + "\n");
  EXPECT_TRUE(fs::exists(tienda / "ofertas3.htm") && !fs::exists(tienda / "ofertas4.htm"));
  // With --salida no workspace is needed, so none is made (it may not be writable).
  EXPECT_FALSE(fs::exists(dir_ / "bin" / "Proyectos"));
}

// --productos: the store has the products of a spreadsheet's file, pictures relative to
// that file's folder; the project file stays as it was; a bad file stops with its errors.
TEST_F(Cli, ProductsFromASpreadsheetFile) {
  fs::create_directories(dir_ / "hoja" / "fotos");
  fs::copy_file(fs::path(VENDALUZ_TEST_DATA) / "imagenes" / "silla.roja.jpg",
                dir_ / "hoja" / "fotos" / "silla.roja.jpg");
  Spit(dir_ / "hoja" / "lista.csv",
       "Producto;Precio;Foto\r\nMesa plegable;1.234,50 \x80;fotos/silla.roja.jpg\r\n");
  const fs::path ini = Proyecto(ProyectoDePrueba("Tienda", 3));
  const std::string antes = Slurp(ini);
  const fs::path tienda = dir_ / "tienda";
  const Resultado r = Ejecutar({"--productos", (dir_ / "hoja" / "lista.csv").string(), "--salida",
                                tienda.string(), ini.string()});
  EXPECT_EQ(r.codigo, 0) << r.errores;
  const std::string catalogo = Slurp(tienda / "carrito.htm");
  EXPECT_TRUE(catalogo.find("Mesa plegable") != catalogo.npos &&
              catalogo.find("1234.50") != catalogo.npos &&
              catalogo.find("Producto 1") == catalogo.npos && !fs::exists(tienda / "carrito2.htm"))
      << catalogo;
  EXPECT_TRUE(fs::exists(tienda / "imagenes" / "silla.roja.jpg"));
  EXPECT_EQ(Slurp(ini), antes);

  Spit(dir_ / "mala.csv", "Nombre;Precio\nSilla;doce\n");
  const Resultado mala = Ejecutar({"--productos", "mala.csv", ini.string()});
  EXPECT_EQ(mala.codigo, 1);
  EXPECT_EQ(mala.errores,
            "vendaluz-generar: no se leyó ningún producto de «mala.csv»:\n"
            "  Línea 2, columna Precio: «doce» no es un precio.\n");
  EXPECT_FALSE(fs::exists(Tienda("Tienda")));
}

}  // namespace
}  // namespace vendaluz
