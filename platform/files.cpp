#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "platform/disk.h"
#include "platform/error.h"
#include "platform/text.h"

namespace vendaluz {

std::string PathText(const fs::path& path) { return path.string(); }

std::string ReadFile(const fs::path& path) {
  auto fail = [&](int errnum) {
    throw DiskError(CodigoError::kLecturaFallida, "No se pudo leer", path, SystemErrorText(errnum));
  };
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) fail(errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    const int e = S_ISDIR(st.st_mode) ? EISDIR : errno;
    ::close(fd);
    fail(e);
  }
  // One read of the whole file; the loop also copes with a file that grows.
  std::string out(static_cast<std::size_t>(std::max<off_t>(st.st_size, 0)) + 1, '\0');
  std::size_t total = 0;
  for (;;) {
    const ssize_t n = ::read(fd, out.data() + total, out.size() - total);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const int e = errno;
      ::close(fd);
      fail(e);
    }
    total += static_cast<std::size_t>(n);
    if (total == out.size()) out.resize(out.size() * 2);
  }
  ::close(fd);
  out.resize(total);
  return out;
}

bool FileExists(const fs::path& path) {
  std::error_code ec;
  const std::string name = path.filename().string();
  if (name.find_first_of("*?") == std::string::npos) {
    return fs::exists(fs::symlink_status(path, ec)) && !ec;
  }
  const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (WildcardMatch(name, it->path().filename().string())) return true;
  }
  return false;
}

fs::path ExecutableFolder() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return fs::current_path(ec);
  return exe.parent_path();
}

}  // namespace vendaluz
