#include "generator/generador.h"

#include <exception>
#include <system_error>

#include "generator/catalogo.h"
#include "generator/estado.h"
#include "generator/estilo.h"
#include "generator/formulario.h"
#include "generator/pago.h"
#include "generator/plantillas.h"
#include "generator/scripts_correo.h"
#include "platform/error.h"
#include "platform/files.h"

namespace vendaluz {

namespace {

void CrearCarpeta(const fs::path& carpeta, bool intermedias) {
  std::error_code ec;
  if (intermedias) {
    fs::create_directories(carpeta, ec);
  } else {
    fs::create_directory(carpeta, ec);
  }
  if (!ec && !fs::is_directory(carpeta, ec)) ec = std::make_error_code(std::errc::not_a_directory);
  if (ec) {
    throw Error(CodigoError::kCarpetaFallida, "No se pudo crear la carpeta «" + PathText(carpeta) +
                                                  "»: " + SystemErrorText(ec.value()));
  }
}

}  // namespace

std::string TextoFinal(const std::string& exito, const std::vector<ProblemaArchivo>& problemas) {
  if (problemas.empty()) return exito;
  std::string texto = exito;
  if (!texto.empty() && texto.back() == '!') texto.pop_back();
  texto += ", pero con ";
  texto += problemas.size() == 1 ? std::string("un problema")
                                 : std::to_string(problemas.size()) + " problemas";
  texto += problemas.size() == 1 ? ": un archivo no se pudo escribir o copiar:"
                                 : ": estos archivos no se pudieron escribir o copiar:";
  for (const ProblemaArchivo& pr : problemas) {
    texto += "\n" + PathText(pr.archivo) + ": " + pr.causa;
  }
  return texto;
}

Generador::Generador(Proyecto p, const Espacio& espacio, LlamadasGenerador llamadas,
                     std::optional<fs::path> salida)
    : p_(std::move(p)), llamadas_(std::move(llamadas)) {
  e_.nombreProyecto = p_.inicio.Nombre;
  e_.carpetaCodigo = espacio.codigo;
  if (salida) {
    e_.carpetaSalida = *salida;
  } else if (EsCategoria()) {
    e_.carpetaSalida = p_.categoriaCarpeta;
  } else {
    e_.carpetaSalida = espacio.CarpetaSalida(p_);
    carpetaDelNombre_ = true;
  }
  e_.contadorPaginas = 1;
  e_.destino = SeleccionarDestino(p_);
  InformarEstado("Analizando " + e_.nombreProyecto + "...");
}

void Generador::InformarEstado(const std::string& texto) {
  if (llamadas_.estado) llamadas_.estado(texto);
}

void Generador::InformarProgreso(int minimo, int maximo, int valor) {
  if (llamadas_.progreso) llamadas_.progreso(minimo, maximo, valor);
}

ResultadoGeneracion Generador::Ejecutar() {
  auto informar = [this](int codigo, const std::string& descripcion) {
    if (llamadas_.error) llamadas_.error(codigo, descripcion);
    return ResultadoGeneracion::kFallida;
  };
  if (ejecutada_) {
    return informar(static_cast<int>(CodigoError::kErrorInterno),
                    "Esta generación ya se ejecutó; abra una nueva.");
  }
  ejecutada_ = true;
  try {
    return EsCategoria() ? Categoria() : Tienda();
  } catch (const Error& err) {
    return informar(err.codigo(), err.descripcion());
  } catch (const std::exception& ex) {
    return informar(static_cast<int>(CodigoError::kErrorInterno),
                    std::string("Falla inesperada durante la generación: ") + ex.what());
  }
}

void Generador::Imagenes(const fs::path& carpeta) {
  if (p_.productosImagen != 1 || p_.thumbnails.Copiar != 1) return;
  const vendaluz::Progreso progreso = [this](int minimo, int maximo, int valor) {
    InformarProgreso(minimo, maximo, valor);
  };
  // An existing folder (a category added to a store) is kept as it is.
  CrearCarpeta(carpeta / "imagenes", false);
  for (ProblemaArchivo& pr : CopiarImagenes(p_, carpeta, progreso)) {
    e_.problemas.push_back(std::move(pr));
  }
  if (p_.thumbnails.Mostrar == 1) {
    CrearCarpeta(carpeta / "thumbnails", false);
    e_.tamanos = CrearMiniaturas(p_, carpeta, progreso);
  }
}

ResultadoGeneracion Generador::Tienda() {
  const fs::path& carpeta = e_.carpetaSalida;
  InformarEstado("Generando " + e_.nombreProyecto + "...");

  // Everything that would stop the run later is checked before the old store goes.
  if (carpetaDelNombre_) ComprobarNombreCarpeta(e_.nombreProyecto);
  ProductosPorPagina(p_);
  ComprobarTasa(p_);

  std::error_code ec;
  const fs::file_status st = fs::status(carpeta, ec);
  if (fs::exists(st)) {
    if (!fs::is_directory(st)) {
      throw Error(CodigoError::kCarpetaFallida,
                  "«" + PathText(carpeta) + "» existe pero no es una carpeta.");
    }
    if (!llamadas_.preguntarReemplazo || !llamadas_.preguntarReemplazo(e_.nombreProyecto)) {
      InformarEstado("Se ha interrumpido la operación");
      return ResultadoGeneracion::kInterrumpida;
    }
    VaciarCarpeta(carpeta);
  } else {
    CrearCarpeta(carpeta, true);
  }

  Imagenes(carpeta);

  InformarProgreso(0, 7, 1);
  PasoEstilo(p_, e_, carpeta);

  InformarProgreso(0, 7, 2);
  ConstruirCatalogo(p_, e_, "carrito", carpeta);

  InformarProgreso(0, 7, 3);
  e_.textoPagina.assign(CargarPlantilla("ESTADO"));
  ConstruirEstado(p_, e_);
  e_.EscribirArchivo(carpeta / "estado.htm", e_.textoPagina);

  InformarProgreso(0, 7, 4);
  e_.textoPagina.clear();
  e_.textoFilas.clear();
  e_.textoPagina.assign(CargarPlantilla("FORMULARIO"));
  ConstruirFilasFormulario(p_, e_);
  RellenarFormulario(p_, e_);
  e_.EscribirArchivo(carpeta / "formulario.htm", e_.textoPagina);

  InformarProgreso(0, 7, 5);
  if (p_.servidor.SSL) {
    e_.textoPagina.clear();
    e_.textoFilas.clear();
    e_.textoPagina.assign(CargarPlantilla("SSL"));
    ConstruirPago(p_, e_);
    e_.EscribirArchivo(carpeta / "ssl.htm", e_.textoPagina);
  }

  InformarProgreso(0, 7, 6);
  if (p_.servidor.NoSS) {
    e_.textoPagina.clear();
    if (const auto script = ElegirScriptCorreo(p_)) {
      if (script->tipo == ScriptCorreo::kPerl) InformarEstado("Creando archivo CGI...");
      e_.textoPagina.assign(CargarPlantilla(script->plantilla));
      RellenarScriptCorreo(p_, e_, script->tipo);
      e_.EscribirArchivo(carpeta / script->archivo, e_.textoPagina);
    }
  }

  InformarProgreso(0, 7, 7);
  return Terminar("La Vendaluz ha sido creada!");
}

ResultadoGeneracion Generador::Categoria() {
  const fs::path& carpeta = e_.carpetaSalida;
  InformarEstado("Generando nueva categoría...");
  ComprobarNombreCategoria(p_.categoriaArchivo);
  ProductosPorPagina(p_);
  if (carpeta.empty()) {
    throw Error(CodigoError::kCarpetaCategoria,
                "Falta la carpeta de la tienda a la que se agrega la categoría.");
  }
  std::error_code ec;
  if (!fs::is_regular_file(carpeta / "carrito.htm", ec)) {
    throw Error(CodigoError::kCarpetaCategoria,
                "La carpeta «" + PathText(carpeta) +
                    "» no contiene una tienda generada (falta carrito.htm).");
  }

  Imagenes(carpeta);
  InformarProgreso(0, 2, 1);
  PasoEstilo(p_, e_, carpeta);
  ConstruirCatalogo(p_, e_, p_.categoriaArchivo, carpeta);
  InformarProgreso(0, 2, 2);
  return Terminar("La nueva categoría ha sido creada!");
}

ResultadoGeneracion Generador::Terminar(const std::string& exito) {
  InformarEstado(TextoFinal(exito, e_.problemas));
  if (llamadas_.terminado) llamadas_.terminado(e_.carpetaSalida, e_.problemas);
  return e_.problemas.empty() ? ResultadoGeneracion::kCreada
                              : ResultadoGeneracion::kCreadaConProblemas;
}

fs::path Generador::PrimeraPagina() const {
  return e_.carpetaSalida / (EsCategoria() ? p_.categoriaArchivo + ".htm" : "carrito.htm");
}

void Generador::VistaPrevia(DefaultOpener& abridor) const {
  const fs::path pagina = PrimeraPagina();
  std::error_code ec;
  if (fs::is_regular_file(pagina, ec)) abridor.Open("open", PathText(pagina));
}

}  // namespace vendaluz
