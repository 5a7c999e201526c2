#include "platform/text.h"

#include <gtest/gtest.h>

namespace vendaluz {
namespace {

TEST(Text, FoldsAsciiAndLatinLettersOnly) {
  EXPECT_EQ(FoldCase("TAMAÑOFUENTE"), "tamañofuente");
  EXPECT_EQ(FoldCase("ÀÉÎÕÜ×Þ"), "àéîõü×þ");  // the multiplication sign has no case
  EXPECT_TRUE(EqualsIgnoreCase("Meta Tags", "META TAGS"));
  EXPECT_FALSE(EqualsIgnoreCase("TamañoFuente", "TamanoFuente"));
}

TEST(Text, TrimsBlanksAndTabsOnly) {
  EXPECT_EQ(Trim("  \t a b \t "), "a b");
  EXPECT_EQ(Trim("\r x \n"), "\r x \n");
  EXPECT_EQ(Trim("   "), "");
}

TEST(Text, TextAfterLastSeparator) {
  EXPECT_EQ(TextAfterLast("C:\\fotos\\silla.roja.jpg", "\\"), "silla.roja.jpg");
  EXPECT_EQ(TextAfterLast("silla.jpg", "\\"), "silla.jpg");
  EXPECT_EQ(TextAfterLast("a--b--c", "--"), "c");
  EXPECT_EQ(TextAfterLast("fin\\", "\\"), "");
  EXPECT_EQ(TextAfterLast("aXbx", "x"), "");  // case-sensitive
}

TEST(Text, RemoveDuplicatesKeepsFirstAndOrder) {
  std::vector<std::string> v = {"b", "a", "B", "b", "c", "a", ""};
  RemoveDuplicates(v);
  EXPECT_EQ(v, (std::vector<std::string>{"b", "a", "B", "c", ""}));
}

TEST(Text, WildcardMatch) {
  EXPECT_TRUE(WildcardMatch("*.ini", "Tienda.INI"));
  EXPECT_TRUE(WildcardMatch("*.ini", ".ini"));
  EXPECT_FALSE(WildcardMatch("*.ini", "Tienda.ini.bak"));
  EXPECT_TRUE(WildcardMatch("carrito?.htm", "carrito2.htm"));
  EXPECT_FALSE(WildcardMatch("carrito?.htm", "carrito.htm"));
  EXPECT_TRUE(WildcardMatch("a*b*c", "aXXbYYbc"));
  EXPECT_TRUE(WildcardMatch("ÑAND?.*", "ñandú.gif"));
}

}  // namespace
}  // namespace vendaluz
