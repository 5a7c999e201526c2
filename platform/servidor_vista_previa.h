// A small web server of the program that serves one folder, read-only, on
// 127.0.0.1 at a port the system picks. The preview of a generated store goes
// through it: browsers keep no cookies for file:// pages, so the basket would not
// work there. Only GET and HEAD of files inside the folder are answered; nothing is
// ever written. The server runs on a thread of its own and stops with the object.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace vendaluz {

class ServidorVistaPrevia {
 public:
  ServidorVistaPrevia();
  ~ServidorVistaPrevia();
  ServidorVistaPrevia(const ServidorVistaPrevia&) = delete;
  ServidorVistaPrevia& operator=(const ServidorVistaPrevia&) = delete;

  // Serves carpeta (stopping the server of a folder served before) and returns the
  // address of pagina, a file inside it: "http://127.0.0.1:PORT/carrito.htm".
  // Serving the same folder again keeps the running server. Throws Error when the
  // folder does not exist or no port can be opened.
  std::string Direccion(const std::filesystem::path& carpeta, const std::string& pagina);

  // The port while serving, 0 otherwise.
  int Puerto() const;
  void Detener();

 private:
  struct Estado;
  std::unique_ptr<Estado> estado_;
};

}  // namespace vendaluz
