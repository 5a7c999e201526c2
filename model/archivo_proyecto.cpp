#include "model/archivo_proyecto.h"

#include <array>
#include <cmath>
#include <utility>

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
  long long lastPresent = first - 1;
  for (long long i = first; i < first + count; ++i) {
    Record r{};
    if (read(i, r)) {
      lastPresent = i;
    } else if (i - lastPresent > kHuecoMaximo) {
      list.resize(static_cast<std::size_t>(lastPresent - first + 1));
      break;
    }
    list.push_back(std::move(r));
  }
  return list;
}

// A list stored one section per field: the count key, and for record i the key i
// in each of the field sections.
template <typename Record, std::size_t N>
struct ListaEnColumnas {
  std::string_view seccionCantidad;
  std::array<std::pair<std::string_view, std::string Record::*>, N> columnas;
};

constexpr ListaEnColumnas<Producto, 4> kProductos = {"Productos",
                                                     {{{"Nombre", &Producto::Nombre},
                                                       {"Precio", &Producto::Precio},
                                                       {"Descripcion", &Producto::Descripcion},
                                                       {"Imagen", &Producto::Imagen}}}};
constexpr ListaEnColumnas<CampoFormulario, 3> kCampos = {"Formulario",
                                                         {{{"FCampo", &CampoFormulario::Campo},
                                                           {"FNombre", &CampoFormulario::Nombre},
                                                           {"FTamano", &CampoFormulario::Tamano}}}};

template <typename Record, std::size_t N>
std::vector<Record> LeerColumnas(const IniFile& ini, const ListaEnColumnas<Record, N>& lista) {
  const long long n = CantidadInicial(ini.Get(lista.seccionCantidad, "Cantidad").value_or(""));
  return LeerLista<Record>(1, n, [&](long long i, Record& r) {
    const std::string k = std::to_string(i);
    bool any = false;
    for (const auto& [seccion, campo] : lista.columnas) {
      if (auto v = ini.Get(seccion, k)) {
        r.*campo = std::move(*v);
        any = true;
      }
    }
    return any;
  });
}

// Counts and index keys get the writer's leading blank (" 2").
std::string Indice(std::size_t i) { return " " + std::to_string(i); }

template <typename Record, std::size_t N>
void EscribirColumnas(IniFile& ini, const ListaEnColumnas<Record, N>& lista,
                      const std::vector<Record>& records) {
  ini.SetRaw(lista.seccionCantidad, "Cantidad", Indice(records.size()));
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::string k = Indice(i + 1);
    for (const auto& [seccion, campo] : lista.columnas) ini.Set(seccion, k, records[i].*campo);
  }
}

}  // namespace

void LeerProyecto(const IniFile& ini, Proyecto& p) {
  for (const Ajuste& a : Ajustes()) {
    switch (a.tipo) {
      case TipoAjuste::kListaProductos:
        p.productos = LeerColumnas(ini, kProductos);
        break;
      case TipoAjuste::kListaCampos:
        p.camposFormulario = LeerColumnas(ini, kCampos);
        break;
      case TipoAjuste::kListaOcultos: {
        const long long n = CantidadEntera(ini.Get("SSL", "Cantidad").value_or("0"));
        p.camposOcultos =
            LeerLista<CampoOculto>(0, n < 0 ? 0 : n, [&ini](long long j, CampoOculto& r) {
              auto v = ini.Get("SSL", "Campo" + std::to_string(j));
              if (v) r = std::move(*v);
              return v.has_value();
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
      case TipoAjuste::kListaProductos:
        EscribirColumnas(ini, kProductos, p.productos);
        break;
      case TipoAjuste::kListaCampos:
        EscribirColumnas(ini, kCampos, p.camposFormulario);
        break;
      case TipoAjuste::kListaOcultos:
        ini.SetRaw("SSL", "Cantidad", Indice(p.camposOcultos.size()));
        for (std::size_t j = 0; j < p.camposOcultos.size(); ++j) {
          ini.Set("SSL", "Campo" + std::to_string(j), p.camposOcultos[j]);
        }
        break;
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

void GuardarProyecto(const Proyecto& p, const std::filesystem::path& ruta, Disk& disco) {
  IniFile ini;
  std::error_code ec;
  if (std::filesystem::exists(ruta, ec)) {
    // Keys of the old file that this program does not write are kept.
    ini = IniFile::Parse(ReadFile(ruta));
  }
  EscribirProyecto(p, ini);
  disco.WriteFile(ruta, ini.Serialize(), Replace::kDurable);
}

}  // namespace vendaluz
