#include "model/archivo_proyecto.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <utility>

#include "model/ajustes.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"

namespace vendaluz {
namespace {

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

// The indices from first to first + count - 1 that name an entry: the keys of the
// sections that are such a number (prefix, then the digits as written by the
// program), in order. Found from the keys the file holds, so that a count naming
// millions of entries costs nothing.
std::vector<long long> Presentes(const IniFile& ini, std::span<const std::string_view> secciones,
                                 std::string_view prefijo, long long first, long long count) {
  std::vector<long long> indices;
  const std::string pre = FoldCase(prefijo);
  for (std::string_view seccion : secciones) {
    for (const std::string& clave : ini.Keys(seccion)) {
      if (!clave.starts_with(pre)) continue;
      const std::string_view digitos = std::string_view(clave).substr(pre.size());
      if (digitos.empty() || digitos.size() > 15 || (digitos[0] == '0' && digitos.size() > 1) ||
          digitos.find_first_not_of("0123456789") != std::string_view::npos) {
        continue;
      }
      const long long i = std::stoll(std::string(digitos));
      if (i >= first && i - first < count) indices.push_back(i);
    }
  }
  std::sort(indices.begin(), indices.end());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  return indices;
}

// The entries of a list that the file holds, in index order. read(i, out) fills one
// record; missing fields are empty text. A list is never longer than the entries
// present: an index with no entry at all is no record (a damaged count or a gap).
template <typename Record, typename ReadOne>
std::vector<Record> LeerLista(const std::vector<long long>& indices, ReadOne read) {
  std::vector<Record> list(indices.size());
  for (std::size_t k = 0; k < indices.size(); ++k) read(indices[k], list[k]);
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
  std::array<std::string_view, N> secciones;
  for (std::size_t c = 0; c < N; ++c) secciones[c] = lista.columnas[c].first;
  return LeerLista<Record>(Presentes(ini, secciones, "", 1, n), [&](long long i, Record& r) {
    const std::string k = std::to_string(i);
    for (const auto& [seccion, campo] : lista.columnas) {
      if (auto v = ini.Get(seccion, k)) r.*campo = std::move(*v);
    }
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
        const std::string_view ssl[] = {"SSL"};
        p.camposOcultos = LeerLista<CampoOculto>(
            Presentes(ini, ssl, "Campo", 0, n < 0 ? 0 : n), [&ini](long long j, CampoOculto& r) {
              r = ini.Get("SSL", "Campo" + std::to_string(j)).value_or("");
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
