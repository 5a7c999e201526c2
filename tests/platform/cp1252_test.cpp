#include "platform/cp1252.h"

#include <gtest/gtest.h>

namespace vendaluz {
namespace {

TEST(Cp1252, EveryByteSurvivesDecodeAndEncode) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string utf8 = Cp1252ToUtf8(all);
  const auto back = Utf8ToCp1252(utf8);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, all);
}

TEST(Cp1252, DecodesTheSpecialRangeAsBrowsersDo) {
  struct Case {
    unsigned char byte;
    const char* utf8;
  } cases[] = {
      {0x80, "€"},      {0x8A, "Š"},      {0x91, "\u2018"}, {0x93, "\u201C"}, {0x96, "–"},
      {0x99, "™"},      {0x9F, "Ÿ"},      {0xF1, "ñ"},      {0xD1, "Ñ"},      {0xA0, "\u00A0"},
      {0x81, "\u0081"}, {0x8D, "\u008D"}, {0x8F, "\u008F"}, {0x90, "\u0090"}, {0x9D, "\u009D"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Cp1252ToUtf8(std::string(1, static_cast<char>(c.byte))), c.utf8)
        << "byte " << static_cast<int>(c.byte);
  }
}

TEST(Cp1252, ReportsTheFirstCharacterItLacks) {
  Unencodable bad;
  EXPECT_FALSE(Utf8ToCp1252("año Ω y €", &bad).has_value());
  EXPECT_EQ(bad.code_point, U'Ω');
  EXPECT_EQ(bad.offset, 5u);  // "año " is five bytes

  // C1 controls other than the five undefined bytes have no byte of their own.
  EXPECT_FALSE(Utf8ToCp1252("\u0080").has_value());
  EXPECT_FALSE(Utf8ToCp1252("\u0095").has_value());

  // Malformed UTF-8 is reported, never passed through.
  EXPECT_FALSE(Utf8ToCp1252("a\xC3").has_value());
  EXPECT_FALSE(Utf8ToCp1252("\xC0\xAF", &bad).has_value());  // overlong '/'
  EXPECT_EQ(bad.code_point, kInvalidUtf8);
  EXPECT_FALSE(Utf8ToCp1252("\xED\xA0\x80").has_value());  // surrogate
}

TEST(Cp1252, FallbackWritesWhatTheCallerChooses) {
  const std::string out = Utf8ToCp1252("Ω€😀", [](char32_t cp, std::string& o) {
    o += "&#" + std::to_string(static_cast<unsigned>(cp)) + ";";
  });
  EXPECT_EQ(out, "&#937;\x80&#128512;");
}

}  // namespace
}  // namespace vendaluz
