#include "platform/preview_server.h"

#include <httplib.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <thread>

#include "platform/error.h"
#include "platform/files.h"

namespace vendaluz {
namespace {

// The page name as a URL path segment: unreserved characters as they are, every
// other byte as %XX.
std::string PercentEncode(const std::string& text) {
  static const char* const kHex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
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

constexpr std::size_t kMaxHeaders = 100;
constexpr std::size_t kThreads = 8;

// True when the request path names something inside root once every symbolic link
// on the way is followed: a link in the store must not lead out of it.
bool Inside(const std::filesystem::path& root, const std::string& request_path) {
  std::error_code ec;
  const std::filesystem::path target = std::filesystem::weakly_canonical(
      root / std::filesystem::path(request_path).relative_path(), ec);
  if (ec) return false;
  return std::mismatch(root.begin(), root.end(), target.begin(), target.end()).first == root.end();
}

}  // namespace

struct PreviewServer::State {
  httplib::Server server;
  std::thread thread;
  std::filesystem::path folder;
  int port = 0;
};

PreviewServer::PreviewServer() = default;

PreviewServer::~PreviewServer() { Stop(); }

int PreviewServer::Port() const { return state_ ? state_->port : 0; }

void PreviewServer::Stop() {
  if (!state_) return;
  state_->server.stop();
  if (state_->thread.joinable()) state_->thread.join();
  state_.reset();
}

std::string PreviewServer::Address(const std::filesystem::path& folder, const std::string& page) {
  std::error_code ec;
  const std::filesystem::path root = std::filesystem::canonical(folder, ec);
  if (ec || !std::filesystem::is_directory(root, ec)) {
    throw Error(CodigoError::kLecturaFallida,
                "No se puede mostrar la tienda: no existe la carpeta «" + PathText(folder) + "».");
  }

  if (!state_ || state_->folder != root) {
    Stop();
    auto state = std::make_unique<State>();
    state->folder = root;
    httplib::Server& s = state->server;
    // The mount point answers GET and HEAD only and refuses paths with ".."; with no
    // other handler, every other method gets an error status. It follows symbolic
    // links wherever they point, hence the check before it.
    // Only this machine's own names are answered, so that a web page that rebinds its
    // name to 127.0.0.1 cannot read the store; one range at most per request.
    s.set_pre_routing_handler(
        [root, &port = state->port](const httplib::Request& q, httplib::Response& r) {
          const std::string host = q.get_header_value("Host"), puerto = ":" + std::to_string(port);
          if (host != "127.0.0.1" + puerto && host != "localhost" + puerto) {
            r.status = 403;
          } else if (q.headers.size() > kMaxHeaders) {
            r.status = 431;
          } else if (q.ranges.size() > 1) {
            r.status = 416;
          } else if (q.path == "/") {
            r.set_redirect("/carrito.htm");
          } else if (!Inside(root, q.path)) {
            r.status = 404;
          } else {
            return httplib::Server::HandlerResponse::Unhandled;
          }
          return httplib::Server::HandlerResponse::Handled;
        });
    // Slow or idle clients are let go, and a fixed number of threads serves them.
    s.set_read_timeout(2);
    s.set_write_timeout(5);
    s.set_keep_alive_timeout(2);
    s.set_keep_alive_max_count(20);
    s.new_task_queue = [] { return new httplib::ThreadPool(kThreads); };
    s.set_mount_point("/", root.string());
    s.set_file_extension_and_mimetype_mapping("htm", "text/html");
    s.set_file_extension_and_mimetype_mapping("html", "text/html");
    s.set_file_extension_and_mimetype_mapping("css", "text/css");
    // A store generated again must show its new pages, not the browser's copies.
    s.set_post_routing_handler([](const httplib::Request&, httplib::Response& r) {
      r.set_header("Cache-Control", "no-store");
    });
    state->port = s.bind_to_any_port("127.0.0.1");
    if (state->port <= 0) {
      throw Error(CodigoError::kCarpetaFallida,
                  "No se pudo abrir el servidor de la vista previa en 127.0.0.1.");
    }
    state->thread = std::thread([&s] { s.listen_after_bind(); });
    // stop() only reaches a server that is already listening, so wait for that.
    while (!s.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    state_ = std::move(state);
  }
  return "http://127.0.0.1:" + std::to_string(state_->port) + "/" + PercentEncode(page);
}

}  // namespace vendaluz
