#include "platform/servidor_vista_previa.h"

#include <httplib.h>

#include <cctype>
#include <chrono>
#include <thread>

#include "platform/error.h"
#include "platform/files.h"

namespace vendaluz {
namespace {

// The page name as a URL path segment: unreserved characters as they are, every
// other byte as %XX.
std::string Codificar(const std::string& texto) {
  static const char* const kHex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : texto) {
    if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~' || c == '/') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

}  // namespace

struct ServidorVistaPrevia::Estado {
  httplib::Server servidor;
  std::thread hilo;
  std::filesystem::path carpeta;
  int puerto = 0;
};

ServidorVistaPrevia::ServidorVistaPrevia() = default;

ServidorVistaPrevia::~ServidorVistaPrevia() { Detener(); }

int ServidorVistaPrevia::Puerto() const { return estado_ ? estado_->puerto : 0; }

void ServidorVistaPrevia::Detener() {
  if (!estado_) return;
  estado_->servidor.stop();
  if (estado_->hilo.joinable()) estado_->hilo.join();
  estado_.reset();
}

std::string ServidorVistaPrevia::Direccion(const std::filesystem::path& carpeta,
                                           const std::string& pagina) {
  std::error_code ec;
  const std::filesystem::path raiz = std::filesystem::canonical(carpeta, ec);
  if (ec || !std::filesystem::is_directory(raiz, ec)) {
    throw Error(CodigoError::kLecturaFallida,
                "No se puede mostrar la tienda: no existe la carpeta «" + PathText(carpeta) + "».");
  }

  if (!estado_ || estado_->carpeta != raiz) {
    Detener();
    auto nuevo = std::make_unique<Estado>();
    nuevo->carpeta = raiz;
    httplib::Server& s = nuevo->servidor;
    // The mount point answers GET and HEAD only and refuses paths that leave the
    // folder; with no other handler, every other method gets an error status.
    s.set_mount_point("/", raiz.string());
    s.set_file_extension_and_mimetype_mapping("htm", "text/html");
    s.set_file_extension_and_mimetype_mapping("html", "text/html");
    s.set_file_extension_and_mimetype_mapping("css", "text/css");
    // A store generated again must show its new pages, not the browser's copies.
    s.set_post_routing_handler([](const httplib::Request&, httplib::Response& r) {
      r.set_header("Cache-Control", "no-store");
    });
    nuevo->puerto = s.bind_to_any_port("127.0.0.1");
    if (nuevo->puerto <= 0) {
      throw Error(CodigoError::kCarpetaFallida,
                  "No se pudo abrir el servidor de la vista previa en 127.0.0.1.");
    }
    nuevo->hilo = std::thread([&s] { s.listen_after_bind(); });
    // stop() only reaches a server that is already listening, so wait for that.
    while (!s.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    estado_ = std::move(nuevo);
  }
  return "http://127.0.0.1:" + std::to_string(estado_->puerto) + "/" + Codificar(pagina);
}

}  // namespace vendaluz
