#include "model/archivo_proyecto.h"

#include <cerrno>
#include <cmath>

#include "model/ajustes.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"

namespace vendaluz {
namespace {

// A damaged count can name millions of entries that the file does not hold; a run
// of this many missing entries in a row ends the list at the last entry present.
constexpr long long kHuecoMaximo = 100000;

// Product and form-field counts: the value of the leading digits (after blanks, with
// an optional sign and fraction), rounded; "3a" is 3, "" and "x" are 0.
long long CantidadInicial(std::string_view text) {
  text = Trim(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  double v = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) v = v * 10 + (text[i] - '0');
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10) {
      v += (text[i] - '0') * scale;
    }
  }
  if (negative || v > 9.0e15) return 0;
  return static_cast<long long>(std::nearbyint(v));
}

// The hidden-field count converts only as a whole ("2", " 2 ", "2.0"); else -1.
long long CantidadEntera(std::string_view text) {
  text = Trim(text);
  if (text.empty()) return -1;
  std::size_t i = 0;
  if (text[i] == '+') ++i;
  bool digits = false, point = false;
  for (; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9') {
      digits = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      return -1;
    }
  }
  return digits ? CantidadInicial(text) : -1;
}

// Reads entries 1..n (or 0..n-1) of a list. read(i, out) fills one record and says
// whether any of its entries was present; missing entries are empty text.
template <typename Record, typename ReadOne>
std::vector<Record> LeerLista(long long first, long long count, ReadOne read) {
  std::vector<Record> list;
  long long last_present = first - 1;
  for (long long i = first; i < first + count; ++i) {
    Record r{};
    if (read(i, r)) {
      last_present = i;
    } else if (i - last_present > kHuecoMaximo) {
      list.resize(static_cast<std::size_t>(last_present - first + 1));
      break;
    }
    list.push_back(std::move(r));
  }
  return list;
}

// Reads one entry into out; true when the key was present.
bool LeerEntrada(const IniFile& ini, std::string_view seccion, const std::string& clave,
                 std::string& out) {
  auto v = ini.Get(seccion, clave);
  if (!v) return false;
  out = std::move(*v);
  return true;
}

std::string Indice(long long i) { return " " + std::to_string(i); }

}  // namespace

void LeerProyecto(const IniFile& ini, Proyecto& p) {
  for (const Ajuste& a : Ajustes()) {
    switch (a.tipo) {
      case TipoAjuste::kListaProductos: {
        const long long n = CantidadInicial(ini.Get("Productos", "Cantidad").value_or(""));
        p.productos = LeerLista<Producto>(1, n, [&ini](long long i, Producto& r) {
          const std::string k = std::to_string(i);
          bool any = LeerEntrada(ini, "Nombre", k, r.Nombre);
          any |= LeerEntrada(ini, "Precio", k, r.Precio);
          any |= LeerEntrada(ini, "Descripcion", k, r.Descripcion);
          any |= LeerEntrada(ini, "Imagen", k, r.Imagen);
          return any;
        });
        break;
      }
      case TipoAjuste::kListaCampos: {
        const long long n = CantidadInicial(ini.Get("Formulario", "Cantidad").value_or(""));
        p.camposFormulario =
            LeerLista<CampoFormulario>(1, n, [&ini](long long i, CampoFormulario& r) {
              const std::string k = std::to_string(i);
              bool any = LeerEntrada(ini, "FCampo", k, r.Campo);
              any |= LeerEntrada(ini, "FNombre", k, r.Nombre);
              any |= LeerEntrada(ini, "FTamano", k, r.Tamano);
              return any;
            });
        break;
      }
      case TipoAjuste::kListaOcultos: {
        const long long n = CantidadEntera(ini.Get("SSL", "Cantidad").value_or("0"));
        p.camposOcultos =
            LeerLista<CampoOculto>(0, n < 0 ? 0 : n, [&ini](long long j, CampoOculto& r) {
              return LeerEntrada(ini, "SSL", "Campo" + std::to_string(j), r);
            });
        break;
      }
      default:
        if (const auto v = ini.Get(a.seccion, a.clave)) AplicarTexto(p, a, *v);
    }
  }
}

void EscribirProyecto(const Proyecto& p, IniFile& ini) {
  for (const Ajuste& a : Ajustes()) {
    switch (a.tipo) {
      case TipoAjuste::kListaProductos: {
        const auto n = static_cast<long long>(p.productos.size());
        ini.SetRaw("Productos", "Cantidad", Indice(n));
        for (long long i = 1; i <= n; ++i) {
          const Producto& r = p.productos[static_cast<std::size_t>(i - 1)];
          const std::string k = Indice(i);
          ini.Set("Nombre", k, r.Nombre);
          ini.Set("Precio", k, r.Precio);
          ini.Set("Descripcion", k, r.Descripcion);
          ini.Set("Imagen", k, r.Imagen);
        }
        break;
      }
      case TipoAjuste::kListaCampos: {
        const auto n = static_cast<long long>(p.camposFormulario.size());
        ini.SetRaw("Formulario", "Cantidad", Indice(n));
        for (long long i = 1; i <= n; ++i) {
          const CampoFormulario& r = p.camposFormulario[static_cast<std::size_t>(i - 1)];
          const std::string k = Indice(i);
          ini.Set("FCampo", k, r.Campo);
          ini.Set("FNombre", k, r.Nombre);
          ini.Set("FTamano", k, r.Tamano);
        }
        break;
      }
      case TipoAjuste::kListaOcultos: {
        ini.SetRaw("SSL", "Cantidad", Indice(static_cast<long long>(p.camposOcultos.size())));
        for (std::size_t j = 0; j < p.camposOcultos.size(); ++j) {
          ini.Set("SSL", "Campo" + std::to_string(j), p.camposOcultos[j]);
        }
        break;
      }
      default:
        ini.Set(a.seccion, a.clave, TextoDeAjuste(p, a));
    }
  }
}

void CargarProyecto(const std::filesystem::path& ruta, Proyecto& p,
                    std::string_view carpetaProyectos) {
  const IniFile ini = IniFile::Parse(ReadFile(ruta));
  Proyecto leido;
  leido.txtCantProd = p.txtCantProd;
  RestablecerProyecto(leido, carpetaProyectos);
  LeerProyecto(ini, leido);
  p = std::move(leido);
}

void GuardarProyecto(const Proyecto& p, const std::filesystem::path& ruta) {
  IniFile ini;
  std::error_code ec;
  if (std::filesystem::exists(ruta, ec)) {
    // Keys of the old file that this program does not write are kept.
    ini = IniFile::Parse(ReadFile(ruta));
  }
  EscribirProyecto(p, ini);
  WriteFileAtomic(ruta, ini.Serialize());
}

}  // namespace vendaluz
