#include "platform/text.h"

#include <gtest/gtest.h>

namespace vendaluz {
namespace {

TEST(Text, CaseBlanksSeparatorsDuplicatesAndWildcards) {
  EXPECT_EQ(FoldCase("TAMAÑOFUENTE ÀÉ×"), "tamañofuente àé×");
  EXPECT_FALSE(EqualsIgnoreCase("TamañoFuente", "TamanoFuente"));
  EXPECT_EQ(Trim("  \t a b \t "), "a b");
  EXPECT_EQ(Trim("\r x \n"), "\r x \n");
  EXPECT_EQ(TextAfterLast("C:\\fotos\\silla.roja.jpg", "\\"), "silla.roja.jpg");
  EXPECT_EQ(TextAfterLast("fin\\", "\\"), "");
  std::vector<std::string> v = {"b", "a", "B", "b", "c", "a", ""};
  RemoveDuplicates(v);
  EXPECT_EQ(v, (std::vector<std::string>{"b", "a", "B", "c", ""}));
  EXPECT_TRUE(WildcardMatch("*.ini", "Tienda.INI"));
  EXPECT_FALSE(WildcardMatch("*.ini", "Tienda.ini.bak"));
  EXPECT_FALSE(WildcardMatch("carrito?.htm", "carrito.htm"));
  EXPECT_TRUE(WildcardMatch("ÑAND?.*", "ñandú.gif"));
  EXPECT_TRUE(AlphabeticalLess("nube", "ñandú"));
  EXPECT_TRUE(AlphabeticalLess("Ñandú", "oso"));
}

}  // namespace
}  // namespace vendaluz
