#include "model/proyecto.h"

#include <algorithm>

namespace vendaluz {

void RestablecerProyecto(Proyecto& p, std::string_view carpetaProyectos) {
  Proyecto fresh;
  fresh.inicio.Carpeta = std::string(carpetaProyectos);
  fresh.txtCantProd = std::move(p.txtCantProd);
  fresh.camposFormulario = std::move(p.camposFormulario);
  p = std::move(fresh);
}

std::vector<CampoFormulario> CamposFormularioPredeterminados() {
  return {
      {"Nombre", "nombre", "34"},       {"Apellido", "apellido", "34"},
      {"Domicilio", "domicilio", "34"}, {"Ciudad", "ciudad", "34"},
      {"Provincia", "provincia", "34"}, {"Código Postal", "cp", "34"},
      {"País", "pais", "34"},           {"E-mail", "email", "34"},
      {"Teléfono", "telefono", "34"},   {"Fax", "fax", "34"},
  };
}

void NuevoProyecto(Proyecto& p, ContadorProyectos& contador, std::string_view carpetaProyectos) {
  RestablecerProyecto(p, carpetaProyectos);
  p.inicio.Nombre = contador.Siguiente();
  p.camposFormulario = CamposFormularioPredeterminados();
}

void ElegirServidor(Proyecto& p, bool Proyecto::Servidor::*miembro) {
  p.servidor.NoSS = p.servidor.SPG = p.servidor.SSL = false;
  p.servidor.*miembro = true;
}

void ElegirSoporte(Proyecto& p, bool Proyecto::Soporte::*miembro) {
  p.soporte.CGI = p.soporte.ASP = p.soporte.PHP = false;
  p.soporte.*miembro = true;
}

void ElegirComponenteAsp(Proyecto& p, bool Proyecto::Asp::*miembro) {
  p.asp.CDONTS = p.asp.ASPEmail = false;
  p.asp.*miembro = true;
}

void AgregarCampoOculto(Proyecto& p, std::string_view campo) {
  if (std::find(p.camposOcultos.begin(), p.camposOcultos.end(), campo) == p.camposOcultos.end()) {
    p.camposOcultos.emplace_back(campo);
  }
}

}  // namespace vendaluz
