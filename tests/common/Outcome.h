#pragma once
// What a read gave, as one comparable text: "value:<text>" or
// "value:<number>", "true"/"false", or the registry error it raised.

#include "vcl/Registry.h"

#include <string>
#include <type_traits>

namespace testing_support {

template <class F>
std::string Outcome(F Read) {
  try {
    auto Result = Read();
    if constexpr (std::is_same_v<decltype(Result), bool>)
      return Result ? "true" : "false";
    else if constexpr (std::is_same_v<decltype(Result), int>)
      return "value:" + std::to_string(Result);
    else
      return "value:" + Result;
  } catch (const vcl::ERegistryException& E) {
    return "ERegistryException:" + E.Message;
  }
}

}  // namespace testing_support
