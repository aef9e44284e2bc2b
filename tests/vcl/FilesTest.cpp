#include "vcl/Files.h"

#include "tests/common/Fixtures.h"
#include "vcl/Streams.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace vcl;

TEST(IncludeTrailingBackslash, AppendsOnlyWhenMissing) {
  struct Case {
    std::string In, Out;
  };
  const Case Cases[] = {
      {"", "\\"},
      {"C:\\Reader", "C:\\Reader\\"},
      {"C:\\Reader\\", "C:\\Reader\\"},
      {"C:/Reader/", "C:/Reader/\\"},
      {"\\", "\\"},
  };
  for (const Case& C : Cases) EXPECT_EQ(IncludeTrailingBackslash(C.In), C.Out) << C.In;
}

TEST(IncludeTrailingBackslash, TrailByteIsNoBackslash) {
  // In code page 932, 0x95 0x5C is one character whose trail byte is 0x5C.
  const std::string Dbcs = "C:\\\x95\x5C";
  EXPECT_EQ(IncludeTrailingBackslash(Dbcs, 932), Dbcs + "\\");
  EXPECT_EQ(IncludeTrailingBackslash(Dbcs + "\\", 932), Dbcs + "\\");
  EXPECT_EQ(IncludeTrailingBackslash(Dbcs, 1252), Dbcs);
}

TEST(FileExists, FilesOnlyNeverFolders) {
  char Temp[MAX_PATH];
  ASSERT_GT(::GetTempPathA(MAX_PATH, Temp), 0u);
  const std::string Folder = std::string(Temp) + "RurerididuFileExists";
  const std::string File = Folder + "\\file.txt";
  ::CreateDirectoryA(Folder.c_str(), nullptr);
  HANDLE H = ::CreateFileA(File.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(H, INVALID_HANDLE_VALUE);
  // Held open without sharing: the file still exists.
  EXPECT_TRUE(FileExists(File));
  ::CloseHandle(H);

  EXPECT_TRUE(FileExists(File));
  EXPECT_FALSE(FileExists(Folder));
  EXPECT_FALSE(FileExists(Folder + "\\"));
  EXPECT_FALSE(FileExists(Folder + "\\missing.txt"));
  EXPECT_FALSE(FileExists(Folder + "\\missing\\file.txt"));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists("C:\\bad<name>?.txt"));

  ::DeleteFileA(File.c_str());
  ::RemoveDirectoryA(Folder.c_str());
}

// Wine cuts an ANSI path to its length modulo 32768 where Windows refuses
// it: each name here, so cut, would name the thing beside it.
TEST(AnsiFilePaths, ALongerPathThanWindowsTakesIsRefusedNotCut) {
  testing_support::TScratchFolder Folder;
  char Previous[MAX_PATH] = {};
  ::GetCurrentDirectoryA(MAX_PATH, Previous);
  ::SetCurrentDirectoryA(Folder.Path().c_str());
  std::ofstream(Folder.Path() + "file") << "kept";
  ::CreateDirectoryA((Folder.Path() + "dir").c_str(), nullptr);
  auto TooLong = [](const std::string& Name) { return Name + std::string(32768, 'x'); };

  EXPECT_TRUE(FitsAnsiFileApi(std::string(MAX_PATH - 1, 'x')));
  EXPECT_FALSE(FitsAnsiFileApi(std::string(MAX_PATH, 'x')));
  EXPECT_FALSE(FileExists(TooLong("file")));
  EXPECT_FALSE(DirectoryExists(TooLong("dir")));
  EXPECT_FALSE(ForceDirectories(TooLong("made")));
  EXPECT_FALSE(DirectoryExists(Folder.Path() + "made"));
  try {
    TFileStream Stream(TooLong("file"), TFileMode::fmCreate);
    ADD_FAILURE() << "created";
  } catch (const EFCreateError& E) {
    EXPECT_NE(E.Message.find(SysErrorMessage(ERROR_FILENAME_EXCED_RANGE)), std::string::npos);
  }
  std::string Kept;
  std::ifstream(Folder.Path() + "file") >> Kept;
  EXPECT_EQ(Kept, "kept") << "not truncated";
  ::SetCurrentDirectoryA(Previous);
}
