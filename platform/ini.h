// An INI text held in memory: read once, looked up and changed, written once.
//
// Reading follows the classic profile rules: section and key names compare without
// regard to letter case and without their surrounding blanks, a value runs to the
// end of its line with the blanks around it dropped, and a value enclosed in one
// pair of the same quotation marks (" or ') loses them. The first of two equal
// sections or keys wins. Lines that are neither a section nor a key are kept as
// they are.
//
// Values that those rules would not give back exactly (line breaks, blanks at an
// end, enclosing quotes, characters Windows-1252 lacks) are written in an escaped
// form that no plain file holds:  \"...\"  -- a backslash and a quotation mark,
// the text with \\ for a backslash, \r and \n for the line breaks, \u{HEX} for a
// character outside Windows-1252 and \x{HH} for a byte that is not UTF-8, and a
// closing quotation mark. Every other value is written as it is.
//
// Changing a key replaces its line in place, adds it at the end of its section, or
// adds the section at the end of the text; nothing is ever removed, so sections and
// keys this program does not know survive a load and save unchanged.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vendaluz {

class IniFile {
 public:
  IniFile() = default;

  // From Windows-1252 bytes with CR LF (or LF) line ends.
  static IniFile Parse(std::string_view bytes);

  // The value of section/key, or nothing when the section or key is missing.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;

  // The keys of a section as Get finds them (letter case folded), in no order.
  std::vector<std::string> Keys(std::string_view section) const;

  // Stores a value, escaping it when the plain form would not read back exactly.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // Stores text after the "=" exactly as given (for example a count with the
  // writer's leading blank).
  void SetRaw(std::string_view section, std::string_view key, std::string_view raw);

  // Windows-1252 bytes with CR LF line ends.
  std::string Serialize() const;

  // The text written after "=" for a value, and the value read back from such text.
  static std::string EncodeValue(std::string_view value);
  static std::string DecodeValue(std::string_view text);

 private:
  struct Section {
    std::string header;  // the whole header line; empty for the lines before any section
    std::vector<std::string> lines;
    std::unordered_map<std::string, std::size_t> keys;  // folded key -> first line
  };

  Section& SectionFor(std::string_view name);
  void Put(std::string_view section, std::string_view key, std::string line);

  std::vector<Section> sections_{1};  // sections_[0]: lines before the first header
  std::unordered_map<std::string, std::size_t> index_;  // folded name -> first section
};

}  // namespace vendaluz
