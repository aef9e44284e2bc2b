// The blank rule: a value is blank when every character has code 32 or
// below; BlankToDefault answers Default exactly then, and the value
// untouched otherwise. Trim takes off just the blank ends.

#include "tests/fuzz/FuzzInput.h"

#include "support/QORSettingNames.h"
#include "vcl/SysUtils.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

bool IsBlank(char C) { return static_cast<unsigned char>(C) <= 32; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const auto [ValueText, DefaultText] = fuzz::TwoTexts(Data, Size);
  const std::string Value(ValueText), Default(DefaultText);
  const bool Blank = std::all_of(Value.begin(), Value.end(), IsBlank);

  FUZZ_CHECK(BlankToDefault(Value, Default) == (Blank ? Default : Value));

  const std::string Trimmed = vcl::Trim(Value);
  FUZZ_CHECK(Trimmed.empty() == Blank);
  if (!Blank) {
    const std::size_t First = Value.find(Trimmed);
    FUZZ_CHECK(First != std::string::npos);
    FUZZ_CHECK(std::all_of(Value.begin(), Value.begin() + First, IsBlank));
    FUZZ_CHECK(std::all_of(Value.begin() + First + Trimmed.size(), Value.end(), IsBlank));
    FUZZ_CHECK(!IsBlank(Trimmed.front()) && !IsBlank(Trimmed.back()));
  }
  return 0;
}
