#include "probes/QorVersionInternetExplorer.h"

#include "vcl/Registry.h"

#include <exception>

std::string GetInternetExplorerVersion() {
  vcl::TRegistry Reg(HKEY_LOCAL_MACHINE);
  if (!Reg.OpenKey("Software\\Microsoft\\Internet Explorer", false)) return {};
  // A missing "Version" reads as the empty text; one that cannot be read as
  // text still tells that the browser is there.
  try {
    return Reg.ReadString("Version");
  } catch (const std::exception&) {
    return "Unknown";
  }
}
