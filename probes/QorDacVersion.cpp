#include "probes/QorDacVersion.h"

#include "vcl/Registry.h"

namespace {

// A missing key or value gives the empty text; a value that is not text
// raises the registry error.
std::string ReadDataAccessValue(const std::string& Name) {
  vcl::TRegistry Reg(HKEY_LOCAL_MACHINE);
  if (!Reg.OpenKey("Software\\Microsoft\\DataAccess", false)) return {};
  return Reg.ReadString(Name);
}

}  // namespace

std::string GetDacFullInstallVersion() { return ReadDataAccessValue("FullInstallVer"); }

std::string GetDacVersion() { return ReadDataAccessValue("Version"); }
