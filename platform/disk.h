// The disk as every writer of the program sees it: whole files written, files
// copied, folders made, entries removed and listed. RealDisk() works on the real
// disk; tests wrap it to make one named file fail.
//
// Every failure throws DiskError naming the path and the cause. A file is written
// or copied into a new file beside it that replaces the target only when complete,
// so a failure never leaves a truncated file that looks whole, and the file being
// replaced stays as it was. RealDisk() shares no state and is thread safe.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/error.h"

namespace vendaluz {

namespace fs = std::filesystem;

// A failed disk operation. The description is the one message for the user
// ("No se pudo escribir «/a/b.htm»: no queda espacio en el disco"); path and cause
// are its parts, for lists of the files a run could not write.
class DiskError : public Error {
 public:
  DiskError(CodigoError codigo, std::string_view what, fs::path path, std::string cause);
  const fs::path& path() const { return path_; }
  const std::string& cause() const { return cause_; }

 private:
  fs::path path_;
  std::string cause_;
};

// How WriteFile treats the file it replaces.
enum class Replace {
  kFast,     // generated files: a link at the path is replaced, not followed
  kDurable,  // the owner's documents: written through a link, keeping the old file's
             // permissions, flushed to the disk before the old file goes
};

class Disk {
 public:
  virtual ~Disk() = default;

  // Writes bytes as the file at path. Throws DiskError (kEscrituraFallida).
  virtual void WriteFile(const fs::path& path, std::string_view bytes, Replace how) = 0;

  // Copies a file byte for byte, replacing the target, with the source's permission
  // bits (less the umask); copying a file onto itself does nothing. Throws DiskError
  // (kEscrituraFallida) naming the target; when the source could not be read, the
  // cause names the source.
  virtual void CopyFile(const fs::path& from, const fs::path& to) = 0;

  // Creates the folder and any missing parent; an existing folder is fine, a link in
  // its place is not. Throws DiskError (kCarpetaFallida).
  virtual void MakeFolder(const fs::path& path) = 0;

  // Gives an entry a new name in the same file system; `to` must not exist. Throws
  // DiskError (kEscrituraFallida) naming `from`.
  virtual void Rename(const fs::path& from, const fs::path& to) = 0;

  // Removes a file, a link (never followed) or a folder with everything in it,
  // read-only entries included. Throws DiskError (kVaciadoFallido) naming the entry
  // that could not go.
  virtual void Remove(const fs::path& path) = 0;

  // The names in a folder, without "." and "..", in no particular order. Throws
  // DiskError (kCarpetaFallida).
  virtual std::vector<std::string> List(const fs::path& folder) = 0;
};

Disk& RealDisk();

}  // namespace vendaluz
