#include "platform/preview_server.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include "platform/error.h"
#include "test_util.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;
using test::Spit;

// The server's answer; empty when no server answered.
httplib::Result Fetch(int port, const std::string& path, const std::string& method = "GET") {
  httplib::Client client("127.0.0.1", port);
  return method == "GET"    ? client.Get(path)
         : method == "POST" ? client.Post(path, "a=1", "text/plain")
                            : client.Delete(path);
}

TEST(PreviewServer, ServesTheFolderReadOnlyAndNothingOutsideIt) {
  test::TempDir dir;
  const fs::path store = dir / "Mi Tienda";
  fs::create_directories(store / "imagenes");
  Spit(store / "imagenes" / "mesa ñ.htm", "<html>mesa</html>\r\n");
  Spit(dir / "secreto.txt", "fuera de la tienda");
  fs::create_symlink(dir / "secreto.txt", store / "enlace.txt");
  fs::create_directory_symlink(dir.path(), store / "arriba");

  PreviewServer server;
  const std::string address = server.Address(store, "imagenes/mesa ñ.htm");
  const std::string origin = "http://127.0.0.1:" + std::to_string(server.Port());
  ASSERT_EQ(address, origin + "/imagenes/mesa%20%C3%B1.htm");
  const httplib::Result page = Fetch(server.Port(), address.substr(origin.size()));
  ASSERT_TRUE(page);
  EXPECT_EQ(page->status, 200);
  EXPECT_EQ(page->body, "<html>mesa</html>\r\n");
  EXPECT_EQ(page->get_header_value("Content-Type"), "text/html");
  EXPECT_EQ(page->get_header_value("Cache-Control"), "no-store");  // new pages after generating
  // The same folder keeps its server.
  EXPECT_EQ(server.Address(store, "carrito.htm"), origin + "/carrito.htm");

  for (const char* path : {"/../secreto.txt", "/..%2Fsecreto.txt", "/imagenes/../../secreto.txt",
                           "/enlace.txt", "/arriba/secreto.txt", "/no-existe.htm"}) {
    const httplib::Result r = Fetch(server.Port(), path);
    EXPECT_TRUE(r && r->status >= 400 && r->body.find("fuera") == std::string::npos) << path;
  }
  for (const char* method : {"POST", "DELETE"}) {
    const httplib::Result r = Fetch(server.Port(), address.substr(origin.size()), method);
    EXPECT_TRUE(r && r->status >= 400) << method;
  }
  EXPECT_EQ(test::Slurp(store / "imagenes" / "mesa ñ.htm"), "<html>mesa</html>\r\n");

  // Hostile requests: another site's name (DNS rebinding), many ranges, many or huge
  // headers (the head is read up to 16 KB and 100 headers, never more).
  const std::string puerto = ":" + std::to_string(server.Port());
  httplib::Headers muchas;
  for (int i = 0; i < 200; ++i) muchas.emplace("X-" + std::to_string(i), "x");
  const std::pair<httplib::Headers, int> pedidos[] = {
      {{{"Host", "localhost" + puerto}}, 200},
      {{{"Host", "atacante.example" + puerto}}, 403},
      {{{"Host", "127.0.0.1"}}, 403},
      {{{"Range", "bytes=0-3"}}, 206},
      {{{"Range", "bytes=0-3,5-8"}}, 416},
      {muchas, 431},
      {{{"X-Grande", std::string(12000, 'x')}}, 200},
      {{{"X-Grande", std::string(17000, 'x')}}, 431},
  };
  for (const auto& [cabeceras, estado] : pedidos) {
    httplib::Client client("127.0.0.1", server.Port());
    const httplib::Result r = client.Get(address.substr(origin.size()), cabeceras);
    EXPECT_TRUE(r && r->status == estado) << estado;
  }
  const httplib::Result raiz = Fetch(server.Port(), "/");
  EXPECT_TRUE(raiz && raiz->status == 302 && raiz->get_header_value("Location") == "/carrito.htm");
}

TEST(PreviewServer, AnotherFolderReplacesTheServerAndStopEndsIt) {
  test::TempDir dir;
  for (const char* name : {"a", "b"}) {
    fs::create_directories(dir / name);
    Spit(dir / name / "carrito.htm", name);
  }
  PreviewServer server;
  server.Address(dir / "a", "carrito.htm");
  const int first = server.Port();
  server.Address(dir / "b", "carrito.htm");
  const httplib::Result answer = Fetch(server.Port(), "/carrito.htm");
  EXPECT_TRUE(answer && answer->body == "b");
  EXPECT_TRUE(server.Port() == first || !Fetch(first, "/carrito.htm"));
  const int second = server.Port();
  server.Stop();
  EXPECT_EQ(server.Port(), 0);
  EXPECT_FALSE(Fetch(second, "/carrito.htm"));
  EXPECT_THROW(server.Address(dir / "falta", "carrito.htm"), Error);
  // Stopped right after starting, by the destructor, no server is left behind.
  int last = 0;
  for (int i = 0; i < 20; ++i) {
    PreviewServer quick;
    quick.Address(dir / "a", "carrito.htm");
    last = quick.Port();
  }
  EXPECT_FALSE(Fetch(last, "/carrito.htm"));
}

}  // namespace
}  // namespace vendaluz
