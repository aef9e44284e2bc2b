#include "probes/QorAdobeReaderVersion.h"

#include "probes/QorVersionCommon.h"
#include "support/QorSystemUtils.h"
#include "vcl/Files.h"
#include "vcl/Registry.h"
#include "vcl/Streams.h"

#include <shellapi.h>

#include <cstring>

namespace {

// The executable that App Paths names, or the empty text when the key or
// its "Path" value is missing. An empty "Path" still names a file.
std::string RegisteredReaderPath() {
  vcl::TRegistry Reg(HKEY_LOCAL_MACHINE);
  if (!Reg.OpenKey("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\AcroRd32.exe", false) ||
      !Reg.ValueExists("Path"))
    return {};
  return vcl::IncludeTrailingBackslash(Reg.ReadString("Path")) + "AcroRd32.exe";
}

}  // namespace

std::string GetAdobeReaderVersion() {
  std::string Path = RegisteredReaderPath();
  if (Path.empty()) Path = FindPdfExecutable();
  return vcl::FileExists(Path) ? GetFileVersionString(Path) : std::string();
}

std::string FindPdfExecutable() {
  const std::string FileName = GetTempFolder("") + "~Tmp~pdf.pdf";
  char Buffer[MAX_PATH] = {};
  INT_PTR Answer;
  {
    // The shell answers only for a file that exists, so it is asked while
    // the file is open. Nothing here can throw, so the delete below always
    // follows; the file is unshared, so it is closed first. A failed delete
    // leaves it for the next call to truncate.
    vcl::TFileStream Stream(FileName, vcl::TFileMode::fmCreate);
    Answer = reinterpret_cast<INT_PTR>(::FindExecutableA(FileName.c_str(), nullptr, Buffer));
  }
  ::DeleteFileA(FileName.c_str());
  if (Answer <= 32) return {};
  return std::string(Buffer, ::strnlen(Buffer, MAX_PATH));
}
