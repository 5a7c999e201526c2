// Shared helpers of the core tests: temporary folders, whole-file reads and writes,
// the message of a failure, and a disk that fails to write one named file.
#pragma once

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
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

// The message of the Error that f throws; "sin error" when it throws none.
inline std::string MensajeDe(const std::function<void()>& f) {
  try {
    f();
  } catch (const Error& e) {
    return e.Mensaje();
  }
  return "sin error";
}

// The real disk, except that writing a file named `name` fails as on a full disk.
class FailingDisk : public Disk {
  using Path = std::filesystem::path;

 public:
  explicit FailingDisk(std::string name) : name_(std::move(name)) {}
  void WriteFile(const Path& path, std::string_view bytes, Replace how) override {
    if (path.filename() == name_) {
      throw DiskError(CodigoError::kEscrituraFallida, "No se pudo escribir", path,
                      SystemErrorText(ENOSPC));
    }
    RealDisk().WriteFile(path, bytes, how);
  }
  void Rename(const Path& from, const Path& to) override { RealDisk().Rename(from, to); }
  void CopyFile(const Path& from, const Path& to) override { RealDisk().CopyFile(from, to); }
  void MakeFolder(const Path& path) override { RealDisk().MakeFolder(path); }
  void Remove(const Path& path) override { RealDisk().Remove(path); }
  std::vector<std::string> List(const Path& folder) override { return RealDisk().List(folder); }

 private:
  std::string name_;
};

}  // namespace vendaluz::test
