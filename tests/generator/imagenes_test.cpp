#include "generator/imagenes.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <map>
#include <tuple>

#include "image_testing.h"
#include "platform/error.h"
#include "test_util.h"

namespace vendaluz {
namespace {

using namespace test;
namespace fs = std::filesystem;

TEST(NombresImagen, FileAndBaseNameFromAnyPath) {
  const std::tuple<std::string, std::string, std::string> casos[] = {
      {"D:\\fotos\\mesa.grande.gif", "mesa.grande.gif", "mesa"},
      {"/home/ana/fotos/silla.jpg", "silla.jpg", "silla"},
      {"  C:\\fotos/mixta\\lámpara.PNG  ", "lámpara.PNG", "lámpara"},
      {"sinextension", "sinextension", "sinextension"},
      {"fotos\\.oculta.jpg", ".oculta.jpg", ""},
      {"", "", ""},
  };
  for (const auto& [ruta, nombre, base] : casos) {
    EXPECT_EQ(NombreImagen(ruta), nombre) << ruta;
    EXPECT_EQ(NombreBase(ruta), base) << ruta;
  }
}

TEST(MedidaMiniatura, LongerSideEightyOrTheFixedBox) {
  const ReglaMiniatura proporcional;
  const std::pair<TamanoImagen, TamanoImagen> casos[] = {
      {{300, 200}, {80, 53}},   {{200, 300}, {53, 80}}, {{299, 200}, {80, 54}},
      {{100, 100}, {80, 80}},   {{40, 20}, {80, 40}},   {{10000, 10}, {80, 1}},
      {{4000, 3000}, {80, 60}}, {{1, 1}, {80, 80}},
  };
  for (const auto& [imagen, miniatura] : casos) {
    EXPECT_EQ(MedidaMiniatura(imagen, proporcional), miniatura)
        << imagen.ancho << " por " << imagen.alto;
  }
  Proyecto::Thumbnails t;
  t.TGenerar = 0;
  t.TAncho = " 99 ";
  t.TAlto = "70";
  const ReglaMiniatura fija = LeerReglaMiniatura(t);
  EXPECT_EQ(MedidaMiniatura({300, 200}, fija), (TamanoImagen{99, 70}));
  EXPECT_EQ(MedidaMiniatura({20, 3000}, fija), (TamanoImagen{99, 70}));
  // With TGenerar 1 the box is not read at all.
  t.TGenerar = 1;
  t.TAncho = "no se usa";
  EXPECT_TRUE(LeerReglaMiniatura(t).proporcional);
}

TEST(MedidaMiniatura, FixedBoxMustBeWholeNumbers) {
  const std::pair<std::string, std::string> malos[] = {
      {"abc", "70"}, {"99", ""},   {"0", "70"},   {"99", "2001"},
      {"9.5", "70"}, {"-3", "70"}, {"99", "7 0"},
  };
  for (const auto& [ancho, alto] : malos) {
    Proyecto::Thumbnails t;
    t.TGenerar = 0;
    t.TAncho = ancho;
    t.TAlto = alto;
    try {
      LeerReglaMiniatura(t);
      ADD_FAILURE() << ancho << " por " << alto << " aceptado";
    } catch (const Error& e) {
      EXPECT_EQ(e.codigo(), 204);
      EXPECT_EQ(e.descripcion(), "El tamaño de las miniaturas («" + ancho + "» por «" + alto +
                                     "») debe ser de números enteros de 1 a 2000 píxeles");
    }
  }
}

// Every file under a folder, by path relative to it, with its bytes.
std::map<std::string, std::string> Listar(const fs::path& carpeta) {
  std::map<std::string, std::string> archivos;
  for (const auto& e : fs::recursive_directory_iterator(carpeta)) {
    if (e.is_regular_file()) archivos[fs::relative(e.path(), carpeta).string()] = Slurp(e.path());
  }
  return archivos;
}

using Avances = std::vector<std::tuple<int, int, int>>;

class Imagenes : public ::testing::Test {
 protected:
  Imagenes() {
    fs::create_directories(fotos_);
    NuevaTienda(tienda_);
  }

  static void NuevaTienda(const fs::path& carpeta) {
    fs::create_directories(carpeta / "imagenes");
    fs::create_directories(carpeta / "thumbnails");
  }

  // Writes a picture under fotos/ and returns its path.
  std::string Foto(const std::string& nombre, const std::string& bytes) {
    const fs::path ruta = fotos_ / nombre;
    fs::create_directories(ruta.parent_path());
    Spit(ruta, bytes);
    return ruta.string();
  }

  void Productos(const std::vector<std::string>& imagenes) {
    p_.productos.clear();
    for (const auto& imagen : imagenes) {
      p_.productos.push_back({"Producto", "1.00", "", imagen});
    }
  }

  TamanosImagenes Miniaturas(const fs::path& carpeta, int hilos, Avances* avances = nullptr) {
    return CrearMiniaturas(
        p_, carpeta,
        [&](int minimo, int maximo, int valor) {
          if (avances) avances->emplace_back(minimo, maximo, valor);
        },
        hilos);
  }

  static DecodedImage Abrir(const fs::path& archivo) {
    return ReadImage(Slurp(archivo), archivo.string());
  }

  TempDir dir_;
  fs::path fotos_ = dir_ / "fotos";
  fs::path tienda_ = dir_ / "tienda";
  Proyecto p_;
};

TEST_F(Imagenes, EveryPictureGetsAJpegThumbnailAndItsSizeRecorded) {
  Productos({Foto("ancha.jpg", Jpeg(Quadrants(300, 200))), "",
             "  " + Foto("alta.png", Png(Quadrants(200, 300))) + "  ",
             Foto("cuadrada.gif", Gif(Quadrants(120, 120))),
             // A phone picture stored on its side, to be shown turned.
             Foto("movil.jpg", Jpeg(Quadrants(300, 200), {.orientation = 6}))});
  for (int hilos : {1, 2}) {
    SCOPED_TRACE(hilos);
    fs::remove_all(tienda_ / "thumbnails");
    fs::create_directory(tienda_ / "thumbnails");
    Avances avances;
    const TamanosImagenes tamanos = Miniaturas(tienda_, hilos, &avances);

    EXPECT_EQ(tamanos, (TamanosImagenes{
                           {1, {300, 200}}, {3, {200, 300}}, {4, {120, 120}}, {5, {200, 300}}}));
    EXPECT_EQ(avances, (Avances{{0, 5, 1}, {0, 5, 2}, {0, 5, 3}, {0, 5, 4}, {0, 5, 5}}));
    const auto archivos = Listar(tienda_);
    std::vector<std::string> nombres;
    for (const auto& [nombre, bytes] : archivos) nombres.push_back(nombre);
    EXPECT_EQ(nombres,
              (std::vector<std::string>{"thumbnails/alta.jpg", "thumbnails/ancha.jpg",
                                        "thumbnails/cuadrada.jpg", "thumbnails/movil.jpg"}));
    const std::pair<std::string, Size> medidas[] = {
        {"ancha", {80, 53}}, {"alta", {53, 80}}, {"cuadrada", {80, 80}}, {"movil", {53, 80}}};
    for (const auto& [nombre, medida] : medidas) {
      const std::string bytes = archivos.at("thumbnails/" + nombre + ".jpg");
      EXPECT_EQ(bytes.substr(0, 3), "\xFF\xD8\xFF") << nombre << " no es JPEG";
      EXPECT_EQ(ReadImage(bytes, nombre).original, medida) << nombre;
    }
    // The turned picture: its stored top (red, green) is now the right side.
    const Bitmap movil = Abrir(tienda_ / "thumbnails/movil.jpg").bitmap;
    EXPECT_LE(Distance(test::ColorAt(movil, 40, 10), kRed), 40);
    EXPECT_LE(Distance(test::ColorAt(movil, 40, 70), kGreen), 40);
    EXPECT_LE(Distance(test::ColorAt(movil, 10, 10), kBlue), 40);
  }
}

TEST_F(Imagenes, FixedBoxStretchesEveryPicture) {
  p_.thumbnails.TGenerar = 0;
  p_.thumbnails.TAncho = "99";
  p_.thumbnails.TAlto = "70";
  Productos(
      {Foto("ancha.jpg", Jpeg(Quadrants(300, 200))), Foto("alta.gif", Gif(Quadrants(200, 300)))});
  EXPECT_EQ(Miniaturas(tienda_, 0), (TamanosImagenes{{1, {300, 200}}, {2, {200, 300}}}));
  EXPECT_EQ(Abrir(tienda_ / "thumbnails/ancha.jpg").original, (Size{99, 70}));
  EXPECT_EQ(Abrir(tienda_ / "thumbnails/alta.jpg").original, (Size{99, 70}));
}

TEST_F(Imagenes, ThumbnailKeepsThePicturesColours) {
  const std::string jpeg = Jpeg(test::Photo(1600, 1200, 7), {.quality = 90});
  const std::string gif = Gif(Paint(800, 600, [](int x, int y) {
    return Rgb{static_cast<std::uint8_t>(x / 50 * 16), static_cast<std::uint8_t>(y / 50 * 20), 90};
  }));
  Productos({Foto("foto.jpg", jpeg), Foto("dibujo.gif", gif)});
  Miniaturas(tienda_, 0);
  const std::pair<std::string, std::string> pares[] = {{"foto", jpeg}, {"dibujo", gif}};
  for (const auto& [nombre, original] : pares) {
    const auto foto = Mean(ReadImage(original, nombre).bitmap);
    const auto miniatura = Mean(Abrir(tienda_ / "thumbnails" / (nombre + ".jpg")).bitmap);
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(miniatura[c], foto[c], 3.0) << nombre << " " << c;
  }
}

TEST_F(Imagenes, WindowsPathGivesTheStoresFileNames) {
  // On this system a backslash is an ordinary character, so the Windows path names a
  // file in the current folder; the store files are named from its last part alone.
  const fs::path antes = fs::current_path();
  fs::current_path(dir_.path());
  const std::string gif = Gif(Quadrants(90, 60));
  Spit("D:\\fotos\\mesa.grande.gif", gif);
  Productos({"D:\\fotos\\mesa.grande.gif"});
  const auto problemas = CopiarImagenes(p_, tienda_, nullptr);
  const auto tamanos = Miniaturas(tienda_, 0);
  fs::current_path(antes);

  EXPECT_TRUE(problemas.empty());
  EXPECT_EQ(tamanos, (TamanosImagenes{{1, {90, 60}}}));
  const auto archivos = Listar(tienda_);
  ASSERT_EQ(archivos.size(), 2u);  // and no BMP or other leftover
  EXPECT_EQ(archivos.at("imagenes/mesa.grande.gif"), gif);
  EXPECT_EQ(ReadImage(archivos.at("thumbnails/mesa.jpg"), "mesa").original, (Size{80, 53}));
}

TEST_F(Imagenes, ParallelRunEqualsSerialRunFileForFile) {
  // The earlier of the two "mesa" pictures is by far the slower to read, so that a
  // worker that wrote every thumbnail would let it overwrite the later one.
  const std::string mesa_a = Foto("a/mesa.png", Png(test::Photo(2400, 1600, 1)));
  const std::string mesa_b = Foto("b/mesa.jpg", Jpeg(Quadrants(100, 150)));
  std::vector<std::string> imagenes;
  for (int i = 0; i < 12; ++i) {
    const std::string n = "f" + std::to_string(i);
    switch (i % 3) {
      case 0:
        imagenes.push_back(Foto(n + ".jpg", Jpeg(test::Photo(320 + i, 240, i))));
        break;
      case 1:
        imagenes.push_back(Foto(n + ".png", Png(test::Photo(200, 260 + i, i))));
        break;
      case 2:
        imagenes.push_back(Foto(n + ".gif", Gif(Quadrants(150 + i, 100))));
        break;
    }
  }
  imagenes[2] = mesa_a;       // product 3
  imagenes[8] = mesa_b;       // product 9: same base name, the later one
  imagenes[5] = imagenes[0];  // product 6: the same picture as product 1
  imagenes[6] = "";           // product 7: no picture
  Productos(imagenes);

  Avances serie_avances;
  const TamanosImagenes serie = Miniaturas(tienda_, 1, &serie_avances);
  const auto serie_archivos = Listar(tienda_);
  // 12 products: one without picture, two pairs sharing a base name.
  EXPECT_EQ(serie_archivos.size(), 9u);
  EXPECT_EQ(serie.size(), 11u);
  EXPECT_EQ(serie.at(3), (TamanoImagen{2400, 1600}));
  EXPECT_EQ(serie.at(9), (TamanoImagen{100, 150}));
  EXPECT_EQ(ReadImage(serie_archivos.at("thumbnails/mesa.jpg"), "mesa").original, (Size{53, 80}));

  for (int hilos : {2, 3, 8}) {
    const fs::path otra = dir_ / ("tienda" + std::to_string(hilos));
    NuevaTienda(otra);
    Avances avances;
    EXPECT_EQ(Miniaturas(otra, hilos, &avances), serie) << hilos;
    EXPECT_EQ(avances, serie_avances) << hilos;
    EXPECT_TRUE(Listar(otra) == serie_archivos) << hilos << " hilos: archivos distintos";
  }
}

TEST_F(Imagenes, FirstBadPictureStopsTheRunAndIsNamed) {
  const std::string buena = Jpeg(Quadrants(60, 40));
  Productos({Foto("uno.jpg", buena), Foto("dos.jpg", buena), Foto("texto.jpg", "hola\r\n"),
             Foto("cuatro.jpg", buena), (fotos_ / "falta.jpg").string(), Foto("vacia.jpg", "")});
  for (int hilos : {1, 2, 4}) {
    SCOPED_TRACE(hilos);
    Avances avances;
    try {
      Miniaturas(tienda_, hilos, &avances);
      ADD_FAILURE() << "sin error";
    } catch (const Error& e) {
      EXPECT_EQ(e.Mensaje(), "Error: 202: La imagen «" + (fotos_ / "texto.jpg").string() +
                                 "» no es una imagen JPEG, GIF ni PNG");
    }
    EXPECT_EQ(avances, (Avances{{0, 6, 1}, {0, 6, 2}}));
  }
}

TEST_F(Imagenes, EachKindOfUnusablePictureHasItsError) {
  const std::string jpeg = Jpeg(test::Photo(200, 150, 2));
  fs::create_directory(fotos_ / "carpeta.jpg");
  struct Caso {
    std::string ruta;
    int codigo;
    std::string descripcion;
  };
  const std::string f = fotos_.string() + "/";
  const Caso casos[] = {
      {f + "falta.jpg", 201,
       "No se pudo leer la imagen «" + f + "falta.jpg»: no existe el archivo o la carpeta"},
      {f + "carpeta.jpg", 201,
       "No se pudo leer la imagen «" + f + "carpeta.jpg»: es una carpeta, no un archivo"},
      {Foto("vacia.jpg", ""), 202, "La imagen «" + f + "vacia.jpg» está vacía"},
      {Foto("cortada.jpg", jpeg.substr(0, jpeg.size() * 2 / 3)), 202,
       "La imagen «" + f + "cortada.jpg» está incompleta"},
      {Foto("enorme.jpg", WithDeclaredSize(jpeg, 30000, 30000)), 203,
       "La imagen «" + f +
           "enorme.jpg» mide 30000 por 30000 píxeles y supera el máximo de 100 megapíxeles"},
  };
  for (const Caso& c : casos) {
    try {
      CrearMiniatura(c.ruta, tienda_ / "thumbnails" / "x", ReglaMiniatura{});
      ADD_FAILURE() << c.ruta << ": sin error";
    } catch (const Error& e) {
      EXPECT_EQ(e.codigo(), c.codigo) << c.ruta;
      EXPECT_EQ(e.descripcion(), c.descripcion);
    }
  }
  EXPECT_TRUE(Listar(tienda_).empty());  // no thumbnail, not even a half one
}

TEST_F(Imagenes, ThumbnailThatCannotBeWrittenIsAnError) {
  Productos({Foto("silla.jpg", Jpeg(Quadrants(60, 40)))});
  fs::remove(tienda_ / "thumbnails");
  try {
    Miniaturas(tienda_, 0);
    ADD_FAILURE() << "sin error";
  } catch (const Error& e) {
    EXPECT_EQ(e.Mensaje(), "Error: 102: No se pudo escribir «" +
                               (tienda_ / "thumbnails/silla.jpg").string() +
                               "»: no existe el archivo o la carpeta");
  }
}

TEST_F(Imagenes, SizeRuleIsCheckedOnlyWhenAPictureNeedsIt) {
  p_.thumbnails.TGenerar = 0;
  p_.thumbnails.TAncho = "grande";
  Productos({"", "  "});
  Avances avances;
  EXPECT_TRUE(Miniaturas(tienda_, 0, &avances).empty());
  EXPECT_EQ(avances, (Avances{{0, 2, 1}, {0, 2, 2}}));

  Productos({"", Foto("silla.jpg", Jpeg(Quadrants(60, 40)))});
  try {
    Miniaturas(tienda_, 0);
    ADD_FAILURE() << "sin error";
  } catch (const Error& e) {
    EXPECT_EQ(e.codigo(), 204);
  }
}

TEST_F(Imagenes, CopierCopiesBytesAndReportsWhatItCouldNot) {
  const std::string silla = Foto("silla.jpg", "bytes de la silla");
  const std::string otra_silla = Foto("otra/silla.jpg", "bytes de la otra silla");
  const std::string mesa = Foto("mesa.gif", "bytes de la mesa");
  Spit(tienda_ / "imagenes/ya.png", "ya estaba");
  const std::string falta = (fotos_ / "falta.jpg").string();
  Productos(
      {" " + silla + " ", "", falta, mesa, otra_silla, (tienda_ / "imagenes/ya.png").string()});

  Avances avances;
  const auto problemas =
      CopiarImagenes(p_, tienda_, [&](int a, int b, int c) { avances.emplace_back(a, b, c); });
  // The store's file is named; the cause names the picture that is missing.
  EXPECT_EQ(problemas,
            (std::vector<ProblemaArchivo>{
                {tienda_ / "imagenes/falta.jpg",
                 "no se pudo leer «" + falta + "»: no existe el archivo o la carpeta"}}));
  EXPECT_EQ(avances.size(), 6u);
  EXPECT_EQ(avances.back(), std::make_tuple(0, 6, 6));
  EXPECT_EQ(Listar(tienda_ / "imagenes"), (std::map<std::string, std::string>{
                                              {"silla.jpg", "bytes de la otra silla"},
                                              {"mesa.gif", "bytes de la mesa"},
                                              {"ya.png", "ya estaba"},  // copied onto itself
                                          }));

  // A target folder that is missing: every copy is reported, none is lost silently.
  const auto sin_carpeta = CopiarImagenes(p_, dir_ / "no_existe", nullptr);
  ASSERT_EQ(sin_carpeta.size(), 5u);
  EXPECT_EQ(sin_carpeta[0], (ProblemaArchivo{dir_ / "no_existe/imagenes/silla.jpg",
                                             "no existe el archivo o la carpeta"}));
  EXPECT_EQ(sin_carpeta[1].archivo, dir_ / "no_existe/imagenes/falta.jpg");
}

// While alive, files cannot grow past `bytes` (the write fails with EFBIG, even for
// root).
class LimiteDeArchivo {
 public:
  explicit LimiteDeArchivo(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &antes_);
    senal_ = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limite = antes_;
    limite.rlim_cur = bytes;
    ok_ = ::setrlimit(RLIMIT_FSIZE, &limite) == 0;
  }
  ~LimiteDeArchivo() {
    ::setrlimit(RLIMIT_FSIZE, &antes_);
    std::signal(SIGXFSZ, senal_);
  }
  bool ok() const { return ok_; }

 private:
  struct rlimit antes_ {};
  void (*senal_)(int);
  bool ok_;
};

TEST_F(Imagenes, WriteCutShortLeavesNoHalfFile) {
  const std::string grande = Foto("grande.jpg", Jpeg(test::Photo(400, 300, 4)));
  const std::string chica = Foto("chica.txt", "pocos bytes");
  ASSERT_GT(Slurp(grande).size(), 4000u);
  Productos({grande, chica});
  std::vector<ProblemaArchivo> problemas;
  std::string error;
  {
    LimiteDeArchivo limite(1000);
    ASSERT_TRUE(limite.ok());
    problemas = CopiarImagenes(p_, tienda_, nullptr);
    try {
      CrearMiniatura(grande, tienda_ / "thumbnails/grande", ReglaMiniatura{});
    } catch (const Error& e) {
      error = e.Mensaje();
    }
  }
  EXPECT_EQ(problemas, (std::vector<ProblemaArchivo>{{tienda_ / "imagenes/grande.jpg",
                                                      "el archivo supera el tamaño permitido"}}));
  EXPECT_EQ(error, "Error: 102: No se pudo escribir «" +
                       (tienda_ / "thumbnails/grande.jpg").string() +
                       "»: el archivo supera el tamaño permitido");
  // Only the small copy is there: neither half file is left to look whole.
  EXPECT_EQ(Listar(tienda_),
            (std::map<std::string, std::string>{{"imagenes/chica.txt", "pocos bytes"}}));
}

TEST_F(Imagenes, CopierDoesNothingWhenPicturesAreNotCopied) {
  Productos({Foto("silla.jpg", "bytes")});
  for (auto [imagen, copiar] : {std::pair{0, 1}, std::pair{1, 0}}) {
    p_.productosImagen = imagen;
    p_.thumbnails.Copiar = copiar;
    int avances = 0;
    EXPECT_TRUE(CopiarImagenes(p_, tienda_, [&](int, int, int) { ++avances; }).empty());
    EXPECT_EQ(avances, 0);
    EXPECT_TRUE(Listar(tienda_).empty());
  }
}

}  // namespace
}  // namespace vendaluz
