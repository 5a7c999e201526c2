#include "platform/disk.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>

#include "platform/files.h"
#include "test_util.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;
using test::Slurp;
using test::Spit;
using test::TempDir;

std::vector<std::string> Nombres(const fs::path& carpeta) {
  std::vector<std::string> n = RealDisk().List(carpeta);
  std::sort(n.begin(), n.end());
  return n;
}

TEST(Disk, WritesReplaceFilesAndDocumentsKeepTheirLinkAndPermissions) {
  TempDir dir;
  Disk& d = RealDisk();
  const fs::path doc = dir / "p.ini";
  d.WriteFile(doc, "uno", Replace::kDurable);
  ::chmod(doc.c_str(), 0640);
  fs::create_symlink(doc, dir / "enlace.ini");
  d.WriteFile(dir / "enlace.ini", "dos", Replace::kDurable);
  EXPECT_TRUE(fs::is_symlink(dir / "enlace.ini"));
  EXPECT_EQ(Slurp(doc), "dos");
  EXPECT_EQ(fs::status(doc).permissions(), fs::perms(0640));
  // A generated file replaces a link instead of writing where it points.
  fs::create_symlink(doc, dir / "pagina.htm");
  d.WriteFile(dir / "pagina.htm", "tres", Replace::kFast);
  EXPECT_FALSE(fs::is_symlink(dir / "pagina.htm"));
  EXPECT_EQ(Slurp(doc), "dos");
  // A copy onto itself keeps the bytes; no temporary file is left anywhere.
  d.CopyFile(doc, dir / "enlace.ini");
  EXPECT_EQ(Slurp(doc), "dos");
  EXPECT_EQ(Nombres(dir.path()), (std::vector<std::string>{"enlace.ini", "p.ini", "pagina.htm"}));
  // A copy of a private file stays private; a rename never replaces what is there.
  ::chmod(doc.c_str(), 0600);
  d.CopyFile(doc, dir / "copia.ini");
  EXPECT_EQ(fs::status(dir / "copia.ini").permissions(), fs::perms(0600));
  EXPECT_THROW(d.Rename(dir / "copia.ini", doc), DiskError);
  d.Rename(dir / "copia.ini", dir / "nueva.ini");
  EXPECT_EQ(Slurp(dir / "nueva.ini"), "dos");
  EXPECT_TRUE(FileExists(dir / "?.INI"));
  EXPECT_FALSE(FileExists(dir / "*.txt"));
}

TEST(Disk, FailuresNameThePathAndTheCauseAndLeaveNoHalfFile) {
  TempDir dir;
  Disk& d = RealDisk();
  Spit(dir / "p.ini", "contenido anterior");
  Spit(dir / "grande.jpg", std::string(100000, 'x'));
  const std::string escribir = "Error: 102: No se pudo escribir «";
  {
    // A file-size limit makes the write itself fail part way, even for root.
    struct rlimit antes {};
    ::getrlimit(RLIMIT_FSIZE, &antes);
    const auto senal = std::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit limite { 1000, antes.rlim_max };
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
    const std::string escrito = test::MensajeDe(
        [&] { d.WriteFile(dir / "p.ini", std::string(5000, 'n'), Replace::kDurable); });
    const std::string copiado =
        test::MensajeDe([&] { d.CopyFile(dir / "grande.jpg", dir / "copia.jpg"); });
    ::setrlimit(RLIMIT_FSIZE, &antes);
    std::signal(SIGXFSZ, senal);
    const std::string causa = "»: el archivo supera el tamaño permitido";
    EXPECT_EQ(escrito, escribir + (dir / "p.ini").string() + causa);
    EXPECT_EQ(copiado, escribir + (dir / "copia.jpg").string() + causa);
  }
  EXPECT_EQ(Slurp(dir / "p.ini"), "contenido anterior");
  EXPECT_EQ(Nombres(dir.path()), (std::vector<std::string>{"grande.jpg", "p.ini"}));

  EXPECT_EQ(test::MensajeDe([&] { d.WriteFile(dir.path(), "x", Replace::kFast); }),
            escribir + dir.path().string() + "»: es una carpeta, no un archivo");
}

TEST(Disk, RemoveTakesWholeTreesButNeverFollowsALink) {
  TempDir dir;
  const fs::path t = dir / "Tienda", fuera = dir / "fuera";
  Spit(fuera / "importante.txt", "no tocar");
  Spit(t / ".oculto", "x");
  Spit(t / "viejas" / "mas" / "silla.jpg", "x");
  Spit(t / "solo_lectura.htm", "x");
  fs::permissions(t / "solo_lectura.htm", fs::perms::owner_read);
  fs::permissions(t / "viejas", fs::perms::owner_read | fs::perms::owner_exec);
  fs::create_directory_symlink(fuera, t / "enlace");
  fs::create_directory_symlink(fuera, t / "viejas" / "mas" / "enlace");
  fs::create_symlink(dir / "no_existe", t / "roto");
  // A folder shut by its owner goes too (root enters it anyway).
  Spit(t / "cerrada" / "x", "x");
  fs::permissions(t / "cerrada", fs::perms::none);
  fs::permissions(t, fs::perms::owner_read | fs::perms::owner_exec);
  for (const std::string& n : RealDisk().List(t)) RealDisk().Remove(t / n);
  EXPECT_TRUE(fs::is_empty(t));
  RealDisk().Remove(t);
  EXPECT_FALSE(fs::exists(t));
  EXPECT_EQ(Slurp(fuera / "importante.txt"), "no tocar");
  RealDisk().MakeFolder(dir / "a" / "b");
  EXPECT_TRUE(fs::is_directory(dir / "a" / "b"));
  Spit(dir / "archivo", "x");
  EXPECT_THROW(RealDisk().MakeFolder(dir / "archivo"), DiskError);
  EXPECT_THROW(RealDisk().List(dir / "nada"), DiskError);
}

}  // namespace
}  // namespace vendaluz
