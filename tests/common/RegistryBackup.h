#pragma once
// Tests that must change keys the system itself owns (a fresh prefix already
// has Internet Explorer's) save the whole key first and put it back after.

#include "tests/common/RegistryFixture.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

struct TKeyTree {
  std::vector<std::pair<std::string, TRawValue>> Values;
  std::vector<std::pair<std::string, TKeyTree>> SubKeys;
};

// Saves Key with everything below it in one view; on destruction the key is
// removed and, if it existed, written back as it was.
class TKeyBackup {
public:
  TKeyBackup(HKEY Root, std::string Key, REGSAM View = KEY_WOW64_32KEY);
  ~TKeyBackup();
  TKeyBackup(const TKeyBackup&) = delete;
  TKeyBackup& operator=(const TKeyBackup&) = delete;

private:
  HKEY Root_;
  std::string Key_;
  REGSAM View_;
  std::optional<TKeyTree> Saved_;
};

}  // namespace testing_support
