#include "platform/preview_server.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include "platform/error.h"
#include "test_util.h"

namespace vendaluz {
namespace {

using test::Spit;
using test::TempDir;

struct Respuesta {
  int estado = -1;  // -1: no connection
  std::string cuerpo, tipo, cache;
};

Respuesta Pedir(int puerto, const std::string& metodo, const std::string& ruta) {
  httplib::Client cliente("127.0.0.1", puerto);
  cliente.set_connection_timeout(2);
  httplib::Result r = metodo == "GET"    ? cliente.Get(ruta)
                      : metodo == "POST" ? cliente.Post(ruta, "a=1", "text/plain")
                      : metodo == "PUT"  ? cliente.Put(ruta, "x", "text/plain")
                                         : cliente.Delete(ruta);
  if (!r) return {};
  return {r->status, r->body, r->get_header_value("Content-Type"),
          r->get_header_value("Cache-Control")};
}

TEST(PreviewServer, ServesTheStoreFolderReadOnly) {
  TempDir dir;
  const auto tienda = dir / "Proyectos" / "Mi Tienda";
  std::filesystem::create_directories(tienda / "imagenes");
  Spit(tienda / "carrito.htm", "<html>carrito</html>\r\n");
  Spit(tienda / "estilo.css", "body{}");
  Spit(tienda / "imagenes" / "silla 1.jpg", "JPEG");
  Spit(dir / "secreto.txt", "fuera de la tienda");

  PreviewServer servidor;
  EXPECT_EQ(servidor.Port(), 0);
  const std::string direccion = servidor.Address(tienda, "carrito.htm");
  const int puerto = servidor.Port();
  ASSERT_GT(puerto, 0);
  EXPECT_EQ(direccion, "http://127.0.0.1:" + std::to_string(puerto) + "/carrito.htm");

  const Respuesta pagina = Pedir(puerto, "GET", "/carrito.htm");
  EXPECT_EQ(pagina.estado, 200);
  EXPECT_EQ(pagina.cuerpo, "<html>carrito</html>\r\n");
  EXPECT_EQ(pagina.tipo, "text/html");
  EXPECT_EQ(pagina.cache, "no-store");
  EXPECT_EQ(Pedir(puerto, "GET", "/estilo.css").tipo, "text/css");
  EXPECT_EQ(Pedir(puerto, "GET", "/imagenes/silla%201.jpg").cuerpo, "JPEG");

  // Nothing outside the folder, and nothing but reading.
  for (const char* fuera :
       {"/../secreto.txt", "/..%2Fsecreto.txt", "/imagenes/../../secreto.txt", "/no-existe.htm"}) {
    SCOPED_TRACE(fuera);
    const Respuesta r = Pedir(puerto, "GET", fuera);
    EXPECT_GE(r.estado, 400);
    EXPECT_EQ(r.cuerpo.find("fuera de la tienda"), std::string::npos);
  }
  for (const char* metodo : {"POST", "PUT", "DELETE"}) {
    SCOPED_TRACE(metodo);
    EXPECT_GE(Pedir(puerto, metodo, "/carrito.htm").estado, 400);
  }
  EXPECT_EQ(test::Slurp(tienda / "carrito.htm"), "<html>carrito</html>\r\n");

  // The same folder keeps its server; page names are written as URL paths.
  EXPECT_EQ(servidor.Address(tienda, "ofertas ñ.htm"),
            "http://127.0.0.1:" + std::to_string(puerto) + "/ofertas%20%C3%B1.htm");
  EXPECT_EQ(servidor.Port(), puerto);
}

TEST(PreviewServer, AnotherFolderReplacesTheServerAndStopEndsIt) {
  TempDir dir;
  std::filesystem::create_directories(dir / "a");
  std::filesystem::create_directories(dir / "b");
  Spit(dir / "a" / "carrito.htm", "A");
  Spit(dir / "b" / "carrito.htm", "B");

  PreviewServer servidor;
  servidor.Address(dir / "a", "carrito.htm");
  const int primero = servidor.Port();
  servidor.Address(dir / "b", "carrito.htm");
  const int segundo = servidor.Port();
  EXPECT_EQ(Pedir(segundo, "GET", "/carrito.htm").cuerpo, "B");
  if (segundo != primero) {
    EXPECT_EQ(Pedir(primero, "GET", "/carrito.htm").estado, -1);
  }

  servidor.Stop();
  EXPECT_EQ(servidor.Port(), 0);
  EXPECT_EQ(Pedir(segundo, "GET", "/carrito.htm").estado, -1);

  EXPECT_THROW(servidor.Address(dir / "falta", "carrito.htm"), Error);
  EXPECT_EQ(servidor.Port(), 0);
}

TEST(PreviewServer, StopsRightAfterStartingAndOnDestruction) {
  TempDir dir;
  int puerto = 0;
  for (int i = 0; i < 20; ++i) {
    PreviewServer servidor;
    servidor.Address(dir.path(), "x.htm");
    puerto = servidor.Port();
  }
  EXPECT_EQ(Pedir(puerto, "GET", "/x.htm").estado, -1);
}

}  // namespace
}  // namespace vendaluz
