#include "probes/QorAdobeReaderVersion.h"

#include "probes/QorVersionCommon.h"
#include "vcl/Files.h"
#include "vcl/Registry.h"

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
  return vcl::FileExists(Path) ? GetFileVersionString(Path) : std::string();
}
