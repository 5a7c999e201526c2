// Text and paths between the core (UTF-8 std::string, std::filesystem::path) and Qt.
#pragma once

#include <QString>
#include <filesystem>
#include <string>

namespace vendaluz {

inline QString AQt(const std::string& texto) { return QString::fromStdString(texto); }
inline QString AQt(const std::filesystem::path& ruta) {
  return QString::fromStdString(ruta.string());
}
inline std::string AStd(const QString& texto) { return texto.toStdString(); }
inline std::filesystem::path ARuta(const QString& texto) {
  return std::filesystem::path(texto.toStdString());
}

}  // namespace vendaluz
