#include "model/ajustes.h"

#include <charconv>
#include <cmath>

#include "platform/text.h"

namespace vendaluz {
namespace {

using P = Proyecto;

#define AJ(sec, key, tipo, grupo, expr)                                          \
  Ajuste {                                                                       \
    sec, key, TipoAjuste::tipo, [](P& p) -> RefAjuste { return &p.expr; }, grupo \
  }
#define TXT(sec, key, expr) AJ(sec, key, kTexto, 0, expr)
#define FLAG(sec, key, expr) AJ(sec, key, kBandera, 0, expr)
#define COLOR(sec, key, expr) AJ(sec, key, kColor, 0, expr)
#define OPT(sec, key, grupo, expr) AJ(sec, key, kOpcion, grupo, expr)
#define LISTA(tipo)                                                               \
  Ajuste {                                                                        \
    "", "", TipoAjuste::tipo, [](P&) -> RefAjuste { return std::monostate{}; }, 0 \
  }

std::vector<Ajuste> CrearTablaAjustes() {
  std::vector<Ajuste> t = {
      TXT("Inicio", "Nombre", inicio.Nombre),
      TXT("Inicio", "Descripcion", inicio.Descripcion),
      TXT("Inicio", "Carpeta", inicio.Carpeta),
      TXT("Formato", "Fuente", formato.Fuente),
      TXT("Formato", "TamañoFuente", formato.TamanoFuente),
      TXT("Formato", "Titulo0", formato.Titulo[0]),
      TXT("Formato", "Titulo1", formato.Titulo[1]),
      TXT("Formato", "Titulo2", formato.Titulo[2]),
      FLAG("Formato", "IncluirTexto0", formato.IncluirTexto[0]),
      FLAG("Formato", "IncluirTexto1", formato.IncluirTexto[1]),
      FLAG("Formato", "IncluirTexto2", formato.IncluirTexto[2]),
      TXT("Formato", "Texto0", formato.Texto[0]),
      TXT("Formato", "Texto1", formato.Texto[1]),
      TXT("Formato", "Texto2", formato.Texto[2]),
      FLAG("Formato", "CentrarTexto0", formato.CentrarTexto[0]),
      FLAG("Formato", "CentrarTexto1", formato.CentrarTexto[1]),
      FLAG("Formato", "CentrarTexto2", formato.CentrarTexto[2]),
      COLOR("Formato", "Color0", formato.Color[0]),
      COLOR("Formato", "Color1", formato.Color[1]),
      COLOR("Formato", "Color2", formato.Color[2]),
      COLOR("Formato", "Color3", formato.Color[3]),
      COLOR("Formato", "Color4", formato.Color[4]),
      COLOR("Formato", "Color5", formato.Color[5]),
      COLOR("Formato", "Color6", formato.Color[6]),
      FLAG("Formato", "CSS", formato.CSS),
      COLOR("CSS", "CSS0", css.CSS[0]),
      COLOR("CSS", "CSS1", css.CSS[1]),
      COLOR("CSS", "CSS2", css.CSS[2]),
      COLOR("CSS", "CSS3", css.CSS[3]),
      TXT("CSS", "Fuente1", css.Fuente1),
      TXT("CSS", "Fuente2", css.Fuente2),
      TXT("CSS", "TamanoFuente1", css.TamanoFuente1),
      TXT("CSS", "TamanoFuente2", css.TamanoFuente2),
      TXT("CSS", "Decoracion1", css.Decoracion1),
      TXT("CSS", "Decoracion2", css.Decoracion2),
      TXT("Meta Tags", "Autor", metaTags.valor[0]),
      TXT("Meta Tags", "Titulo", metaTags.valor[1]),
      TXT("Meta Tags", "Descripcion", metaTags.valor[2]),
      TXT("Meta Tags", "Palabras", metaTags.valor[3]),
      TXT("Meta Tags", "Distribucion", metaTags.valor[4]),
      TXT("Meta Tags", "Tipo", metaTags.valor[5]),
      TXT("Meta Tags", "Volver", metaTags.valor[6]),
      TXT("Meta Tags", "Robots", metaTags.valor[7]),
      FLAG("Meta Tags", "Incluir", metaTags.Incluir),
      LISTA(kListaProductos),
      FLAG("Productos", "Imagen", productosImagen),
      FLAG("Thumbnails", "Copiar", thumbnails.Copiar),
      FLAG("Thumbnails", "Mostrar", thumbnails.Mostrar),
      TXT("Thumbnails", "TAncho", thumbnails.TAncho),
      TXT("Thumbnails", "TAlto", thumbnails.TAlto),
      FLAG("Thumbnails", "TGenerar", thumbnails.TGenerar),
      TXT("Popup", "Ancho", popup.Ancho),
      TXT("Popup", "Alto", popup.Alto),
      TXT("Popup", "Abrir", popup.Abrir),
      FLAG("Popup", "Barra1", popup.Barra1),
      FLAG("Popup", "Barra2", popup.Barra2),
      FLAG("Popup", "Barra3", popup.Barra3),
      FLAG("Popup", "Barra4", popup.Barra4),
      FLAG("Popup", "Barra5", popup.Barra5),
      FLAG("Popup", "Centrar", popup.Centrar),
      LISTA(kListaCampos),
      FLAG("Formulario", "Validar", formularioValidar),
      OPT("Servidor", "NoSS", 1, servidor.NoSS),
      OPT("Servidor", "SPG", 1, servidor.SPG),
      OPT("Servidor", "SSL", 1, servidor.SSL),
      TXT("Servidor", "RutaServidor", servidor.RutaServidor),
      TXT("Servidor", "ServidorScript", servidor.ServidorScript),
      FLAG("Tajetas", "Visa", tajetas.Visa),
      FLAG("Tajetas", "Amex", tajetas.Amex),
      FLAG("Tajetas", "Master", tajetas.Master),
      FLAG("Tajetas", "Diners", tajetas.Diners),
      OPT("Soporte", "CGI", 2, soporte.CGI),
      OPT("Soporte", "ASP", 2, soporte.ASP),
      OPT("Soporte", "PHP", 2, soporte.PHP),
      TXT("Correo", "Email", correoEmail),
      TXT("Servidor", "Redireccionar", servidor.Redireccionar),
      TXT("CGI", "Perl", cgi.Perl),
      TXT("CGI", "Ruta", cgi.Ruta),
      TXT("CGI", "SendMail", cgi.SendMail),
      TXT("CGI", "Host", cgi.Host),
      OPT("ASP", "CDONTS", 3, asp.CDONTS),
      OPT("ASP", "ASPEmail", 3, asp.ASPEmail),
      TXT("ASP", "SMTP", asp.SMTP),
      LISTA(kListaOcultos),
      // Written last, so that older versions read the rest of the file as before.
      FLAG("Generar", "IncluirTasa", cheTasa),
      TXT("Generar", "Tasa", txtTasa),
      TXT("Generar", "ProductosPorPagina", txtCantProd),
      TXT("Moneda", "Simbolo", moneda.Simbolo),
      TXT("Moneda", "Codigo", moneda.Codigo),
      FLAG("Moneda", "SimboloDespues", moneda.SimboloDespues),
      FLAG("Moneda", "ComaDecimal", moneda.ComaDecimal),
      FLAG("Moneda", "Miles", moneda.Miles),
      FLAG("Moneda", "SimboloEnTodos", moneda.SimboloEnTodos),
      TXT("Envio", "Importe", envio.Importe),
      TXT("Envio", "GratisDesde", envio.GratisDesde),
  };
  return t;
}

#undef AJ
#undef TXT
#undef FLAG
#undef COLOR
#undef OPT
#undef LISTA

// A whole number written as text: blanks around, an optional sign, digits, and an
// optional fraction (rounded half to even, as the classic conversion did).
std::optional<long long> WholeNumber(std::string_view text) {
  text = Trim(text);
  double v = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::fixed);
  if (ec != std::errc() || ptr != last || !std::isfinite(v) || std::fabs(v) > 9.0e15) {
    return std::nullopt;
  }
  return static_cast<long long>(std::nearbyint(v));
}

std::optional<bool> OptionValue(std::string_view text) {
  const std::string f = FoldCase(Trim(text));
  if (f == "true" || f == "verdadero") return true;
  if (f == "false" || f == "falso") return false;
  if (const auto n = WholeNumber(text)) return *n != 0;
  return std::nullopt;
}

void ClearGroup(Proyecto& p, int grupo) {
  for (const Ajuste& a : Ajustes()) {
    if (a.grupo == grupo) *std::get<bool*>(a.ref(p)) = false;
  }
}

}  // namespace

const std::vector<Ajuste>& Ajustes() {
  static const std::vector<Ajuste> table = CrearTablaAjustes();
  return table;
}

const Ajuste* BuscarAjuste(std::string_view seccion, std::string_view clave) {
  const std::string s = FoldCase(Trim(seccion));
  const std::string k = FoldCase(Trim(clave));
  for (const Ajuste& a : Ajustes()) {
    if (!a.clave.empty() && FoldCase(a.seccion) == s && FoldCase(a.clave) == k) return &a;
  }
  return nullptr;
}

std::string TextoDeAjuste(const Proyecto& p, const Ajuste& a) {
  // The accessors take a non-const project; this one only reads through it.
  const RefAjuste ref = a.ref(const_cast<Proyecto&>(p));
  switch (a.tipo) {
    case TipoAjuste::kTexto:
      return *std::get<std::string*>(ref);
    case TipoAjuste::kBandera:
      return std::to_string(*std::get<int*>(ref));
    case TipoAjuste::kOpcion:
      return *std::get<bool*>(ref) ? "True" : "False";
    case TipoAjuste::kColor:
      return std::to_string(*std::get<Color*>(ref));
    default:
      return {};
  }
}

bool AplicarTexto(Proyecto& p, const Ajuste& a, std::string_view texto) {
  const RefAjuste ref = a.ref(p);
  switch (a.tipo) {
    case TipoAjuste::kTexto:
      *std::get<std::string*>(ref) = std::string(texto);
      return true;
    case TipoAjuste::kBandera: {
      const auto n = WholeNumber(texto);
      if (!n) return false;
      *std::get<int*>(ref) = *n != 0 ? 1 : 0;
      return true;
    }
    case TipoAjuste::kColor: {
      const auto n = WholeNumber(texto);
      if (!n) return false;
      // Only the three low bytes make the colour.
      *std::get<Color*>(ref) = static_cast<Color>(static_cast<unsigned long long>(*n) & 0xFFFFFF);
      return true;
    }
    case TipoAjuste::kOpcion: {
      const auto v = OptionValue(texto);
      if (!v) return false;
      if (*v) ClearGroup(p, a.grupo);
      *std::get<bool*>(ref) = *v;
      return true;
    }
    default:
      return false;
  }
}

namespace {
const Ajuste* BuscarPorNombre(std::string_view nombre) {
  const std::size_t dot = nombre.find('.');
  if (dot == std::string_view::npos) return nullptr;
  return BuscarAjuste(nombre.substr(0, dot), nombre.substr(dot + 1));
}
}  // namespace

std::optional<std::string> ObtenerAjuste(const Proyecto& p, std::string_view nombre) {
  const Ajuste* a = BuscarPorNombre(nombre);
  if (!a) return std::nullopt;
  return TextoDeAjuste(p, *a);
}

bool EstablecerAjuste(Proyecto& p, std::string_view nombre, std::string_view texto) {
  const Ajuste* a = BuscarPorNombre(nombre);
  return a && AplicarTexto(p, *a, texto);
}

}  // namespace vendaluz
