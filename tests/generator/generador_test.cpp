// Whole generation runs: the output folder, the stages, completion and the category job.
#include "generator/generador.h"

#include <gtest/gtest.h>

#include "generar_util.h"
#include "generator/scripts_correo.h"
#include "platform/error.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;
using test::Archivos;
using test::EspacioDePrueba;
using test::Pagina;
using test::ProyectoDePrueba;
using test::Registro;
using test::Slurp;
using test::Spit;
using test::TempDir;

class Abridor : public DefaultOpener {
 public:
  void Open(const std::string& verb, const std::string& target) override {
    abiertos.push_back(verb + " " + target);
  }
  std::vector<std::string> abiertos;
};

TEST(Generador, FreshStoreWalksTheStagesAndFinishes) {
  TempDir dir;
  const Espacio espacio = EspacioDePrueba(dir);
  Registro r;
  Generador g(ProyectoDePrueba("Tienda", 3), espacio, r.Llamadas());
  EXPECT_EQ(r.estados, (std::vector<std::string>{"Analizando Tienda..."}));
  EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kCreada);

  const fs::path t = dir / "Proyectos" / "Tienda";
  EXPECT_EQ(r.estados,
            (std::vector<std::string>{"Analizando Tienda...", "Generando Tienda...",
                                      "Creando archivo CGI...", "La Vendaluz ha sido creada!"}));
  EXPECT_TRUE(r.preguntas.empty());
  EXPECT_TRUE(r.errores.empty());
  // The picture copier and the thumbnail maker, then the seven stages.
  std::vector<std::tuple<int, int, int>> progreso;
  for (int pasada = 0; pasada < 2; ++pasada) {
    for (int i = 1; i <= 3; ++i) progreso.emplace_back(0, 3, i);
  }
  for (int v = 1; v <= 7; ++v) progreso.emplace_back(0, 7, v);
  EXPECT_EQ(r.progreso, progreso);
  EXPECT_EQ(r.terminada, t);
  EXPECT_TRUE(r.problemas.empty());
  EXPECT_EQ(Archivos(t),
            (std::vector<std::string>{"carrito.htm", "enviar.pl", "estado.htm", "formulario.htm"}));
  EXPECT_TRUE(fs::is_directory(t / "imagenes"));
  EXPECT_TRUE(fs::is_directory(t / "thumbnails"));
  for (const std::string& f : {"carrito.htm", "estado.htm", "formulario.htm"}) {
    const std::string bytes = Slurp(t / f);
    EXPECT_TRUE(bytes.ends_with("</html>\r\n")) << f;
  }
  // A new project's presets give the Perl script with its preset interpreter and
  // mail program.
  const std::string perl = Slurp(t / "enviar.pl");
  EXPECT_EQ(perl.substr(0, perl.find("\r\n")), "#!/usr/bin/perl");
  EXPECT_NE(perl.find("my $programa_correo = '/usr/lib/sendmail';"), std::string::npos);
  EXPECT_TRUE(perl.ends_with("\n}\r\n"));

  Abridor abridor;
  g.VistaPrevia(abridor);
  EXPECT_EQ(abridor.abiertos, (std::vector<std::string>{"open " + (t / "carrito.htm").string()}));
  fs::remove(t / "carrito.htm");
  g.VistaPrevia(abridor);
  EXPECT_EQ(abridor.abiertos.size(), 1u);
}

TEST(Generador, ReplacingEmptiesTheFolderFirst) {
  TempDir dir;
  const Espacio espacio = EspacioDePrueba(dir);
  const fs::path t = dir / "Proyectos" / "Tienda";
  fs::create_directories(t / "viejo" / "mas");
  Spit(t / "carrito9.htm", "viejo");
  Spit(t / ".htaccess", "viejo");
  Spit(t / "viejo" / "mas" / "x.jpg", "viejo");
  Spit(t / "solo_lectura.htm", "viejo");
  fs::permissions(t / "solo_lectura.htm", fs::perms::owner_read);
  fs::create_directories(dir / "fuera");
  Spit(dir / "fuera" / "importante.txt", "no tocar");
  fs::create_directory_symlink(dir / "fuera", t / "enlace");

  Registro r;
  Generador g(ProyectoDePrueba("Tienda", 1), espacio, r.Llamadas());
  EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kCreada);
  EXPECT_EQ(r.preguntas, (std::vector<std::string>{"Tienda"}));
  EXPECT_EQ(Archivos(t),
            (std::vector<std::string>{"carrito.htm", "enviar.pl", "estado.htm", "formulario.htm"}));
  EXPECT_FALSE(fs::exists(t / "viejo"));
  EXPECT_FALSE(fs::exists(fs::symlink_status(t / "enlace")));
  EXPECT_EQ(Slurp(dir / "fuera" / "importante.txt"), "no tocar");
}

TEST(Generador, AnsweringNoTouchesNothing) {
  TempDir dir;
  const Espacio espacio = EspacioDePrueba(dir);
  const fs::path t = dir / "Proyectos" / "Tienda";
  fs::create_directories(t / "sub");
  Spit(t / "carrito.htm", "viejo");
  Spit(t / "sub" / "x", "viejo");

  Registro r;
  r.respuesta = false;
  Generador g(ProyectoDePrueba("Tienda", 1), espacio, r.Llamadas());
  EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kInterrumpida);
  EXPECT_EQ(r.estados.back(), "Se ha interrumpido la operación");
  EXPECT_FALSE(r.terminada);
  EXPECT_EQ(Archivos(t), (std::vector<std::string>{"carrito.htm", "sub/x"}));
  EXPECT_EQ(Slurp(t / "carrito.htm"), "viejo");

  // Without anyone to ask, an existing folder is never replaced.
  LlamadasGenerador sinPregunta;
  Generador h(ProyectoDePrueba("Tienda", 1), espacio, sinPregunta);
  EXPECT_EQ(h.Ejecutar(), ResultadoGeneracion::kInterrumpida);
  EXPECT_EQ(Slurp(t / "carrito.htm"), "viejo");
}

TEST(Generador, UnsafeProjectNamesAreRefusedBeforeAnythingIsTouched) {
  for (const char* nombre : {"..", ".", "", "../Codigo", "a/b", "a\\b", "Tienda\n"}) {
    TempDir dir;
    const Espacio espacio = EspacioDePrueba(dir);
    Spit(dir / "vendaluz", "el programa");
    Spit(dir / "Proyectos" / "otro.ini", "[Inicio]");
    Registro r;
    Generador g(ProyectoDePrueba(nombre, 1), espacio, r.Llamadas());
    EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kFallida) << nombre;
    ASSERT_EQ(r.errores.size(), 1u) << nombre;
    EXPECT_EQ(r.errores[0].first, 301);
    EXPECT_TRUE(r.preguntas.empty());
    EXPECT_EQ(Slurp(dir / "vendaluz"), "el programa");
    EXPECT_EQ(Archivos(dir / "Proyectos"), (std::vector<std::string>{"otro.ini"})) << nombre;
  }
}

TEST(Generador, BadNumbersStopTheRunBeforeTheOldStoreGoes) {
  struct {
    const char* porPagina;
    const char* tasa;
    int codigo;
  } casos[] = {
      {"0", nullptr, 302}, {"diez", nullptr, 302}, {"10", "21,5", 303}, {"10", "1);alert(1", 303}};
  for (const auto& c : casos) {
    TempDir dir;
    const Espacio espacio = EspacioDePrueba(dir);
    const fs::path t = dir / "Proyectos" / "Tienda";
    fs::create_directories(t);
    Spit(t / "carrito.htm", "viejo");
    Proyecto p = ProyectoDePrueba("Tienda", 3);
    p.txtCantProd = c.porPagina;
    if (c.tasa) {
      p.cheTasa = 1;
      p.txtTasa = c.tasa;
    }
    Registro r;
    Generador g(p, espacio, r.Llamadas());
    EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kFallida);
    ASSERT_EQ(r.errores.size(), 1u);
    EXPECT_EQ(r.errores[0].first, c.codigo);
    EXPECT_TRUE(r.preguntas.empty());
    EXPECT_EQ(Slurp(t / "carrito.htm"), "viejo");
  }
}

TEST(Generador, PictureFoldersFollowTheirSwitches) {
  struct {
    int imagen, copiar, mostrar;
    bool imagenes, thumbnails;
  } casos[] = {{1, 1, 1, true, true},
               {1, 1, 0, true, false},
               {1, 0, 1, false, false},
               {0, 1, 1, false, false}};
  for (const auto& c : casos) {
    TempDir dir;
    Proyecto p = ProyectoDePrueba("Tienda", 1);
    p.productosImagen = c.imagen;
    p.thumbnails.Copiar = c.copiar;
    p.thumbnails.Mostrar = c.mostrar;
    Registro r;
    Generador g(p, EspacioDePrueba(dir), r.Llamadas());
    EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kCreada);
    EXPECT_EQ(fs::exists(dir / "Proyectos" / "Tienda" / "imagenes"), c.imagenes);
    EXPECT_EQ(fs::exists(dir / "Proyectos" / "Tienda" / "thumbnails"), c.thumbnails);
  }
}

TEST(Generador, ServerOptionsChooseThePaymentPageAndTheMailScript) {
  struct Caso {
    bool noss, spg, ssl;
    std::vector<std::string> archivos;
  } casos[] = {
      {false,
       false,
       true,
       {"amex.gif", "carrito.htm", "diners.gif", "estado.htm", "formulario.htm", "master.gif",
        "ssl.htm", "visa.gif"}},
      {false,
       true,
       false,
       {"amex.gif", "carrito.htm", "diners.gif", "estado.htm", "formulario.htm", "master.gif",
        "visa.gif"}},
      {true, false, false, {"carrito.htm", "enviar.pl", "estado.htm", "formulario.htm"}},
  };
  for (const Caso& c : casos) {
    TempDir dir;
    Proyecto p = ProyectoDePrueba("Tienda", 1);
    p.servidor.NoSS = c.noss, p.servidor.SPG = c.spg, p.servidor.SSL = c.ssl;
    p.productosImagen = 0;
    Registro r;
    Generador g(p, EspacioDePrueba(dir), r.Llamadas());
    EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kCreada);
    EXPECT_EQ(Archivos(dir / "Proyectos" / "Tienda"), c.archivos);
  }
}

TEST(Generador, MailScriptIsTheFirstSupportOptionSet) {
  struct {
    bool cgi, asp, php, cdonts;
    std::optional<ScriptElegido> esperado;
  } casos[] = {
      {true, false, false, true, ScriptElegido{ScriptCorreo::kPerl, "PERL", "enviar.pl"}},
      {false, true, false, true,
       ScriptElegido{ScriptCorreo::kAspCdonts, "ASPCDONTS", "enviar.asp"}},
      {false, true, false, false, ScriptElegido{ScriptCorreo::kAspEmail, "ASPEMAIL", "enviar.asp"}},
      {false, false, true, true, ScriptElegido{ScriptCorreo::kPhp, "PHP", "enviar.php"}},
      {false, true, true, true, ScriptElegido{ScriptCorreo::kAspCdonts, "ASPCDONTS", "enviar.asp"}},
      {false, false, false, true, std::nullopt},
  };
  for (const auto& c : casos) {
    Proyecto p;
    p.soporte = {c.cgi, c.asp, c.php};
    p.asp.CDONTS = c.cdonts;
    p.asp.ASPEmail = !c.cdonts;
    EXPECT_EQ(ElegirScriptCorreo(p), c.esperado) << c.cgi << c.asp << c.php << c.cdonts;
  }
}

TEST(Generador, FilesThatCannotBeWrittenAreReportedAtTheEnd) {
  TempDir dir;
  Espacio espacio = EspacioDePrueba(dir);
  espacio.codigo = dir / "sin_tarjetas";
  Proyecto p = ProyectoDePrueba("Tienda", 1);
  ElegirServidor(p, &Proyecto::Servidor::SSL);
  p.tajetas = {1, 0, 0, 0};
  p.productos[0].Imagen = (dir / "no_existe.jpg").string();
  p.thumbnails.Mostrar = 0;
  Registro r;
  Generador g(p, espacio, r.Llamadas());
  EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kCreadaConProblemas);
  const fs::path t = dir / "Proyectos" / "Tienda";
  ASSERT_EQ(r.problemas.size(), 2u);
  EXPECT_EQ(r.problemas[0].archivo, t / "imagenes" / "no_existe.jpg");
  EXPECT_EQ(r.problemas[1].archivo, t / "visa.gif");
  EXPECT_EQ(r.estados.back(),
            "La Vendaluz ha sido creada, pero con 2 problemas: estos archivos no se pudieron "
            "escribir o copiar:\n" +
                r.problemas[0].archivo.string() + ": " + r.problemas[0].causa + "\n" +
                r.problemas[1].archivo.string() + ": " + r.problemas[1].causa);
  // The pages are all there; the run went on.
  EXPECT_TRUE(fs::exists(t / "ssl.htm"));
  EXPECT_EQ(g.Problemas(), r.problemas);
}

TEST(Generador, CategoryJobAddsPagesToAnExistingStore) {
  TempDir dir;
  const Espacio espacio = EspacioDePrueba(dir);
  Registro base;
  Generador tienda(ProyectoDePrueba("Tienda", 2), espacio, base.Llamadas());
  ASSERT_EQ(tienda.Ejecutar(), ResultadoGeneracion::kCreada);
  const fs::path t = dir / "Proyectos" / "Tienda";
  const std::string carrito = Slurp(t / "carrito.htm");

  Proyecto p = ProyectoDePrueba("Ofertas", 12);
  p.txtCantProd = "5";
  p.categoriaOpcion = 1;
  p.categoriaArchivo = "ofertas";
  p.categoriaCarpeta = t.string();
  p.formato.CSS = 1;
  Registro r;
  Generador g(p, espacio, r.Llamadas());
  EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kCreada);
  EXPECT_EQ(r.estados,
            (std::vector<std::string>{"Analizando Ofertas...", "Generando nueva categoría...",
                                      "La nueva categoría ha sido creada!"}));
  EXPECT_EQ(r.terminada, t);
  EXPECT_TRUE(r.preguntas.empty());
  EXPECT_EQ(Archivos(t), (std::vector<std::string>{"carrito.htm", "enviar.pl", "estado.htm",
                                                   "estilo.css", "formulario.htm", "ofertas.htm",
                                                   "ofertas2.htm", "ofertas3.htm"}));
  EXPECT_EQ(Slurp(t / "carrito.htm"), carrito);
  EXPECT_FALSE(fs::exists(dir / "Proyectos" / "Ofertas"));
  EXPECT_NE(Pagina(t / "ofertas2.htm").find("agregar6\""), std::string::npos);
  EXPECT_EQ(g.PrimeraPagina(), t / "ofertas.htm");
  Abridor abridor;
  g.VistaPrevia(abridor);
  EXPECT_EQ(abridor.abiertos, (std::vector<std::string>{"open " + (t / "ofertas.htm").string()}));
}

TEST(Generador, CategoryJobRefusesNamesAndFoldersThatWouldHarmTheStore) {
  TempDir dir;
  const Espacio espacio = EspacioDePrueba(dir);
  const fs::path t = dir / "Proyectos" / "Tienda";
  fs::create_directories(t);
  Spit(t / "carrito.htm", "la tienda");
  Spit(t / "estado.htm", "la tienda");
  fs::create_directories(dir / "vacia");
  struct {
    const char* nombre;
    fs::path carpeta;
    int codigo;
  } casos[] = {{"carrito", t, 304},
               {"estado", t, 304},
               {"formulario", t, 304},
               {"ssl", t, 304},
               {"Ofertas", t, 304},
               {"", t, 304},
               {"ofertas", dir / "vacia", 305},
               {"ofertas", "", 305}};
  for (const auto& c : casos) {
    Proyecto p = ProyectoDePrueba("Tienda", 3);
    p.categoriaOpcion = 1;
    p.categoriaArchivo = c.nombre;
    p.categoriaCarpeta = c.carpeta.string();
    Registro r;
    Generador g(p, espacio, r.Llamadas());
    EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kFallida) << c.nombre;
    ASSERT_EQ(r.errores.size(), 1u);
    EXPECT_EQ(r.errores[0].first, c.codigo) << c.nombre;
  }
  EXPECT_EQ(Archivos(t), (std::vector<std::string>{"carrito.htm", "estado.htm"}));
  EXPECT_EQ(Slurp(t / "carrito.htm"), "la tienda");
  EXPECT_TRUE(fs::is_empty(dir / "vacia"));
}

TEST(Generador, RunsOnlyOnce) {
  TempDir dir;
  Registro r;
  Generador g(ProyectoDePrueba("Tienda", 1), EspacioDePrueba(dir), r.Llamadas());
  EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kCreada);
  EXPECT_EQ(g.Ejecutar(), ResultadoGeneracion::kFallida);
  EXPECT_EQ(r.errores.size(), 1u);
  EXPECT_TRUE(r.preguntas.empty());
}

}  // namespace
}  // namespace vendaluz
