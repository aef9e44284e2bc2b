// The probes read the 32-bit view of the registry: what only the 64-bit
// view holds is not seen. (App Paths, which the Reader probe reads, is one
// key shared by both views.)

#include "probes/QorDacVersion.h"
#include "probes/QorJreVersion.h"
#include "probes/QorVersionInternetExplorer.h"

#include "tests/probes/ProbeTest.h"

#include <functional>

using namespace probe_test;
using namespace testing_support;

namespace {

class RegistryViewTest : public ProbeRegistryTest {};

}  // namespace

TEST_F(RegistryViewTest, KeysOnlyInThe64BitViewAreNotSeen) {
  struct Case {
    const char* Key;
    const char* Value;
    TRawValue Stored;
    std::function<std::string()> Probe;
    std::string Seen;  // what the probe gives once the 32-bit view holds the value
  };
  const Case Cases[] = {
      {DataAccessKey, "FullInstallVer", Sz("2.81"), [] { return Outcome(GetDacFullInstallVersion); },
       "value:2.81"},
      {DataAccessKey, "Version", Sz("2.82"), [] { return Outcome(GetDacVersion); }, "value:2.82"},
      {JreKey, "JrePath", Sz(FixturePath("no-version.exe")), [] { return Outcome(IsJreInstalled); }, "true"},
      {InternetExplorerKey, "Version", Sz("11.0"), [] { return Outcome(GetInternetExplorerVersion); },
       "value:11.0"},
  };
  for (const Case& C : Cases) {
    SetValue(HKEY_LOCAL_MACHINE, C.Key, C.Value, C.Stored, KEY_WOW64_64KEY);
    EXPECT_EQ(C.Probe(), C.Seen == "true" ? "false" : "value:") << C.Key << " " << C.Value;
    SetValue(HKEY_LOCAL_MACHINE, C.Key, C.Value, C.Stored, KEY_WOW64_32KEY);
    EXPECT_EQ(C.Probe(), C.Seen) << C.Key << " " << C.Value;
    DeleteKey(HKEY_LOCAL_MACHINE, C.Key, KEY_WOW64_32KEY);
    DeleteKey(HKEY_LOCAL_MACHINE, C.Key, KEY_WOW64_64KEY);
  }
}
