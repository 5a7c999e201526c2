// Windows-1252 <-> UTF-8. In memory every text is UTF-8; Windows-1252 exists only
// at the disk boundary (project files, generated files).
//
// Decoding maps all 256 byte values. The five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+0081 ... U+009D, as browsers read them,
// so every byte sequence survives a decode and re-encode unchanged.
//
// Encoding never drops or replaces a character silently: a character the code page
// lacks is either reported (the checking form) or handed to the caller's fallback,
// which decides what to write (an HTML character reference, an escape).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vendaluz {

std::string Cp1252ToUtf8(std::string_view bytes);
void AppendCp1252AsUtf8(std::string_view bytes, std::string& out);

// True when every character of utf8 has a Windows-1252 byte.
bool CanEncodeCp1252(std::string_view utf8);

// The Windows-1252 byte of a code point, or -1 when the code page has none.
int Cp1252Byte(char32_t code_point);

// Stands for a malformed UTF-8 byte in the reports below.
inline constexpr char32_t kInvalidUtf8 = 0xFFFFFFFF;

struct Unencodable {
  std::size_t offset = 0;   // byte offset in the UTF-8 input
  char32_t code_point = 0;  // or kInvalidUtf8
};

// The bytes, or nothing when some character cannot be encoded; *first then tells
// which one and where.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8, Unencodable* first = nullptr);

// Appends the bytes of utf8 to out; false (with out partly written) when some
// character cannot be encoded.
bool AppendUtf8AsCp1252(std::string_view utf8, std::string& out);

// Reads one code point from utf8 at i and advances i; a malformed sequence yields
// kInvalidUtf8 and advances one byte.
char32_t NextCodePoint(std::string_view utf8, std::size_t& i);

// Appends the UTF-8 form of a code point.
void AppendUtf8(char32_t code_point, std::string& out);

}  // namespace vendaluz
