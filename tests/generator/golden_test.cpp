// Whole stores compared byte for byte with the reviewed files in tests/data/generador.
//
// Text files (pages, stylesheet, scripts) must match exactly. Pictures (copies,
// thumbnails, card logos) are checked by name only, against the list in the
// golden folder's _imagenes.txt, so the golden files do not depend on how
// thumbnails are drawn. With VENDALUZ_ESCRIBIR_GOLDEN=1 the test writes the golden
// folders instead of comparing; review every change before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>

#include "generar_util.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;
using test::Archivos;
using test::EspacioDePrueba;
using test::Registro;
using test::Slurp;
using test::Spit;
using test::TempDir;

const fs::path kGolden = fs::path(VENDALUZ_TEST_DATA) / "generador";
const fs::path kImagenes = fs::path(VENDALUZ_TEST_DATA) / "imagenes";

bool EsImagen(const std::string& ruta) { return ruta.ends_with(".gif") || ruta.ends_with(".jpg"); }

Proyecto Predeterminado() {
  Proyecto p = test::ProyectoDePrueba("Tienda");
  p.productos = {
      {"Silla de pino", "45.00", "Asiento de enea, barnizada a mano.", ""},
      {"Mesa de roble", "320.50", "Tablero macizo de 160 x 90 cm.", ""},
      {"Lámpara de pie", "89.99", "Pantalla de lino crudo.", ""},
  };
  return p;
}

// Every option away from its default, 25 products with pictures on three of them,
// names that need escaping, and texts with marks and characters outside Windows-1252.
Proyecto Rico() {
  Proyecto p = test::ProyectoDePrueba("Muebles Ñandú");
  p.formato.Fuente = "Verdana";
  p.formato.TamanoFuente = "12pt";
  p.formato.Titulo = {"Catálogo", "Su pedido", "Pago seguro"};
  p.formato.Texto = {"Bienvenidos. Enlaces en *Link*.\r\nEnvíos → toda España.",
                     "Complete sus datos, por favor.", "Pague con total seguridad."};
  p.formato.CentrarTexto = {0, 1, 1};
  p.formato.Color = {15790320, 3355443, 128, 14740479, 8421504, 255, 8388736};
  p.formato.CSS = 1;
  p.css.CSS = {255, 16777215, 32768, 65535};
  p.css.Fuente1 = "Arial";
  p.css.TamanoFuente1 = "11pt";
  p.css.Decoracion1 = "underline";
  p.metaTags.valor = {"Ana Peña",
                      "Muebles \"Ñandú\"",
                      "Muebles artesanales de pino",
                      "sillas, mesas, pino",
                      "Global",
                      "Document",
                      "7 days",
                      "all"};
  p.popup.Barra1 = 0, p.popup.Barra2 = 1, p.popup.Barra3 = 0, p.popup.Barra4 = 1;
  p.popup.Barra5 = 0, p.popup.Centrar = 0;
  p.camposFormulario = {{"Nombre y apellido", "nombre", "40"},
                        {"Correo electrónico", "email", "30"},
                        {"Teléfono", "telefono", "15"}};
  p.camposOcultos = {R"(<input type="hidden" name="comercio" value="4711">)",
                     R"(<input type="hidden" name="moneda" value="EUR">)"};
  p.cgi.Ruta = "http://www.muebles-nandu.example/cgi-bin/enviar.pl";
  p.correoEmail = "pedidos@muebles-nandu.example";
  p.servidor.Redireccionar = "http://www.muebles-nandu.example/gracias.htm";
  p.servidor.RutaServidor = "https://pagos.example/nandu/formulario.htm";
  p.servidor.ServidorScript = "https://pagos.example/cgi-bin/cobrar";
  p.tajetas = {1, 0, 1, 1};  // Visa, Amex, Master, Diners
  p.cheTasa = 1;
  p.txtTasa = "21";
  const char* nombres[] = {"Silla roja", "Mesa grande", R"(Sill'n "Roma" \ 2)",
                           "Mesa [grande], #1; oferta", "Ñandú ñoño €"};
  for (int i = 1; i <= 25; ++i) {
    Producto prod{i <= 5 ? nombres[i - 1] : "Producto " + std::to_string(i),
                  std::to_string(i * 3) + "." + (i % 2 ? "50" : "99"),
                  "Descripción del producto " + std::to_string(i) + ".", ""};
    p.productos.push_back(prod);
  }
  p.productos[0].Imagen = (kImagenes / "silla.roja.jpg").string();
  p.productos[1].Imagen = (kImagenes / "mesa.grande.gif").string();
  p.productos[11].Imagen = "  " + (kImagenes / "silla.roja.jpg").string() + " ";
  p.productos[3].Descripcion = "<b>Oferta</b> por tiempo limitado";
  return p;
}

Proyecto Menos(Proyecto p, int productos) {
  p.productos.resize(productos);
  return p;
}

struct Caso {
  std::string nombre;
  std::function<Proyecto()> proyecto;
};

const std::vector<Caso>& Casos() {
  static const std::vector<Caso> casos = {
      {"predeterminado", Predeterminado},
      {"rico", Rico},
      {"asp_sin_css_ni_meta",
       [] {
         Proyecto p = Menos(Rico(), 2);
         ElegirSoporte(p, &Proyecto::Soporte::ASP);
         p.formato.CSS = 0;
         p.metaTags.Incluir = 0;
         p.cheTasa = 0;
         p.formularioValidar = 0;
         p.formato.CentrarTexto = {1, 0, 0};
         p.popup.Centrar = 1;
         return p;
       }},
      {"php",
       [] {
         Proyecto p = Menos(Rico(), 1);
         ElegirSoporte(p, &Proyecto::Soporte::PHP);
         return p;
       }},
      {"sin_script",
       [] {
         Proyecto p = Menos(Rico(), 1);
         p.soporte = {false, false, false};
         return p;
       }},
      {"pasarela",
       [] {
         Proyecto p = Menos(Rico(), 2);
         ElegirServidor(p, &Proyecto::Servidor::SPG);
         p.tajetas = {1, 0, 0, 1};
         p.txtTasa = "10.5";
         return p;
       }},
      {"ssl",
       [] {
         Proyecto p = Menos(Rico(), 2);
         ElegirServidor(p, &Proyecto::Servidor::SSL);
         p.formato.CSS = 0;
         return p;
       }},
      {"sin_servidor",
       [] {
         Proyecto p = Menos(Rico(), 1);
         p.servidor.NoSS = p.servidor.SPG = p.servidor.SSL = false;
         return p;
       }},
  };
  return casos;
}

// Compares (or writes) the golden folder of a case with the store in carpeta.
void Comparar(const std::string& caso, const fs::path& carpeta) {
  const fs::path golden = kGolden / caso;
  const std::vector<std::string> archivos = Archivos(carpeta);
  std::string imagenes;
  for (const std::string& a : archivos) {
    if (EsImagen(a)) imagenes += a + "\n";
  }
  if (const char* e = std::getenv("VENDALUZ_ESCRIBIR_GOLDEN"); e && std::string(e) == "1") {
    fs::remove_all(golden);
    fs::create_directories(golden);
    for (const std::string& a : archivos) {
      if (!EsImagen(a)) Spit(golden / a, Slurp(carpeta / a));
    }
    Spit(golden / "_imagenes.txt", imagenes);
    return;
  }
  ASSERT_TRUE(fs::is_directory(golden)) << golden;
  EXPECT_EQ(imagenes, Slurp(golden / "_imagenes.txt")) << caso;
  std::vector<std::string> textos;
  for (const std::string& a : archivos) {
    if (!EsImagen(a)) textos.push_back(a);
  }
  std::vector<std::string> esperados;
  for (const std::string& a : Archivos(golden)) {
    if (a != "_imagenes.txt") esperados.push_back(a);
  }
  EXPECT_EQ(textos, esperados) << caso;
  for (const std::string& a : textos) {
    const std::string hecho = Slurp(carpeta / a);
    const std::string esperado = Slurp(golden / a);
    if (hecho == esperado) continue;
    std::size_t i = 0;
    while (i < hecho.size() && i < esperado.size() && hecho[i] == esperado[i]) ++i;
    ADD_FAILURE() << caso << "/" << a << " differs at byte " << i << ":\n  got      «"
                  << hecho.substr(i > 40 ? i - 40 : 0, 120) << "»\n  expected «"
                  << esperado.substr(i > 40 ? i - 40 : 0, 120) << "»";
  }
}

TEST(Golden, StoresMatchTheReviewedFiles) {
  for (const Caso& c : Casos()) {
    SCOPED_TRACE(c.nombre);
    TempDir dir;
    Registro r;
    Generador g(c.proyecto(), EspacioDePrueba(dir), r.Llamadas());
    ASSERT_EQ(g.Ejecutar(), ResultadoGeneracion::kCreada);
    Comparar(c.nombre, g.Carpeta());
  }
}

TEST(Golden, CategoryMatchesTheReviewedFiles) {
  TempDir dir;
  const Espacio espacio = EspacioDePrueba(dir);
  Registro r;
  Generador tienda(Predeterminado(), espacio, r.Llamadas());
  ASSERT_EQ(tienda.Ejecutar(), ResultadoGeneracion::kCreada);

  Proyecto p = Menos(Rico(), 12);
  p.txtCantProd = "5";
  p.categoriaOpcion = 1;
  p.categoriaArchivo = "ofertas";
  p.categoriaCarpeta = tienda.Carpeta().string();
  // The store's own files are the default store's golden ones; the category must
  // leave them as they are, and only what it adds is compared with its golden files.
  std::map<std::string, std::string> antes;
  for (const std::string& a : Archivos(tienda.Carpeta())) antes[a] = Slurp(tienda.Carpeta() / a);
  Generador categoria(p, espacio, r.Llamadas());
  ASSERT_EQ(categoria.Ejecutar(), ResultadoGeneracion::kCreada);
  TempDir agregados;
  for (const std::string& a : Archivos(tienda.Carpeta())) {
    const std::string bytes = Slurp(tienda.Carpeta() / a);
    if (const auto it = antes.find(a); it != antes.end()) {
      EXPECT_EQ(bytes, it->second) << a << " changed by the category job";
      continue;
    }
    fs::create_directories((agregados.path() / a).parent_path());
    Spit(agregados.path() / a, bytes);
  }
  Comparar("categoria", agregados.path());
}

}  // namespace
}  // namespace vendaluz
