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
