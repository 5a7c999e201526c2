#include "generator/imagenes.h"

#include <gtest/gtest.h>

#include "generar_util.h"
#include "platform/image.h"

namespace vendaluz {
namespace {

using namespace test;
namespace fs = std::filesystem;

const fs::path kDatos = fs::path(VENDALUZ_TEST_DATA) / "imagenes";

TEST(Miniaturas, NamesAndSizes) {
  const std::tuple<std::string, std::string, std::string> nombres[] = {
      {"D:\\fotos\\mesa.grande.gif", "mesa.grande.gif", "mesa"},
      {"  C:\\fotos/mixta\\lámpara.PNG  ", "lámpara.PNG", "lámpara"},
      {"fotos\\.oculta.jpg", ".oculta.jpg", ""}};
  for (const auto& [ruta, nombre, base] : nombres) {
    EXPECT_EQ(NombreImagen(ruta), nombre);
    EXPECT_EQ(NombreBase(ruta), base);
  }
  const std::pair<TamanoImagen, TamanoImagen> medidas[] = {
      {{300, 200}, {80, 53}}, {{200, 300}, {53, 80}}, {{299, 200}, {80, 54}},
      {{40, 20}, {80, 40}},   {{10000, 10}, {80, 1}}, {{1, 1}, {80, 80}}};
  for (const auto& [imagen, miniatura] : medidas) {
    EXPECT_EQ(MedidaMiniatura(imagen, ReglaMiniatura{}), miniatura) << imagen.ancho;
  }
  Proyecto::Thumbnails t;
  t.TGenerar = 0;
  t.TAncho = " 99 ";
  EXPECT_EQ(MedidaMiniatura({20, 3000}, LeerReglaMiniatura(t)), (TamanoImagen{99, 70}));
  for (const char* malo : {"abc", "0", "2001", "9.5", "-3", "7 0", ""}) {
    t.TAncho = malo;
    EXPECT_EQ(MensajeDe([&] { LeerReglaMiniatura(t); }),
              std::string("Error: 204: El tamaño de las miniaturas («") + malo +
                  "» por «70») debe ser de números enteros de 1 a 2000 píxeles");
  }
}

class Imagenes : public ::testing::Test {
 protected:
  // Products with these pictures; "silla" and "mesa" are the real files of the tests.
  void Productos(const std::vector<std::string>& imagenes) {
    p_.productos.clear();
    for (const auto& i : imagenes) {
      const bool real = i == "silla" || i == "mesa";
      p_.productos.push_back(
          {"P", "1.00", "",
           real ? (kDatos / (i == "silla" ? "silla.roja.jpg" : "mesa.grande.gif")).string() : i});
    }
  }
  std::string Foto(const std::string& nombre, const std::string& bytes) {
    Spit(dir_ / "fotos" / nombre, bytes);
    return (dir_ / "fotos" / nombre).string();
  }
  TamanosImagenes Miniaturas(const fs::path& tienda, int hilos, Avances* avances = nullptr,
                             Disk& disco = RealDisk()) {
    fs::create_directories(tienda / "thumbnails");
    return CrearMiniaturas(
        disco, p_, tienda,
        [&](int a, int b, int c) {
          if (avances) avances->emplace_back(a, b, c);
        },
        hilos);
  }
  TempDir dir_;
  Proyecto p_;
};

TEST_F(Imagenes, ThumbnailsAreTheSameOnAnyNumberOfThreads) {
  const std::string silla = Slurp(kDatos / "silla.roja.jpg");
  // Two pictures share the base name "mesa": the later one leaves its thumbnail.
  Productos({"silla", "", "mesa", Foto("a/copia.jpg", silla), "silla", Foto("b/mesa.jpg", silla),
             Foto("c.gif", Slurp(kDatos / "mesa.grande.gif"))});
  Avances serie;
  const TamanosImagenes tamanos = Miniaturas(dir_ / "serie", 1, &serie);
  const TamanoImagen ancha{300, 200}, alta{200, 300};
  EXPECT_EQ(tamanos, (TamanosImagenes{
                         {1, ancha}, {3, alta}, {4, ancha}, {5, ancha}, {6, ancha}, {7, alta}}));
  const auto archivos = Contenido(dir_ / "serie");
  std::map<std::string, Size> medidas;
  for (const auto& [nombre, bytes] : archivos) medidas[nombre] = ReadImage(bytes, nombre).original;
  EXPECT_EQ(medidas, (std::map<std::string, Size>{{"thumbnails/c.jpg", {53, 80}},
                                                  {"thumbnails/copia.jpg", {80, 53}},
                                                  {"thumbnails/mesa.jpg", {80, 53}},
                                                  {"thumbnails/silla.jpg", {80, 53}}}));
  for (int hilos : {2, 3, 8}) {
    Avances avances;
    EXPECT_EQ(Miniaturas(dir_ / std::to_string(hilos), hilos, &avances), tamanos);
    EXPECT_EQ(avances, serie);
    EXPECT_TRUE(Contenido(dir_ / std::to_string(hilos)) == archivos) << hilos << " hilos";
  }
  // A fixed box stretches every picture.
  p_.thumbnails.TGenerar = 0;
  Miniaturas(dir_ / "fija", 0);
  EXPECT_EQ(ReadImage(Slurp(dir_ / "fija/thumbnails/c.jpg"), "c").original, (Size{99, 70}));
}

TEST_F(Imagenes, TheFirstUnusablePictureStopsTheRunAndIsNamed) {
  const std::string silla = Slurp(kDatos / "silla.roja.jpg");
  const std::string f = (dir_ / "fotos").string() + "/";
  fs::create_directories(dir_ / "fotos" / "carpeta.jpg");
  const std::pair<std::string, std::string> casos[] = {
      {f + "falta.jpg", "Error: 201: No se pudo leer la imagen «" + f +
                            "falta.jpg»: no existe el archivo o la carpeta"},
      {f + "carpeta.jpg", "Error: 201: No se pudo leer la imagen «" + f +
                              "carpeta.jpg»: es una carpeta, no un archivo"},
      {Foto("cortada.jpg", silla.substr(0, silla.size() * 2 / 3)),
       "Error: 202: La imagen «" + f + "cortada.jpg» está incompleta"},
  };
  for (const auto& [ruta, error] : casos) {
    for (int hilos : {1, 3}) {
      Productos({"silla", "mesa", ruta, "silla", f + "falta.jpg"});
      Avances avances;
      EXPECT_EQ(MensajeDe([&] { Miniaturas(dir_ / "t", hilos, &avances); }), error);
      EXPECT_EQ(avances, (Avances{{0, 5, 1}, {0, 5, 2}}));
    }
  }
  // A thumbnail that cannot be written stops the run too, naming the file.
  Productos({"silla"});
  FailingDisk lleno("silla.jpg");
  EXPECT_EQ(MensajeDe([&] { Miniaturas(dir_ / "u", 0, nullptr, lleno); }),
            "Error: 102: No se pudo escribir «" + (dir_ / "u/thumbnails/silla.jpg").string() +
                "»: no queda espacio en el disco");
  // The size rule matters only when there is a picture to reduce.
  p_.thumbnails.TGenerar = 0;
  p_.thumbnails.TAncho = "grande";
  Productos({"", " "});
  EXPECT_TRUE(Miniaturas(dir_ / "v", 0).empty());
}

TEST_F(Imagenes, CopierCopiesBytesAndReportsWhatItCouldNot) {
  const fs::path tienda = dir_ / "tienda";
  Spit(tienda / "imagenes/ya.png", "ya estaba");
  const std::string falta = (dir_ / "falta.jpg").string();
  Productos({" " + Foto("silla.jpg", "uno") + " ", "", falta, Foto("otra/silla.jpg", "dos"),
             (tienda / "imagenes/ya.png").string(), Foto("D:\\fotos\\mesa.grande.gif", "tres")});
  Avances avances;
  EXPECT_EQ(CopiarImagenes(RealDisk(), p_, tienda,
                           [&](int a, int b, int c) { avances.emplace_back(a, b, c); }),
            (std::vector<ProblemaArchivo>{
                {tienda / "imagenes/falta.jpg",
                 "no se pudo leer «" + falta + "»: no existe el archivo o la carpeta"}}));
  EXPECT_EQ(avances.size(), 6u);
  EXPECT_EQ(Contenido(tienda / "imagenes"),
            (std::map<std::string, std::string>{
                {"mesa.grande.gif", "tres"}, {"silla.jpg", "dos"}, {"ya.png", "ya estaba"}}));
}

}  // namespace
}  // namespace vendaluz
