#include "vcl/Files.h"

#include "tests/common/Fixtures.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace vcl;
using testing_support::TScratchFolder;

TEST(ForceDirectories, CreatesEveryMissingParent) {
  TScratchFolder Folder;
  const std::string Root = Folder.Path();
  struct Case {
    std::string Dir;
    std::string MustExist;
  };
  const Case Cases[] = {
      {Root + "a\\b\\c", Root + "a\\b\\c"},
      {Root + "d\\e\\", Root + "d\\e"},
      {Root + "f/g/", Root + "f\\g"},
      {Root + "h\\\\i", Root + "h\\i"},
  };
  for (const Case& C : Cases) {
    EXPECT_TRUE(ForceDirectories(C.Dir)) << C.Dir;
    EXPECT_TRUE(DirectoryExists(C.MustExist)) << C.Dir;
    EXPECT_TRUE(ForceDirectories(C.Dir)) << "an existing folder counts as success: " << C.Dir;
  }
}

TEST(ForceDirectories, FailsWhereNoFolderCanBe) {
  TScratchFolder Folder;
  const std::string File = Folder.Path() + "file.txt";
  std::ofstream(File) << "x";
  EXPECT_FALSE(ForceDirectories(File));
  EXPECT_FALSE(ForceDirectories(File + "\\sub\\deeper\\"));
  EXPECT_FALSE(DirectoryExists(File));
  EXPECT_FALSE(ForceDirectories(""));
}

TEST(ForceDirectories, TakesRootsAsExisting) {
  EXPECT_TRUE(ForceDirectories("\\"));
  EXPECT_TRUE(ForceDirectories("C:\\"));
  EXPECT_TRUE(DirectoryExists("\\"));
  EXPECT_FALSE(DirectoryExists(""));
}

TEST(GetTempDirectory, ReportsAnExistingFolderWithItsBackslash) {
  const std::string Temp = GetTempDirectory();
  ASSERT_FALSE(Temp.empty());
  EXPECT_EQ(Temp.back(), '\\');
  EXPECT_TRUE(DirectoryExists(Temp)) << Temp;
  char Buffer[MAX_PATH];
  EXPECT_EQ(Temp, std::string(Buffer, ::GetTempPathA(MAX_PATH, Buffer)));
}
