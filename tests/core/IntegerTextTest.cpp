#include "core/IntegerText.h"

#include <gtest/gtest.h>

#include "core/Errors.h"

namespace vx {
namespace {

TEST(StrToInt, ReadsDecimalWithBlanksAndSign) {
  EXPECT_EQ(StrToInt("250"), 250);
  EXPECT_EQ(StrToInt(" 250"), 250);
  EXPECT_EQ(StrToInt("   -17"), -17);
  EXPECT_EQ(StrToInt("+8"), 8);
  EXPECT_EQ(StrToInt("007"), 7);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
}

TEST(StrToInt, ReadsDollarHexadecimal) {
  EXPECT_EQ(StrToInt("$FF"), 255);
  EXPECT_EQ(StrToInt("$ff"), 255);
  EXPECT_EQ(StrToInt(" -$10"), -16);
  EXPECT_EQ(StrToInt("$7FFFFFFF"), 2147483647);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
}

TEST(StrToInt, RefusesEverythingElseNamingTheText) {
  for (const char* bad : {"", " ", "250 ", "12a", "a12", "-", "+", "$", "$G1", "0x10", "1 2",
                          "2147483648", "-2147483649", "$100000000", "99999999999999999999",
                          "\t5", "1.5"}) {
    try {
      StrToInt(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const ConvertError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid integer value");
      EXPECT_EQ(e.Kind(), "EConvertError");
    }
  }
}

}  // namespace
}  // namespace vx
