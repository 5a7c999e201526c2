#include "model/reporte.h"

#include <algorithm>

#include "model/reglas.h"

namespace vendaluz {
namespace {

std::string Contar(std::size_t n, const char* singular, const char* plural) {
  return std::to_string(n) + (n == 1 ? singular : plural);
}

// The presets "http://" and "https://" of the address boxes count as missing; the
// comparison is exact, so "HTTP://" is an address the user typed.
bool FaltaDireccion(const std::string& valor, std::string_view preset) {
  return valor.empty() || valor == preset;
}

}  // namespace

std::vector<FilaReporte> ConstruirReporte(const Proyecto& p) {
  const std::string incompleto(kIncompleto);
  std::vector<FilaReporte> filas;
  filas.push_back(
      {"Nombre del Proyecto:", EsNombreDeCarpeta(p.inicio.Nombre) ? p.inicio.Nombre : incompleto});
  filas.push_back(
      {"Carrito de Compra:",
       p.productos.empty() ? incompleto : Contar(p.productos.size(), " producto", " productos")});
  // A price the basket scripts cannot read ("$10", "10,50", empty) would make every
  // total of the store read NaN.
  const auto sinPrecio = std::count_if(p.productos.begin(), p.productos.end(),
                                       [](const Producto& x) { return !EsNumeroDecimal(x.Precio); });
  if (sinPrecio > 0) {
    filas.push_back(
        {"Precios:", incompleto + " (" +
                         Contar(static_cast<std::size_t>(sinPrecio), " producto", " productos") +
                         ")"});
  }
  filas.push_back({"Formulario:", p.camposFormulario.empty()
                                      ? incompleto
                                      : Contar(p.camposFormulario.size(), " campo", " campos")});

  const auto& s = p.servidor;
  if (s.NoSS) {
    filas.push_back({"Servidor Seguro:", "No utilizar"});
    if (FaltaDireccion(s.Redireccionar, "http://")) filas.push_back({"Redireccionar:", incompleto});
  } else if (s.SPG) {
    filas.push_back({"Servidor Seguro:", "SPG"});
    if (FaltaDireccion(s.RutaServidor, "https://")) filas.push_back({"URL Servidor:", incompleto});
    if (FaltaDireccion(s.ServidorScript, "https://")) {
      filas.push_back({"Script Servidor:", incompleto});
    }
  } else if (s.SSL) {
    filas.push_back({"Servidor Seguro:", "SSL"});
    if (FaltaDireccion(s.RutaServidor, "https://")) filas.push_back({"URL Servidor:", incompleto});
    if (FaltaDireccion(s.Redireccionar, "http://")) filas.push_back({"Redireccionar:", incompleto});
  }

  if (p.correoEmail.empty()) filas.push_back({"E-mail:", incompleto});
  return filas;
}

bool ReporteCompleto(const std::vector<FilaReporte>& filas) {
  return std::none_of(filas.begin(), filas.end(),
                      [](const FilaReporte& f) { return f.estado.starts_with(kIncompleto); });
}

}  // namespace vendaluz
