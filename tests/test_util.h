// Shared helpers of the core tests: temporary folders, whole-file reads and writes,
// and a disk that fails on one named file.
#pragma once

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/disk.h"

namespace vendaluz::test {

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
 public:
  TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "vendaluz-test-XXXXXX").string();
    path_ = ::mkdtemp(tmpl.data());
  }
  ~TempDir() {
    try {
      RealDisk().Remove(path_);
    } catch (...) {
    }
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline std::string Slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void Spit(const std::filesystem::path& p, const std::string& bytes) {
  std::filesystem::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary);
  out << bytes;
}

inline std::string TestData(const std::string& name) {
  return Slurp(std::filesystem::path(VENDALUZ_TEST_DATA) / name);
}

// The real disk, except that every operation on a file or folder named `name`
// fails with errnum, as a full disk or a locked file would.
class FailingDisk : public Disk {
 public:
  explicit FailingDisk(std::string name, int errnum = ENOSPC)
      : name_(std::move(name)), errnum_(errnum) {}
  void WriteFile(const std::filesystem::path& path, std::string_view bytes, Replace how) override {
    Check(path, CodigoError::kEscrituraFallida, "No se pudo escribir");
    RealDisk().WriteFile(path, bytes, how);
  }
  void CopyFile(const std::filesystem::path& from, const std::filesystem::path& to) override {
    Check(to, CodigoError::kEscrituraFallida, "No se pudo escribir");
    RealDisk().CopyFile(from, to);
  }
  void MakeFolder(const std::filesystem::path& path) override {
    Check(path, CodigoError::kCarpetaFallida, "No se pudo crear la carpeta");
    RealDisk().MakeFolder(path);
  }
  void Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    Check(to, CodigoError::kEscrituraFallida, "No se pudo escribir");
    RealDisk().Rename(from, to);
  }
  void Remove(const std::filesystem::path& path) override {
    Check(path, CodigoError::kVaciadoFallido, "No se pudo borrar");
    RealDisk().Remove(path);
  }
  std::vector<std::string> List(const std::filesystem::path& folder) override {
    Check(folder, CodigoError::kCarpetaFallida, "No se pudo leer la carpeta");
    return RealDisk().List(folder);
  }

 private:
  void Check(const std::filesystem::path& path, CodigoError code, std::string_view what) const {
    if (path.filename() == name_) throw DiskError(code, what, path, SystemErrorText(errnum_));
  }
  std::string name_;
  int errnum_;
};

}  // namespace vendaluz::test
