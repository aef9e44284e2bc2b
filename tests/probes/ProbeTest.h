#pragma once
// What the probe tests share: the keys the probes read, saved in both views
// and cleared before each test, and the outcome of one probe call as text.

#include "tests/common/Fixtures.h"
#include "tests/common/Machine.h"
#include "tests/common/Outcome.h"
#include "tests/common/RegistryBackup.h"
#include "tests/common/RegistryFixture.h"
#include "vcl/Registry.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace probe_test {

using namespace testing_support;

// Every test starts with none of the probes' keys in either view (and no
// program for PDF files); whatever
// the prefix held is back afterwards.
class ProbeRegistryTest : public ::testing::Test {
protected:
  ProbeRegistryTest() {
    for (const char* Key : ProbedKeys)
      for (REGSAM View : {KEY_WOW64_32KEY, KEY_WOW64_64KEY})
        Backups_.push_back(std::make_unique<testing_support::TKeyBackup>(HKEY_LOCAL_MACHINE, Key, View));
  }
  void SetUp() override {
    for (const char* Key : ProbedKeys)
      for (REGSAM View : {KEY_WOW64_32KEY, KEY_WOW64_64KEY})
        testing_support::DeleteKey(HKEY_LOCAL_MACHINE, Key, View);
  }

private:
  static constexpr const char* ProbedKeys[] = {ReaderKey, DataAccessKey, JreKey, InternetExplorerKey,
                                               PdfClassKey};
  std::vector<std::unique_ptr<testing_support::TKeyBackup>> Backups_;
};

// One stored form of a probe's value and what the probe then gives; "%s" in
// Expected stands for the value's name.
struct TValueCase {
  const char* Name;
  std::optional<testing_support::TRawValue> Stored;  // none: the key exists without the value
  std::string Expected;
};

// Calls Probe once per case, with Key holding only that case's form of Value.
template <class F>
void ExpectForEachValue(const char* Key, const char* Value, const std::vector<TValueCase>& Cases, F Probe) {
  for (const TValueCase& C : Cases) {
    testing_support::DeleteKey(HKEY_LOCAL_MACHINE, Key);
    testing_support::CreateKey(HKEY_LOCAL_MACHINE, Key);
    if (C.Stored) testing_support::SetValue(HKEY_LOCAL_MACHINE, Key, Value, *C.Stored);
    std::string Expected = C.Expected;
    if (std::size_t At = Expected.find("%s"); At != std::string::npos) Expected.replace(At, 2, Value);
    EXPECT_EQ(Outcome(Probe), Expected) << Value << ": " << C.Name;
  }
}

}  // namespace probe_test
