// vendaluz-generar: generates the store of a project file from the command line,
// exactly as the desktop program's generation window would.
#include <getopt.h>
#include <pthread.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "generator/generador.h"
#include "model/archivo_proyecto.h"
#include "model/espacio.h"
#include "model/productos_csv.h"
#include "model/reglas.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/preview_server.h"
#include "platform/text.h"

namespace fs = std::filesystem;
using namespace vendaluz;

namespace {

constexpr int kSalidaExito = 0;
constexpr int kSalidaError = 1;
constexpr int kSalidaUso = 2;
constexpr int kSalidaProblemas = 3;
constexpr int kSalidaNoReemplazada = 4;

constexpr const char* kAyuda = R"(Uso: vendaluz-generar [opciones] PROYECTO.ini

Genera la tienda virtual de un archivo de proyecto de Vendaluz, igual que el
botón Generar del programa. La tienda se escribe en la carpeta Proyectos junto
al programa, en una subcarpeta con el nombre del proyecto.

Opciones:
  --salida CARPETA            escribe la tienda en CARPETA en lugar de la carpeta
                              del proyecto. Con --categoria, CARPETA es la carpeta
                              de la tienda existente (debe contener carrito.htm).
  --reemplazar                si la carpeta ya existe, la reemplaza sin preguntar
                              (los archivos .ini que contiene se conservan).
  --productos-por-pagina N    cantidad de productos por página del catálogo
                              (número entero mayor que cero); sin esta opción, la
                              del proyecto (10 si el proyecto no la indica).
  --tasa R                    incluye la tasa de impuesto R por ciento (un número
                              con punto decimal, por ejemplo 21 o 10.5); sin esta
                              opción, la tasa del proyecto, si la incluye.
  --sin-tasa                  no cobra impuesto, aunque el proyecto lo incluya.
  --categoria NOMBRE          en lugar de la tienda completa, agrega los productos
                              del proyecto como una nueva categoría: NOMBRE.htm,
                              NOMBRE2.htm, ... (solo letras minúsculas de la a a la z).
  --productos LISTA.csv       genera la tienda con los productos de LISTA.csv (una
                              hoja de cálculo guardada como CSV, con las columnas
                              Nombre, Precio, Descripción e Imagen) en lugar de
                              los del proyecto; el archivo de proyecto no cambia.
  --servir                    después de generar, sirve la tienda en 127.0.0.1 para
                              verla en un navegador con el carrito funcionando (solo
                              lectura, solo la carpeta de la tienda) hasta Ctrl+C.
                              Con --categoria, sirve la tienda a la que se agregó.
  --puerto N                  con --servir, el puerto (de 1 a 65535); sin esta
                              opción, o con 0, uno libre que elige el sistema.
  --silencioso                no muestra estado ni progreso; solo los errores.
  --help                      muestra esta ayuda.
  --version                   muestra la versión.

Si la carpeta de salida ya existe y no se indica --reemplazar, se pregunta en la
terminal; sin terminal no se toca nada y el programa termina con el código 4.
Las imágenes de los productos con una ruta relativa se buscan a partir de la
carpeta del archivo de proyecto.

Códigos de salida:
  0  la tienda se generó sin problemas (con --servir, al terminar con Ctrl+C)
  1  error: la generación se detuvo (el mensaje indica el archivo y la causa)
  2  opciones incorrectas
  3  la tienda se generó, pero algunos archivos no se pudieron escribir o copiar
  4  la carpeta ya existía y no se reemplazó; no se tocó nada
)";

struct Opciones {
  std::optional<fs::path> salida;
  bool reemplazar = false;
  std::optional<std::string> productosPorPagina;
  std::optional<std::string> tasa;
  bool sinTasa = false;
  std::optional<std::string> categoria;
  std::optional<fs::path> productos;
  bool silencioso = false;
  bool servir = false;
  std::optional<std::string> puerto;
  std::optional<fs::path> proyecto;
};

int ErrorDeUso(const std::string& texto) {
  std::cerr << "vendaluz-generar: " << texto << "\nUse --help para ver las opciones.\n";
  return kSalidaUso;
}

// Parses argv; returns an exit code when the program should stop now.
std::optional<int> LeerOpciones(int argc, char** argv, Opciones& o) {
  enum {
    kSalida = 1,
    kReemplazar,
    kPorPagina,
    kTasa,
    kSinTasa,
    kCategoria,
    kProductos,
    kSilencioso,
    kServir,
    kPuerto,
    kVersion
  };
  static const option kLargas[] = {
      {"salida", required_argument, nullptr, kSalida},
      {"reemplazar", no_argument, nullptr, kReemplazar},
      {"productos-por-pagina", required_argument, nullptr, kPorPagina},
      {"tasa", required_argument, nullptr, kTasa},
      {"sin-tasa", no_argument, nullptr, kSinTasa},
      {"categoria", required_argument, nullptr, kCategoria},
      {"productos", required_argument, nullptr, kProductos},
      {"silencioso", no_argument, nullptr, kSilencioso},
      {"servir", no_argument, nullptr, kServir},
      {"puerto", required_argument, nullptr, kPuerto},
      {"help", no_argument, nullptr, 'h'},
      {"version", no_argument, nullptr, kVersion},
      {nullptr, 0, nullptr, 0},
  };
  // The option as the user wrote it, without a value after "=".
  auto escrita = [&] {
    std::string arg = argv[optind - 1];
    return arg.substr(0, arg.find('='));
  };
  opterr = 0;
  for (int c; (c = getopt_long(argc, argv, ":h", kLargas, nullptr)) != -1;) {
    switch (c) {
      case 'h':
        std::cout << kAyuda;
        return kSalidaExito;
      case kVersion:
        std::cout << "vendaluz-generar " << VENDALUZ_VERSION_MAJOR << "." << VENDALUZ_VERSION_MINOR
                  << "\n";
        return kSalidaExito;
      case kSalida:
        if (*optarg == '\0') return ErrorDeUso("la carpeta de --salida está vacía.");
        o.salida = optarg;
        break;
      case kReemplazar:
        o.reemplazar = true;
        break;
      case kPorPagina:
        o.productosPorPagina = optarg;
        break;
      case kTasa:
        o.tasa = optarg;
        break;
      case kSinTasa:
        o.sinTasa = true;
        break;
      case kCategoria:
        o.categoria = optarg;
        break;
      case kProductos:
        o.productos = optarg;
        break;
      case kSilencioso:
        o.silencioso = true;
        break;
      case kServir:
        o.servir = true;
        break;
      case kPuerto:
        o.puerto = optarg;
        break;
      case ':':
        return ErrorDeUso("falta el valor de " + escrita() + ".");
      default:  // '?': unknown, or a value given to an option that takes none
        if (optopt != 0) return ErrorDeUso("la opción " + escrita() + " no lleva valor.");
        return ErrorDeUso("opción desconocida: " + escrita());
    }
  }
  if (optind < argc) o.proyecto = argv[optind++];
  if (optind < argc) return ErrorDeUso("se indicó más de un archivo de proyecto.");
  if (!o.proyecto) return ErrorDeUso("falta el archivo de proyecto.");
  if (o.tasa && o.sinTasa) return ErrorDeUso("--tasa y --sin-tasa no pueden usarse juntas.");
  if (o.puerto && !o.servir) return ErrorDeUso("--puerto solo sirve junto con --servir.");
  if (o.puerto && (o.puerto->empty() || o.puerto->size() > 5 ||
                   o.puerto->find_first_not_of("0123456789") != std::string::npos ||
                   std::stoi(*o.puerto) > 65535)) {
    return ErrorDeUso("el puerto debe ser un número de 0 a 65535: «" + *o.puerto + "».");
  }
  return std::nullopt;
}

// Status lines and a progress bar on a terminal.
class Pantalla {
 public:
  explicit Pantalla(bool activa) : activa_(activa) {}
  void Estado(const std::string& texto) {
    if (!activa_) return;
    Limpiar();
    std::cerr << texto << "\n";
  }
  void Progreso(int minimo, int maximo, int valor) {
    if (!activa_ || maximo <= minimo) return;
    constexpr int kAncho = 30;
    const int lleno =
        static_cast<int>(static_cast<long long>(valor - minimo) * kAncho / (maximo - minimo));
    std::cerr << "\r[" << std::string(std::max(0, std::min(lleno, kAncho)), '#')
              << std::string(std::max(0, kAncho - lleno), ' ') << "] " << valor << "/" << maximo
              << std::flush;
    barra_ = true;
  }
  void Limpiar() {
    if (barra_) std::cerr << "\r\033[K";
    barra_ = false;
  }

 private:
  bool activa_;
  bool barra_ = false;
};

bool Preguntar(const std::string& pregunta) {
  std::cerr << pregunta << " [s/N] " << std::flush;
  std::string respuesta;
  if (!std::getline(std::cin, respuesta)) return false;
  const std::string r = FoldCase(Trim(respuesta));
  return r == "s" || r == "si" || r == "sí";
}

// Serves the folder of page until SIGINT or SIGTERM, then returns salida. The signals
// are blocked before the server's threads start, so that they inherit the mask and
// only sigwait receives them.
int Servir(const fs::path& pagina, int puerto, int salida) {
  sigset_t senales;
  sigemptyset(&senales);
  sigaddset(&senales, SIGINT);
  sigaddset(&senales, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &senales, nullptr);
  PreviewServer servidor;
  const std::string direccion =
      servidor.Address(pagina.parent_path(), pagina.filename().string(), puerto);
  std::cout << "Vista previa en " << direccion << "; Ctrl+C para terminar" << std::endl;
  int senal = 0;
  sigwait(&senales, &senal);
  return salida;
}

}  // namespace

int main(int argc, char** argv) {
  // Past a file-size limit a write fails and is reported, instead of killing the run.
  std::signal(SIGXFSZ, SIG_IGN);
  Opciones o;
  if (auto salida = LeerOpciones(argc, argv, o)) return *salida;
  const int puerto = o.puerto ? std::stoi(*o.puerto) : 0;

  const bool terminal = ::isatty(STDERR_FILENO) == 1;
  Pantalla pantalla(terminal && !o.silencioso);
  try {
    // With --salida the workspace is not needed, and may not be writable.
    const Espacio espacio =
        PrepararEspacio(ExecutableFolder(), CarpetaDatosUsuario(), !o.salida.has_value());
    Proyecto p;
    CargarProyecto(*o.proyecto, p, PathText(espacio.proyectos));
    // The project's own products per page and tax, unless the options say otherwise.
    if (o.productosPorPagina) p.txtCantProd = *o.productosPorPagina;
    if (o.tasa) {
      p.cheTasa = 1;
      p.txtTasa = *o.tasa;
    }
    if (o.sinTasa) p.cheTasa = 0;
    if (o.categoria) {
      p.categoriaOpcion = 1;
      p.categoriaArchivo = *o.categoria;
      p.categoriaCarpeta = PathText(o.salida ? *o.salida : espacio.CarpetaSalida(p));
    }
    // Relative picture paths belong to the project file, not to the caller's folder.
    ResolverImagenes(p, *o.proyecto);
    if (o.productos) {
      LecturaCsv lista = ImportarProductosCsv(*o.productos);
      if (!lista.errores.empty()) {
        std::cerr << "vendaluz-generar: no se leyó ningún producto de «" << PathText(*o.productos)
                  << "»:\n";
        for (const std::string& e : lista.errores) std::cerr << "  " << e << "\n";
        return kSalidaError;
      }
      p.productos = std::move(lista.productos);
    }

    bool sinTerminal = false;
    LlamadasGenerador llamadas;
    llamadas.estado = [&](const std::string& t) { pantalla.Estado(t); };
    llamadas.progreso = [&](int a, int b, int c) { pantalla.Progreso(a, b, c); };
    llamadas.preguntarReemplazo = [&](const PreguntaCarpeta& pregunta) {
      if (o.reemplazar) {
        if (!pregunta.ajenos.empty()) {
          pantalla.Limpiar();
          std::cerr << "vendaluz-generar: se reemplaza la carpeta, con archivos que Vendaluz no "
                       "generó: "
                    << pregunta.ajenos << "\n";
        }
        return true;
      }
      if (::isatty(STDIN_FILENO) != 1 || !terminal) {
        sinTerminal = true;
        return false;
      }
      pantalla.Limpiar();
      return Preguntar(pregunta.texto);
    };
    llamadas.error = [&](const Error& e) {
      pantalla.Limpiar();
      std::cerr << "vendaluz-generar: " << e.Mensaje() << "\n";
    };

    Generador generador(std::move(p), espacio, std::move(llamadas),
                        o.categoria ? std::nullopt : o.salida);
    const ResultadoGeneracion r = generador.Ejecutar();
    pantalla.Limpiar();
    switch (r) {
      case ResultadoGeneracion::kCreada:
        if (o.servir) return Servir(generador.PrimeraPagina(), puerto, kSalidaExito);
        if (!o.silencioso) std::cout << PathText(generador.PrimeraPagina()) << "\n";
        return kSalidaExito;
      case ResultadoGeneracion::kCreadaConProblemas:
        std::cerr << "vendaluz-generar: "
                  << TextoFinal("La tienda se generó", generador.Problemas()) << "\n";
        if (o.servir) return Servir(generador.PrimeraPagina(), puerto, kSalidaProblemas);
        return kSalidaProblemas;
      case ResultadoGeneracion::kInterrumpida:
        std::cerr << "vendaluz-generar: la carpeta «" << PathText(generador.Carpeta())
                  << "» ya existe y no se reemplazó; no se tocó nada."
                  << (sinTerminal ? " Use --reemplazar para reemplazarla." : "") << "\n";
        return kSalidaNoReemplazada;
      case ResultadoGeneracion::kFallida:
        return kSalidaError;
    }
  } catch (const Error& e) {
    pantalla.Limpiar();
    std::cerr << "vendaluz-generar: " << e.Mensaje() << "\n";
    return kSalidaError;
  } catch (const std::exception& e) {
    pantalla.Limpiar();
    std::cerr << "vendaluz-generar: " << Error(CodigoError::kErrorInterno, e.what()).Mensaje()
              << "\n";
    return kSalidaError;
  }
  return kSalidaError;
}
