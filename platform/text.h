// Small text helpers shared by the core. Texts are UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vendaluz {

// Without the blanks (spaces and tabs) at both ends.
std::string_view Trim(std::string_view text);

// Lower-case form for comparisons without regard to letter case: ASCII letters and
// the Latin-1 letters (Ñ and ñ, É and é ...) fold alike; other characters stay.
std::string FoldCase(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Alphabetical order as a Spanish reader expects it: letter case and accents aside,
// ñ after n. Equal keys fall back to the plain byte order.
bool AlphabeticalLess(std::string_view a, std::string_view b);

// The part of text after the last occurrence of separator (case-sensitive search from
// the end); the whole text when the separator does not occur or is empty.
std::string TextAfterLast(std::string_view text, std::string_view separator);

// Removes every entry equal (case-sensitive, whole text) to an earlier one; the first
// occurrence of each text and the order of the rest stay.
void RemoveDuplicates(std::vector<std::string>& entries);

// Windows-style name match: '*' any run of characters, '?' one character, letters
// compared without regard to case.
bool WildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace vendaluz
