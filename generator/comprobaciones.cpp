#include "generator/comprobaciones.h"

#include "generator/paginas.h"
#include "model/reglas.h"
#include "platform/error.h"
#include "platform/text.h"

namespace vendaluz {

void ComprobarNombreCarpeta(std::string_view nombre) {
  if (nombre.empty()) {
    throw Error(CodigoError::kNombreCarpetaInvalido,
                "El proyecto no tiene nombre; sin él no hay carpeta para la tienda.");
  }
  if (const std::string motivo = MotivoNombreCarpeta(nombre); !motivo.empty()) {
    throw Error(CodigoError::kNombreCarpetaInvalido,
                "El nombre del proyecto «" + std::string(nombre) +
                    "» no sirve como nombre de la carpeta de la tienda: " + motivo + ".");
  }
}

int ProductosPorPagina(const Proyecto& p) {
  const std::string_view texto = Trim(p.txtCantProd);
  long valor = 0;
  bool ok = !texto.empty() && texto.size() <= 9;
  for (char c : texto) {
    if (c < '0' || c > '9') {
      ok = false;
      break;
    }
    valor = valor * 10 + (c - '0');
  }
  if (!ok || valor < 1) {
    throw Error(CodigoError::kProductosPorPagina,
                "La cantidad de productos por página («" + p.txtCantProd +
                    "») debe ser un número entero mayor que cero.");
  }
  return static_cast<int>(valor);
}

void ComprobarTasa(const Proyecto& p) {
  if (p.cheTasa == 1 && !EsNumeroDecimal(p.txtTasa)) {
    throw Error(CodigoError::kTasaInvalida,
                "La tasa de impuesto («" + p.txtTasa +
                    "») debe ser un número con punto decimal, por ejemplo 21 o 10.5.");
  }
}

void ComprobarEnvio(const Proyecto& p) {
  const std::pair<std::string_view, const std::string*> importes[] = {
      {"El importe del envío", &p.envio.Importe},
      {"El importe desde el que el envío es gratis", &p.envio.GratisDesde}};
  for (const auto& [nombre, texto] : importes) {
    if (!Trim(*texto).empty() && !EsNumeroDecimal(Trim(*texto))) {
      throw Error(CodigoError::kEnvioInvalido,
                  std::string(nombre) + " («" + *texto +
                      "») debe ser un número con punto decimal, por ejemplo 4.50.");
    }
  }
}

void ComprobarNombreCategoria(std::string_view nombre) {
  if (nombre.empty()) {
    throw Error(CodigoError::kCategoriaInvalida, "Falta el nombre del archivo de la categoría.");
  }
  for (char c : nombre) {
    if (c < 'a' || c > 'z') {
      throw Error(CodigoError::kCategoriaInvalida,
                  "El nombre de la categoría «" + std::string(nombre) +
                      "» solo puede tener letras minúsculas de la a a la z.");
    }
  }
  const auto reservados = NombresReservados();
  for (std::string_view reservado : reservados) {
    if (nombre != reservado) continue;
    std::string paginas;
    for (std::string_view r : reservados) {
      paginas += (paginas.empty() ? "" : ", ") + std::string(r) + ".htm";
    }
    throw Error(CodigoError::kCategoriaInvalida, "El nombre de la categoría «" +
                                                     std::string(nombre) +
                                                     "» reemplazaría las páginas de la tienda (" +
                                                     paginas + "); elija otro nombre.");
  }
}

std::string TextoTasa(const Proyecto& p) { return p.cheTasa == 1 ? p.txtTasa : "0"; }

}  // namespace vendaluz
