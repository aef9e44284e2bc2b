#include "vcl/Files.h"

#include "vcl/Handles.h"

namespace vcl {

bool FileExists(const std::string& FileName) {
  if (FileName.empty()) return false;
  DWORD Attributes = ::GetFileAttributesA(FileName.c_str());
  if (Attributes != INVALID_FILE_ATTRIBUTES) return (Attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  switch (::GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
      return false;
    default:
      break;
  }
  // Locked files and the like: the directory entry still tells.
  WIN32_FIND_DATAA Data;
  TUniqueFind Find(::FindFirstFileA(FileName.c_str(), &Data));
  return Find && (Data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string IncludeTrailingBackslash(const std::string& Path, UINT CodePage) {
  if (Path.empty()) return "\\";
  // Walk whole characters to find where the last one starts.
  std::size_t LastStart = 0;
  for (std::size_t I = 0; I < Path.size();) {
    LastStart = I;
    I += ::IsDBCSLeadByteEx(CodePage, static_cast<BYTE>(Path[I])) ? 2 : 1;
  }
  if (LastStart == Path.size() - 1 && Path[LastStart] == '\\') return Path;
  return Path + '\\';
}

}  // namespace vcl
