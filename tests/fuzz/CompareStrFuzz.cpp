// CompareStr: the order of memcmp over the common length (unsigned bytes),
// then the shorter first; antisymmetric; 0 for equal texts.

#include "tests/fuzz/FuzzInput.h"

#include "vcl/SysUtils.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

int Sign(int V) { return (V > 0) - (V < 0); }

int ByMemcmp(std::string_view A, std::string_view B) {
  const std::size_t Common = std::min(A.size(), B.size());
  if (Common != 0)
    if (int Bytes = std::memcmp(A.data(), B.data(), Common)) return Sign(Bytes);
  return Sign(static_cast<int>(A.size()) - static_cast<int>(B.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const auto [A, B] = fuzz::TwoTexts(Data, Size);
  const int AB = vcl::CompareStr(A, B);
  FUZZ_CHECK(Sign(AB) == ByMemcmp(A, B));
  FUZZ_CHECK(Sign(vcl::CompareStr(B, A)) == -Sign(AB));
  FUZZ_CHECK((AB == 0) == (A == B));
  FUZZ_CHECK(vcl::CompareStr(A, A) == 0);
  return 0;
}
