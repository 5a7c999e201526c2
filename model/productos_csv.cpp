#include "model/productos_csv.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <memory>
#include <new>

#include "model/reglas.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/text.h"

namespace vendaluz {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr char kSeparador = ';';

// ---- Text encodings ----

bool EsUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
    } else if (NextCodePoint(bytes, i) == kInvalidUtf8) {
      return false;
    }
  }
  return true;
}

// UTF-16 after its byte-order mark; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size());
  auto unidad = [&](std::size_t i) -> char32_t {
    const auto a = static_cast<unsigned char>(bytes[i]),
               b = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (a << 8 | b) : (b << 8 | a);
  };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t cp = unidad(i);
    if (cp >= 0xD800 && cp < 0xDC00 && i + 3 < bytes.size() && unidad(i + 2) >= 0xDC00 &&
        unidad(i + 2) < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (unidad(i + 2) - 0xDC00);
      i += 2;
    } else if (cp >= 0xD800 && cp < 0xE000) {
      cp = 0xFFFD;
    }
    AppendUtf8(cp, out);
  }
  return out;
}

// The text of a file as UTF-8, without its byte-order mark.
std::string DecodificarTexto(std::string_view bytes) {
  if (bytes.starts_with(kBom)) return std::string(bytes.substr(kBom.size()));
  if (bytes.starts_with("\xFF\xFE")) return Utf16ToUtf8(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF")) return Utf16ToUtf8(bytes.substr(2), true);
  if (EsUtf8(bytes)) return std::string(bytes);
  return Cp1252ToUtf8(bytes);
}

// ---- Columns ----

// Lower case and without accents, blanks at the ends dropped: header names compare so.
std::string ClaveColumna(std::string_view titulo) {
  static constexpr std::pair<std::string_view, char> kAcentos[] = {
      {"á", 'a'}, {"à", 'a'}, {"ä", 'a'}, {"â", 'a'}, {"é", 'e'}, {"è", 'e'}, {"ë", 'e'},
      {"ê", 'e'}, {"í", 'i'}, {"ì", 'i'}, {"ï", 'i'}, {"î", 'i'}, {"ó", 'o'}, {"ò", 'o'},
      {"ö", 'o'}, {"ô", 'o'}, {"ú", 'u'}, {"ù", 'u'}, {"ü", 'u'}, {"û", 'u'}};
  const std::string plegado = FoldCase(Trim(titulo));
  std::string out;
  for (std::size_t i = 0; i < plegado.size();) {
    const auto acento = std::find_if(std::begin(kAcentos), std::end(kAcentos), [&](const auto& a) {
      return std::string_view(plegado).substr(i).starts_with(a.first);
    });
    if (acento != std::end(kAcentos)) {
      out += acento->second;
      i += acento->first.size();
    } else {
      out += plegado[i++];
    }
  }
  return out;
}

enum Campo { kNombre, kPrecio, kDescripcion, kImagen, kCampos };

struct Columna {
  std::array<std::string_view, 2> claves;  // as ClaveColumna gives them
  std::string_view titulo;                 // in messages and in the header written
};
constexpr std::array<Columna, kCampos> kColumnas = {{
    {{"nombre", "producto"}, "Nombre"},
    {{"precio", ""}, "Precio"},
    {{"descripcion", ""}, "Descripción"},
    {{"imagen", "foto"}, "Imagen"},
}};

// ---- Prices ----

struct Precio {
  std::string valor;   // as stored, when the text is a price
  const char* motivo;  // otherwise why not
};

// The bytes of a currency sign at the start (or the end) of t, 0 when there is none:
// "$", "¢" to "¥", or one of the block of currency signs ("€", "₹", "₽" ...).
std::size_t SignoMoneda(std::string_view t, bool alFinal) {
  auto es = [](std::string_view s) {
    const auto b = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    if (s.size() == 1) return s[0] == '$';
    if (s.size() == 2) return b(0) == 0xC2 && b(1) >= 0xA2 && b(1) <= 0xA5;
    return b(0) == 0xE2 && ((b(1) == 0x82 && b(2) >= 0xA0) || (b(1) == 0x83 && b(2) <= 0x8F));
  };
  for (std::size_t n = 1; n <= 3 && n <= t.size(); ++n) {
    if (es(alFinal ? t.substr(t.size() - n) : t.substr(0, n))) return n;
  }
  return 0;
}

std::string_view SinBlancosNiMoneda(std::string_view t) {
  static constexpr std::string_view kBlancos[] = {" ", "\t", "\xC2\xA0", "\xE2\x80\xAF"};
  auto quitar = [&t](const auto& lista) {
    for (bool otra = true; otra;) {
      otra = false;
      for (std::string_view s : lista) {
        if (t.starts_with(s)) t.remove_prefix(s.size()), otra = true;
        if (t.ends_with(s)) t.remove_suffix(s.size()), otra = true;
      }
    }
  };
  quitar(kBlancos);
  if (const std::size_t n = SignoMoneda(t, false)) {
    t.remove_prefix(n);
  } else if (const std::size_t m = SignoMoneda(t, true)) {
    t.remove_suffix(m);
  }
  quitar(kBlancos);
  return t;
}

bool SoloDigitos(std::string_view t) {
  return std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits grouped by miles in threes ("1.234.567"), or plain digits when miles is 0.
bool EsEntero(std::string_view t, char miles) {
  if (!miles || t.find(miles) == t.npos) return SoloDigitos(t);
  const std::size_t primero = t.find(miles);
  if (primero == 0 || primero > 3 || !SoloDigitos(t.substr(0, primero))) return false;
  for (std::size_t i = primero; i < t.size(); i += 4) {
    if (t[i] != miles || i + 4 > t.size() || !SoloDigitos(t.substr(i + 1, 3))) return false;
  }
  return true;
}

// When both "," and "." occur the last one is the decimal separator and the other
// groups thousands; one of them once is the decimal separator, more than once groups.
Precio LeerPrecio(std::string_view texto) {
  constexpr const char* kNoEsPrecio = "no es un precio";
  const std::string_view t = SinBlancosNiMoneda(texto);
  const std::size_t comas = std::count(t.begin(), t.end(), ','),
                    puntos = std::count(t.begin(), t.end(), '.');
  char decimal = 0, miles = 0;
  if (comas && puntos) {
    decimal = t[t.find_last_of(",.")];
    miles = decimal == ',' ? '.' : ',';
  } else if (comas + puntos == 1) {
    decimal = comas ? ',' : '.';
  } else if (comas + puntos > 1) {
    miles = comas ? ',' : '.';
  }
  const std::size_t coma = decimal ? t.rfind(decimal) : t.npos;
  const std::string_view entero = t.substr(0, coma);
  const std::string_view fraccion = coma == t.npos ? "" : t.substr(coma + 1);
  if (entero.empty() && fraccion.empty()) return {{}, kNoEsPrecio};
  if ((decimal && entero.find(decimal) != entero.npos) || !EsEntero(entero, miles) ||
      !SoloDigitos(fraccion)) {
    return {{}, kNoEsPrecio};
  }
  if (fraccion.size() > 2) return {{}, "tiene más de dos decimales"};
  std::string valor;
  for (char c : entero) {
    if (c != miles && !(valor.empty() && c == '0')) valor += c;
  }
  if (valor.empty()) valor = "0";
  valor += '.';
  valor += fraccion;
  valor.append(2 - fraccion.size(), '0');
  return {std::move(valor), nullptr};
}

// ---- Reading ----

// The separator the header line uses most outside quotes; ";" when it has none.
char HallarSeparador(std::string_view texto) {
  std::size_t cuenta[3] = {};
  constexpr char kCandidatos[3] = {';', ',', '\t'};
  bool comillas = false;
  const std::size_t cabecera = texto.find_first_not_of("\r\n");
  for (char c : texto.substr(std::min(cabecera, texto.size()))) {
    if (c == '"') comillas = !comillas;
    if (comillas) continue;
    if (c == '\r' || c == '\n') break;
    for (int k = 0; k < 3; ++k) cuenta[k] += c == kCandidatos[k];
  }
  const auto mas = std::max_element(std::begin(cuenta), std::end(cuenta));
  return *mas == 0 ? ';' : kCandidatos[mas - std::begin(cuenta)];
}

int NingunBlanco(unsigned char) { return 0; }

class Lector {
 public:
  Lector(std::string_view texto, const std::filesystem::path& archivo)
      : texto_(texto), archivo_(archivo) {}

  LecturaCsv Leer() {
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) throw std::bad_alloc();
    const std::unique_ptr<csv_parser, decltype(&csv_free)> liberar(&parser, csv_free);
    csv_set_delim(&parser, static_cast<unsigned char>(HallarSeparador(texto_)));
    // Blanks are part of the text: a name keeps them, the rules below ignore them.
    csv_set_space_func(&parser, NingunBlanco);

    // Fed one line at a time, so that every record knows the line it starts on.
    bool error = false;
    for (std::size_t inicio = 0; inicio < texto_.size() && !error;) {
      std::size_t fin = texto_.find_first_of("\r\n", inicio);
      if (fin == texto_.npos) {
        fin = texto_.size();
      } else if (texto_[fin] == '\r' && fin + 1 < texto_.size() && texto_[fin + 1] == '\n') {
        fin += 2;
      } else {
        ++fin;
      }
      ++linea_;
      const std::string_view trozo = texto_.substr(inicio, fin - inicio);
      if (!enRegistro_ && trozo.find_first_not_of("\r\n") != trozo.npos) {
        enRegistro_ = true;
        lineaRegistro_ = linea_;
      }
      const std::size_t leidos =
          csv_parse(&parser, trozo.data(), trozo.size(), AlCampo, AlRegistro, this);
      if (leidos < trozo.size()) {
        error = true;
        if (trozo[leidos] == '"') {
          Anotar(linea_, "hay comillas dentro de un campo que no empieza con comillas");
        } else if (linea_ == lineaRegistro_) {
          Anotar(linea_, "hay texto después de las comillas que cierran un campo");
        } else {
          Anotar(lineaRegistro_, "unas comillas abiertas no se cierran bien hasta la línea " +
                                     std::to_string(linea_));
        }
      }
      inicio = fin;
    }
    if (!error && csv_fini(&parser, AlCampo, AlRegistro, this) != 0) {
      Anotar(lineaRegistro_, "unas comillas se abren y no se cierran");
    }
    if (!cabecera_) {
      if (errores_.empty()) errores_.push_back("El archivo está vacío.");
    } else if (resultado_.productos.empty() && errores_.empty()) {
      errores_.push_back("El archivo no tiene ningún producto, solo la línea de títulos.");
    }
    if (errores_.size() > kMaxErroresCsv) {
      const std::size_t resto = errores_.size() - kMaxErroresCsv;
      errores_.resize(kMaxErroresCsv);
      errores_.push_back(resto == 1 ? "Y un error más."
                                    : "Y " + std::to_string(resto) + " errores más.");
    }
    if (!errores_.empty()) {
      resultado_.productos.clear();
    } else {
      Proyecto conImagenes;
      conImagenes.productos = std::move(resultado_.productos);
      ResolverImagenes(conImagenes, archivo_);
      resultado_.productos = std::move(conImagenes.productos);
    }
    resultado_.errores = std::move(errores_);
    return std::move(resultado_);
  }

 private:
  static void AlCampo(void* datos, std::size_t largo, void* lector) {
    auto* self = static_cast<Lector*>(lector);
    self->campos_.emplace_back(static_cast<const char*>(datos), largo);
  }
  static void AlRegistro(int, void* lector) {
    auto* self = static_cast<Lector*>(lector);
    self->Registro();
    self->campos_.clear();
    self->enRegistro_ = false;
  }

  void Anotar(int linea, const std::string& texto) {
    errores_.push_back("Línea " + std::to_string(linea) + ": " + texto + ".");
  }
  void Anotar(int linea, Campo campo, const std::string& texto) {
    errores_.push_back("Línea " + std::to_string(linea) + ", columna " + titulos_[campo] + ": " +
                       texto + ".");
  }

  std::string_view Valor(Campo campo) const {
    const int i = indices_[campo];
    return i >= 0 && i < static_cast<int>(campos_.size()) ? std::string_view(campos_[i]) : "";
  }

  void Cabecera() {
    cabecera_ = true;
    indices_.fill(-1);
    for (int i = 0; i < static_cast<int>(campos_.size()); ++i) {
      const std::string clave = ClaveColumna(campos_[i]);
      for (int c = 0; c < kCampos; ++c) {
        const auto& claves = kColumnas[c].claves;
        if (indices_[c] < 0 && !clave.empty() &&
            std::find(claves.begin(), claves.end(), clave) != claves.end()) {
          indices_[c] = i;
          titulos_[c] = std::string(Trim(campos_[i]));
        }
      }
    }
    if (indices_[kNombre] < 0) Anotar(lineaRegistro_, "falta la columna Nombre (o Producto)");
    if (indices_[kPrecio] < 0) Anotar(lineaRegistro_, "falta la columna Precio");
  }

  void Registro() {
    if (!cabecera_) return Cabecera();
    if (indices_[kNombre] < 0 || indices_[kPrecio] < 0) return;
    // Spreadsheets write empty rows below the data as a line of separators.
    if (std::all_of(campos_.begin(), campos_.end(),
                    [](const std::string& c) { return Trim(c).empty(); })) {
      return;
    }
    Producto p;
    p.Nombre = Valor(kNombre);
    if (Trim(p.Nombre).empty()) Anotar(lineaRegistro_, kNombre, "falta el nombre del producto");
    const std::string_view precio = Valor(kPrecio);
    if (Trim(precio).empty()) {
      Anotar(lineaRegistro_, kPrecio, "falta el precio");
    } else if (Precio leido = LeerPrecio(precio); leido.motivo) {
      Anotar(lineaRegistro_, kPrecio, "«" + std::string(precio) + "» " + leido.motivo);
    } else {
      p.Precio = std::move(leido.valor);
    }
    p.Descripcion = Valor(kDescripcion);
    p.Imagen = Valor(kImagen);
    if (errores_.empty()) resultado_.productos.push_back(std::move(p));
  }

  std::string_view texto_;
  const std::filesystem::path& archivo_;
  int linea_ = 0;          // of the line being fed
  int lineaRegistro_ = 0;  // where the record being read starts
  bool enRegistro_ = false;
  bool cabecera_ = false;
  std::array<int, kCampos> indices_{};
  std::array<std::string, kCampos> titulos_;
  std::vector<std::string> campos_;
  std::vector<std::string> errores_;
  LecturaCsv resultado_;
};

// ---- Writing ----

void AgregarCampo(std::string_view texto, std::string& out) {
  if (texto.find_first_of(";\"\r\n") == texto.npos) {
    out += texto;
    return;
  }
  out += '"';
  for (char c : texto) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

LecturaCsv LeerProductosCsv(std::string_view bytes, const std::filesystem::path& archivo) {
  // The workbook itself (.xlsx and .ods are ZIP files, .xls a compound document).
  if (bytes.starts_with("PK\x03\x04") || bytes.starts_with("\xD0\xCF\x11\xE0")) {
    return {{},
            {"El archivo es un libro de hoja de cálculo, no un archivo CSV: ábralo en la hoja "
             "de cálculo y guárdelo como CSV (texto separado por punto y coma)."}};
  }
  const std::string texto = DecodificarTexto(bytes);
  return Lector(texto, archivo).Leer();
}

LecturaCsv ImportarProductosCsv(const std::filesystem::path& archivo) {
  return LeerProductosCsv(ReadFile(archivo), archivo);
}

std::string EscribirProductosCsv(const std::vector<Producto>& productos) {
  std::string out(kBom);
  for (int c = 0; c < kCampos; ++c) {
    if (c) out += kSeparador;
    out += kColumnas[c].titulo;
  }
  out += "\r\n";
  for (const Producto& p : productos) {
    std::string precio = p.Precio;
    if (EsNumeroDecimal(precio)) std::replace(precio.begin(), precio.end(), '.', ',');
    const std::string* const campos[] = {&p.Nombre, &precio, &p.Descripcion, &p.Imagen};
    for (const std::string* campo : campos) {
      if (campo != campos[0]) out += kSeparador;
      AgregarCampo(*campo, out);
    }
    out += "\r\n";
  }
  return out;
}

void ExportarProductosCsv(const std::vector<Producto>& productos,
                          const std::filesystem::path& archivo, Disk& disco) {
  disco.WriteFile(archivo, EscribirProductosCsv(productos), Replace::kDurable);
}

}  // namespace vendaluz
