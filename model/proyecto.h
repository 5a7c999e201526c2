// The open store project and its records. Every stored setting is named
// Section.Key after the project file (Formato.Color5, Meta Tags.Autor, Tajetas.Visa);
// the members below carry those names, with the keys that end in a page or colour
// number held as arrays indexed by that number (formato.Color[5] is Formato.Color5).
//
// Kinds: text and number text are std::string (any text, not validated here), flags
// are int 0 or 1, options are bool (one true member per group), colours are Color.
// A Proyecto is a plain value: the main window owns the open one, a generation run
// reads it without changing it. Not thread safe.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/color.h"

namespace vendaluz {

struct Producto {
  std::string Nombre;
  std::string Precio;  // as typed
  std::string Descripcion;
  std::string Imagen;  // path of the picture file; may be empty
  bool operator==(const Producto&) const = default;
};

struct CampoFormulario {
  std::string Campo;   // label shown before the input
  std::string Nombre;  // name of the input element
  std::string Tamano;  // size of the input
  bool operator==(const CampoFormulario&) const = default;
};

// One finished hidden input: <input type="hidden" name="NAME" value="VALUE">.
using CampoOculto = std::string;

// The fixed meta-tag list: eight entries in this order, never more or fewer.
struct MetaTag {
  std::string_view clave;     // key in section "Meta Tags"
  std::string_view etiqueta;  // label of the list, with its leading blank
};
inline constexpr std::array<MetaTag, 8> kMetaTags = {{
    {"Autor", " Autor"},
    {"Titulo", " Título"},
    {"Descripcion", " Descripción"},
    {"Palabras", " Palabras claves"},
    {"Distribucion", " Distribución"},
    {"Tipo", " Tipo de recurso"},
    {"Volver", " Volver a visitar"},
    {"Robots", " Robots"},
}};

// The secure-server addresses the Servidor page puts in for SPG and SSL; the owner
// replaces their example host (the report says so while it is there).
inline constexpr std::array<std::string_view, 2> kEjemplosServidorSeguro = {
    "https://www.example.com/formulario.htm", "https://www.example.com/ssl.htm"};

// A default-constructed Proyecto holds the defaults of a new project, with an empty
// name and no form fields.
struct Proyecto {
  struct Inicio {
    std::string Nombre, Descripcion, Carpeta;
    bool operator==(const Inicio&) const = default;
  };
  struct Formato {
    std::string Fuente = "Times New Roman";
    std::string TamanoFuente = "10pt";  // stored as Formato.TamañoFuente
    // Pages 0 "carrito", 1 "formulario", 2 "ssl".
    std::array<std::string, 3> Titulo = {"Carrito de Compra", "Formulario", "Tarjeta de Crédito"};
    std::array<int, 3> IncluirTexto = {0, 0, 0};
    std::array<std::string, 3> Texto;
    std::array<int, 3> CentrarTexto = {1, 1, 1};
    // Page background, page text, basket text, table background, table border,
    // link, visited link.
    std::array<::vendaluz::Color, 7> Color = {16777215, 0, 0, 14737632, 16777215, 9258546, 8388736};
    int CSS = 0;
    bool operator==(const Formato&) const = default;
  };
  struct Css {
    // Link text, link background, hover text, hover background.
    std::array<::vendaluz::Color, 4> CSS = {0, 16777215, 0, 16777215};
    std::string Fuente1 = "Times New Roman", Fuente2 = "Times New Roman";
    std::string TamanoFuente1 = "10pt", TamanoFuente2 = "10pt";
    std::string Decoracion1 = "none", Decoracion2 = "none";
    bool operator==(const Css&) const = default;
  };
  struct MetaTags {
    std::array<std::string, 8> valor;  // in the order of kMetaTags
    int Incluir = 1;
    bool operator==(const MetaTags&) const = default;
  };
  struct Thumbnails {
    int Copiar = 1, Mostrar = 1;
    std::string TAncho = "99", TAlto = "70";
    int TGenerar = 1;
    bool operator==(const Thumbnails&) const = default;
  };
  struct Popup {
    std::string Ancho = "800", Alto = "600", Abrir = "Link";
    int Barra1 = 1, Barra2 = 0, Barra3 = 0, Barra4 = 0, Barra5 = 0, Centrar = 1;
    bool operator==(const Popup&) const = default;
  };
  struct Servidor {
    bool NoSS = true, SPG = false, SSL = false;  // option group
    std::string RutaServidor = "https://", ServidorScript = "https://";
    std::string Redireccionar = "http://";
    bool operator==(const Servidor&) const = default;
  };
  struct Tajetas {  // the file's spelling of "tarjetas"
    int Visa = 1, Amex = 1, Master = 1, Diners = 1;
    bool operator==(const Tajetas&) const = default;
  };
  struct Soporte {
    bool CGI = true, ASP = false, PHP = false;  // option group
    bool operator==(const Soporte&) const = default;
  };
  struct Cgi {
    std::string Perl = "#!/usr/bin/perl";
    std::string Ruta = "http://www.example.com/cgi-bin/enviar.pl";  // to be replaced by the user
    std::string SendMail = "/usr/lib/sendmail";
    std::string Host = "www.example.com";  // to be replaced by the user
    bool operator==(const Cgi&) const = default;
  };
  struct Asp {
    bool CDONTS = true, ASPEmail = false;  // option group
    std::string SMTP;
    bool operator==(const Asp&) const = default;
  };

  Inicio inicio;
  Formato formato;
  Css css;
  MetaTags metaTags;
  std::vector<Producto> productos;  // the catalogue, in display order
  int productosImagen = 1;          // Productos.Imagen
  Thumbnails thumbnails;
  Popup popup;
  std::vector<CampoFormulario> camposFormulario;
  int formularioValidar = 1;  // Formulario.Validar
  Servidor servidor;
  Tajetas tajetas;
  Soporte soporte;
  std::string correoEmail;  // Correo.Email
  Cgi cgi;
  Asp asp;
  std::vector<CampoOculto> camposOcultos;  // no two equal texts

  // Stored in the file's section Generar, after the lists; a file without it leaves tax off and
  // the products per page as they were (new and open keep them).
  int cheTasa = 0;                 // include a tax rate
  std::string txtTasa = "0.0";     // the rate in percent
  std::string txtCantProd = "10";  // products per page
  // Amounts as shoppers read them, and the shipping charge: the sections Moneda and
  // Envio after Generar. With the defaults the pages show amounts as they always did;
  // the scripts, the cookie and the posted fields always use "1234.56".
  struct Moneda {
    std::string Simbolo = "$";
    std::string Codigo = "USD";  // ISO 4217, for the product data of search engines
    int SimboloDespues = 0;      // "45.00 $" instead of "$ 45.00"
    int ComaDecimal = 0;         // "45,00"
    int Miles = 0;               // "1.234,56" or "1,234.56"
    int SimboloEnTodos = 0;      // the symbol with every amount, not only the order total
    bool operator==(const Moneda&) const = default;
  } moneda;
  struct Envio {
    std::string Importe;      // decimal text; empty: no shipping charge
    std::string GratisDesde;  // decimal text; empty: never free
    bool operator==(const Envio&) const = default;
  } envio;
  // Working values of the open project, never stored in the project file.
  std::string categoriaArchivo;    // the additional-category dialog
  std::string categoriaCarpeta;
  int categoriaOpcion = 0;

  bool operator==(const Proyecto&) const = default;
};

// Every setting, list and working value to the defaults of a new project, with an
// empty name and description and Inicio.Carpeta = carpetaProyectos; txtCantProd and
// the form-field list are kept (a new project fills the fields, an open reads them).
void RestablecerProyecto(Proyecto& p, std::string_view carpetaProyectos);

// The ten order-form fields of a new project.
std::vector<CampoFormulario> CamposFormularioPredeterminados();

// Numbers the new projects of one run of the program: Proyecto1, Proyecto2, ...
class ContadorProyectos {
 public:
  std::string Siguiente() { return "Proyecto" + std::to_string(siguiente_++); }

 private:
  int siguiente_ = 1;
};

// A fresh project: the defaults, the next name of the counter, the ten form fields.
void NuevoProyecto(Proyecto& p, ContadorProyectos& contador, std::string_view carpetaProyectos);

// Option groups: setting a member true clears the others of its group.
void ElegirServidor(Proyecto& p, bool Proyecto::Servidor::*miembro);
void ElegirSoporte(Proyecto& p, bool Proyecto::Soporte::*miembro);
void ElegirComponenteAsp(Proyecto& p, bool Proyecto::Asp::*miembro);

// Adds a hidden field unless the same text is already in the list.
void AgregarCampoOculto(Proyecto& p, std::string_view campo);

}  // namespace vendaluz
