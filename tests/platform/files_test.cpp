#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "platform/error.h"
#include "test_util.h"

namespace vendaluz {
namespace {

using test::Slurp;
using test::Spit;
using test::TempDir;

TEST(Files, ReadFileNamesThePathAndTheCause) {
  TempDir dir;
  try {
    ReadFile(dir / "falta.ini");
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.codigo(), 101);
    EXPECT_EQ(e.descripcion(), "No se pudo leer «" + (dir / "falta.ini").string() +
                                   "»: no existe el archivo o la carpeta");
  }
}

TEST(Files, AtomicWriteReplacesAndKeepsPermissionsAndLinks) {
  TempDir dir;
  const auto target = dir / "p.ini";
  WriteFileAtomic(target, "uno");
  EXPECT_EQ(Slurp(target), "uno");
  ::chmod(target.c_str(), 0640);
  WriteFileAtomic(target, "dos");
  EXPECT_EQ(Slurp(target), "dos");
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);

  // Writing through a symbolic link changes the file it points at, not the link.
  std::filesystem::create_symlink(target, dir / "enlace.ini");
  WriteFileAtomic(dir / "enlace.ini", "tres");
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "enlace.ini"));
  EXPECT_EQ(Slurp(target), "tres");

  // No temporary file is left behind.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 2);
}

TEST(Files, FailedWriteLeavesTheOldFileAndNoLeftovers) {
  TempDir dir;
  const auto target = dir / "p.ini";
  Spit(target, "contenido anterior");

  // A file-size limit makes the write itself fail, even for root.
  struct rlimit old_limit {};
  ::getrlimit(RLIMIT_FSIZE, &old_limit);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old_limit;
  small.rlim_cur = 1024;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string error;
  try {
    WriteFileAtomic(target, std::string(100000, 'x'));
  } catch (const Error& e) {
    error = e.descripcion();
  }
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);

  EXPECT_EQ(error,
            "No se pudo escribir «" + target.string() + "»: el archivo supera el tamaño permitido");
  EXPECT_EQ(Slurp(target), "contenido anterior");
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);

  EXPECT_THROW(WriteFileAtomic(dir / "no-existe" / "p.ini", "x"), Error);
  std::filesystem::create_directory(dir / "carpeta.ini");
  EXPECT_THROW(WriteFileAtomic(dir / "carpeta.ini", "x"), Error);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "carpeta.ini"));
}

TEST(Files, FileExistsWithWildcards) {
  TempDir dir;
  Spit(dir / "Tienda.INI", "");
  std::filesystem::create_directory(dir / "imagenes");
  EXPECT_TRUE(FileExists(dir / "*.ini"));
  EXPECT_TRUE(FileExists(dir / "T?enda.ini"));
  EXPECT_TRUE(FileExists(dir / "imagenes"));
  EXPECT_TRUE(FileExists(dir / "imag*"));
  EXPECT_FALSE(FileExists(dir / "*.htm"));
  EXPECT_FALSE(FileExists(dir / "otra.ini"));
  EXPECT_FALSE(FileExists(dir / "falta" / "*.ini"));
}

}  // namespace
}  // namespace vendaluz
