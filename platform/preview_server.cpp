#include "platform/preview_server.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/error.h"
#include "platform/files.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kMaxHead = 16 * 1024;  // request line and headers, in bytes
constexpr int kMaxHeaders = 100;
constexpr int kThreads = 8;
constexpr std::size_t kMaxWaiting = 64;  // connections waiting for a thread
constexpr auto kReadTime = std::chrono::seconds(2), kWriteTime = std::chrono::seconds(5);

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

std::optional<std::string> PercentDecode(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size() || !std::isxdigit(static_cast<unsigned char>(text[i + 1])) ||
        !std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
      return std::nullopt;
    }
    out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
    i += 2;
  }
  if (out.find('\0') != std::string::npos) return std::nullopt;
  return out;
}

// True when the request path names something inside root once every symbolic link
// on the way is followed: a link in the store must not lead out of it.
bool Inside(const fs::path& root, const std::string& request_path) {
  std::error_code ec;
  const fs::path target = fs::weakly_canonical(root / fs::path(request_path).relative_path(), ec);
  if (ec) return false;
  return std::mismatch(root.begin(), root.end(), target.begin(), target.end()).first == root.end();
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string ContentType(const fs::path& file) {
  const std::string ext = Lower(file.extension().string());
  if (ext == ".htm" || ext == ".html") return "text/html";
  if (ext == ".css") return "text/css";
  if (ext == ".js") return "text/javascript";
  if (ext == ".jpg" || ext == ".jpeg") return "image/jpeg";
  if (ext == ".gif") return "image/gif";
  if (ext == ".png") return "image/png";
  if (ext == ".txt") return "text/plain";
  return "application/octet-stream";
}

// Waits until fd can be read or written, at most until `until`.
bool Wait(int fd, short events, Clock::time_point until) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
  if (left.count() <= 0) return false;
  pollfd p{fd, events, 0};
  return ::poll(&p, 1, static_cast<int>(left.count())) == 1 && (p.revents & events);
}

bool SendAll(int fd, const char* p, std::size_t n, Clock::time_point until) {
  while (n > 0) {
    if (!Wait(fd, POLLOUT, until)) return false;
    const ssize_t w = ::send(fd, p, n, MSG_NOSIGNAL);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return false;
    p += w;
    n -= static_cast<std::size_t>(w);
  }
  return true;
}

struct Request {
  std::string method, target, host, range;
};

// The request head, read with limits on its size, its header count and its time.
// Nothing when the client went away or was too slow; the status when it is refused.
std::optional<Request> ReadHead(int fd, int& refused) {
  const auto until = Clock::now() + kReadTime;
  std::string head;
  std::size_t end;
  while ((end = head.find("\r\n\r\n")) == std::string::npos) {
    if (head.size() >= kMaxHead) {
      refused = 431;
      return std::nullopt;
    }
    char buffer[4096];
    if (!Wait(fd, POLLIN, until)) return std::nullopt;
    const ssize_t r = ::recv(fd, buffer, std::min(sizeof buffer, kMaxHead - head.size()), 0);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return std::nullopt;
    head.append(buffer, static_cast<std::size_t>(r));
  }
  Request q;
  std::string_view rest(head.data(), end + 2);
  const std::size_t line_end = rest.find("\r\n");
  const std::string_view line = rest.substr(0, line_end);
  const std::size_t a = line.find(' '), b = line.rfind(' ');
  if (a == std::string_view::npos || b <= a) {
    refused = 400;
    return std::nullopt;
  }
  q.method = std::string(line.substr(0, a));
  q.target = std::string(line.substr(a + 1, b - a - 1));
  rest.remove_prefix(line_end + 2);
  int count = 0;
  while (!rest.empty()) {
    const std::size_t e = rest.find("\r\n");
    const std::string_view header = rest.substr(0, e);
    rest.remove_prefix(e + 2);
    if (++count > kMaxHeaders) {
      refused = 431;
      return std::nullopt;
    }
    const std::size_t colon = header.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string name = Lower(Trimmed(header.substr(0, colon)));
    const std::string_view value = Trimmed(header.substr(colon + 1));
    if (name == "host") q.host = std::string(value);
    if (name == "range") q.range = std::string(value);
  }
  return q;
}

void Answer(int fd, int status, std::string_view reason, const std::string& extra = "") {
  const std::string body = std::to_string(status) + " " + std::string(reason) + "\n";
  const std::string text =
      "HTTP/1.1 " + std::to_string(status) + " " + std::string(reason) +
      "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" +
      extra + "Connection: close\r\n\r\n" + body;
  SendAll(fd, text.data(), text.size(), Clock::now() + kWriteTime);
}

// One range "bytes=a-b", "bytes=a-" or "bytes=-n" of a file of `size` bytes, as
// [first, last]; nothing when it cannot be served.
std::optional<std::pair<off_t, off_t>> OneRange(const std::string& range, off_t size) {
  if (!range.starts_with("bytes=") || range.find(',') != std::string::npos) return std::nullopt;
  const std::string bytes = range.substr(6);
  const std::size_t dash = bytes.find('-');
  if (dash == std::string::npos || bytes.find_first_not_of("0123456789-") != std::string::npos) {
    return std::nullopt;
  }
  const std::string a = bytes.substr(0, dash), b = bytes.substr(dash + 1);
  if ((a.empty() && b.empty()) || a.size() > 15 || b.size() > 15) return std::nullopt;
  off_t first, last;
  if (a.empty()) {
    first = std::max<off_t>(0, size - std::stoll(b));
    last = size - 1;
  } else {
    first = std::stoll(a);
    last = b.empty() ? size - 1 : std::min<off_t>(std::stoll(b), size - 1);
  }
  if (first > last || first >= size) return std::nullopt;
  return std::make_pair(first, last);
}

void Serve(int fd, const fs::path& root, int port) {
  int refused = 0;
  const std::optional<Request> q = ReadHead(fd, refused);
  if (!q) {
    if (refused == 431) Answer(fd, 431, "Request Header Fields Too Large");
    if (refused == 400) Answer(fd, 400, "Bad Request");
    return;
  }
  // Only this machine's own names are answered, so that a web page that rebinds its
  // name to 127.0.0.1 cannot read the store.
  const std::string puerto = ":" + std::to_string(port);
  if (q->host != "127.0.0.1" + puerto && q->host != "localhost" + puerto) {
    return Answer(fd, 403, "Forbidden");
  }
  if (q->method != "GET" && q->method != "HEAD") {
    return Answer(fd, 405, "Method Not Allowed", "Allow: GET, HEAD\r\n");
  }
  const std::optional<std::string> path = PercentDecode(q->target.substr(0, q->target.find('?')));
  if (!path || !path->starts_with("/")) return Answer(fd, 400, "Bad Request");
  if (*path == "/") return Answer(fd, 302, "Found", "Location: /carrito.htm\r\n");
  if (!Inside(root, *path)) return Answer(fd, 404, "Not Found");
  const fs::path file = root / fs::path(*path).relative_path();
  const int in = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat st {};
  if (in < 0 || ::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (in >= 0) ::close(in);
    return Answer(fd, 404, "Not Found");
  }
  off_t first = 0, last = st.st_size - 1;
  std::string status = "200 OK", extra;
  if (!q->range.empty()) {
    const auto r = OneRange(q->range, st.st_size);
    if (!r) {
      ::close(in);
      return Answer(fd, 416, "Range Not Satisfiable",
                    "Content-Range: bytes */" + std::to_string(st.st_size) + "\r\n");
    }
    std::tie(first, last) = *r;
    status = "206 Partial Content";
    extra = "Content-Range: bytes " + std::to_string(first) + "-" + std::to_string(last) + "/" +
            std::to_string(st.st_size) + "\r\n";
  }
  const off_t length = last - first + 1;
  // A store generated again must show its new pages, not the browser's copies.
  const std::string head = "HTTP/1.1 " + status + "\r\nContent-Type: " + ContentType(file) +
                           "\r\nContent-Length: " + std::to_string(length) + "\r\n" + extra +
                           "Accept-Ranges: bytes\r\nCache-Control: no-store\r\n"
                           "Connection: close\r\n\r\n";
  const auto until = Clock::now() + kWriteTime;
  if (SendAll(fd, head.data(), head.size(), until) && q->method == "GET") {
    std::vector<char> buffer(1 << 16);
    for (off_t at = first; at <= last;) {
      const ssize_t r = ::pread(in, buffer.data(),
                                static_cast<std::size_t>(std::min<off_t>(
                                    static_cast<off_t>(buffer.size()), last - at + 1)),
                                at);
      if (r <= 0 || !SendAll(fd, buffer.data(), static_cast<std::size_t>(r), until)) break;
      at += r;
    }
  }
  ::close(in);
}

}  // namespace

// A listening socket, one thread that accepts and a fixed number that answer, each
// request on a connection of its own.
struct PreviewServer::State {
  fs::path folder;
  int port = 0;
  int listening = -1;
  std::atomic<bool> stopping{false};
  std::mutex mu;
  std::condition_variable waiting;
  std::deque<int> accepted;
  std::thread acceptor;
  std::vector<std::thread> workers;

  void Accept() {
    while (!stopping) {
      pollfd p{listening, POLLIN, 0};
      if (::poll(&p, 1, 50) != 1) continue;
      const int fd = ::accept4(listening, nullptr, nullptr, SOCK_CLOEXEC);
      if (fd < 0) continue;
      std::lock_guard lock(mu);
      if (accepted.size() >= kMaxWaiting) {
        ::close(fd);  // too many at once: the client may try again
        continue;
      }
      accepted.push_back(fd);
      waiting.notify_one();
    }
  }

  void Work() {
    for (;;) {
      int fd;
      {
        std::unique_lock lock(mu);
        waiting.wait(lock, [&] { return stopping || !accepted.empty(); });
        if (stopping) return;
        fd = accepted.front();
        accepted.pop_front();
      }
      Serve(fd, folder, port);
      ::shutdown(fd, SHUT_WR);
      ::close(fd);
    }
  }

  ~State() {
    stopping = true;
    waiting.notify_all();
    if (acceptor.joinable()) acceptor.join();
    for (std::thread& w : workers) w.join();
    for (int fd : accepted) ::close(fd);
    if (listening >= 0) ::close(listening);
  }
};

PreviewServer::PreviewServer() = default;

PreviewServer::~PreviewServer() { Stop(); }

int PreviewServer::Port() const { return state_ ? state_->port : 0; }

void PreviewServer::Stop() { state_.reset(); }

std::string PreviewServer::Address(const fs::path& folder, const std::string& page, int port) {
  std::error_code ec;
  const fs::path root = fs::canonical(folder, ec);
  if (ec || !fs::is_directory(root, ec)) {
    throw Error(CodigoError::kLecturaFallida,
                "No se puede mostrar la tienda: no existe la carpeta «" + PathText(folder) + "».");
  }
  if (!state_ || state_->folder != root || (port != 0 && port != state_->port)) {
    Stop();
    auto state = std::make_unique<State>();
    state->folder = root;
    state->listening = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    socklen_t size = sizeof address;
    // A port asked for again right after a run may still hold closed connections.
    const int reuse = 1;
    if (state->listening < 0 ||
        ::setsockopt(state->listening, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse) != 0 ||
        ::bind(state->listening, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(state->listening, 64) != 0 ||
        ::getsockname(state->listening, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
      const int cause = errno;
      std::string where = "127.0.0.1";
      if (port != 0) where += ":" + std::to_string(port);
      throw Error(CodigoError::kCarpetaFallida,
                  "No se pudo abrir el servidor de la vista previa en " + where + ": " +
                      (cause == EADDRINUSE ? "el puerto ya está en uso" : SystemErrorText(cause)) +
                      ".");
    }
    state->port = ntohs(address.sin_port);
    State& s = *state;
    state->acceptor = std::thread([&s] { s.Accept(); });
    for (int i = 0; i < kThreads; ++i) state->workers.emplace_back([&s] { s.Work(); });
    state_ = std::move(state);
  }
  return "http://127.0.0.1:" + std::to_string(state_->port) + "/" + PercentEncode(page);
}

}  // namespace vendaluz
