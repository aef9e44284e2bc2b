#pragma once
// Failures of Win32 calls, carrying the call's name and the error code taken
// at the failure site.

#include "vcl/SysUtils.h"

#include <windows.h>

#include <string>

namespace vcl {

class EOSError : public Exception {
public:
  EOSError(const char* Call, DWORD Code)
      : Exception(std::string(Call) + " failed (error " + std::to_string(Code) + ")"),
        ErrorCode(Code) {}

  DWORD ErrorCode;
};

[[noreturn]] inline void RaiseLastOSError(const char* Call) {
  throw EOSError(Call, ::GetLastError());
}

}  // namespace vcl
