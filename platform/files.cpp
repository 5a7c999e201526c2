#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <system_error>

#include "platform/error.h"
#include "platform/text.h"

namespace vendaluz {
namespace {

[[noreturn]] void ThrowWrite(const fs::path& path, int errnum) {
  throw Error(CodigoError::kEscrituraFallida,
              "No se pudo escribir «" + PathText(path) + "»: " + SystemErrorText(errnum));
}

// Closes a descriptor and removes a half-written file unless released.
class TempFile {
 public:
  TempFile(int fd, fs::path path) : fd_(fd), path_(std::move(path)) {}
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!released_) ::unlink(path_.c_str());
  }
  int fd() const { return fd_; }
  int Close() {
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc;
  }
  void Release() { released_ = true; }

 private:
  int fd_;
  fs::path path_;
  bool released_ = false;
};

fs::path TempNameFor(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  return target.parent_path() /
         ("." + target.filename().string() + ".tmp" + std::to_string(::getpid()) + "-" +
          std::to_string(counter++) + "-" + std::to_string(stamp & 0xFFFFFF));
}

}  // namespace

std::string PathText(const fs::path& path) { return path.string(); }

std::string ReadFile(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    const int e = errno;
    throw Error(CodigoError::kLecturaFallida,
                "No se pudo leer «" + PathText(path) + "»: " + SystemErrorText(e));
  }
  std::string out;
  char buf[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const int e = errno;
      ::close(fd);
      throw Error(CodigoError::kLecturaFallida,
                  "No se pudo leer «" + PathText(path) + "»: " + SystemErrorText(e));
    }
    out.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return out;
}

void WriteFileAtomic(const fs::path& requested, std::string_view bytes) {
  fs::path target = requested;
  std::error_code ec;
  if (fs::is_symlink(target, ec)) {
    const fs::path resolved = fs::weakly_canonical(target, ec);
    if (!ec) target = resolved;
  }
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();

  struct stat old_stat {};
  const bool had_old = ::stat(target.c_str(), &old_stat) == 0;
  if (had_old && S_ISDIR(old_stat.st_mode)) ThrowWrite(requested, EISDIR);

  int fd = -1;
  fs::path temp;
  for (int attempt = 0; fd < 0; ++attempt) {
    temp = TempNameFor(folder / target.filename());
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || attempt > 100)) ThrowWrite(requested, errno);
  }
  TempFile file(fd, temp);
  if (had_old) (void)::fchmod(fd, old_stat.st_mode & 07777);

  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowWrite(requested, errno);
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) ThrowWrite(requested, errno);
  if (file.Close() != 0) ThrowWrite(requested, errno);
  if (::rename(temp.c_str(), target.c_str()) != 0) ThrowWrite(requested, errno);
  file.Release();

  // Make the rename itself durable; a failure here no longer endangers the data.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    (void)::fsync(dir);
    ::close(dir);
  }
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
