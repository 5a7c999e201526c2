// libFuzzer target: any bytes as a project file must load without crashing, and
// the loaded project must survive a write and read unchanged.
//   cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DVENDALUZ_FUZZ=ON
//   cmake --build build-fuzz --target fuzz_archivo_proyecto
//   build-fuzz/tests/fuzz/fuzz_archivo_proyecto -max_total_time=60
#include <cstdint>
#include <cstdlib>

#include "model/archivo_proyecto.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vendaluz;
  const IniFile ini = IniFile::Parse({reinterpret_cast<const char*>(data), size});
  Proyecto p;
  LeerProyecto(ini, p);

  IniFile out;
  EscribirProyecto(p, out);
  Proyecto back;
  LeerProyecto(IniFile::Parse(out.Serialize()), back);
  if (!(back == p)) std::abort();
  return 0;
}
