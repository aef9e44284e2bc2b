#include "probes/QorJetVersion.h"

#include "probes/QorVersionCommon.h"
#include "vcl/Files.h"

std::string GetJetVersion() {
  const std::string FileName = vcl::IncludeTrailingBackslash(GetSystemFolder()) + "msjet40.dll";
  return vcl::FileExists(FileName) ? GetFileVersionString(FileName) : std::string();
}
