// TryStrToInt against the conversion rule worked out a second way (shape
// first, then the count of significant digits), and IntToStr against
// TryStrToInt in both directions.

#include "tests/fuzz/FuzzInput.h"

#include "vcl/SysUtils.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

struct TReading {
  int Value;
  bool Decimal;
  std::string Canonical;  // for decimal texts: how IntToStr writes the value
};

bool IsDigit(char C, bool Hex) {
  return (C >= '0' && C <= '9') || (Hex && ((C >= 'A' && C <= 'F') || (C >= 'a' && C <= 'f')));
}

std::optional<TReading> Expected(std::string_view Text) {
  std::size_t I = Text.find_first_not_of(' ');
  if (I == std::string_view::npos) return std::nullopt;
  bool Negative = false;
  if (Text[I] == '+' || Text[I] == '-') Negative = Text[I++] == '-';
  bool Hex = false;
  if (I < Text.size() && (Text[I] == '$' || Text[I] == 'x' || Text[I] == 'X')) {
    Hex = true;
    ++I;
  } else if (Text.substr(I, 2) == "0x" || Text.substr(I, 2) == "0X") {
    Hex = true;
    I += 2;
  }
  const std::string_view Digits = Text.substr(I);
  if (Digits.empty()) return std::nullopt;
  for (char C : Digits)
    if (!IsDigit(C, Hex)) return std::nullopt;
  std::string_view Significant = Digits.substr(std::min(Digits.find_first_not_of('0'), Digits.size()));
  if (Significant.size() > (Hex ? 8u : 10u)) return std::nullopt;
  const std::uint64_t Magnitude =
      Significant.empty() ? 0 : std::strtoull(std::string(Significant).c_str(), nullptr, Hex ? 16 : 10);
  if (!Hex && Magnitude > (Negative ? 2147483648u : 2147483647u)) return std::nullopt;
  std::uint32_t Bits = static_cast<std::uint32_t>(Magnitude);
  if (Negative) Bits = 0u - Bits;
  std::string Canonical = Significant.empty() ? "0" : std::string(Significant);
  if (Negative && !Significant.empty()) Canonical.insert(0, "-");
  return TReading{static_cast<int>(Bits), !Hex, std::move(Canonical)};
}

// IntToStr's text, and the text TryStrToInt must read back as Value.
void CheckRoundTrip(int Value) {
  const std::string Text = vcl::IntToStr(Value);
  int Back = ~Value;
  FUZZ_CHECK(vcl::TryStrToInt(Text, Back) && Back == Value);
  // Canonical: "-" only before a negative number, no leading zeros.
  const std::string_view Digits = std::string_view(Text).substr(Value < 0 ? 1 : 0);
  FUZZ_CHECK((Text[0] == '-') == (Value < 0));
  FUZZ_CHECK(!Digits.empty() && (Digits[0] != '0' || Digits == "0"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view Text = fuzz::AsText(Data, Size);
  const std::optional<TReading> Want = Expected(Text);

  // A failed conversion leaves Value as it was.
  const int Untouched = 0x5A5A5A5A;
  int Value = Untouched;
  const bool Accepted = vcl::TryStrToInt(Text, Value);
  FUZZ_CHECK(Accepted == Want.has_value());
  if (!Accepted) {
    FUZZ_CHECK(Value == Untouched);
  } else {
    FUZZ_CHECK(Value == Want->Value);
    if (Want->Decimal) FUZZ_CHECK(vcl::IntToStr(Value) == Want->Canonical);
    CheckRoundTrip(Value);
  }

  // Any 32-bit pattern among the input's first bytes.
  if (Size >= 4) {
    std::int32_t Pattern;
    std::memcpy(&Pattern, Data, sizeof Pattern);
    CheckRoundTrip(Pattern);
  }
  return 0;
}
