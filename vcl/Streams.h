#pragma once
// File streams over CreateFileA.

#include "vcl/Handles.h"
#include "vcl/SysUtils.h"

#include <string>

namespace vcl {

class EStreamError : public Exception {
public:
  using Exception::Exception;
};

class EFileStreamError : public EStreamError {
public:
  using EStreamError::EStreamError;
};

// "Cannot create file "<path>". <the system's text for the error>"
class EFCreateError : public EFileStreamError {
public:
  using EFileStreamError::EFileStreamError;
};

enum class TFileMode { fmCreate };

class TFileStream {
public:
  // fmCreate: creates the file, or truncates an existing one, opened for
  // reading and writing and shared with nobody while the stream lives.
  TFileStream(const std::string& FileName, TFileMode Mode);

  HANDLE Handle() const { return Handle_.Get(); }

private:
  TUniqueFile Handle_;
};

// The system's text for a Win32 error code, without its trailing line break.
std::string SysErrorMessage(DWORD ErrorCode);

}  // namespace vcl
