#include "vcl/AnsiStrings.h"
#include "vcl/SysUtils.h"

#include <gtest/gtest.h>

#include <optional>

using namespace vcl;

namespace {

std::optional<int> Convert(const std::string& Text) {
  int Value = 12345;
  if (!TryStrToInt(Text, Value)) {
    EXPECT_EQ(Value, 12345) << "a failed conversion changed the value for \"" << Text << "\"";
    return std::nullopt;
  }
  return Value;
}

}  // namespace

TEST(TryStrToInt, AcceptsWholeNumbersOnly) {
  struct Case {
    const char* Text;
    std::optional<int> Expected;
  };
  const Case Cases[] = {
      {"0", 0},
      {"42", 42},
      {"+42", 42},
      {"-42", -42},
      {"   7", 7},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"00000000002147483647", 2147483647},
      {"$1A", 26},
      {"$1a", 26},
      {"x1A", 26},
      {"X1a", 26},
      {"0x1A", 26},
      {"0X1a", 26},
      {"-$1A", -26},
      {"+0x10", 16},
      {"$FFFFFFFF", -1},
      {"$80000000", -2147483647 - 1},
      {"-$80000000", -2147483647 - 1},
      {"-$FFFFFFFF", 1},
      {"$000000000FFFFFFFF", -1},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"$100000000", std::nullopt},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"+", std::nullopt},
      {"-", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"-0X", std::nullopt},
      {"x", std::nullopt},
      {"12 ", std::nullopt},
      {"12abc", std::nullopt},
      {"\t12", std::nullopt},
      {"+-1", std::nullopt},
      {"- 1", std::nullopt},
      {"$-1", std::nullopt},
      {"0x$1", std::nullopt},
      {"$1G", std::nullopt},
      {"1A", std::nullopt},
      {"00x1", std::nullopt},
      {"1.5", std::nullopt},
  };
  for (const Case& C : Cases) EXPECT_EQ(Convert(C.Text), C.Expected) << '"' << C.Text << '"';
  EXPECT_EQ(Convert(std::string("1\0" "2", 3)), std::nullopt) << "an embedded NUL is a trailing character";
}

TEST(Trim, RemovesControlCharactersAndBlanksAtBothEnds) {
  EXPECT_EQ(Trim(" \t\r\n a b \x01\x1F "), "a b");
  EXPECT_EQ(Trim(" \t "), "");
  EXPECT_EQ(Trim(""), "");
  EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0") << "code 160 is no blank";
}

TEST(AnsiUpperCase, UpperCasesEveryLetterOfTheCodePage) {
  EXPECT_EQ(AnsiUpperCase("DontAgain@s1715"), "DONTAGAIN@S1715");
  EXPECT_EQ(AnsiUpperCase("Stäng åäö"), "STÄNG ÅÄÖ");
  EXPECT_EQ(AnsiUpperCase("\xFF"), "\x9F") << "y with diaeresis";
  EXPECT_EQ(AnsiUpperCase(""), "");
}
