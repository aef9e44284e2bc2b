#include "probes/QorJreVersion.h"

#include "tests/probes/ProbeTest.h"

using namespace probe_test;
using namespace testing_support;

namespace {

class IsJreInstalledTest : public ProbeRegistryTest {};

}  // namespace

TEST_F(IsJreInstalledTest, AsksWhetherJrePathNamesAFile) {
  const std::string File = FixturePath("no-version.exe");
  const std::string Folder = ProgramFolder() + "fixtures";
  ::SetEnvironmentVariableA("RURERIDIDU_JRE", File.c_str());
  ExpectForEachValue(JreKey, "JrePath",
                     {
                         {"file", Sz(File), "true"},
                         {"file without NUL", SzNoNul(File), "true"},
                         {"folder", Sz(Folder), "false"},
                         {"missing file", Sz(Folder + "\\missing.exe"), "false"},
                         {"no JrePath", std::nullopt, "false"},
                         {"empty", Sz(""), "false"},
                         {"zero-length binary", Empty(REG_BINARY), "false"},
                         {"expand-sz left unexpanded", ExpandSz("%RURERIDIDU_JRE%"), "false"},
                         {"far too long", Sz(std::string(1 << 20, 'x')), "false"},
                         {"DWORD", Dword(1), "ERegistryException:Invalid data type for '%s'"},
                         {"multi-sz", MultiSz({File}), "ERegistryException:Invalid data type for '%s'"},
                     },
                     IsJreInstalled);
  ::SetEnvironmentVariableA("RURERIDIDU_JRE", nullptr);
}

TEST_F(IsJreInstalledTest, NoKeyMeansNoJre) { EXPECT_FALSE(IsJreInstalled()); }
