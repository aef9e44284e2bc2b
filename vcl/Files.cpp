#include "vcl/Files.h"

#include "vcl/Handles.h"

#include <vector>

namespace vcl {

namespace {

bool IsSeparator(char C) { return C == '\\' || C == '/'; }

// Where each whole character of Path starts; in a double-byte code page a
// trail byte of 0x5C is not a separator.
std::vector<std::size_t> CharStarts(const std::string& Path, UINT CodePage) {
  std::vector<std::size_t> Starts;
  for (std::size_t I = 0; I < Path.size();) {
    Starts.push_back(I);
    I += ::IsDBCSLeadByteEx(CodePage, static_cast<BYTE>(Path[I])) ? 2 : 1;
  }
  return Starts;
}

}  // namespace

bool FitsAnsiFileApi(const std::string& Path) {
  if (Path.size() < MAX_PATH) return true;
  ::SetLastError(ERROR_FILENAME_EXCED_RANGE);
  return false;
}

bool FileExists(const std::string& FileName) {
  if (FileName.empty() || !FitsAnsiFileApi(FileName)) return false;
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
  std::size_t LastStart = CharStarts(Path, CodePage).back();
  if (LastStart == Path.size() - 1 && Path[LastStart] == '\\') return Path;
  return Path + '\\';
}

bool DirectoryExists(const std::string& Dir) {
  if (!FitsAnsiFileApi(Dir)) return false;
  DWORD Attributes = ::GetFileAttributesA(Dir.c_str());
  return !Dir.empty() && Attributes != INVALID_FILE_ATTRIBUTES &&
         (Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ForceDirectories(const std::string& Dir, UINT CodePage) {
  if (Dir.empty() || !FitsAnsiFileApi(Dir)) return false;
  if (DirectoryExists(Dir)) return true;
  // The folder without trailing separators, and where its parent ends.
  std::vector<std::size_t> Starts = CharStarts(Dir, CodePage);
  while (!Starts.empty() && IsSeparator(Dir[Starts.back()])) Starts.pop_back();
  if (Starts.empty()) return false;
  std::string Folder = Dir.substr(0, Starts.back() + 1);
  std::size_t ParentEnd = 0;
  for (std::size_t Start : Starts)
    if (IsSeparator(Dir[Start])) ParentEnd = Start;
  if (ParentEnd > 0 && Dir[ParentEnd - 1] != ':' && !ForceDirectories(Dir.substr(0, ParentEnd), CodePage))
    return false;
  return ::CreateDirectoryA(Folder.c_str(), nullptr) || DirectoryExists(Folder);
}

std::string GetTempDirectory() {
  std::vector<char> Buffer(MAX_PATH);
  DWORD Length = ::GetTempPathA(static_cast<DWORD>(Buffer.size()), Buffer.data());
  // A longer path is reported as the size it needs: ask once more with it.
  if (Length >= Buffer.size()) {
    Buffer.resize(Length + 1);
    Length = ::GetTempPathA(static_cast<DWORD>(Buffer.size()), Buffer.data());
  }
  if (Length == 0 || Length >= Buffer.size()) return {};
  return std::string(Buffer.data(), Length);
}

}  // namespace vcl
