#include "platform/text.h"

#include <unordered_set>

#include "platform/cp1252.h"

namespace vendaluz {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char32_t FoldCodePoint(char32_t cp) {
  if (cp >= 'A' && cp <= 'Z') return cp + 32;
  // Latin-1 capitals À..Þ, except the multiplication sign.
  if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 32;
  return cp;
}

std::vector<char32_t> FoldedCodePoints(std::string_view text) {
  std::vector<char32_t> out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) out.push_back(FoldCodePoint(NextCodePoint(text, i)));
  return out;
}

}  // namespace

std::string_view Trim(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

std::string FoldCase(std::string_view text) {
  std::string out(text);
  bool ascii = true;
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  }
  if (ascii) return out;
  out.clear();
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out.push_back(static_cast<char>(FoldCodePoint(c)));
      ++i;
      continue;
    }
    const std::size_t start = i;
    const char32_t cp = NextCodePoint(text, i);
    if (cp == kInvalidUtf8) {
      out.append(text.substr(start, i - start));
    } else {
      AppendUtf8(FoldCodePoint(cp), out);
    }
  }
  return out;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) { return FoldCase(a) == FoldCase(b); }

namespace {
// Folded text with the Latin-1 accents taken off; ñ becomes n followed by a byte
// above every letter, so that it sorts after all of n.
std::string SortKey(std::string_view text) {
  static constexpr char kBase[] = "aaaaaaaceeeeiiii?nooooo?ouuuuy?y";  // U+00E0 .. U+00FF
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char32_t cp = FoldCodePoint(NextCodePoint(text, i));
    if (cp == 0xF1) {
      out += "n\x7F";
    } else if (cp >= 0xE0 && cp <= 0xFF && cp != 0xF0 && cp != 0xF7 && cp != 0xFE) {
      out.push_back(kBase[cp - 0xE0]);
    } else {
      AppendUtf8(cp, out);
    }
  }
  return out;
}
}  // namespace

bool AlphabeticalLess(std::string_view a, std::string_view b) {
  const std::string ka = SortKey(a), kb = SortKey(b);
  return ka != kb ? ka < kb : a < b;
}

std::string TextAfterLast(std::string_view text, std::string_view separator) {
  if (separator.empty()) return std::string(text);
  const std::size_t at = text.rfind(separator);
  if (at == std::string_view::npos) return std::string(text);
  return std::string(text.substr(at + separator.size()));
}

void RemoveDuplicates(std::vector<std::string>& entries) {
  std::unordered_set<std::string_view> seen;
  std::vector<std::string> kept;
  kept.reserve(entries.size());
  for (auto& e : entries) {
    // The views point into `entries`, whose strings are not moved until the swap.
    if (seen.insert(e).second) kept.push_back(e);
  }
  entries.swap(kept);
}

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  const std::vector<char32_t> p = FoldedCodePoints(pattern);
  const std::vector<char32_t> n = FoldedCodePoints(name);
  // Iterative match with one backtrack point for the last '*'.
  std::size_t pi = 0, ni = 0, star = std::string_view::npos, mark = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == '?' || p[pi] == n[ni])) {
      ++pi, ++ni;
    } else if (pi < p.size() && p[pi] == '*') {
      star = pi++;
      mark = ni;
    } else if (star != std::string_view::npos) {
      pi = star + 1;
      ni = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

}  // namespace vendaluz
