#include "probes/QorVersionCommon.h"

#include "tests/common/Fixtures.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

using namespace testing_support;

namespace {

using TBytes = std::vector<char>;

TBytes ReadBytes(const std::string& FileName) {
  std::ifstream In(FileName, std::ios::binary);
  return TBytes(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& FileName, const TBytes& Bytes) {
  std::ofstream Out(FileName, std::ios::binary);
  Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
}

std::size_t Find(const TBytes& Bytes, const TBytes& What) {
  auto At = std::search(Bytes.begin(), Bytes.end(), What.begin(), What.end());
  if (At == Bytes.end()) throw std::runtime_error("fixture without the expected bytes");
  return static_cast<std::size_t>(At - Bytes.begin());
}

// Where the version resource of a fixture starts: its header (wLength,
// wValueLength, wType) comes right before the key "VS_VERSION_INFO".
std::size_t VersionBlockAt(const TBytes& Bytes) {
  TBytes Key;
  for (char C : std::string("VS_VERSION_INFO")) Key.insert(Key.end(), {C, '\0'});
  return Find(Bytes, Key) - 6;
}

std::size_t SignatureAt(const TBytes& Bytes) {
  return Find(Bytes, {'\xBD', '\x04', '\xEF', '\xFE'});
}

void SetWord(TBytes& Bytes, std::size_t At, WORD Value) { std::memcpy(&Bytes[At], &Value, 2); }

}  // namespace

TEST(GetFileVersionString, ReadsTheFixedFileVersion) {
  struct Case {
    const char* Fixture;
    const char* Expected;
  };
  // The fixtures' product version and "FileVersion" string say otherwise.
  const Case Cases[] = {
      {"msjet40-4.0.8015.0.dll", "4.0.8015.0"},
      {"msjet40-4.0.8014.9.dll", "4.0.8014.9"},
      {"msjet40-4.0.10000.0.dll", "4.0.10000.0"},
      {"version-65535.0.0.1.dll", "65535.0.0.1"},
      {"version-0.0.0.0.dll", "0.0.0.0"},
      {"version-65535.65535.65535.65535.exe", "65535.65535.65535.65535"},
      {"reader-11.0.23.18\\AcroRd32.exe", "11.0.23.18"},
      {"no-version.dll", ""},
      {"no-version.exe", ""},
      {"short-version-block.dll", ""},  // announces more than it holds
  };
  for (const Case& C : Cases) EXPECT_EQ(GetFileVersionString(FixturePath(C.Fixture)), C.Expected) << C.Fixture;
}

TEST(GetFileVersionString, NoFileGivesTheEmptyText) {
  TScratchFolder Scratch;
  WriteBytes(Scratch.Path() + "text.dll", {'n', 'o', 't', ' ', 'P', 'E'});
  for (const std::string& Name : {std::string(), Scratch.Path() + "missing.dll", Scratch.Path(),
                                  Scratch.Path() + "text.dll"})
    EXPECT_EQ(GetFileVersionString(Name), "") << Name;
}

TEST(GetFileVersionString, DamagedFilesGiveTheEmptyText) {
  struct Case {
    const char* Name;
    std::function<void(TBytes&)> Damage;
    const char* Expected;
  };
  const Case Cases[] = {
      {"intact copy", [](TBytes&) {}, "4.0.8015.0"},
      {"empty file", [](TBytes& B) { B.clear(); }, ""},
      {"only the DOS header", [](TBytes& B) { B.resize(64); }, ""},
      {"cut before the version block", [](TBytes& B) { B.resize(VersionBlockAt(B)); }, ""},
      {"cut inside the fixed information", [](TBytes& B) { B.resize(SignatureAt(B) + 12); }, ""},
      {"broken signature", [](TBytes& B) { B[SignatureAt(B)] = 0; }, ""},
      {"no fixed information", [](TBytes& B) { SetWord(B, VersionBlockAt(B) + 2, 0); }, ""},
      {"short fixed information",
       [](TBytes& B) { SetWord(B, VersionBlockAt(B) + 2, sizeof(VS_FIXEDFILEINFO) - 4); }, ""},
  };
  const TBytes Original = ReadBytes(FixturePath("msjet40-4.0.8015.0.dll"));
  ASSERT_FALSE(Original.empty());
  TScratchFolder Scratch;
  int Number = 0;
  for (const Case& C : Cases) {
    TBytes Bytes = Original;
    C.Damage(Bytes);
    const std::string FileName = Scratch.Path() + "damaged" + std::to_string(++Number) + ".dll";
    WriteBytes(FileName, Bytes);
    EXPECT_EQ(GetFileVersionString(FileName), C.Expected) << C.Name;
  }
}

TEST(GetSystemFolder, IsTheFolderOfThis32BitProcess) {
  const std::string Folder = GetSystemFolder();
  char Expected[MAX_PATH];
  ASSERT_NE(::GetSystemDirectoryA(Expected, MAX_PATH), 0u);
  EXPECT_EQ(Folder, Expected);
  EXPECT_EQ(Folder.find('\0'), std::string::npos);
  ASSERT_FALSE(Folder.empty());
  EXPECT_NE(Folder.back(), '\\');
  // Through WoW64's redirection the folder holds the 32-bit system DLLs.
  EXPECT_NE(GetFileVersionString(Folder + "\\kernel32.dll"), "");
}
