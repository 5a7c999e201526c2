// Helpers of the generator tests: a workspace in a temporary folder, projects with
// numbered products, and a recorder of the run's callbacks.
#pragma once

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "generator/carpeta_tienda.h"
#include "generator/generador.h"
#include "model/espacio.h"
#include "model/proyecto.h"
#include "test_util.h"

namespace vendaluz::test {

// programa = dir, Proyectos made inside it, the card pictures of the source tree.
inline Espacio EspacioDePrueba(const TempDir& dir) {
  Espacio e;
  e.programa = dir.path();
  e.proyectos = dir / "Proyectos";
  std::filesystem::create_directories(e.proyectos);
  e.codigo = VENDALUZ_CODIGO_DIR;
  return e;
}

// A new project named nombre with products "Producto 1" ... priced 1.50, 2.50 ...
inline Proyecto ProyectoDePrueba(const std::string& nombre, int productos = 0) {
  Proyecto p;
  ContadorProyectos contador;
  NuevoProyecto(p, contador, "/tmp/Proyectos");
  p.inicio.Nombre = nombre;
  for (int i = 1; i <= productos; ++i) {
    p.productos.push_back({"Producto " + std::to_string(i), std::to_string(i) + ".50",
                           "Descripción " + std::to_string(i), ""});
  }
  return p;
}

using Avances = std::vector<std::tuple<int, int, int>>;

struct Registro {
  std::vector<std::string> estados;
  Avances progreso;
  std::vector<std::string> preguntas;
  std::vector<std::string> errores;  // Error::Mensaje()
  std::optional<std::filesystem::path> terminada;
  std::vector<ProblemaArchivo> problemas;
  bool respuesta = true;  // to the replace question

  LlamadasGenerador Llamadas() {
    LlamadasGenerador l;
    l.estado = [this](const std::string& t) { estados.push_back(t); };
    l.progreso = [this](int a, int b, int c) { progreso.emplace_back(a, b, c); };
    l.preguntarReemplazo = [this](const PreguntaCarpeta& pregunta) {
      preguntas.push_back(pregunta.texto);
      return respuesta;
    };
    l.error = [this](const Error& e) { errores.push_back(e.Mensaje()); };
    l.terminado = [this](const std::filesystem::path& f, const std::vector<ProblemaArchivo>& p) {
      terminada = f;
      problemas = p;
    };
    return l;
  }
};

// Every regular file under carpeta but the run's own list, as paths relative to it,
// sorted.
inline std::vector<std::string> Archivos(const std::filesystem::path& carpeta) {
  std::vector<std::string> lista;
  for (const auto& e : std::filesystem::recursive_directory_iterator(carpeta)) {
    const std::string nombre = e.path().lexically_relative(carpeta).string();
    if (e.is_regular_file() && e.path().filename() != kListaPropios) lista.push_back(nombre);
  }
  std::sort(lista.begin(), lista.end());
  return lista;
}

// The same files with their bytes.
inline std::map<std::string, std::string> Contenido(const std::filesystem::path& carpeta) {
  std::map<std::string, std::string> m;
  for (const std::string& a : Archivos(carpeta)) m[a] = Slurp(carpeta / a);
  return m;
}

}  // namespace vendaluz::test
