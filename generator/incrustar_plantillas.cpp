// Build-time tool: turns the template files into a C++ source that embeds them.
//
//   incrustar_plantillas SALIDA.cpp CARPETA NOMBRE...
//
// Each template is read from CARPETA/NOMBRE (UTF-8 with LF line ends in the
// repository; a CR before an LF is dropped) and embedded with CR LF line ends. The
// line end that closes the file is not part of the template, so a template can end
// without one (the generator adds the final CR LF of every file it writes). The
// output is only rewritten when its content changes.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

bool Leer(const std::string& ruta, std::string& texto) {
  std::ifstream in(ruta, std::ios::binary);
  if (!in) return false;
  texto.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

std::string ConCrLf(std::string texto) {
  if (!texto.empty() && texto.back() == '\n') texto.pop_back();
  if (!texto.empty() && texto.back() == '\r') texto.pop_back();
  std::string out;
  out.reserve(texto.size() + texto.size() / 16);
  for (std::size_t i = 0; i < texto.size(); ++i) {
    const char c = texto[i];
    if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') continue;
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// A C++ string literal; every byte outside printable ASCII, and the quote, the
// backslash and '?', as a three-digit octal escape (never mistaken for more digits).
std::string Literal(const std::string& bytes) {
  std::string out = "\"";
  int columna = 0;
  for (unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '?') {
      out += static_cast<char>(c);
      ++columna;
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      out += buf;
      columna += 4;
    }
    if (c == '\n' || columna > 90) {
      out += "\"\n    \"";
      columna = 0;
    }
  }
  return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "uso: incrustar_plantillas SALIDA.cpp CARPETA NOMBRE...\n";
    return 2;
  }
  const std::string salida = argv[1];
  const std::string carpeta = argv[2];
  std::ostringstream cpp;
  cpp << "// Generated at build time from the files of templates/; do not edit.\n"
      << "#include \"generator/plantillas.h\"\n\n"
      << "namespace vendaluz {\n\n"
      << "const PlantillaIncrustada kPlantillasIncrustadas[] = {\n";
  for (int i = 3; i < argc; ++i) {
    std::string texto;
    if (!Leer(carpeta + "/" + argv[i], texto)) {
      std::cerr << "incrustar_plantillas: no se pudo leer " << carpeta << "/" << argv[i] << "\n";
      return 1;
    }
    const std::string bytes = ConCrLf(texto);
    cpp << "    {\"" << argv[i] << "\", std::string_view(" << Literal(bytes) << ", " << bytes.size()
        << ")},\n";
  }
  cpp << "};\n\nconst std::size_t kNumPlantillasIncrustadas = " << (argc - 3) << ";\n\n"
      << "}  // namespace vendaluz\n";

  std::string anterior;
  if (Leer(salida, anterior) && anterior == cpp.str()) return 0;
  std::ofstream out(salida, std::ios::binary | std::ios::trunc);
  out << cpp.str();
  out.close();
  if (!out) {
    std::cerr << "incrustar_plantillas: no se pudo escribir " << salida << "\n";
    return 1;
  }
  return 0;
}
