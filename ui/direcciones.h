// Our own addresses shown in the about and help boxes.
#pragma once

namespace vendaluz {

inline constexpr const char* kSitioWeb = "https://www.vendaluz.example";
inline constexpr const char* kForo = "https://foro.vendaluz.example/comercio-electronico";
inline constexpr const char* kCorreo = "contacto@vendaluz.example";

}  // namespace vendaluz
