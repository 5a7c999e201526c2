#include "generator/generador.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <new>
#include <system_error>

#include "generator/carpeta_tienda.h"
#include "generator/catalogo.h"
#include "generator/comprobaciones.h"
#include "generator/estilo.h"
#include "generator/formulario.h"
#include "platform/files.h"

namespace vendaluz {

int PasosTienda() { return static_cast<int>(TablaPaginas().size()) + 1; }

std::string TextoFinal(const std::string& exito, const std::vector<ProblemaArchivo>& problemas) {
  if (problemas.empty()) return exito;
  // "¡… ha sido creada!" becomes "… ha sido creada, pero con …".
  std::string texto = exito;
  if (texto.starts_with("¡")) texto.erase(0, std::string_view("¡").size());
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
                     std::optional<fs::path> salida, Disk& disco)
    : p_(std::move(p)), llamadas_(std::move(llamadas)), e_(disco) {
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
  auto informar = [this](const Error& error) {
    if (llamadas_.error) llamadas_.error(error);
    return ResultadoGeneracion::kFallida;
  };
  if (ejecutada_) {
    return informar(
        Error(CodigoError::kErrorInterno, "Esta generación ya se ejecutó; abra una nueva."));
  }
  ejecutada_ = true;
  try {
    return EsCategoria() ? Categoria() : Tienda();
  } catch (const Error& err) {
    return informar(err);
  } catch (const std::bad_alloc&) {
    return informar(
        Error(CodigoError::kErrorInterno,
              "No hay memoria suficiente para generar la tienda «" + e_.nombreProyecto + "»."));
  } catch (const std::exception& ex) {
    return informar(Error(CodigoError::kErrorInterno,
                          std::string("Falla inesperada durante la generación: ") + ex.what()));
  }
}

void Generador::Imagenes() {
  if (p_.productosImagen != 1 || p_.thumbnails.Copiar != 1) return;
  const vendaluz::Progreso progreso = [this](int minimo, int maximo, int valor) {
    InformarProgreso(minimo, maximo, valor);
  };
  // An existing folder (a category added to a store) is kept as it is.
  e_.disco->MakeFolder(destino_ / "imagenes");
  for (ProblemaArchivo& pr : CopiarImagenes(*e_.disco, p_, destino_, progreso)) {
    e_.problemas.push_back(std::move(pr));
  }
  if (p_.thumbnails.Mostrar == 1) {
    e_.disco->MakeFolder(destino_ / "thumbnails");
    e_.tamanos = CrearMiniaturas(*e_.disco, p_, destino_, progreso);
  }
}

void Generador::Escribir(const ClasePagina& clase) {
  for (const ArchivoTienda& a : clase.construir(p_, e_, clase)) {
    if (!a.aviso.empty()) InformarEstado(std::string(a.aviso));
    if (a.copia.empty()) {
      e_.EscribirArchivo(destino_ / a.nombre, a.texto, a.lineasUnix);
    } else {
      e_.CopiarArchivo(a.copia, destino_ / a.nombre);
    }
  }
}

// Every file of a full run, into destino_.
void Generador::Construir() {
  Imagenes();
  e_.estilo = EstiloDePagina(p_);
  const int pasos = PasosTienda();
  int paso = 0;
  for (const ClasePagina& clase : TablaPaginas()) {
    InformarProgreso(0, pasos, ++paso);
    Escribir(clase);
  }
  InformarProgreso(0, pasos, pasos);
}

ResultadoGeneracion Generador::Tienda() {
  const fs::path& carpeta = e_.carpetaSalida;
  InformarEstado("Generando " + e_.nombreProyecto + "...");

  // Everything that would stop the run later is checked before any work.
  if (carpetaDelNombre_) ComprobarNombreCarpeta(e_.nombreProyecto);
  ProductosPorPagina(p_);
  ComprobarTasa(p_);
  ComprobarEnvio(p_);
  if (p_.productosImagen == 1 && p_.thumbnails.Copiar == 1 && ComprobarArchivosImagen(p_) > 0 &&
      p_.thumbnails.Mostrar == 1) {
    LeerReglaMiniatura(p_.thumbnails);
  }

  const CarpetaPrevia previa = MirarCarpeta(carpeta);
  if (previa.existe) {
    const PreguntaCarpeta pregunta{PreguntaReemplazo(e_.nombreProyecto, previa.ajenos),
                                   ListaAjenos(previa.ajenos)};
    if (!llamadas_.preguntarReemplazo || !llamadas_.preguntarReemplazo(pregunta)) {
      InformarEstado("Se ha interrumpido la operación");
      return ResultadoGeneracion::kInterrumpida;
    }
  }

  // The store is built beside the old one, which stays as it is until the new one is
  // complete; messages name the files as they will be in the store.
  TiendaNueva nueva(*e_.disco, carpeta);
  destino_ = nueva.Ruta();
  std::string sinBorrar;
  try {
    Construir();
    sinBorrar = nueva.Instalar();
  } catch (const Error& err) {
    throw Error(err.tipo(), RutaEnTienda(err.descripcion(), nueva.Ruta(), carpeta));
  }
  for (ProblemaArchivo& pr : e_.problemas) {
    const fs::path relativa = pr.archivo.lexically_relative(nueva.Ruta());
    if (!relativa.empty() && *relativa.begin() != "..") pr.archivo = carpeta / relativa;
    pr.causa = RutaEnTienda(pr.causa, nueva.Ruta(), carpeta);
  }
  if (!sinBorrar.empty()) {
    e_.problemas.push_back({carpeta, "la tienda anterior quedó a un lado: " + sinBorrar});
  }
  return Terminar("¡La tienda «" + p_.inicio.Nombre + "» ha sido creada!");
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
  const ClasePagina& catalogo = PaginaDe(ConstruirCatalogo);
  std::error_code ec;
  if (!fs::is_regular_file(carpeta / catalogo.archivo, ec)) {
    throw Error(CodigoError::kCarpetaCategoria, "La carpeta «" + PathText(carpeta) +
                                                    "» no contiene una tienda generada (falta " +
                                                    std::string(catalogo.archivo) + ").");
  }

  destino_ = carpeta;
  const std::vector<std::string> antes = ArchivosBajo(carpeta);
  Imagenes();
  InformarProgreso(0, 2, 1);
  e_.estilo = EstiloDePagina(p_);
  Escribir(PaginaDe(ConstruirEstilo));
  // The category's pages are catalogue pages under the category's own name.
  const std::string primera = p_.categoriaArchivo + ".htm";
  ClasePagina categoria = catalogo;
  categoria.archivo = primera;
  Escribir(categoria);
  std::vector<std::string> agregados;
  std::ranges::set_difference(ArchivosBajo(carpeta), antes, std::back_inserter(agregados));
  try {
    AnotarPropios(*e_.disco, carpeta, agregados);
  } catch (const DiskError& e) {
    e_.problemas.push_back({e.path(), e.cause()});
  }
  InformarProgreso(0, 2, 2);
  return Terminar("¡La nueva categoría ha sido creada!");
}

ResultadoGeneracion Generador::Terminar(const std::string& exito) {
  InformarEstado(TextoFinal(exito, e_.problemas));
  if (llamadas_.terminado) llamadas_.terminado(e_.carpetaSalida, e_.problemas);
  return e_.problemas.empty() ? ResultadoGeneracion::kCreada
                              : ResultadoGeneracion::kCreadaConProblemas;
}

fs::path Generador::PrimeraPagina() const {
  return e_.carpetaSalida / (EsCategoria() ? p_.categoriaArchivo + ".htm"
                                           : std::string(PaginaDe(ConstruirCatalogo).archivo));
}

}  // namespace vendaluz
