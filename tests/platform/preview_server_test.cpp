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
httplib::Result Fetch(int port, const std::string& path, const std::string& method = "GET",
                      const httplib::Headers& headers = {}) {
  httplib::Client client("127.0.0.1", port);
  return method == "GET"    ? client.Get(path, headers)
         : method == "POST" ? client.Post(path, headers, "a=1", "text/plain")
                            : client.Delete(path, headers);
}

TEST(PreviewServer, ServesTheFolderReadOnlyAndNothingOutsideIt) {
  test::TempDir dir;
  const fs::path store = dir / "Mi Tienda";
  Spit(store / "imagenes" / "mesa ñ.htm", "<html>mesa</html>\r\n");
  Spit(dir / "secreto.txt", "fuera de la tienda");
  fs::create_symlink(dir / "secreto.txt", store / "enlace.txt");
  fs::create_directory_symlink(dir.path(), store / "arriba");

  PreviewServer server;
  const std::string address = server.Address(store, "imagenes/mesa ñ.htm"),
                    origin = "http://127.0.0.1:" + std::to_string(server.Port()),
                    page = "/imagenes/mesa%20%C3%B1.htm";
  ASSERT_EQ(address, origin + page);
  const httplib::Result r = Fetch(server.Port(), page);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->status, 200);
  EXPECT_EQ(r->body, "<html>mesa</html>\r\n");
  EXPECT_EQ(r->get_header_value("Content-Type"), "text/html");
  EXPECT_EQ(r->get_header_value("Cache-Control"), "no-store");  // new pages after generating
  // The same folder keeps its server.
  EXPECT_EQ(server.Address(store, "carrito.htm"), origin + "/carrito.htm");
  const httplib::Result root = Fetch(server.Port(), "/");
  EXPECT_TRUE(root && root->status == 302 && root->get_header_value("Location") == "/carrito.htm");

  // Nothing outside the folder, nothing but reading, and hostile requests: another site's
  // name (DNS rebinding), many ranges, many or huge headers (the head is read up to 16 KB
  // and 100 headers, never more).
  for (const char* path : {"/../secreto.txt", "/..%2Fsecreto.txt", "/imagenes/../../secreto.txt",
                           "/enlace.txt", "/arriba/secreto.txt", "/no-existe.htm"}) {
    const httplib::Result r = Fetch(server.Port(), path);
    EXPECT_TRUE(r && r->status == 404) << path;
  }
  const std::string puerto = ":" + std::to_string(server.Port());
  httplib::Headers muchas;
  for (int i = 0; i < 200; ++i) muchas.emplace("X-" + std::to_string(i), "x");
  const std::tuple<const char*, httplib::Headers, int> pedidos[] = {
      {"POST", {}, 405},
      {"DELETE", {}, 405},
      {"GET", {{"Host", "localhost" + puerto}}, 200},
      {"GET", {{"Host", "atacante.example" + puerto}}, 403},
      {"GET", {{"Host", "127.0.0.1"}}, 403},
      {"GET", {{"Range", "bytes=0-3"}}, 206},
      {"GET", {{"Range", "bytes=0-3,5-8"}}, 416},
      {"GET", muchas, 431},
      {"GET", {{"X-Grande", std::string(12000, 'x')}}, 200},
      {"GET", {{"X-Grande", std::string(17000, 'x')}}, 431}};
  for (const auto& [method, headers, status] : pedidos) {
    const httplib::Result r = Fetch(server.Port(), page, method, headers);
    EXPECT_TRUE(r && r->status == status) << method << " " << status;
  }
}

TEST(PreviewServer, AnotherFolderReplacesTheServerAndStopEndsIt) {
  test::TempDir dir;
  for (const char* name : {"a", "b"}) Spit(dir / name / "carrito.htm", name);
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
  // A port asked for is served; a busy one is refused by name.
  const std::string puerto = "127.0.0.1:" + std::to_string(second);
  EXPECT_EQ(server.Address(dir / "a", "carrito.htm", second), "http://" + puerto + "/carrito.htm");
  PreviewServer busy;
  try {
    busy.Address(dir / "b", "carrito.htm", second);
    ADD_FAILURE() << "dos servidores en " << puerto;
  } catch (const Error& e) {
    EXPECT_EQ(e.descripcion(), "No se pudo abrir el servidor de la vista previa en " + puerto +
                                   ": el puerto ya está en uso.");
  }
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
