// Text helpers: the Windows-1252 code page, case, blanks and wildcards.
#include <gtest/gtest.h>

#include "platform/cp1252.h"
#include "platform/text.h"

namespace vendaluz {
namespace {

TEST(Cp1252, EveryByteRoundTripsAndTheSpecialRangeDecodesAsBrowsersDo) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  // The whole special range 0x80 to 0x9F, then a few letters and the no-break space.
  std::string especiales;
  for (int b = 0x80; b <= 0x9F; ++b) especiales.push_back(static_cast<char>(b));
  EXPECT_EQ(Cp1252ToUtf8(especiales + "\xF1\xD1\xA0"),
            "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸñÑ\u00A0");
}

TEST(Cp1252, CharactersItLacksAndMalformedTextAreReportedNeverDropped) {
  Unencodable bad;
  EXPECT_FALSE(Utf8ToCp1252("año Ω y €", &bad).has_value());
  EXPECT_EQ(bad.code_point, U'Ω');
  EXPECT_EQ(bad.offset, 5u);  // "año " is five bytes
  for (const char* malo : {"\u0095", "a\xC3", "\xC0\xAF", "\xED\xA0\x80"}) {
    EXPECT_FALSE(Utf8ToCp1252(malo).has_value()) << malo;
  }
}

TEST(Text, CaseBlanksAndWildcards) {
  EXPECT_EQ(FoldCase("TAMAÑOFUENTE ÀÉ×"), "tamañofuente àé×");
  EXPECT_FALSE(EqualsIgnoreCase("TamañoFuente", "TamanoFuente"));
  EXPECT_EQ(Trim("  \t a b \t "), "a b");
  EXPECT_EQ(Trim("\r x \n"), "\r x \n");
  EXPECT_TRUE(WildcardMatch("*.ini", "Tienda.INI"));
  EXPECT_FALSE(WildcardMatch("*.ini", "Tienda.ini.bak"));
  EXPECT_FALSE(WildcardMatch("carrito?.htm", "carrito.htm"));
  EXPECT_TRUE(WildcardMatch("ÑAND?.*", "ñandú.gif"));
  EXPECT_TRUE(AlphabeticalLess("nube", "ñandú"));
  EXPECT_TRUE(AlphabeticalLess("Ñandú", "oso"));
}

}  // namespace
}  // namespace vendaluz
