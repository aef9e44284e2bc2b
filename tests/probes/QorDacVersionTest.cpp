#include "probes/QorDacVersion.h"

#include "tests/probes/ProbeTest.h"

using namespace probe_test;
using namespace testing_support;

namespace {

class DacVersionTest : public ProbeRegistryTest {};

}  // namespace

TEST_F(DacVersionTest, ReadsEachValueAsStored) {
  const std::string Long(64 * 1024, '7');
  const std::vector<TValueCase> Cases = {
      {"text", Sz("2.81.1117.0"), "value:2.81.1117.0"},
      {"not trimmed", Sz(" 2.8 "), "value: 2.8 "},
      {"without NUL", SzNoNul("2.7"), "value:2.7"},
      {"expand-sz", ExpandSz("%MDAC%"), "value:%MDAC%"},
      {"long", Sz(Long), "value:" + Long},
      {"missing", std::nullopt, "value:"},
      {"zero-length text", Empty(REG_SZ), "value:"},
      {"zero-length DWORD", Empty(REG_DWORD), "value:"},
      {"DWORD", Dword(28), "ERegistryException:Invalid data type for '%s'"},
      {"QWORD", Qword(28), "ERegistryException:Invalid data type for '%s'"},
      {"multi-sz", MultiSz({"2.8"}), "ERegistryException:Invalid data type for '%s'"},
      {"binary", Binary({'2', '.', '8', 0}), "ERegistryException:Invalid data type for '%s'"},
  };
  ExpectForEachValue(DataAccessKey, "FullInstallVer", Cases, GetDacFullInstallVersion);
  ExpectForEachValue(DataAccessKey, "Version", Cases, GetDacVersion);
}

TEST_F(DacVersionTest, EachProbeReadsOnlyItsOwnValue) {
  EXPECT_EQ(GetDacFullInstallVersion(), "");
  EXPECT_EQ(GetDacVersion(), "");
  SetValue(HKEY_LOCAL_MACHINE, DataAccessKey, "FullInstallVer", Sz("2.81"));
  EXPECT_EQ(GetDacVersion(), "");
  DeleteKey(HKEY_LOCAL_MACHINE, DataAccessKey);
  SetValue(HKEY_LOCAL_MACHINE, DataAccessKey, "Version", Sz("2.82"));
  EXPECT_EQ(GetDacFullInstallVersion(), "");
  EXPECT_EQ(GetDacVersion(), "2.82");
}
