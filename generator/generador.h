// The Generador: turns one Proyecto into the folder of a finished store (the full
// run), or adds a category of catalogue pages to an existing store (the category
// job). The front end opens it, starts Ejecutar once and follows it through the
// callbacks; nothing here knows a window.
//
// A Generador works on its own copy of the project. Ejecutar runs on the caller's
// thread and calls the callbacks on that thread; a window hosting it on a worker
// thread forwards them to its own. One Generador runs once.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "generator/ejecucion.h"
#include "generator/paginas.h"
#include "model/espacio.h"
#include "model/proyecto.h"
#include "platform/disk.h"
#include "platform/error.h"

namespace vendaluz {

// The replace question: its text ("La carpeta X ya existe. ¿Desea reemplazarla?", or
// naming the files no run wrote) and those files ("gracias.htm, … y 3 más"; empty
// when there are none).
struct PreguntaCarpeta {
  std::string texto;
  std::string ajenos;
};

struct LlamadasGenerador {
  std::function<void(const std::string& texto)> estado;
  std::function<void(int minimo, int maximo, int valor)> progreso;
  // The output folder exists: true replaces it, false stops the run without touching
  // anything. Without this callback an existing folder is never replaced.
  std::function<bool(const PreguntaCarpeta& pregunta)> preguntarReemplazo;
  // The run stopped; Error::Mensaje() is the one message for the user.
  std::function<void(const Error& error)> error;
  // The run is complete; problemas lists the files that could not be written or
  // copied (empty for a clean run).
  std::function<void(const std::filesystem::path& carpeta,
                     const std::vector<ProblemaArchivo>& problemas)>
      terminado;
};

enum class ResultadoGeneracion {
  kCreada,              // every file written
  kCreadaConProblemas,  // complete, but some files could not be written or copied
  kInterrumpida,        // the existing folder was not to be replaced; nothing touched
  kFallida,             // an error stopped the run (reported through error)
};

class Generador {
 public:
  // Opens a run: works out the run values and reports "Analizando <name>...". The
  // store goes to the workspace output folder (Proyectos/<Inicio.Nombre>), or to
  // salida when given; a category job goes to its category folder, or to salida.
  // Every file goes through disco.
  Generador(Proyecto p, const Espacio& espacio, LlamadasGenerador llamadas,
            std::optional<std::filesystem::path> salida = std::nullopt, Disk& disco = RealDisk());

  // The full run, or the category job when the category option is 1. Never throws:
  // failures go to the error callback.
  ResultadoGeneracion Ejecutar();

  // The first catalogue page of the store or category (for the preview).
  std::filesystem::path PrimeraPagina() const;

  const std::filesystem::path& Carpeta() const { return e_.carpetaSalida; }
  const std::vector<ProblemaArchivo>& Problemas() const { return e_.problemas; }
  bool EsCategoria() const { return p_.categoriaOpcion == 1; }

 private:
  ResultadoGeneracion Tienda();
  ResultadoGeneracion Categoria();
  void Imagenes();
  void Escribir(const ClasePagina& clase);
  void Construir();
  ResultadoGeneracion Terminar(const std::string& textoFinal);
  void InformarEstado(const std::string& texto);
  void InformarProgreso(int minimo, int maximo, int valor);

  Proyecto p_;
  LlamadasGenerador llamadas_;
  Ejecucion e_;
  std::filesystem::path destino_;  // the folder the files go to while the run builds
  bool carpetaDelNombre_ = false;  // the output folder is named after the project
  bool ejecutada_ = false;
};

// The progress steps of a full run: one per kind of page, and the end.
int PasosTienda();

// The completion text: the plain success text, or the count of the files that could
// not be written or copied with each file and its cause, one per line.
std::string TextoFinal(const std::string& exito, const std::vector<ProblemaArchivo>& problemas);

}  // namespace vendaluz
