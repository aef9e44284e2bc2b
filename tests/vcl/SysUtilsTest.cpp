#include "vcl/SysUtils.h"

#include <gtest/gtest.h>

using namespace vcl;

TEST(Charset, LiteralsAreWindows1252) {
  const std::string Close = "Stäng";
  ASSERT_EQ(Close.size(), 5u);
  EXPECT_EQ(static_cast<unsigned char>(Close[2]), 0xE4);
}

TEST(Format, FillsPlaceholders) {
  struct Case {
    const char* Fmt;
    std::initializer_list<TFormatArg> Args;
    const char* Expected;
  };
  const Case Cases[] = {
      {"Failed to get data for '%s'", {std::string("Release")}, "Failed to get data for 'Release'"},
      {"Unexpected result (%d)", {-7}, "Unexpected result (-7)"},
      {"Cannot create \"%0:s\". Using \"%1:s\".", {std::string("A\\"), std::string("B\\")},
       "Cannot create \"A\\\". Using \"B\\\"."},
      {"%1:s %0:s %s", {std::string("a"), std::string("b")}, "b a b"},
      {"100%%", {}, "100%"},
      {"", {}, ""},
  };
  for (const Case& C : Cases) EXPECT_EQ(Format(C.Fmt, C.Args), C.Expected) << C.Fmt;
}

TEST(Format, RejectsMissingOrMismatchedArguments) {
  for (const char* Fmt : {"%s %s", "%1:s", "%d", "%", "%x", "%5"})
    EXPECT_THROW(Format(Fmt, {std::string("only")}), EConvertError) << Fmt;
}

TEST(CompareStr, OrdersByUnsignedBytesThenLength) {
  struct Case {
    std::string_view A;
    std::string_view B;
    int Sign;
  };
  const Case Cases[] = {
      {"2.70", "2.6999", 1},     // text, not numbers
      {"\xE4", "z", 1},          // above 0x7F sorts after ASCII
      {"\x80", "\x7F", 1},       // no sign on the byte
      {"4.0", "4.0.9025.0", -1}, // a prefix sorts first
      {"", "a", -1},
      {"Z", "a", -1},            // letter case counts
      {"6.1", "6.1", 0},
      {"", "", 0},
      {std::string_view("a\0b", 3), std::string_view("a\0c", 3), -1},
  };
  auto SignOf = [](int V) { return (V > 0) - (V < 0); };
  for (const Case& C : Cases) {
    EXPECT_EQ(SignOf(CompareStr(C.A, C.B)), C.Sign) << C.A << " vs " << C.B;
    EXPECT_EQ(SignOf(CompareStr(C.B, C.A)), -C.Sign) << C.B << " vs " << C.A;
  }
}
