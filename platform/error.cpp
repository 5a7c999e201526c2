#include "platform/error.h"

#include <cerrno>
#include <cstring>

namespace vendaluz {

Error::Error(CodigoError codigo, std::string descripcion)
    : std::runtime_error(descripcion), codigo_(codigo), descripcion_(std::move(descripcion)) {}

std::string Error::Mensaje() const {
  return "Error: " + std::to_string(codigo()) + ": " + descripcion_;
}

std::string SystemErrorText(int errnum) {
  switch (errnum) {
    case ENOENT:
      return "no existe el archivo o la carpeta";
    case EACCES:
    case EPERM:
      return "permiso denegado";
    case EROFS:
      return "el disco es de solo lectura";
    case ENOSPC:
      return "no queda espacio en el disco";
    case EDQUOT:
      return "se agotó la cuota de disco";
    case EFBIG:
      return "el archivo supera el tamaño permitido";
    case EISDIR:
      return "es una carpeta, no un archivo";
    case ENOTDIR:
      return "una parte de la ruta no es una carpeta";
    case ENAMETOOLONG:
      return "el nombre es demasiado largo";
    case EEXIST:
      return "ya existe";
    case ENOTEMPTY:
      return "la carpeta no está vacía";
    case EIO:
      return "error de entrada o salida del disco";
    case EMFILE:
    case ENFILE:
      return "hay demasiados archivos abiertos";
    case ELOOP:
      return "demasiados enlaces simbólicos en la ruta";
    case EBUSY:
      return "el archivo está en uso";
    case EXDEV:
      return "origen y destino están en discos distintos";
    case ENOMEM:
      return "no hay memoria suficiente";
    default:
      return "error del sistema " + std::to_string(errnum) + " (" + std::strerror(errnum) + ")";
  }
}

}  // namespace vendaluz
