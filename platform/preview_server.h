// A small web server of the program that serves one folder, read-only, on
// 127.0.0.1 at a port the system picks (or one asked for). The preview of a generated store goes
// through it: browsers keep no cookies for file:// pages, so the basket would not
// work there. Only GET and HEAD of files inside the folder, asked for by the names of
// this machine (127.0.0.1 or localhost and the port), are answered, with at most one
// range; nothing is ever written. A request head is read up to 16 KB, 100 headers
// and 2 seconds; eight threads answer, one request per connection. The server stops
// with the object.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace vendaluz {

class PreviewServer {
 public:
  PreviewServer();
  ~PreviewServer();
  PreviewServer(const PreviewServer&) = delete;
  PreviewServer& operator=(const PreviewServer&) = delete;

  // Serves folder (stopping the server of a folder served before) and returns the
  // address of page, a file inside it: "http://127.0.0.1:PORT/carrito.htm".
  // Serving the same folder again keeps the running server. port 0 lets the system
  // pick a free one. Throws Error when the folder does not exist or the port cannot
  // be opened.
  std::string Address(const std::filesystem::path& folder, const std::string& page, int port = 0);

  // The port while serving, 0 otherwise.
  int Port() const;
  void Stop();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vendaluz
