// Whole generation runs: the output folder, the stages, the files each option makes,
// what is reported, and the category job.
#include "generator/generador.h"

#include <gtest/gtest.h>

#include <functional>

#include "generar_util.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;
using namespace test;
using Lista = std::vector<std::string>;

TEST(Generador, FreshStoreWalksTheStagesAndFinishes) {
  TempDir dir;
  Registro r;
  Generador g(ProyectoDePrueba("Tienda", 3), EspacioDePrueba(dir), r.Llamadas());
  EXPECT_EQ(r.estados, Lista{"Analizando Tienda..."});
  EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kCreada);
  const fs::path t = dir / "Proyectos" / "Tienda";
  EXPECT_EQ(r.estados, (Lista{"Analizando Tienda...", "Generando Tienda...",
                              "Creando archivo CGI...", "La Vendaluz ha sido creada!"}));
  // The picture copier and the thumbnail maker, then one step per kind of page.
  Avances progreso = {{0, 3, 1}, {0, 3, 2}, {0, 3, 3}, {0, 3, 1}, {0, 3, 2}, {0, 3, 3}};
  for (int v = 1; v <= 7; ++v) progreso.emplace_back(0, 7, v);
  EXPECT_EQ(r.progreso, progreso);
  EXPECT_EQ(r.terminada, t);
  EXPECT_TRUE(r.preguntas.empty() && r.errores.empty() && r.problemas.empty());
  EXPECT_EQ(Archivos(t), (Lista{"carrito.htm", "enviar.pl", "estado.htm", "formulario.htm"}));
  EXPECT_TRUE(fs::is_directory(t / "imagenes") && fs::is_directory(t / "thumbnails"));
  EXPECT_EQ(g.PrimeraPagina(), t / "carrito.htm");
  EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kFallida);  // one run per generator
  EXPECT_EQ(r.errores, Lista{"Error: 399: Esta generación ya se ejecutó; abra una nueva."});
}

TEST(Generador, CatalogueHasOnePagePerStartedGroupOfProducts) {
  const std::tuple<int, int, int> casos[] = {{25, 10, 3}, {20, 10, 2}, {0, 10, 1}, {7, 1, 7}};
  for (const auto& [productos, porPagina, paginas] : casos) {
    SCOPED_TRACE(std::to_string(productos) + " por " + std::to_string(porPagina));
    TempDir dir;
    Proyecto p = ProyectoDePrueba("T", productos);
    p.txtCantProd = std::to_string(porPagina);
    Registro r;
    ASSERT_EQ(Generador(p, EspacioDePrueba(dir), r.Llamadas()).Ejecutar(),
              ResultadoGeneracion::kCreada);
    int siguiente = 1;
    for (int n = 1; n <= paginas; ++n) {
      const std::string pagina =
          Slurp(dir / "Proyectos" / "T" / ("carrito" + (n > 1 ? std::to_string(n) : "") + ".htm"));
      EXPECT_NE(pagina.find("\">" + std::to_string(paginas) + "</a>]</td>"), std::string::npos);
      for (int k = 0; k < std::min(porPagina, productos - (n - 1) * porPagina); ++k) {
        EXPECT_NE(pagina.find("agregar" + std::to_string(siguiente++) + "\""), std::string::npos);
      }
      EXPECT_EQ(pagina.find("agregar" + std::to_string(siguiente) + "\""), std::string::npos);
    }
    EXPECT_EQ(siguiente, productos + 1);
    EXPECT_FALSE(
        fs::exists(dir / "Proyectos" / "T" / ("carrito" + std::to_string(paginas + 1) + ".htm")));
  }
}

TEST(Generador, ReplacingEmptiesTheFolderAndNoTouchesNothing) {
  TempDir dir;
  const Espacio espacio = EspacioDePrueba(dir);
  const fs::path t = dir / "Proyectos" / "Tienda";
  auto viejaTienda = [&] {
    Spit(t / "carrito9.htm", "viejo");
    Spit(t / ".htaccess", "viejo");
    Spit(t / "viejo" / "mas" / "x.jpg", "viejo");
  };
  viejaTienda();
  Spit(dir / "fuera" / "importante.txt", "no tocar");
  fs::create_directory_symlink(dir / "fuera", t / "enlace");

  Registro no;
  no.respuesta = false;
  EXPECT_EQ(Generador(ProyectoDePrueba("Tienda", 1), espacio, no.Llamadas()).Ejecutar(),
            ResultadoGeneracion::kInterrumpida);
  EXPECT_EQ(no.estados.back(), "Se ha interrumpido la operación");
  EXPECT_FALSE(no.terminada);
  // Without anyone to ask, an existing folder is never replaced.
  EXPECT_EQ(Generador(ProyectoDePrueba("Tienda", 1), espacio, {}).Ejecutar(),
            ResultadoGeneracion::kInterrumpida);
  EXPECT_EQ(Archivos(t), (Lista{".htaccess", "carrito9.htm", "viejo/mas/x.jpg"}));

  Registro si;
  EXPECT_EQ(Generador(ProyectoDePrueba("Tienda", 1), espacio, si.Llamadas()).Ejecutar(),
            ResultadoGeneracion::kCreada);
  EXPECT_EQ(si.preguntas, Lista{"Tienda"});
  EXPECT_EQ(Archivos(t), (Lista{"carrito.htm", "enviar.pl", "estado.htm", "formulario.htm"}));
  EXPECT_FALSE(fs::exists(fs::symlink_status(t / "enlace")));
  EXPECT_EQ(Slurp(dir / "fuera" / "importante.txt"), "no tocar");
}

TEST(Generador, BadSettingsStopTheRunBeforeAnythingIsTouched) {
  struct Caso {
    std::string nombre, porPagina, tasa;  // tasa empty: no tax
    std::string error;
  };
  const std::string carpeta = "» no sirve como nombre de la carpeta de la tienda: ";
  const Caso casos[] = {
      {"..", "10", "",
       "Error: 301: El nombre del proyecto «.." + carpeta + "es un nombre reservado de carpeta."},
      {"", "10", "",
       "Error: 301: El proyecto no tiene nombre; sin él no hay carpeta para la tienda."},
      {"../Codigo", "10", "",
       "Error: 301: El nombre del proyecto «../Codigo" + carpeta +
           "no puede contener barras («/» ni «\\»)."},
      {"Tienda\n", "10", "",
       "Error: 301: El nombre del proyecto «Tienda\n" + carpeta +
           "contiene caracteres de control."},
      {"Tienda", "0", "",
       "Error: 302: La cantidad de productos por página («0») debe ser un número entero mayor que "
       "cero."},
      {"Tienda", "diez", "",
       "Error: 302: La cantidad de productos por página («diez») debe ser un número entero mayor "
       "que cero."},
      {"Tienda", "10", "21,5",
       "Error: 303: La tasa de impuesto («21,5») debe ser un número con punto decimal, por ejemplo "
       "21 o 10.5."},
      {"Tienda", "10", "1);alert(1",
       "Error: 303: La tasa de impuesto («1);alert(1») debe ser un número con punto decimal, por "
       "ejemplo 21 o 10.5."},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.error);
    TempDir dir;
    const Espacio espacio = EspacioDePrueba(dir);
    Spit(dir / "Proyectos" / "Tienda" / "carrito.htm", "viejo");
    Proyecto p = ProyectoDePrueba(c.nombre, 3);
    p.txtCantProd = c.porPagina;
    p.cheTasa = c.tasa.empty() ? 0 : 1;
    p.txtTasa = c.tasa;
    Registro r;
    EXPECT_EQ(Generador(p, espacio, r.Llamadas()).Ejecutar(), ResultadoGeneracion::kFallida);
    EXPECT_EQ(r.errores, Lista{c.error});
    EXPECT_TRUE(r.preguntas.empty());
    EXPECT_EQ(Archivos(dir.path()), Lista{"Proyectos/Tienda/carrito.htm"});
    EXPECT_EQ(Slurp(dir / "Proyectos" / "Tienda" / "carrito.htm"), "viejo");
  }
}

TEST(Generador, OptionsChooseTheFilesOfTheStore) {
  const Lista paginas = {"carrito.htm", "estado.htm", "formulario.htm"};
  const Lista logos = {"amex.gif", "diners.gif", "master.gif", "visa.gif"};
  struct Caso {
    const char* nombre;
    std::function<void(Proyecto&)> cambio;
    Lista extra;  // besides the three pages, sorted in
  };
  const Caso casos[] = {
      {"pagina segura",
       [](Proyecto& p) { ElegirServidor(p, &Proyecto::Servidor::SSL); },
       {"amex.gif", "diners.gif", "master.gif", "ssl.htm", "visa.gif"}},
      {"pasarela", [](Proyecto& p) { ElegirServidor(p, &Proyecto::Servidor::SPG); }, logos},
      {"tarjetas",
       [](Proyecto& p) {
         ElegirServidor(p, &Proyecto::Servidor::SPG), p.tajetas = {0, 1, 0, 0};
       },
       {"amex.gif"}},
      {"perl", [](Proyecto&) {}, {"enviar.pl"}},
      {"asp", [](Proyecto& p) { ElegirSoporte(p, &Proyecto::Soporte::ASP); }, {"enviar.asp"}},
      {"php", [](Proyecto& p) { ElegirSoporte(p, &Proyecto::Soporte::PHP); }, {"enviar.php"}},
      {"sin script",
       [](Proyecto& p) {
         p.soporte = {false, false, false};
       },
       {}},
      {"hoja de estilo", [](Proyecto& p) { p.formato.CSS = 1; }, {"enviar.pl", "estilo.css"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    TempDir dir;
    Proyecto p = ProyectoDePrueba("Tienda", 1);
    c.cambio(p);
    Registro r;
    EXPECT_EQ(Generador(p, EspacioDePrueba(dir), r.Llamadas()).Ejecutar(),
              ResultadoGeneracion::kCreada);
    Lista esperados = paginas;
    esperados.insert(esperados.end(), c.extra.begin(), c.extra.end());
    std::sort(esperados.begin(), esperados.end());
    EXPECT_EQ(Archivos(dir / "Proyectos" / "Tienda"), esperados);
  }
  // The picture folders follow their three switches.
  const std::tuple<int, int, int, bool, bool> imagenes[] = {{1, 1, 1, true, true},
                                                            {1, 1, 0, true, false},
                                                            {1, 0, 1, false, false},
                                                            {0, 1, 1, false, false}};
  for (const auto& [imagen, copiar, mostrar, conImagenes, conMiniaturas] : imagenes) {
    TempDir dir;
    Proyecto p = ProyectoDePrueba("Tienda", 1);
    std::tie(p.productosImagen, p.thumbnails.Copiar, p.thumbnails.Mostrar) =
        std::tie(imagen, copiar, mostrar);
    Generador(p, EspacioDePrueba(dir), {}).Ejecutar();
    EXPECT_EQ(fs::exists(dir / "Proyectos/Tienda/imagenes"), conImagenes);
    EXPECT_EQ(fs::exists(dir / "Proyectos/Tienda/thumbnails"), conMiniaturas);
  }
}

TEST(Generador, FilesThatCannotBeWrittenAreReportedAndTheRunGoesOn) {
  TempDir dir;
  Espacio espacio = EspacioDePrueba(dir);
  espacio.codigo = dir / "sin_tarjetas";
  Proyecto p = ProyectoDePrueba("Tienda", 1);
  ElegirServidor(p, &Proyecto::Servidor::SSL);
  p.tajetas = {1, 0, 0, 0};
  p.productos[0].Imagen = (dir / "no_existe.jpg").string();
  p.thumbnails.Mostrar = 0;
  FailingDisk lleno("estado.htm");
  Registro r;
  Generador g(p, espacio, r.Llamadas(), std::nullopt, lleno);
  EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kCreadaConProblemas);
  const fs::path t = dir / "Proyectos" / "Tienda";
  const std::string falta = "no existe el archivo o la carpeta";
  EXPECT_EQ(
      r.problemas,
      (std::vector<ProblemaArchivo>{
          {t / "imagenes" / "no_existe.jpg",
           "no se pudo leer «" + (dir / "no_existe.jpg").string() + "»: " + falta},
          {t / "estado.htm", "no queda espacio en el disco"},
          {t / "visa.gif", "no se pudo leer «" + (dir / "sin_tarjetas" / "IMGvisa.dat").string() +
                               "»: " + falta}}));
  std::string final =
      "La Vendaluz ha sido creada, pero con 3 problemas: estos archivos no se pudieron "
      "escribir o copiar:";
  for (const ProblemaArchivo& pr : r.problemas)
    final += "\n" + pr.archivo.string() + ": " + pr.causa;
  EXPECT_EQ(r.estados.back(), final);
  EXPECT_EQ(Archivos(t), (Lista{"carrito.htm", "formulario.htm", "ssl.htm"}));
  EXPECT_EQ(g.Problemas(), r.problemas);
  EXPECT_EQ(TextoFinal("Hecho!", {r.problemas[1]}),
            "Hecho, pero con un problema: un archivo no se pudo escribir o copiar:\n" +
                (t / "estado.htm").string() + ": no queda espacio en el disco");
}

TEST(Generador, CategoryJobAddsPagesToAStoreAndRefusesWhatWouldHarmIt) {
  TempDir dir;
  const Espacio espacio = EspacioDePrueba(dir);
  ASSERT_EQ(Generador(ProyectoDePrueba("Tienda", 2), espacio, {}).Ejecutar(),
            ResultadoGeneracion::kCreada);
  const fs::path t = dir / "Proyectos" / "Tienda";
  const std::string carrito = Slurp(t / "carrito.htm");
  auto categoria = [&](const std::string& nombre, const fs::path& carpeta) {
    Proyecto p = ProyectoDePrueba("Ofertas", 12);
    p.txtCantProd = "5";
    p.categoriaOpcion = 1;
    p.categoriaArchivo = nombre;
    p.categoriaCarpeta = carpeta.string();
    return p;
  };
  const std::string tienda =
      "» reemplazaría las páginas de la tienda (carrito.htm, estado.htm, "
      "formulario.htm, ssl.htm); elija otro nombre.";
  const std::pair<Proyecto, std::string> malos[] = {
      {categoria("carrito", t), "Error: 304: El nombre de la categoría «carrito" + tienda},
      {categoria("ssl", t), "Error: 304: El nombre de la categoría «ssl" + tienda},
      {categoria("Ofertas", t),
       "Error: 304: El nombre de la categoría «Ofertas» solo puede tener letras minúsculas de la a "
       "a la z."},
      {categoria("", t), "Error: 304: Falta el nombre del archivo de la categoría."},
      {categoria("ofertas", dir / "Proyectos"),
       "Error: 305: La carpeta «" + (dir / "Proyectos").string() +
           "» no contiene una tienda generada (falta carrito.htm)."},
      {categoria("ofertas", ""),
       "Error: 305: Falta la carpeta de la tienda a la que se agrega la categoría."}};
  for (const auto& [p, error] : malos) {
    Registro r;
    EXPECT_EQ(Generador(p, espacio, r.Llamadas()).Ejecutar(), ResultadoGeneracion::kFallida);
    EXPECT_EQ(r.errores, Lista{error});
  }
  EXPECT_EQ(Archivos(t), (Lista{"carrito.htm", "enviar.pl", "estado.htm", "formulario.htm"}));

  Registro r;
  Generador g(categoria("ofertas", t), espacio, r.Llamadas());
  EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kCreada);
  EXPECT_EQ(r.estados, (Lista{"Analizando Ofertas...", "Generando nueva categoría...",
                              "La nueva categoría ha sido creada!"}));
  EXPECT_EQ(r.progreso.back(), std::make_tuple(0, 2, 2));
  EXPECT_EQ(r.terminada, t);
  EXPECT_TRUE(r.preguntas.empty());
  EXPECT_EQ(Archivos(t), (Lista{"carrito.htm", "enviar.pl", "estado.htm", "formulario.htm",
                                "ofertas.htm", "ofertas2.htm", "ofertas3.htm"}));
  EXPECT_EQ(Slurp(t / "carrito.htm"), carrito);
  EXPECT_EQ(g.PrimeraPagina(), t / "ofertas.htm");
}

}  // namespace
}  // namespace vendaluz
