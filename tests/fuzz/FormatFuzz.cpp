// Format with a fuzzed format text and fixed arguments of both kinds: it
// answers or raises EConvertError, nothing else; a text without "%" comes
// back as it is, and so does any text whose every "%" is doubled; a text
// that ends in an odd run of "%" leaves a placeholder open and raises.

#include "tests/fuzz/FuzzInput.h"

#include "vcl/SysUtils.h"

#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view Fmt = fuzz::AsText(Data, Size);
  const std::initializer_list<vcl::TFormatArg> Args = {std::string("a\\b"), -2147483647 - 1,
                                                       std::string(), 42};
  const std::size_t TrailingPercents = Fmt.size() - (Fmt.find_last_not_of('%') + 1);
  try {
    const std::string Result = vcl::Format(Fmt, Args);
    if (Fmt.find('%') == std::string_view::npos) FUZZ_CHECK(Result == Fmt);
    FUZZ_CHECK(TrailingPercents % 2 == 0);
  } catch (const vcl::EConvertError&) {
  } catch (const std::exception& E) {
    std::fprintf(stderr, "Format raised something other than EConvertError: %s\n", E.what());
    std::abort();
  }

  std::string Doubled;
  for (char C : Fmt) {
    Doubled += C;
    if (C == '%') Doubled += '%';
  }
  FUZZ_CHECK(vcl::Format(Doubled, Args) == Fmt);
  return 0;
}
