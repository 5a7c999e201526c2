#include "generator/carpeta_tienda.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "generator/catalogo.h"
#include "generator/paginas.h"
#include "platform/error.h"
#include "platform/files.h"

namespace vendaluz {
namespace {

namespace fs = std::filesystem;

bool EsProyecto(const std::string& nombre) {
  if (nombre.size() < 4) return false;
  std::string fin = nombre.substr(nombre.size() - 4);
  std::transform(fin.begin(), fin.end(), fin.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  });
  return fin == ".ini";
}

// The project files at the top of a folder.
std::vector<std::string> Proyectos(const fs::path& carpeta) {
  std::vector<std::string> nombres;
  std::error_code ec;
  for (fs::directory_iterator it(carpeta, ec), fin; !ec && it != fin; it.increment(ec)) {
    const std::string nombre = it->path().filename().string();
    if (EsProyecto(nombre) && it->is_regular_file(ec)) nombres.push_back(nombre);
  }
  return nombres;
}

std::set<std::string> LeerLista(const fs::path& carpeta) {
  std::set<std::string> lista;
  const std::string texto = ReadFile(carpeta / kListaPropios);
  std::size_t i = 0;
  while (i < texto.size()) {
    std::size_t fin = texto.find('\n', i);
    if (fin == std::string::npos) fin = texto.size();
    if (fin > i) lista.insert(texto.substr(i, fin - i));
    i = fin + 1;
  }
  return lista;
}

void EscribirLista(Disk& disco, const fs::path& carpeta, const std::set<std::string>& lista) {
  std::string texto;
  for (const std::string& nombre : lista) texto += nombre + "\n";
  disco.WriteFile(carpeta / kListaPropios, texto, Replace::kFast);
}

void Listar(const fs::path& carpeta, const std::string& prefijo, std::vector<std::string>& out) {
  std::error_code ec;
  fs::directory_iterator it(carpeta, ec), fin;
  // A folder that cannot be read counts as one entry: what is in it is unknown.
  if (ec) {
    if (!prefijo.empty()) out.push_back(prefijo);
    return;
  }
  for (; !ec && it != fin; it.increment(ec)) {
    const std::string nombre = prefijo + it->path().filename().string();
    if (it->symlink_status(ec).type() == fs::file_type::directory) {
      Listar(it->path(), nombre + "/", out);
    } else {
      out.push_back(nombre);
    }
  }
}

}  // namespace

std::vector<std::string> ArchivosBajo(const fs::path& carpeta) {
  std::vector<std::string> archivos;
  Listar(carpeta, "", archivos);
  std::sort(archivos.begin(), archivos.end());
  return archivos;
}

CarpetaPrevia MirarCarpeta(const fs::path& carpeta) {
  std::error_code ec;
  const fs::file_status st = fs::symlink_status(carpeta, ec);
  if (!fs::exists(st)) return {};
  if (fs::is_symlink(st)) {
    throw Error(CodigoError::kCarpetaFallida,
                "La carpeta de salida «" + PathText(carpeta) +
                    "» es un enlace simbólico; indique la carpeta a la que apunta.");
  }
  if (!fs::is_directory(st)) {
    throw Error(CodigoError::kCarpetaFallida,
                "«" + PathText(carpeta) + "» existe pero no es una carpeta.");
  }
  CarpetaPrevia previa{.existe = true};
  if (!fs::exists(fs::symlink_status(carpeta / kListaPropios, ec))) return previa;
  const std::set<std::string> propios = LeerLista(carpeta);
  for (const std::string& a : ArchivosBajo(carpeta)) {
    const bool proyecto = a.find('/') == std::string::npos && EsProyecto(a);
    if (a != kListaPropios && !proyecto && !propios.contains(a)) previa.ajenos.push_back(a);
  }
  return previa;
}

bool EsCarpetaDeTienda(const fs::path& carpeta) {
  std::error_code ec;
  return fs::exists(carpeta / kListaPropios, ec) ||
         fs::is_regular_file(carpeta / PaginaDe(ConstruirCatalogo).archivo, ec);
}

std::string ListaAjenos(const std::vector<std::string>& ajenos) {
  constexpr std::size_t kMostrados = 5;
  std::string texto;
  for (std::size_t i = 0; i < ajenos.size() && i < kMostrados; ++i) {
    if (i > 0) texto += ", ";
    texto += ajenos[i];
  }
  if (ajenos.size() > kMostrados) texto += " y " + std::to_string(ajenos.size() - kMostrados) + " más";
  return texto;
}

std::string PreguntaReemplazo(const std::string& nombre, const std::vector<std::string>& ajenos) {
  if (ajenos.empty()) return "La carpeta " + nombre + " ya existe. ¿Desea reemplazarla?";
  return "La carpeta «" + nombre + "» ya existe y contiene archivos que Vendaluz no generó: " +
         ListaAjenos(ajenos) + ". ¿Desea reemplazarla?";
}

void AnotarPropios(Disk& disco, const fs::path& carpeta, const std::vector<std::string>& nombres) {
  std::error_code ec;
  if (!fs::is_regular_file(fs::symlink_status(carpeta / kListaPropios, ec))) return;
  std::set<std::string> lista = LeerLista(carpeta);
  lista.insert(nombres.begin(), nombres.end());
  EscribirLista(disco, carpeta, lista);
}

TiendaNueva::TiendaNueva(Disk& disco, fs::path carpeta) : disco_(disco) {
  carpeta_ = fs::absolute(std::move(carpeta)).lexically_normal();
  if (!carpeta_.has_filename()) carpeta_ = carpeta_.parent_path();
  const fs::path padre = carpeta_.parent_path();
  const std::string nombre = carpeta_.filename().string();
  nueva_ = padre / ("." + nombre + ".vendaluz-nueva");
  anterior_ = padre / ("." + nombre + ".vendaluz-anterior");
  try {
    std::error_code ec;
    // A run killed in the middle of the swap left the old store aside: it comes back.
    if (!fs::exists(fs::symlink_status(carpeta_, ec)) &&
        fs::is_directory(fs::symlink_status(anterior_, ec))) {
      disco_.Rename(anterior_, carpeta_);
    }
    disco_.Remove(nueva_);
    disco_.MakeFolder(nueva_);
  } catch (const DiskError& e) {
    throw Error(CodigoError::kCarpetaFallida, "No se pudo preparar la tienda nueva junto a «" +
                                                  PathText(carpeta_) + "»: " + e.descripcion());
  }
}

TiendaNueva::~TiendaNueva() {
  if (instalada_) return;
  try {
    disco_.Remove(nueva_);
  } catch (const DiskError&) {
    // A leftover is removed by the next run.
  }
}

std::string TiendaNueva::Instalar() {
  std::error_code ec;
  const bool habia = fs::is_directory(fs::symlink_status(carpeta_, ec));
  const std::vector<std::string> propios = ArchivosBajo(nueva_);
  if (habia) {
    for (const std::string& ini : Proyectos(carpeta_)) {
      if (!fs::exists(fs::symlink_status(nueva_ / ini, ec))) {
        disco_.CopyFile(carpeta_ / ini, nueva_ / ini);
      }
    }
  }
  EscribirLista(disco_, nueva_, {propios.begin(), propios.end()});
  if (!habia) {
    disco_.Rename(nueva_, carpeta_);
    instalada_ = true;
    return {};
  }
  disco_.Remove(anterior_);
  disco_.Rename(carpeta_, anterior_);
  try {
    disco_.Rename(nueva_, carpeta_);
  } catch (const DiskError&) {
    disco_.Rename(anterior_, carpeta_);
    throw;
  }
  instalada_ = true;
  try {
    disco_.Remove(anterior_);
  } catch (const DiskError& e) {
    return e.descripcion();
  }
  return {};
}

std::string RutaEnTienda(std::string texto, const fs::path& nueva, const fs::path& carpeta) {
  const std::string de = PathText(nueva), a = PathText(carpeta);
  for (std::size_t i = texto.find(de); i != std::string::npos; i = texto.find(de, i + a.size())) {
    texto.replace(i, de.size(), a);
  }
  return texto;
}

}  // namespace vendaluz
