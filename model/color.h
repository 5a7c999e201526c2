// Colours as the project stores them: one integer with red in the low byte
// (R + 256*G + 65536*B), shown and written into pages as "#RRGGBB".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vendaluz {

using Color = std::uint32_t;

// "#RRGGBB" with upper-case digits; only the three low bytes count.
std::string ColorAHex(Color color);

// The colour of a "#RRGGBB" text (either letter case), or nothing.
std::optional<Color> HexAColor(std::string_view text);

}  // namespace vendaluz
