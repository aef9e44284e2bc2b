// EscapeSettingName: no backslash in an escaped name, the escaping undoes
// exactly (so two names never share an escaped form), the same answer as
// the rule done in its two original passes, and no change without Escape.

#include "tests/fuzz/FuzzInput.h"

#include "support/QORSettingNames.h"

#include <cstdint>
#include <optional>
#include <string>

namespace {

// "##" back to "#", "#0" back to a backslash; any other "#" means the text
// is no escaped name.
std::optional<std::string> Unescape(std::string_view Escaped) {
  std::string Name;
  for (std::size_t I = 0; I < Escaped.size(); ++I) {
    if (Escaped[I] != '#') {
      Name += Escaped[I];
      continue;
    }
    if (++I == Escaped.size()) return std::nullopt;
    if (Escaped[I] == '#')
      Name += '#';
    else if (Escaped[I] == '0')
      Name += '\\';
    else
      return std::nullopt;
  }
  return Name;
}

// Every "#" doubled by inserting another before it, from the last to the
// first; then the first backslash replaced by "#0" while one is left.
std::string EscapeInTwoPasses(std::string Name) {
  for (std::size_t I = Name.size(); I-- > 0;)
    if (Name[I] == '#') Name.insert(I, 1, '#');
  for (std::size_t At; (At = Name.find('\\')) != std::string::npos;) Name.replace(At, 1, "#0");
  return Name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const auto [TextA, TextB] = fuzz::TwoTexts(Data, Size);
  const std::string A(TextA), B(TextB);

  const std::string EscapedA = EscapeSettingName(A, true);
  FUZZ_CHECK(EscapedA.find('\\') == std::string::npos);
  FUZZ_CHECK(Unescape(EscapedA) == A);
  FUZZ_CHECK(EscapedA == EscapeInTwoPasses(A));
  FUZZ_CHECK(EscapeSettingName(A, false) == A);

  FUZZ_CHECK((EscapeSettingName(B, true) == EscapedA) == (B == A));
  return 0;
}
