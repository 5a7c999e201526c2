#include "model/color.h"

namespace vendaluz {

std::string ColorAHex(Color color) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out = "#";
  for (int shift = 0; shift <= 16; shift += 8) {
    const unsigned byte = (color >> shift) & 0xFF;
    out.push_back(kDigits[byte >> 4]);
    out.push_back(kDigits[byte & 0xF]);
  }
  return out;
}

std::optional<Color> HexAColor(std::string_view text) {
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  Color rgb[3] = {};
  for (int k = 0; k < 6; ++k) {
    const char c = text[1 + k];
    int v;
    if (c >= '0' && c <= '9')
      v = c - '0';
    else if (c >= 'A' && c <= 'F')
      v = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
      v = c - 'a' + 10;
    else
      return std::nullopt;
    rgb[k / 2] = rgb[k / 2] * 16 + static_cast<Color>(v);
  }
  return rgb[0] | (rgb[1] << 8) | (rgb[2] << 16);
}

}  // namespace vendaluz
