#pragma once
// What the fuzz targets share: reading libFuzzer's bytes as texts, and
// stopping loudly when a property does not hold.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace fuzz {

inline std::string_view AsText(const std::uint8_t* Data, std::size_t Size) {
  return {reinterpret_cast<const char*>(Data), Size};
}

// Two texts from one input: the first byte says how many of the following
// bytes (modulo what is there) make the first text; the rest is the second.
inline std::pair<std::string_view, std::string_view> TwoTexts(const std::uint8_t* Data,
                                                              std::size_t Size) {
  if (Size == 0) return {};
  const std::string_view Rest = AsText(Data + 1, Size - 1);
  const std::size_t Split = Data[0] % (Rest.size() + 1);
  return {Rest.substr(0, Split), Rest.substr(Split)};
}

// A broken property is a crash for libFuzzer, which then saves the input.
#define FUZZ_CHECK(Condition)                                                            \
  do {                                                                                   \
    if (!(Condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #Condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)

}  // namespace fuzz
