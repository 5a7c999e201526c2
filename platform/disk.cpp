#include "platform/disk.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <system_error>

#include "platform/files.h"

namespace vendaluz {
namespace {

constexpr std::string_view kNoEscrito = "No se pudo escribir";
constexpr std::string_view kNoBorrado = "No se pudo borrar";

[[noreturn]] void Fail(CodigoError codigo, std::string_view what, const fs::path& path,
                       std::string cause) {
  throw DiskError(codigo, what, path, std::move(cause));
}

[[noreturn]] void FailWrite(const fs::path& path, int errnum) {
  Fail(CodigoError::kEscrituraFallida, kNoEscrito, path, SystemErrorText(errnum));
}

[[noreturn]] void FailRemove(const fs::path& path, int errnum) {
  Fail(CodigoError::kVaciadoFallido, kNoBorrado, path, SystemErrorText(errnum));
}

// A descriptor closed when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  int Close() {
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const char* p, std::size_t n) {
  while (n > 0) {
    const ssize_t w = ::write(fd, p, n);
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += w;
    n -= static_cast<std::size_t>(w);
  }
  return true;
}

// Reads up to n bytes, fewer only at the end of the file; false with errno set.
bool ReadAll(int fd, char* p, std::size_t n, std::size_t* got) {
  *got = 0;
  while (*got < n) {
    const ssize_t r = ::read(fd, p + *got, n - *got);
    if (r == 0) break;
    if (r < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    *got += static_cast<std::size_t>(r);
  }
  return true;
}

// The new file that replaces a target when it is complete. Until Commit, the
// destructor removes it.
class NewFile {
 public:
  // Creates the new file in the folder of target; a failure names `shown`.
  NewFile(const fs::path& target, const fs::path& shown, mode_t mode = 0666)
      : target_(target), shown_(shown) {
    static std::atomic<unsigned> counter{0};
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0;; ++attempt) {
      temp_ = folder / ("." + target.filename().string() + ".tmp" + std::to_string(::getpid()) +
                        "-" + std::to_string(counter++) + "-" + std::to_string(stamp & 0xFFFFFF));
      fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
      if (fd_ >= 0) break;
      if (errno != EEXIST || attempt > 100) FailWrite(shown_, errno);
    }
  }
  ~NewFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) ::unlink(temp_.c_str());
  }
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;

  int fd() const { return fd_; }
  void Write(const char* p, std::size_t n) {
    if (!WriteAll(fd_, p, n)) FailWrite(shown_, errno);
  }
  void Commit(bool sync) {
    if (sync && ::fsync(fd_) != 0) FailWrite(shown_, errno);
    const int rc = ::close(fd_);
    fd_ = -1;
    if (rc != 0) FailWrite(shown_, errno);
    if (::rename(temp_.c_str(), target_.c_str()) != 0) FailWrite(shown_, errno);
    committed_ = true;
  }

 private:
  fs::path target_, shown_, temp_;
  int fd_ = -1;
  bool committed_ = false;
};

void SyncFolder(const fs::path& file) {
  const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    (void)::fsync(dir);
    ::close(dir);
  }
}

// Gives the owner full access to an open folder, so that its entries can go.
void MakeWritable(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) == 0 && (st.st_mode & S_IRWXU) != S_IRWXU) {
    (void)::fchmod(fd, (st.st_mode & 07777) | S_IRWXU);
  }
}

// Opens the sub-folder name of dirfd without following a link; a folder its owner
// shut (no read or search permission) is opened up first, so that it can go.
int OpenSubfolder(int dirfd, const std::string& name) {
  constexpr int kFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
  const int fd = ::openat(dirfd, name.c_str(), kFlags);
  if (fd >= 0 || errno != EACCES) return fd;
  if (::fchmodat(dirfd, name.c_str(), S_IRWXU, 0) != 0) {
    errno = EACCES;
    return -1;
  }
  return ::openat(dirfd, name.c_str(), kFlags);
}

// Empties the folder open as dirfd (path names it in messages). Entries are looked
// at without following links and sub-folders are opened relative to their parent
// with O_NOFOLLOW, so nothing outside the folder is ever reached.
void EmptyFolder(int dirfd, const fs::path& path) {
  const int list_fd = ::dup(dirfd);
  if (list_fd < 0) FailRemove(path, errno);
  DIR* dir = ::fdopendir(list_fd);
  if (!dir) {
    const int e = errno;
    ::close(list_fd);
    FailRemove(path, e);
  }
  std::vector<std::string> folders, files;
  while (const dirent* e = ::readdir(dir)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    const bool folder =
        ::fstatat(dirfd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
    (folder ? folders : files).push_back(name);
  }
  ::closedir(dir);

  for (const std::string& name : files) {
    if (::unlinkat(dirfd, name.c_str(), 0) != 0 && errno != ENOENT) FailRemove(path / name, errno);
  }
  for (const std::string& name : folders) {
    Fd fd(OpenSubfolder(dirfd, name));
    if (!fd) {
      // Anything but a real folder now (a link swapped in) is removed as it is.
      if (errno != ENOTDIR && errno != ELOOP) FailRemove(path / name, errno);
      if (::unlinkat(dirfd, name.c_str(), 0) != 0) FailRemove(path / name, errno);
      continue;
    }
    MakeWritable(fd.get());
    EmptyFolder(fd.get(), path / name);
    fd.Close();
    if (::unlinkat(dirfd, name.c_str(), AT_REMOVEDIR) != 0) FailRemove(path / name, errno);
  }
}

// unlink or rmdir; a read-only parent is made writable once and the removal retried.
void RemoveEntry(const fs::path& path, bool folder) {
  auto remove = [&] { return folder ? ::rmdir(path.c_str()) : ::unlink(path.c_str()); };
  if (remove() == 0 || errno == ENOENT) return;
  if (errno == EACCES || errno == EPERM) {
    const fs::path parent = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    Fd p(::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (p) MakeWritable(p.get());
    if (remove() == 0 || errno == ENOENT) return;
  }
  FailRemove(path, errno);
}

class Real : public Disk {
 public:
  void WriteFile(const fs::path& requested, std::string_view bytes, Replace how) override {
    fs::path target = requested;
    std::error_code ec;
    if (how == Replace::kDurable && fs::is_symlink(target, ec)) {
      const fs::path resolved = fs::weakly_canonical(target, ec);
      if (!ec) target = resolved;
    }
    struct stat old {};
    const bool had_old = ::stat(target.c_str(), &old) == 0;
    if (had_old && S_ISDIR(old.st_mode)) FailWrite(requested, EISDIR);

    NewFile file(target, requested);
    if (had_old && how == Replace::kDurable) (void)::fchmod(file.fd(), old.st_mode & 07777);
    file.Write(bytes.data(), bytes.size());
    file.Commit(how == Replace::kDurable);
    // Makes the rename itself durable; a failure here no longer endangers the data.
    if (how == Replace::kDurable) SyncFolder(target);
  }

  void CopyFile(const fs::path& from, const fs::path& to) override {
    auto unreadable = [&](int errnum) {
      Fail(CodigoError::kEscrituraFallida, kNoEscrito, to,
           "no se pudo leer «" + PathText(from) + "»: " + SystemErrorText(errnum));
    };
    // Not blocking on open, so that a FIFO in a picture's place cannot stall the copy.
    Fd in(::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!in) unreadable(errno);
    struct stat src {
    }, dst{};
    if (::fstat(in.get(), &src) != 0) unreadable(errno);
    if (S_ISDIR(src.st_mode)) unreadable(EISDIR);
    // A FIFO or a device would block the copy or never end.
    if (!S_ISREG(src.st_mode)) {
      Fail(CodigoError::kEscrituraFallida, kNoEscrito, to,
           "«" + PathText(from) + "» no es un archivo");
    }
    (void)::fcntl(in.get(), F_SETFL, 0);
    // Truncating a file that is its own source would destroy it.
    if (::stat(to.c_str(), &dst) == 0 && dst.st_dev == src.st_dev && dst.st_ino == src.st_ino) {
      return;
    }
    // open() takes the umask off the source's bits, as for any new file.
    NewFile file(to, to, src.st_mode & 0777);
    std::vector<char> buffer(1 << 18);
    for (;;) {
      std::size_t got = 0;
      if (!ReadAll(in.get(), buffer.data(), buffer.size(), &got)) unreadable(errno);
      file.Write(buffer.data(), got);
      if (got < buffer.size()) break;
    }
    file.Commit(false);
  }

  void MakeFolder(const fs::path& path) override {
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
      Fail(CodigoError::kCarpetaFallida, "No se pudo crear la carpeta", path,
           "en su lugar hay un enlace simbólico");
    }
    fs::create_directories(path, ec);
    if (!ec && !fs::is_directory(path, ec)) ec = std::make_error_code(std::errc::not_a_directory);
    if (ec) {
      Fail(CodigoError::kCarpetaFallida, "No se pudo crear la carpeta", path,
           SystemErrorText(ec.value()));
    }
  }

  void Rename(const fs::path& from, const fs::path& to) override {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return;
    // File systems without RENAME_NOREPLACE: the check and the rename are two steps.
    if (errno != EINVAL && errno != ENOSYS) FailWrite(from, errno);
    struct stat st {};
    if (::lstat(to.c_str(), &st) == 0) FailWrite(to, EEXIST);
    if (::rename(from.c_str(), to.c_str()) != 0) FailWrite(from, errno);
  }

  void Remove(const fs::path& given) override {
    const fs::path path = given.has_filename() ? given : given.parent_path();
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
      if (errno == ENOENT) return;
      FailRemove(path, errno);
    }
    if (!S_ISDIR(st.st_mode)) return RemoveEntry(path, false);
    const fs::path parent = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    Fd parent_fd(::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!parent_fd) FailRemove(path, errno);
    Fd fd(OpenSubfolder(parent_fd.get(), path.filename().string()));
    if (!fd) FailRemove(path, errno);
    MakeWritable(fd.get());
    EmptyFolder(fd.get(), path);
    fd.Close();
    RemoveEntry(path, true);
  }

  std::vector<std::string> List(const fs::path& folder) override {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      names.push_back(it->path().filename().string());
    }
    if (ec) {
      Fail(CodigoError::kCarpetaFallida, "No se pudo leer la carpeta", folder,
           SystemErrorText(ec.value()));
    }
    return names;
  }
};

}  // namespace

DiskError::DiskError(CodigoError codigo, std::string_view what, fs::path path, std::string cause)
    : Error(codigo, std::string(what) + " «" + PathText(path) + "»: " + cause),
      path_(std::move(path)),
      cause_(std::move(cause)) {}

Disk& RealDisk() {
  static Real disk;
  return disk;
}

}  // namespace vendaluz
