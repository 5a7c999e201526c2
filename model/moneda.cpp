#include "model/moneda.h"

#include "model/reglas.h"
#include "platform/text.h"

namespace vendaluz {

std::optional<std::string> ImporteConCentavos(std::string_view texto) {
  if (!EsNumeroDecimal(texto)) return std::nullopt;
  const std::size_t punto = texto.find('.');
  std::string_view unidades = texto.substr(0, punto);
  const std::string_view decimales = punto == texto.npos ? "" : texto.substr(punto + 1);
  while (unidades.size() > 1 && unidades.front() == '0') unidades.remove_prefix(1);
  std::string out(unidades.empty() ? "0" : unidades);
  out += '.';
  out += decimales.substr(0, 2);
  out.append(2 - std::min<std::size_t>(decimales.size(), 2), '0');
  return out;
}

std::string TextoImporte(const Proyecto::Moneda& m, std::string_view importe, bool conSimbolo) {
  const std::size_t punto = importe.find('.');
  const std::string_view unidades = importe.substr(0, punto);
  std::string out;
  for (std::size_t i = 0; i < unidades.size(); ++i) {
    if (m.Miles && i > 0 && (unidades.size() - i) % 3 == 0) out += m.ComaDecimal ? '.' : ',';
    out += unidades[i];
  }
  if (punto != importe.npos) {
    out += m.ComaDecimal ? ',' : '.';
    out += importe.substr(punto + 1);
  }
  if (!conSimbolo || m.Simbolo.empty()) return out;
  return m.SimboloDespues ? out + " " + m.Simbolo : m.Simbolo + " " + out;
}

bool NumerosComoSiempre(const Proyecto::Moneda& m) {
  return !m.ComaDecimal && !m.Miles && !m.SimboloEnTodos;
}

bool CobraEnvio(const Proyecto& p) { return EsNumeroDecimal(Trim(p.envio.Importe)); }

bool EsCodigoMoneda(std::string_view texto) {
  if (texto.size() != 3) return false;
  for (char c : texto) {
    if (c < 'A' || c > 'Z') return false;
  }
  return true;
}

}  // namespace vendaluz
