#include "probes/QorVersionInternetExplorer.h"

#include "tests/probes/ProbeTest.h"

using namespace probe_test;
using namespace testing_support;

namespace {

class GetInternetExplorerVersionTest : public ProbeRegistryTest {};

}  // namespace

TEST_F(GetInternetExplorerVersionTest, ReadsVersionOrAnswersUnknown) {
  const std::string Long(64 * 1024, '9');
  ExpectForEachValue(InternetExplorerKey, "Version",
                     {
                         {"text", Sz("9.11.9600.18376"), "value:9.11.9600.18376"},
                         {"without NUL", SzNoNul("4.72.3612.1713"), "value:4.72.3612.1713"},
                         {"text after a NUL", Sz(std::string("6.0\0x", 5)), "value:6.0"},
                         {"expand-sz", ExpandSz("%IE%"), "value:%IE%"},
                         {"long", Sz(Long), "value:" + Long},
                         {"no Version", std::nullopt, "value:"},
                         {"zero-length DWORD", Empty(REG_DWORD), "value:"},
                         {"DWORD", Dword(6), "value:Unknown"},
                         {"QWORD", Qword(6), "value:Unknown"},
                         {"multi-sz", MultiSz({"6.0"}), "value:Unknown"},
                         {"binary", Binary({'6', 0}), "value:Unknown"},
                     },
                     GetInternetExplorerVersion);
}

TEST_F(GetInternetExplorerVersionTest, NoKeyGivesTheEmptyText) {
  EXPECT_EQ(GetInternetExplorerVersion(), "");
}
