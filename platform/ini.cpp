#include "platform/ini.h"

#include <cstdio>

#include "platform/cp1252.h"
#include "platform/error.h"
#include "platform/text.h"

namespace vendaluz {
namespace {

constexpr std::string_view kEscapeStart = "\\\"";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsQuote(char c) { return c == '"' || c == '\''; }

bool IsBlankLine(std::string_view line) { return Trim(line).empty(); }

// The section name of a header line "[Name]", or nothing for other lines.
std::optional<std::string_view> HeaderName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  line.remove_prefix(1);
  const std::size_t close = line.find(']');
  return Trim(close == std::string_view::npos ? line : line.substr(0, close));
}

// Key and raw value text of a "Key=Value" line, or nothing.
bool SplitKeyLine(std::string_view line, std::string_view& key, std::string_view& value) {
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = Trim(line.substr(0, eq));
  value = line.substr(eq + 1);
  return !key.empty();
}

bool NeedsEscape(std::string_view v) {
  if (v.empty()) return false;
  if (IsBlank(v.front()) || IsBlank(v.back())) return true;
  if (v.size() >= 2 && IsQuote(v.front()) && v.front() == v.back()) return true;
  if (v.substr(0, 2) == kEscapeStart) return true;
  if (v.find_first_of("\r\n") != std::string_view::npos) return true;
  return !CanEncodeCp1252(v);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Reads "{HEX}" at body[i] (i just past the 'u' or 'x'); returns the value and moves
// i past the brace, or -1 leaving i alone.
long ReadBracedHex(std::string_view body, std::size_t& i) {
  if (i >= body.size() || body[i] != '{') return -1;
  long v = 0;
  std::size_t k = i + 1;
  for (; k < body.size() && body[k] != '}'; ++k) {
    const int h = HexValue(body[k]);
    if (h < 0 || k - i > 6) return -1;
    v = v * 16 + h;
  }
  if (k >= body.size() || k == i + 1) return -1;
  i = k + 1;
  return v;
}

std::string Unescape(std::string_view body) {
  std::string out;
  out.reserve(body.size());
  for (std::size_t i = 0; i < body.size();) {
    const char c = body[i];
    if (c != '\\' || i + 1 >= body.size()) {
      out.push_back(c);
      ++i;
      continue;
    }
    const char e = body[i + 1];
    std::size_t j = i + 2;
    long v;
    if (e == '\\') {
      out.push_back('\\');
    } else if (e == 'n') {
      out.push_back('\n');
    } else if (e == 'r') {
      out.push_back('\r');
    } else if (e == 'u' && (v = ReadBracedHex(body, j)) >= 0 && v <= 0x10FFFF) {
      AppendUtf8(static_cast<char32_t>(v), out);
    } else if (e == 'x' && (v = ReadBracedHex(body, j)) >= 0 && v <= 0xFF) {
      out.push_back(static_cast<char>(v));
    } else {
      // Not one of ours: keep the backslash as text.
      out.push_back('\\');
      ++i;
      continue;
    }
    i = j;
  }
  return out;
}

}  // namespace

std::string IniFile::EncodeValue(std::string_view v) {
  if (!NeedsEscape(v)) return std::string(v);
  std::string out(kEscapeStart);
  char hex[16];
  for (std::size_t i = 0; i < v.size();) {
    const char c = v[i];
    if (c == '\\') {
      out += "\\\\";
      ++i;
    } else if (c == '\n') {
      out += "\\n";
      ++i;
    } else if (c == '\r') {
      out += "\\r";
      ++i;
    } else if (static_cast<unsigned char>(c) < 0x80) {
      out.push_back(c);
      ++i;
    } else {
      const std::size_t start = i;
      const char32_t cp = NextCodePoint(v, i);
      if (cp == kInvalidUtf8) {
        std::snprintf(hex, sizeof hex, "\\x{%02X}", static_cast<unsigned char>(v[start]));
        out += hex;
      } else if (Cp1252Byte(cp) < 0) {
        std::snprintf(hex, sizeof hex, "\\u{%X}", static_cast<unsigned>(cp));
        out += hex;
      } else {
        out.append(v.substr(start, i - start));
      }
    }
  }
  out.push_back('"');
  return out;
}

std::string IniFile::DecodeValue(std::string_view text) {
  const std::string_view v = Trim(text);
  if (v.size() >= 3 && v.substr(0, 2) == kEscapeStart && v.back() == '"') {
    return Unescape(v.substr(2, v.size() - 3));
  }
  if (v.size() >= 2 && IsQuote(v.front()) && v.front() == v.back()) {
    return std::string(v.substr(1, v.size() - 2));
  }
  return std::string(v);
}

IniFile IniFile::Parse(std::string_view bytes) {
  IniFile ini;
  Section* current = &ini.sections_[0];
  std::string line;
  for (std::size_t pos = 0; pos < bytes.size();) {
    std::size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view raw = bytes.substr(pos, end - pos);
    pos = end + 1;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    line.clear();
    AppendCp1252AsUtf8(raw, line);

    if (const auto name = HeaderName(line)) {
      ini.sections_.push_back(Section{line, {}, {}});
      current = &ini.sections_.back();
      ini.index_.try_emplace(FoldCase(*name), ini.sections_.size() - 1);
      continue;
    }
    std::string_view key, value;
    if (SplitKeyLine(line, key, value)) {
      current->keys.try_emplace(FoldCase(key), current->lines.size());
    }
    current->lines.push_back(line);
  }
  return ini;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  const auto s = index_.find(FoldCase(Trim(section)));
  if (s == index_.end()) return std::nullopt;
  const Section& sec = sections_[s->second];
  const auto k = sec.keys.find(FoldCase(Trim(key)));
  if (k == sec.keys.end()) return std::nullopt;
  std::string_view name, value;
  SplitKeyLine(sec.lines[k->second], name, value);
  return DecodeValue(value);
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  const auto s = index_.find(FoldCase(Trim(section)));
  if (s == index_.end()) return keys;
  for (const auto& [key, line] : sections_[s->second].keys) keys.push_back(key);
  return keys;
}

IniFile::Section& IniFile::SectionFor(std::string_view name) {
  const std::string folded = FoldCase(Trim(name));
  if (const auto s = index_.find(folded); s != index_.end()) return sections_[s->second];
  // A new section goes at the end, set off from the text above by one blank line.
  Section& last = sections_.back();
  const bool text_above = sections_.size() > 1 || !last.lines.empty();
  if (text_above && (last.lines.empty() || !IsBlankLine(last.lines.back()))) {
    last.lines.emplace_back();
  }
  sections_.push_back(Section{"[" + std::string(name) + "]", {}, {}});
  index_.emplace(folded, sections_.size() - 1);
  return sections_.back();
}

void IniFile::Put(std::string_view section, std::string_view key, std::string line) {
  Section& sec = SectionFor(section);
  const std::string folded = FoldCase(Trim(key));
  if (const auto k = sec.keys.find(folded); k != sec.keys.end()) {
    sec.lines[k->second] = std::move(line);
    return;
  }
  // Add after the last line that is not blank, so that the blank lines that set
  // off the next section stay below.
  // Those blank lines hold no key, so no index needs to move.
  std::size_t at = sec.lines.size();
  while (at > 0 && IsBlankLine(sec.lines[at - 1])) --at;
  sec.lines.insert(sec.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
  sec.keys.emplace(folded, at);
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::string line(key);
  line += '=';
  line += EncodeValue(value);
  Put(section, key, std::move(line));
}

void IniFile::SetRaw(std::string_view section, std::string_view key, std::string_view raw) {
  std::string line(key);
  line += '=';
  line += raw;
  Put(section, key, std::move(line));
}

std::string IniFile::Serialize() const {
  std::string bytes;
  std::size_t size = 0;
  for (const Section& sec : sections_) {
    size += sec.header.size() + 2;
    for (const std::string& line : sec.lines) size += line.size() + 2;
  }
  bytes.reserve(size);
  const auto put = [&bytes](const std::string& line) {
    // Values are escaped, so only a section or key name can fail here.
    if (!AppendUtf8AsCp1252(line, bytes)) {
      throw Error(CodigoError::kTextoNoCodificable,
                  "El nombre de sección o de clave «" + line +
                      "» tiene un carácter que Windows-1252 no admite");
    }
    bytes += "\r\n";
  };
  for (const Section& sec : sections_) {
    if (!sec.header.empty()) put(sec.header);
    for (const std::string& line : sec.lines) put(line);
  }
  return bytes;
}

}  // namespace vendaluz
