// Whole generation runs: the output folder, the stages, the files each option makes,
// what is reported, and the category job.
#include "generator/generador.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "generar_util.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;
using namespace test;
using Lista = std::vector<std::string>;
const Lista kTienda = {"carrito.htm", "enviar.pl", "estado.htm", "formulario.htm"};

TEST(Generador, FreshStoreWalksTheStagesAndRunsOnce) {
  TempDir dir;
  Registro r;
  Generador g(ProyectoDePrueba("Tienda", 3), EspacioDePrueba(dir), r.Llamadas());
  EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kCreada);
  const fs::path t = dir / "Proyectos" / "Tienda";
  EXPECT_EQ(r.estados, (Lista{"Analizando Tienda...", "Generando Tienda...",
                              "Creando archivo CGI...", "¡La tienda «Tienda» ha sido creada!"}));
  // The picture copier and the thumbnail maker, then one step per kind of page.
  Avances progreso = {{0, 3, 1}, {0, 3, 2}, {0, 3, 3}, {0, 3, 1}, {0, 3, 2}, {0, 3, 3}};
  for (int v = 1; v <= 7; ++v) progreso.emplace_back(0, 7, v);
  EXPECT_EQ(r.progreso, progreso);
  EXPECT_EQ(r.terminada, t);
  EXPECT_TRUE(r.preguntas.empty() && r.errores.empty() && r.problemas.empty());
  EXPECT_EQ(g.PrimeraPagina(), t / "carrito.htm");
  EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kFallida);
  EXPECT_EQ(r.errores, Lista{"Error: 399: Esta generación ya se ejecutó; abra una nueva."});
}

TEST(Generador, ReplacingSwapsInACompleteStoreAndNeverReachesThroughLinks) {
  TempDir dir;
  const Espacio espacio = EspacioDePrueba(dir);
  const fs::path t = dir / "Proyectos" / "Tienda";
  for (const char* viejo : {"carrito9.htm", ".htaccess", "viejo/mas/x.jpg"}) Spit(t / viejo, "v");
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
  // A folder of an older version has no list: all of it counts as the run's own.
  Registro si;
  EXPECT_EQ(Generador(ProyectoDePrueba("Tienda", 1), espacio, si.Llamadas()).Ejecutar(),
            ResultadoGeneracion::kCreada);
  EXPECT_EQ(si.preguntas, Lista{"La carpeta Tienda ya existe. ¿Desea reemplazarla?"});
  EXPECT_EQ(Archivos(t), kTienda);
  EXPECT_EQ(Slurp(dir / "fuera" / "importante.txt"), "no tocar");

  // The owner's files are named in the question; the project file and the pictures
  // the project takes from the old store survive the replacement.
  Proyecto p = ProyectoDePrueba("Tienda", 7);
  p.productos[6].Imagen = (t / "imagenes" / "silla.jpg").string();
  Spit(t / "imagenes" / "silla.jpg",
       Slurp(fs::path(VENDALUZ_TEST_DATA) / "imagenes/silla.roja.jpg"));
  for (const char* propio : {"gracias.htm", "a", "b", "c", "d", "e", "f/g"}) Spit(t / propio, "x");
  Spit(t / "Tienda.ini", "[Inicio]\r\nNombre=Tienda\r\n");
  Registro otra;
  ASSERT_EQ(Generador(p, espacio, otra.Llamadas()).Ejecutar(), ResultadoGeneracion::kCreada);
  EXPECT_EQ(otra.preguntas, Lista{"La carpeta «Tienda» ya existe y contiene archivos que Vendaluz "
                                  "no generó: a, b, c, d, e y 3 más. ¿Desea reemplazarla?"});
  EXPECT_EQ(Slurp(t / "Tienda.ini"), "[Inicio]\r\nNombre=Tienda\r\n");
  EXPECT_TRUE(fs::exists(t / "thumbnails" / "silla.jpg"));
  EXPECT_FALSE(fs::exists(t / "gracias.htm"));

  // A run that stops anywhere, even at the swap, leaves the store byte for byte and
  // nothing of its own beside it.
  const auto antes = Contenido(t);
  Proyecto cortada = p;
  const std::string silla = Slurp(t / "imagenes" / "silla.jpg");
  Spit(dir / "cortada.jpg", silla.substr(0, silla.size() * 2 / 3));
  cortada.productos[6].Imagen = (dir / "cortada.jpg").string();
  FailingDisk alFinal(std::string{kListaPropios});
  for (auto [proyecto, disco] : {std::pair<Proyecto, Disk*>{cortada, &RealDisk()}, {p, &alFinal}}) {
    Registro r;
    EXPECT_EQ(Generador(proyecto, espacio, r.Llamadas(), std::nullopt, *disco).Ejecutar(),
              ResultadoGeneracion::kFallida);
    ASSERT_EQ(r.errores.size(), 1u);
    EXPECT_EQ(Contenido(t), antes) << r.errores[0];
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "Proyectos"), {}), 1);
  }

  // An output folder that is a link is refused; the folder it points to is not touched.
  fs::create_directory_symlink(dir / "fuera", dir / "Proyectos" / "Enlace");
  Registro enlace;
  EXPECT_EQ(Generador(ProyectoDePrueba("Enlace", 1), espacio, enlace.Llamadas()).Ejecutar(),
            ResultadoGeneracion::kFallida);
  EXPECT_EQ(enlace.errores,
            Lista{"Error: 103: La carpeta de salida «" + (dir / "Proyectos" / "Enlace").string() +
                  "» es un enlace simbólico; indique la carpeta a la que apunta."});
  EXPECT_EQ(Archivos(dir / "fuera"), Lista{"importante.txt"});
}

TEST(Generador, OptionsChooseTheFilesOfTheStore) {
  // The server, script and stylesheet options are proved file by file by the golden
  // stores; here the catalogue pages, one per started group, never an empty one more.
  for (const auto& [productos, porPagina, paginas] :
       {std::tuple{20, "10", 2}, {21, "10", 3}, {0, "10", 1}, {3, "1", 3}}) {
    TempDir dir;
    Proyecto p = ProyectoDePrueba("Tienda", productos);
    p.txtCantProd = porPagina;
    EXPECT_EQ(Generador(p, EspacioDePrueba(dir), {}).Ejecutar(), ResultadoGeneracion::kCreada);
    Lista esperados = kTienda;
    for (int n = 2; n <= paginas; ++n) esperados.push_back("carrito" + std::to_string(n) + ".htm");
    std::sort(esperados.begin(), esperados.end());
    EXPECT_EQ(Archivos(dir / "Proyectos" / "Tienda"), esperados)
        << productos << " por " << porPagina;
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
  const auto falta = [](const fs::path& f) {
    return "no se pudo leer «" + f.string() + "»: no existe el archivo o la carpeta";
  };
  EXPECT_EQ(r.problemas, (std::vector<ProblemaArchivo>{
                             {t / "imagenes" / "no_existe.jpg", falta(dir / "no_existe.jpg")},
                             {t / "estado.htm", "no queda espacio en el disco"},
                             {t / "visa.gif", falta(dir / "sin_tarjetas" / "IMGvisa.dat")}}));
  std::string final =
      "La tienda «Tienda» ha sido creada, pero con 3 problemas: estos archivos no se pudieron "
      "escribir o copiar:";
  for (const ProblemaArchivo& pr : r.problemas)
    final += "\n" + pr.archivo.string() + ": " + pr.causa;
  EXPECT_EQ(r.estados.back(), final);
  EXPECT_EQ(Archivos(t), (Lista{"carrito.htm", "formulario.htm", "ssl.htm"}));
}

// Bad settings, of a store or of a category, stop the run before anything is asked or
// touched; the store already in the folder stays as it is. A good category adds its pages.
TEST(Generador, BadSettingsStopTheRunBeforeAnythingIsTouchedAndACategoryAddsItsPages) {
  TempDir dir;
  const Espacio espacio = EspacioDePrueba(dir);
  ASSERT_EQ(Generador(ProyectoDePrueba("Tienda", 2), espacio, {}).Ejecutar(),
            ResultadoGeneracion::kCreada);
  const fs::path t = dir / "Proyectos" / "Tienda";
  const auto antes = Contenido(dir.path());
  auto tienda = [](const std::string& nombre, const std::string& porPagina, std::string tasa) {
    Proyecto p = ProyectoDePrueba(nombre, 3);
    p.txtCantProd = porPagina;
    p.cheTasa = tasa.empty() ? 0 : 1;
    p.txtTasa = tasa;
    return p;
  };
  auto categoria = [](const std::string& nombre, const fs::path& carpeta) {
    Proyecto p = ProyectoDePrueba("Ofertas", 12);
    p.txtCantProd = "5";
    p.categoriaOpcion = 1;
    p.categoriaArchivo = nombre;
    p.categoriaCarpeta = carpeta.string();
    return p;
  };
  // Pictures that would block the run, fill the disk or cannot be reduced.
  TempDir fotos;
  ASSERT_EQ(::mkfifo((fotos / "fifo.jpg").c_str(), 0600), 0);
  Spit(fotos / "enorme.jpg", "");
  fs::resize_file(fotos / "enorme.jpg", kMaxBytesImagen + 1);
  Spit(fotos / "silla.jpg", TestData("imagenes/silla.roja.jpg"));
  auto imagen = [](const fs::path& ruta, const std::string& ancho = "80") {
    Proyecto p = ProyectoDePrueba("Tienda", 2);
    p.productos[1].Imagen = ruta.string();
    p.thumbnails.TGenerar = 0;
    p.thumbnails.TAncho = ancho;
    return p;
  };
  auto noArchivo = [](const fs::path& ruta) {
    return "Error: 206: La imagen «" + ruta.string() + "» no es un archivo";
  };
  // The reasons a name is refused, and the numbers read, are pinned with their rules;
  // here one case of each message.
  const std::pair<Proyecto, std::string> malos[] = {
      {imagen(fotos / "fifo.jpg"), noArchivo(fotos / "fifo.jpg")},
      {imagen("/dev/zero"), noArchivo("/dev/zero")},
      {imagen(fotos.path()), noArchivo(fotos.path())},
      {imagen(fotos / "enorme.jpg"), "Error: 207: La imagen «" + (fotos / "enorme.jpg").string() +
                                         "» ocupa más de 200 MB; redúzcala antes de generar."},
      {imagen(fotos / "silla.jpg", "abc"),
       "Error: 204: El tamaño de las miniaturas («abc» por «70») debe ser de números enteros "
       "de 1 a 2000 píxeles"},
      {tienda("..", "10", ""),
       "Error: 301: El nombre del proyecto «..» no sirve como nombre de la carpeta de la tienda: "
       "es un nombre reservado de carpeta."},
      {tienda("", "10", ""),
       "Error: 301: El proyecto no tiene nombre; sin él no hay carpeta para la tienda."},
      {tienda("Tienda", "0", ""),
       "Error: 302: La cantidad de productos por página («0») debe ser un número entero mayor "
       "que cero."},
      {tienda("Tienda", "10", "1);alert(1"),
       "Error: 303: La tasa de impuesto («1);alert(1») debe ser un número con punto decimal, "
       "por ejemplo 21 o 10.5."},
      {[&] {
         Proyecto p = tienda("Tienda", "10", "");
         p.envio.GratisDesde = "60,00";
         return p;
       }(),
       "Error: 307: El importe desde el que el envío es gratis («60,00») debe ser un número "
       "con punto decimal, por ejemplo 4.50."},
      {categoria("ssl", t),
       "Error: 304: El nombre de la categoría «ssl» reemplazaría las páginas de la tienda "
       "(carrito.htm, estado.htm, formulario.htm, ssl.htm); elija otro nombre."},
      {categoria("Ofertas", t),
       "Error: 304: El nombre de la categoría «Ofertas» solo puede "
       "tener letras minúsculas de la a a la z."},
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
    EXPECT_TRUE(r.preguntas.empty()) << error;
  }
  EXPECT_EQ(Contenido(dir.path()), antes);

  Registro r;
  Generador g(categoria("ofertas", t), espacio, r.Llamadas());
  ASSERT_EQ(g.Ejecutar(), ResultadoGeneracion::kCreada);
  EXPECT_EQ(r.estados, (Lista{"Analizando Ofertas...", "Generando nueva categoría...",
                              "¡La nueva categoría ha sido creada!"}));
  EXPECT_EQ(r.progreso.back(), std::make_tuple(0, 2, 2));
  EXPECT_EQ(r.terminada, t);
  EXPECT_TRUE(r.preguntas.empty());
  EXPECT_EQ(g.PrimeraPagina(), t / "ofertas.htm");

  // Links placed in the store are replaced, never written through; a link in place of a
  // picture folder stops the job.
  Spit(dir / "fuera.txt", "no tocar");
  for (const char* enlace : {"ofertas.htm", "ofertas3.htm"}) {
    fs::remove(t / enlace);
    fs::create_symlink(dir / "fuera.txt", t / enlace);
  }
  ASSERT_EQ(Generador(categoria("ofertas", t), espacio, {}).Ejecutar(),
            ResultadoGeneracion::kCreada);
  EXPECT_FALSE(fs::is_symlink(t / "ofertas.htm") || fs::is_symlink(t / "ofertas3.htm"));
  fs::remove_all(t / "imagenes");
  fs::create_directory_symlink(fotos.path(), t / "imagenes");
  Registro enlace;
  EXPECT_EQ(Generador(categoria("ofertas", t), espacio, enlace.Llamadas()).Ejecutar(),
            ResultadoGeneracion::kFallida);
  EXPECT_EQ(enlace.errores,
            Lista{"Error: 103: No se pudo crear la carpeta «" + (t / "imagenes").string() +
                  "»: en su lugar hay un enlace simbólico"});
  EXPECT_EQ(Slurp(dir / "fuera.txt"), "no tocar");
  EXPECT_EQ(Archivos(fotos.path()), (Lista{"enorme.jpg", "silla.jpg"}));
}

}  // namespace
}  // namespace vendaluz
