#include "model/reporte.h"

#include <algorithm>
#include <initializer_list>

#include "model/moneda.h"
#include "model/reglas.h"
#include "platform/text.h"

namespace vendaluz {
namespace {

std::string Contar(std::size_t n, const char* singular, const char* plural) {
  return std::to_string(n) + (n == 1 ? singular : plural);
}

// A missing item's value: kIncompleto and what to fix.
std::string Falta(const std::string& arreglo) { return std::string(kIncompleto) + ": " + arreglo; }

// The presets "http://" and "https://" of the address boxes count as missing; the
// comparison is exact, so "HTTP://" is an address the user typed.
bool FaltaDireccion(const std::string& valor, std::string_view preset) {
  return valor.empty() || valor == preset;
}

// A row for an address that a store cannot do without, added only when it is missing
// (empty or the box's preset) or still one of the example addresses a new project or
// the Servidor page puts in: a store built on those never delivers an order. que names
// the address with its article ("la dirección del script").
void AgregarDireccion(std::vector<FilaReporte>& filas, const char* opcion, const std::string& valor,
                      std::string_view preset, const std::string& que,
                      std::initializer_list<std::string_view> ejemplos = {}) {
  if (FaltaDireccion(valor, preset)) {
    filas.push_back({opcion, Falta("falta " + que)});
  } else if (std::find(ejemplos.begin(), ejemplos.end(), valor) != ejemplos.end()) {
    const std::string articulo = que.substr(0, que.find(' '));
    filas.push_back({opcion, Falta(que + " es " + articulo + " de ejemplo (" + valor + ")")});
  }
}

}  // namespace

std::vector<FilaReporte> ConstruirReporte(const Proyecto& p) {
  std::vector<FilaReporte> filas;
  std::string nombre = p.inicio.Nombre;
  if (nombre.empty()) {
    nombre = Falta("falta el nombre del proyecto");
  } else if (const std::string motivo = MotivoNombreCarpeta(nombre); !motivo.empty()) {
    nombre = Falta("el nombre " + motivo);
  }
  filas.push_back({"Nombre del Proyecto:", nombre});
  filas.push_back({"Carrito de Compra:",
                   p.productos.empty() ? Falta("agregue al menos un producto")
                                       : Contar(p.productos.size(), " producto", " productos")});
  // A price the basket scripts cannot read ("$10", "10,50", empty) would make every
  // total of the store read NaN.
  const auto sinNumero = [](const Producto& x) { return !EsNumeroDecimal(x.Precio); };
  const auto primero = std::find_if(p.productos.begin(), p.productos.end(), sinNumero);
  if (primero != p.productos.end()) {
    const auto n = std::count_if(primero, p.productos.end(), sinNumero);
    filas.push_back(
        {"Precios:",
         Falta(n == 1 ? "el precio de «" + primero->Nombre + "» no es un número como 10.50"
                      : std::to_string(n) +
                            " productos tienen precios que no son números como 10.50 "
                            "(el primero, «" +
                            primero->Nombre + "»)")});
  }
  for (const auto& [importe, nombre] : {std::pair{&p.envio.Importe, "el importe del envío"},
                                        std::pair{&p.envio.GratisDesde, "el importe de envío gratis"}}) {
    const std::string_view texto = Trim(*importe);
    if (!texto.empty() && !EsNumeroDecimal(texto)) {
      filas.push_back({"Envío:", Falta(std::string(nombre) + " «" + *importe +
                                       "» no es un número como 4.50")});
    }
  }
  if (!EsCodigoMoneda(p.moneda.Codigo)) {
    filas.push_back({"Moneda:", Falta("«" + p.moneda.Codigo +
                                      "» no es un código de moneda de tres letras como EUR o USD")});
  }
  filas.push_back({"Formulario:", p.camposFormulario.empty()
                                      ? Falta("agregue al menos un campo")
                                      : Contar(p.camposFormulario.size(), " campo", " campos")});

  const auto& s = p.servidor;
  const Proyecto::Cgi nuevo;
  const std::string redireccion = "la dirección a la que va el comprador tras el pedido";
  const std::string seguro = "la dirección del servidor seguro";
  const std::initializer_list<std::string_view> ejemplosSeguro = {kEjemplosServidorSeguro[0],
                                                                  kEjemplosServidorSeguro[1]};
  if (s.NoSS) {
    filas.push_back({"Servidor Seguro:", "No utilizar"});
    AgregarDireccion(filas, "Redireccionar:", s.Redireccionar, "http://", redireccion);
    // Only the Perl script has an address and a host of its own in the project.
    if (p.soporte.CGI) {
      AgregarDireccion(filas, "Ruta al CGI:", p.cgi.Ruta, "", "la dirección del script",
                       {nuevo.Ruta});
      AgregarDireccion(filas, "DNS o Dirección IP:", p.cgi.Host, "", "el dominio de la tienda",
                       {nuevo.Host});
    }
  } else if (s.SPG) {
    filas.push_back({"Servidor Seguro:", "SPG"});
    AgregarDireccion(filas, "URL Servidor:", s.RutaServidor, "https://", seguro, ejemplosSeguro);
    AgregarDireccion(filas, "Script Servidor:", s.ServidorScript, "https://",
                     "la dirección del script del servidor seguro");
  } else if (s.SSL) {
    filas.push_back({"Servidor Seguro:", "SSL"});
    AgregarDireccion(filas, "URL Servidor:", s.RutaServidor, "https://", seguro, ejemplosSeguro);
    AgregarDireccion(filas, "Redireccionar:", s.Redireccionar, "http://", redireccion);
  }

  if (p.correoEmail.empty()) {
    filas.push_back({"E-mail:", Falta("falta la dirección de correo")});
  } else if (!EsDireccionCorreo(p.correoEmail)) {
    filas.push_back(
        {"E-mail:", Falta("«" + p.correoEmail +
                          "» no parece una dirección de correo (como ventas@mitienda.com)")});
  }
  return filas;
}

bool ReporteCompleto(const std::vector<FilaReporte>& filas) {
  return std::none_of(filas.begin(), filas.end(),
                      [](const FilaReporte& f) { return f.estado.starts_with(kIncompleto); });
}

}  // namespace vendaluz
