#include "support/QorSystemUtils.h"

#include "support/QORMessagesUnit.h"

#include "tests/common/DialogDriver.h"
#include "tests/common/Fixtures.h"
#include "tests/common/Machine.h"
#include "tests/common/RegistryFixture.h"
#include "tests/support/RecordingHook.h"

#include "vcl/Files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

using namespace testing_support;

namespace {

std::string WindowsTemp() { return vcl::IncludeTrailingBackslash(GetWindowsTempFolder()); }

std::string CannotCreate(const std::string& Folder) {
  return "Cannot create temp path \"" + Folder + "\". Using \"" + GetWindowsTempFolder() + "\" instead.";
}

// A hook that keeps every message from the screen.
class TStoppedMessages {
public:
  TStoppedMessages() : Hook(std::make_shared<TRecordingHook>()) {
    Hook->StopIt = true;
    MessageHooks.Add(Hook);
  }
  ~TStoppedMessages() { MessageHooks.Remove(Hook); }
  TStoppedMessages(const TStoppedMessages&) = delete;
  TStoppedMessages& operator=(const TStoppedMessages&) = delete;

  std::shared_ptr<TRecordingHook> Hook;
};

// The once-per-process check runs in a process of its own for each case:
// problems are written to stderr and make the process fail.
class TProblems {
public:
  void Expect(bool Ok, const std::string& What) {
    if (!Ok) Text_ += What + "\n";
  }
  template <class T>
  void ExpectEq(const T& Actual, const T& Expected, const std::string& What) {
    Expect(Actual == Expected, What);
  }
  [[noreturn]] void Exit() {
    std::fputs(Text_.c_str(), stderr);
    std::exit(Text_.empty() ? 0 : 1);
  }

private:
  std::string Text_;
};

}  // namespace

TEST(TempFolderFirstCallDeathTest, CreatesTheFolderWithItsParents) {
  TScratchFolder Folder;
  EXPECT_EXIT(
      {
        TProblems P;
        const std::string Wanted = Folder.Path() + "Work\\Tmp";
        SetTempFilePath(Wanted);
        TStoppedMessages Messages;
        P.ExpectEq(GetTempFolder(), Wanted + "\\", "first call");
        P.Expect(vcl::DirectoryExists(Wanted), "folder created");
        P.Expect(Messages.Hook->Calls.empty(), "no message");
        RemoveTempFilePath();
        P.Exit();
      },
      ::testing::ExitedWithCode(0), "");
  RemoveTempFilePath();
}

TEST(TempFolderFirstCallDeathTest, ReportsAFolderThatCannotBeCreatedOnce) {
  TScratchFolder Folder;
  const std::string File = Folder.Path() + "file";
  std::ofstream(File) << "x";
  EXPECT_EXIT(
      {
        TProblems P;
        const std::string Wanted = File + "\\Tmp\\";
        SetTempFilePath(Wanted);
        auto Seen = std::make_shared<TRecordingHook>();
        MessageHooks.Add(Seen);
        {
          TDialogDriver Driver("Error 1715", TDialogDriver::Click(IDOK));
          P.ExpectEq(GetTempFolder(), WindowsTemp(), "first call falls back");
          P.Expect(Driver.Found(), "dialog shown");
          P.ExpectEq(Driver.Seen().Buttons, std::vector<std::string>{"OK"}, "OK only");
          P.ExpectEq(Driver.Seen().Texts, std::vector<std::string>{CannotCreate(Wanted)}, "dialog text");
        }
        P.ExpectEq(Seen->Calls.size(), std::size_t(1), "one message");
        if (!Seen->Calls.empty()) {
          P.ExpectEq(Seen->Calls[0].MsgNo, 1715, "number");
          P.ExpectEq(Seen->Calls[0].Kind, mkError, "kind");
          P.ExpectEq(Seen->Calls[0].Text, CannotCreate(Wanted), "text");
          P.Expect(Seen->Calls[0].Details.empty() && Seen->Calls[0].Extra.empty(), "no details");
          P.Expect(!Seen->Calls[0].AllowDontShowAgain, "no stored answers");
        }
        Seen->StopIt = true;
        P.ExpectEq(GetTempFolder(), Wanted, "second call: the folder again, unchecked");
        P.ExpectEq(Seen->Calls.size(), std::size_t(1), "no second message");
        RemoveTempFilePath();
        P.Exit();
      },
      ::testing::ExitedWithCode(0), "");
  RemoveTempFilePath();
}

TEST(TempFolderFirstCallDeathTest, PutsTheSubFolderUnderTheSystemFolderAfterAFailure) {
  TScratchFolder Folder;
  const std::string File = Folder.Path() + "file";
  std::ofstream(File) << "x";
  const std::string Sub = "rurerididu-first-call-" + std::to_string(::GetCurrentProcessId());
  EXPECT_EXIT(
      {
        TProblems P;
        SetTempFilePath(File);
        TStoppedMessages Messages;
        P.ExpectEq(GetTempFolder(Sub), WindowsTemp() + Sub + "\\", "sub-folder under the system folder");
        P.Expect(vcl::DirectoryExists(WindowsTemp() + Sub), "sub-folder created");
        P.ExpectEq(Messages.Hook->Calls.size(), std::size_t(1), "1715 only");
        ::RemoveDirectoryA((WindowsTemp() + Sub).c_str());
        RemoveTempFilePath();
        P.Exit();
      },
      ::testing::ExitedWithCode(0), "");
  RemoveTempFilePath();
}

// Here the first call is behind us: the folder is resolved, not checked.
class TempFolderTest : public ::testing::Test {
protected:
  void SetUp() override {
    RemoveTempFilePath();
    TStoppedMessages Quiet;
    GetTempFolder();
  }
  void TearDown() override {
    RemoveTempFilePath();
    TempFolderOverride.clear();
  }
};

TEST_F(TempFolderTest, ResolvesTheSettingTheOverrideOrTheSystemFolder) {
  const std::string System = GetWindowsTempFolder();
  ASSERT_FALSE(System.empty());
  EXPECT_EQ(GetTempFolder(), WindowsTemp());
  EXPECT_EQ(GetTempFolder().find("\\\\"), std::string::npos) << "one backslash at the end";
  TempFolderOverride = "E:\\Scratch";
  EXPECT_EQ(GetTempFolder(), "E:\\Scratch\\");
  SetTempFilePath("D:\\Work\\Tmp");
  EXPECT_EQ(GetTempFolder(), "D:\\Work\\Tmp\\") << "the setting wins over the override";
  SetTempFilePath("D:\\Work/");
  EXPECT_EQ(GetTempFolder(), "D:\\Work/\\");
  SetTempFilePath("");
  EXPECT_EQ(GetTempFolder(), "\\") << "an empty setting is taken as it is";
}

TEST_F(TempFolderTest, CreatesTheSubFolderOnEveryCall) {
  TScratchFolder Folder;
  SetTempFilePath(Folder.Path() + "Base");
  EXPECT_EQ(GetTempFolder("Pdf"), Folder.Path() + "Base\\Pdf\\");
  EXPECT_TRUE(vcl::DirectoryExists(Folder.Path() + "Base\\Pdf"));
  ::RemoveDirectoryA((Folder.Path() + "Base\\Pdf").c_str());
  EXPECT_EQ(GetTempFolder("Pdf\\"), Folder.Path() + "Base\\Pdf\\");
  EXPECT_TRUE(vcl::DirectoryExists(Folder.Path() + "Base\\Pdf")) << "created again";
}

TEST_F(TempFolderTest, ReportsASubFolderThatCannotBeCreatedOnEveryCall) {
  TScratchFolder Folder;
  std::ofstream(Folder.Path() + "Pdf") << "x";
  SetTempFilePath(Folder.Path());
  TStoppedMessages Messages;
  for (int Call = 1; Call <= 2; ++Call) {
    EXPECT_EQ(GetTempFolder("Pdf"), WindowsTemp()) << "without the sub-folder";
    ASSERT_EQ(Messages.Hook->Calls.size(), std::size_t(Call));
    EXPECT_EQ(Messages.Hook->Calls.back().MsgNo, 1716);
    EXPECT_EQ(Messages.Hook->Calls.back().Kind, mkError);
    EXPECT_EQ(Messages.Hook->Calls.back().Text, CannotCreate(Folder.Path() + "Pdf\\"));
  }
}
