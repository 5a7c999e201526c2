#include "platform/cp1252.h"

#include <array>

namespace vendaluz {
namespace {

// Code points of the bytes 0x80 to 0x9F; the undefined five map to themselves.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t ByteToCodePoint(unsigned char b) { return (b >= 0x80 && b <= 0x9F) ? kHigh[b - 0x80] : b; }

template <typename OnMissing>
bool Encode(std::string_view utf8, std::string& out, OnMissing on_missing) {
  out.reserve(out.size() + utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    // Runs of ASCII go over in one piece.
    std::size_t run = i;
    while (run < utf8.size() && static_cast<unsigned char>(utf8[run]) < 0x80) ++run;
    out.append(utf8.data() + i, run - i);
    i = run;
    if (i == utf8.size()) break;
    const std::size_t at = i;
    const char32_t cp = NextCodePoint(utf8, i);
    const int b = cp == kInvalidUtf8 ? -1 : Cp1252Byte(cp);
    if (b >= 0) {
      out.push_back(static_cast<char>(b));
    } else if (!on_missing(at, cp, out)) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  AppendCp1252AsUtf8(bytes, out);
  return out;
}

void AppendCp1252AsUtf8(std::string_view bytes, std::string& out) {
  const std::size_t start = out.size();
  // Every byte takes at most three bytes of UTF-8 (the euro sign and its kin).
  out.resize(start + bytes.size() * 3);
  char* w = out.data() + start;
  for (char ch : bytes) {
    const unsigned char b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      *w++ = ch;
      continue;
    }
    const char32_t cp = ByteToCodePoint(b);
    if (cp < 0x800) {
      *w++ = static_cast<char>(0xC0 | (cp >> 6));
      *w++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      *w++ = static_cast<char>(0xE0 | (cp >> 12));
      *w++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      *w++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  out.resize(static_cast<std::size_t>(w - out.data()));
}

int Cp1252Byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int k = 0; k < 32; ++k) {
    if (kHigh[k] == cp) return 0x80 + k;
  }
  return -1;
}

bool CanEncodeCp1252(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      ++i;
      continue;
    }
    const char32_t cp = NextCodePoint(utf8, i);
    if (cp == kInvalidUtf8 || Cp1252Byte(cp) < 0) return false;
  }
  return true;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8, Unencodable* first) {
  std::string out;
  const bool ok = Encode(utf8, out, [first](std::size_t at, char32_t cp, std::string&) {
    if (first) *first = {at, cp};
    return false;
  });
  if (!ok) return std::nullopt;
  return out;
}

bool AppendUtf8AsCp1252(std::string_view utf8, std::string& out) {
  return Encode(utf8, out, [](std::size_t, char32_t, std::string&) { return false; });
}

char32_t NextCodePoint(std::string_view s, std::size_t& i) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  int len;
  char32_t cp;
  char32_t min;
  if (c < 0x80) {
    ++i;
    return c;
  } else if ((c & 0xE0) == 0xC0) {
    len = 2, cp = c & 0x1F, min = 0x80;
  } else if ((c & 0xF0) == 0xE0) {
    len = 3, cp = c & 0x0F, min = 0x800;
  } else if ((c & 0xF8) == 0xF0) {
    len = 4, cp = c & 0x07, min = 0x10000;
  } else {
    ++i;
    return kInvalidUtf8;
  }
  if (i + len > s.size()) {
    ++i;
    return kInvalidUtf8;
  }
  for (int k = 1; k < len; ++k) {
    const unsigned char cc = static_cast<unsigned char>(s[i + k]);
    if ((cc & 0xC0) != 0x80) {
      ++i;
      return kInvalidUtf8;
    }
    cp = (cp << 6) | (cc & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return kInvalidUtf8;
  }
  i += len;
  return cp;
}

void AppendUtf8(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace vendaluz
