#include "model/color.h"

#include <gtest/gtest.h>

namespace vendaluz {
namespace {

TEST(Color, RedIsTheLowByte) {
  struct Case {
    Color value;
    const char* hex;
  } cases[] = {
      {9258546, "#32468D"},  {8388736, "#800080"},    {14737632, "#E0E0E0"}, {16777215, "#FFFFFF"},
      {0, "#000000"},        {657930, "#0A0A0A"},     {255, "#FF0000"},      {65280, "#00FF00"},
      {16711680, "#0000FF"}, {0xFF123456, "#563412"},  // only the three low bytes count
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColorAHex(c.value), c.hex);
    EXPECT_EQ(HexAColor(c.hex), c.value & 0xFFFFFF);
  }
  EXPECT_EQ(HexAColor("#32468d"), 9258546u);
  EXPECT_FALSE(HexAColor("32468D"));
  EXPECT_FALSE(HexAColor("#32468"));
  EXPECT_FALSE(HexAColor("#32468G"));
}

}  // namespace
}  // namespace vendaluz
