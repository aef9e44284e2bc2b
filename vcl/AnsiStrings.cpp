#include "vcl/AnsiStrings.h"

#include <windows.h>

namespace vcl {

std::string AnsiUpperCase(std::string Text) {
  if (!Text.empty()) ::CharUpperBuffA(Text.data(), static_cast<DWORD>(Text.size()));
  return Text;
}

}  // namespace vcl
