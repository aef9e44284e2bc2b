#include "probes/QorAdobeReaderVersion.h"

#include "tests/probes/ProbeTest.h"

using namespace probe_test;
using namespace testing_support;

namespace {

class GetAdobeReaderVersionTest : public ProbeRegistryTest {};

std::vector<BYTE> Bytes(const std::string& Text) { return {Text.begin(), Text.end()}; }

}  // namespace

TEST_F(GetAdobeReaderVersionTest, FollowsTheAppPathsValue) {
  const std::string Folder = FixturePath("reader-11.0.23.18");
  ::SetEnvironmentVariableA("RURERIDIDU_READER", Folder.c_str());
  TScratchFolder NoReader;
  ExpectForEachValue(ReaderKey, "Path",
                     {
                         {"folder", Sz(Folder), "value:11.0.23.18"},
                         {"folder with backslash", Sz(Folder + "\\"), "value:11.0.23.18"},
                         {"without NUL", SzNoNul(Folder), "value:11.0.23.18"},
                         {"text after a NUL", Sz(Folder + std::string(1, '\0') + "x"), "value:11.0.23.18"},
                         {"no Path", std::nullopt, "value:"},
                         {"folder without the program", Sz(NoReader.Path()), "value:"},
                         {"missing folder", Sz(NoReader.Path() + "missing"), "value:"},
                         {"empty Path", Sz(""), "value:"},
                         {"zero-length DWORD", Empty(REG_DWORD), "value:"},
                         {"zero-length binary", Empty(REG_BINARY), "value:"},
                         {"expand-sz left unexpanded", ExpandSz("%RURERIDIDU_READER%"), "value:"},
                         {"far too long", Sz(std::string(1 << 20, 'x')), "value:"},
                         {"DWORD", Dword(11), "ERegistryException:Invalid data type for '%s'"},
                         {"QWORD", Qword(11), "ERegistryException:Invalid data type for '%s'"},
                         {"multi-sz", MultiSz({Folder}), "ERegistryException:Invalid data type for '%s'"},
                         {"binary", Binary(Bytes(Folder)), "ERegistryException:Invalid data type for '%s'"},
                     },
                     GetAdobeReaderVersion);
  ::SetEnvironmentVariableA("RURERIDIDU_READER", nullptr);
}

TEST_F(GetAdobeReaderVersionTest, WithoutAPathTheReaderIsNotFound) {
  EXPECT_EQ(GetAdobeReaderVersion(), "");
  // App Paths' usual default value names the program, but only "Path" counts.
  SetValue(HKEY_LOCAL_MACHINE, ReaderKey, "", Sz(FixturePath("reader-11.0.23.18\\AcroRd32.exe")));
  EXPECT_EQ(GetAdobeReaderVersion(), "");
}
