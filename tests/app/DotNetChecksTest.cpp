// The .NET Framework checks, called without any window.

#include "tests/app/AppTest.h"

#include "vcl/Registry.h"

#include <optional>

using namespace app_test;
using namespace testing_support;

namespace {

struct TStoredValue {
  const char* Key;
  const char* Name;  // none: the key only
  std::optional<TRawValue> Data;
  REGSAM View = KEY_WOW64_32KEY;
};

std::string ReleaseOutcome() {
  try {
    return std::to_string(TSystemComponentsMainForm::GetDotNet4Release());
  } catch (const vcl::ERegistryException& E) {
    return "ERegistryException:" + E.Message;
  }
}

}  // namespace

using DotNetChecksTest = MachineTest;

TEST_F(DotNetChecksTest, ReadTheSetupKeysOfA32BitProgram) {
  struct TCase {
    const char* Name;
    std::vector<TStoredValue> Stored;
    bool DotNet2;
    bool DotNet4;
    std::string Release;
  };
  const TCase Cases[] = {
      {"nothing installed", {}, false, false, "0"},
      {"2.0 only", {{DotNet2Key, nullptr, {}}}, true, false, "0"},
      {"4 without Full", {{DotNet4Key, nullptr, {}}}, false, true, "0"},
      {"Full without Release", {{DotNet4FullKey, nullptr, {}}}, false, true,
       "ERegistryException:Failed to get data for 'Release'"},
      {"a release", {{DotNet4FullKey, "Release", Dword(528040)}}, false, true, "528040"},
      {"a release with the top bit set", {{DotNet4FullKey, "Release", Dword(0xFFFFFFFFu)}}, false,
       true, "-1"},
      {"Release as text", {{DotNet4FullKey, "Release", Sz("1")}}, false, true,
       "ERegistryException:Invalid data type for 'Release'"},
      {"Release longer than 4 bytes", {{DotNet4FullKey, "Release", Qword(1)}}, false, true,
       "ERegistryException:Failed to get data for 'Release'"},
      {"only in the 64-bit view",
       {{DotNet2Key, nullptr, {}, KEY_WOW64_64KEY},
        {DotNet4FullKey, "Release", Dword(528040), KEY_WOW64_64KEY}},
       false, false, "0"},
  };
  for (const TCase& C : Cases) {
    SetUp();
    for (const TStoredValue& S : C.Stored) {
      if (S.Data)
        SetValue(HKEY_LOCAL_MACHINE, S.Key, S.Name, *S.Data, S.View);
      else
        CreateKey(HKEY_LOCAL_MACHINE, S.Key, S.View);
    }
    EXPECT_EQ(TSystemComponentsMainForm::IsDotNet2Installed(), C.DotNet2) << C.Name;
    EXPECT_EQ(TSystemComponentsMainForm::IsDotNet4Installed(), C.DotNet4) << C.Name;
    EXPECT_EQ(ReleaseOutcome(), C.Release) << C.Name;
  }
}
