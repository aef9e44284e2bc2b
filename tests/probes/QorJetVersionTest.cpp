#include "probes/QorJetVersion.h"

#include "tests/common/Fixtures.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <optional>

using namespace testing_support;

namespace {

std::string SystemFolder() {
  char Folder[MAX_PATH];
  if (::GetSystemDirectoryA(Folder, MAX_PATH) == 0) throw std::runtime_error("no system folder");
  return std::string(Folder) + "\\";
}

}  // namespace

TEST(GetJetVersion, ReadsMsjet40InTheSystemFolder) {
  struct Case {
    const char* Fixture;  // nullptr: no msjet40.dll at all
    const char* Expected;
  };
  const Case Cases[] = {
      {"msjet40-4.0.8015.0.dll", "4.0.8015.0"},
      {"msjet40-4.0.8014.9.dll", "4.0.8014.9"},
      {"msjet40-4.0.10000.0.dll", "4.0.10000.0"},
      {"no-version.dll", ""},
      {nullptr, ""},
  };
  for (const Case& C : Cases) {
    std::optional<TPlacedFile> Jet;
    if (C.Fixture) Jet.emplace(FixturePath(C.Fixture), SystemFolder() + "msjet40.dll");
    EXPECT_EQ(GetJetVersion(), C.Expected) << (C.Fixture ? C.Fixture : "none");
  }
}

TEST(GetJetVersion, AFolderOfThatNameIsNoFile) {
  const std::filesystem::path Folder = SystemFolder() + "msjet40.dll";
  ASSERT_TRUE(std::filesystem::create_directory(Folder));
  EXPECT_EQ(GetJetVersion(), "");
  std::filesystem::remove(Folder);
}

TEST(GetJetVersion, The64BitSystemFolderIsNotSeen) {
  char Windows[MAX_PATH];
  ASSERT_NE(::GetWindowsDirectoryA(Windows, MAX_PATH), 0u);
  // "sysnative" reaches the 64-bit system folder past WoW64's redirection.
  TPlacedFile Jet(FixturePath("msjet40-4.0.8015.0.dll"), std::string(Windows) + "\\sysnative\\msjet40.dll");
  EXPECT_EQ(GetJetVersion(), "");
}
