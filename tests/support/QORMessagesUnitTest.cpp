#include "support/QORMessagesUnit.h"

#include "support/QORSettingsUnit.h"

#include "tests/common/DialogDriver.h"
#include "tests/common/Fixtures.h"
#include "tests/common/RegistryFixture.h"
#include "tests/support/RecordingHook.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const char* const TestKey = "Software\\RurerididuTest\\Messages";
const std::string DontAgainKey = std::string(TestKey) + "\\DontAgain";

// A registry-mode store without cache, so that a test can store answers
// behind its back; hooks of the test's own, removed afterwards.
class MessagesTest : public ::testing::Test {
protected:
  void SetUp() override {
    DeleteKey(HKEY_CURRENT_USER, TestKey);
    TQORSettings::Init(Folder.Path() + "settings.ini", HKEY_CURRENT_USER, std::string(TestKey) + "\\",
                       false, false);
  }
  void TearDown() override {
    for (const auto& Hook : Hooks) MessageHooks.Remove(Hook);
    TQORSettings::Done();
    DeleteKey(HKEY_CURRENT_USER, TestKey);
  }

  std::shared_ptr<TRecordingHook> AddHook() {
    Hooks.push_back(std::make_shared<TRecordingHook>());
    MessageHooks.Add(Hooks.back());
    return Hooks.back();
  }
  void Store(int MsgNo, int Answer) {
    SetValue(HKEY_CURRENT_USER, DontAgainKey, std::to_string(MsgNo), Dword(Answer), 0);
  }
  // The stored answer and text, or -1 and "".
  std::pair<int, std::string> Stored(int MsgNo) {
    TQORSettings& S = TQORSettings::GetInstance();
    return {S.ReadInteger("DontAgain", std::to_string(MsgNo), -1, false),
            S.ReadString("DontAgain", "s" + std::to_string(MsgNo), "", false)};
  }

  TScratchFolder Folder;
  std::vector<std::shared_ptr<TRecordingHook>> Hooks;
};

}  // namespace

TEST_F(MessagesTest, HooksSeeEveryMessageInOrderAndMayStopIt) {
  auto First = AddHook(), Second = AddHook(), Third = AddHook();
  First->StopIt = true;
  First->NewText = "changed";
  Third->StopIt = true;
  TQORMessages::ShowMsg(mkWarning, 42, "text", "details", "extra");
  for (const auto& Hook : {First, Second, Third}) ASSERT_EQ(Hook->Calls.size(), 1u);
  EXPECT_EQ(First->Calls[0].Text, "text");
  EXPECT_EQ(First->Calls[0].Kind, mkWarning);
  EXPECT_EQ(First->Calls[0].Details, "details");
  EXPECT_EQ(First->Calls[0].Extra, "extra");
  EXPECT_EQ(Second->Calls[0].Text, "changed");
  EXPECT_FALSE(Second->Calls[0].Continue) << "a later hook sees the stop";
}

TEST_F(MessagesTest, HookThatLetsTheMessageGoAgainGetsItShown) {
  auto First = AddHook(), Second = AddHook();
  First->StopIt = true;
  Second->ResumeIt = true;
  TDialogDriver Driver("Information 7", TDialogDriver::Click(IDOK));
  TQORMessages::ShowMsg(mkInformation, 7, "shown", "", "");
  ASSERT_TRUE(Driver.Found());
  EXPECT_EQ(Driver.Seen().Texts, std::vector<std::string>{"shown"});
}

TEST_F(MessagesTest, WithoutStoredAnswersTheStoreIsNotNeeded) {
  TQORSettings::Done();
  auto Hook = AddHook();
  Hook->StopIt = true;
  EXPECT_NO_THROW(TQORMessages::ShowMsg(mkError, 1715, "t", "", "", false));
  ASSERT_EQ(Hook->Calls.size(), 1u);
  EXPECT_FALSE(Hook->Calls[0].DontShow);

  try {
    TQORMessages::ShowMsg(mkError, 1715, "t", "", "", true);
    FAIL() << "no error";
  } catch (const EQORSettingsException& E) {
    EXPECT_EQ(E.Message, "TQORSettings.GetInstance called before TQORSettings.Init");
  }
  EXPECT_EQ(Hook->Calls.size(), 1u) << "raised before any hook";
}

TEST_F(MessagesTest, ErrorDialogCarriesTheNumberTheTextAndTheDetails) {
  TDialogDriver Driver("Error 1715", TDialogDriver::Click(IDOK));
  TQORMessages::ShowMsg(mkError, 1715, "Cannot create temp path.", "More.", "");
  ASSERT_TRUE(Driver.Found());
  EXPECT_EQ(Driver.Seen().Buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(Driver.Seen().Texts, std::vector<std::string>{"Cannot create temp path.\r\n\r\nMore."});
  EXPECT_TRUE(Driver.Seen().CheckBoxes.empty());
  EXPECT_EQ(Stored(1715).first, -1);

  TDialogDriver Warning("Warning -3", TDialogDriver::Click(IDOK));
  TQORMessages::ShowMsg(mkWarning, -3, "Plain.", "", "");
  ASSERT_TRUE(Warning.Found());
  EXPECT_EQ(Warning.Seen().Texts, std::vector<std::string>{"Plain."});
}

TEST_F(MessagesTest, TickedBoxStoresTheAnswerAndTheTextAndIsHonouredAfterwards) {
  {
    TDialogDriver Driver("Error 1715", TDialogDriver::TickThen(TDialogDriver::Click(IDOK)));
    TQORMessages::ShowMsg(mkError, 1715, "Text", "Details", "", true);
    ASSERT_TRUE(Driver.Found());
    EXPECT_EQ(Driver.Seen().CheckBoxes, std::vector<std::string>{"Don't ask me again."});
  }
  EXPECT_EQ(Stored(1715), std::make_pair(int(maOk), std::string("Text\r\n\r\nDetails")));

  auto Hook = AddHook();
  TDialogDriver NotExpected("Error 1715", TDialogDriver::Close());
  TQORMessages::ShowMsg(mkError, 1715, "Text", "Details", "", true);
  ASSERT_EQ(Hook->Calls.size(), 1u);
  EXPECT_TRUE(Hook->Calls[0].DontShow) << "a stored OK means don't show";
  Hook->ClearDontShow = true;
  TQORMessages::ShowMsg(mkError, 1715, "Text", "Details", "", true);
  EXPECT_FALSE(NotExpected.Found()) << "the handler answers from the store";
}

TEST_F(MessagesTest, TickedBoxAndClosedWindowStoresCancel) {
  {
    TDialogDriver Driver("Confirm 5", TDialogDriver::TickThen(TDialogDriver::Close()));
    EXPECT_EQ(TQORMessages::GetDefaultMessages()->AskMsg(5, "Go on?", "", asYesNo, true), maCancel);
    ASSERT_TRUE(Driver.Found());
    EXPECT_EQ(Driver.Seen().Buttons, (std::vector<std::string>{"&Yes", "&No"}));
  }
  EXPECT_EQ(Stored(5), std::make_pair(int(maCancel), std::string("Go on?")));
  TDialogDriver NotExpected("Confirm 5", TDialogDriver::Close());
  EXPECT_EQ(TQORMessages::GetDefaultMessages()->AskMsg(5, "Go on?", "", asOkCancel, true), maCancel);
  EXPECT_FALSE(NotExpected.Found());
}

TEST_F(MessagesTest, UntickedBoxStoresNothing) {
  TDialogDriver Driver("Confirm 6", TDialogDriver::Click(IDNO));
  EXPECT_EQ(TQORMessages::GetDefaultMessages()->AskMsg(6, "Q", "", asYesNoCancel, true), maNo);
  ASSERT_TRUE(Driver.Found());
  EXPECT_EQ(Driver.Seen().Buttons, (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
  EXPECT_EQ(Stored(6).first, -1);
}

TEST_F(MessagesTest, StoredAnswerOtherThanOkIsReturnedWithoutDialog) {
  for (TQORMsgAnswer Answer : {maYes, maNo, maCancel}) {
    Store(9, Answer);
    auto Hook = AddHook();
    TDialogDriver NotExpected("Information 9", TDialogDriver::Close());
    TQORMessages::ShowMsg(mkInformation, 9, "t", "", "", true);
    ASSERT_EQ(Hook->Calls.size(), 1u);
    EXPECT_FALSE(Hook->Calls[0].DontShow) << int(Answer);
    EXPECT_EQ(TQORMessages::GetDefaultMessages()->AskMsg(9, "t", "", asOk, true), Answer);
    EXPECT_FALSE(NotExpected.Found()) << int(Answer);
    MessageHooks.Remove(Hook);
  }
}

TEST_F(MessagesTest, StoredValueOutsideTheAnswersCountsAsNone) {
  for (int Value : {4, -7}) {
    Store(11, Value);
    EXPECT_FALSE(TQORMessages::HasDontAgainValue(11)) << Value;
    try {
      TQORMessages::GetDontAgainValue(11);
      ADD_FAILURE() << "no error for " << Value;
    } catch (const vcl::Exception& E) {
      EXPECT_EQ(E.Message, "TQORMessages.GetDontAgainValue");
    }
    TDialogDriver Driver("Warning 11", TDialogDriver::Click(IDOK));
    TQORMessages::ShowMsg(mkWarning, 11, "t", "", "", true);
    EXPECT_TRUE(Driver.Found()) << Value;
  }
}

TEST_F(MessagesTest, HookThatSetsDontShowSkipsTheHandlerOnlyWithStoredAnswersAllowed) {
  auto Hook = AddHook();
  Hook->SetDontShow = true;
  {
    TDialogDriver NotExpected("Error 12", TDialogDriver::Close());
    TQORMessages::ShowMsg(mkError, 12, "t", "", "", true);
    EXPECT_FALSE(NotExpected.Found());
  }
  EXPECT_EQ(Stored(12).first, -1);
  TDialogDriver Driver("Error 12", TDialogDriver::Click(IDOK));
  TQORMessages::ShowMsg(mkError, 12, "t", "", "", false);
  EXPECT_TRUE(Driver.Found());
}

TEST(DefaultMessages, IsOneObjectForTheProcess) {
  auto First = TQORMessages::GetDefaultMessages();
  EXPECT_EQ(TQORMessages::GetDefaultMessages(), First);
  EXPECT_NE(dynamic_cast<TQORMessagesDefault*>(First.get()), nullptr);
}
