#include "vcl/Dialogs.h"

#include "tests/common/DialogDriver.h"

#include <gtest/gtest.h>

using namespace vcl;
using testing_support::TDialogDriver;

namespace {

using TNames = std::vector<std::string>;

}  // namespace

TEST(MessageDialog, ShowsTheTypesCaptionIconTextAndButtons) {
  struct Case {
    TMsgDlgType Type;
    TMsgDlgButtons Buttons;
    const char* Caption;
    TNames ButtonNames;
    int DefaultId;
  };
  const Case Cases[] = {
      {mtWarning, {mbOK}, "Warning", {"OK"}, mrOk},
      {mtError, {mbOK, mbCancel}, "Error", {"OK", "Cancel"}, mrOk},
      {mtInformation, {mbYes, mbNo}, "Information", {"&Yes", "&No"}, mrYes},
      {mtConfirmation, {mbYes, mbNo, mbCancel}, "Confirm", {"&Yes", "&No", "Cancel"}, mrYes},
      {mtConfirmation, {mbCancel, mbOK, mbNo, mbYes}, "Confirm", {"&Yes", "&No", "OK", "Cancel"}, mrOk},
  };
  for (const Case& C : Cases) {
    auto Dialog = CreateMessageDialog("Line one\r\nLine två", C.Type, C.Buttons);
    EXPECT_EQ(Dialog->Caption, C.Caption);
    TDialogDriver Driver(C.Caption, TDialogDriver::Close());
    EXPECT_EQ(Dialog->ShowModal(), mrCancel) << C.Caption;
    ASSERT_TRUE(Driver.Found()) << C.Caption;
    EXPECT_TRUE(Driver.Seen().HasIcon) << C.Caption;
    EXPECT_EQ(Driver.Seen().Texts, TNames{"Line one\r\nLine två"}) << C.Caption;
    EXPECT_EQ(Driver.Seen().Buttons, C.ButtonNames) << C.Caption;
    EXPECT_EQ(Driver.Seen().DefaultId, C.DefaultId) << C.Caption;
    EXPECT_TRUE(Driver.Seen().CheckBoxes.empty());
  }
}

TEST(MessageDialog, AnswersWithTheButtonEscapeEnterOrClose) {
  struct Case {
    const char* Name;
    TMsgDlgButtons Buttons;
    TDialogDriver::TAction Act;
    int Expected;
  };
  const Case Cases[] = {
      {"click OK", {mbOK}, TDialogDriver::Click(IDOK), mrOk},
      {"click No", {mbYes, mbNo, mbCancel}, TDialogDriver::Click(IDNO), mrNo},
      {"click Cancel", {mbOK, mbCancel}, TDialogDriver::Click(IDCANCEL), mrCancel},
      {"close with OK only", {mbOK}, TDialogDriver::Close(), mrCancel},
      {"close with Yes/No", {mbYes, mbNo}, TDialogDriver::Close(), mrCancel},
      {"Escape is Cancel", {mbYes, mbNo, mbCancel}, TDialogDriver::Key(VK_ESCAPE), mrCancel},
      {"Escape is No", {mbYes, mbNo}, TDialogDriver::Key(VK_ESCAPE), mrNo},
      {"Escape is OK", {mbOK}, TDialogDriver::Key(VK_ESCAPE), mrOk},
      {"Enter is OK", {mbOK, mbCancel}, TDialogDriver::Key(VK_RETURN), mrOk},
      {"Enter is Yes", {mbYes, mbNo}, TDialogDriver::Key(VK_RETURN), mrYes},
  };
  for (const Case& C : Cases) {
    auto Dialog = CreateMessageDialog(C.Name, mtConfirmation, C.Buttons);
    Dialog->Caption = C.Name;
    TDialogDriver Driver(C.Name, C.Act);
    EXPECT_EQ(Dialog->ShowModal(), C.Expected) << C.Name;
    EXPECT_TRUE(Driver.Found()) << C.Name;
  }
}

TEST(MessageDialog, CarriesCheckBoxesAndReportsTheirState) {
  for (bool Tick : {false, true}) {
    auto Dialog = CreateMessageDialog("Question", mtConfirmation, {mbOK});
    Dialog->Caption = "Boxes";
    const int Height = Dialog->Height();
    TCheckBox& Box = Dialog->AddCheckBox();
    Box.Caption = "Don't ask me again.";
    Box.Top = Height;
    Box.Left = 20;
    Box.Width = Dialog->ClientWidth() - 20;
    Dialog->SetHeight(Height + 3 * Box.Height);
    TDialogDriver Driver("Boxes", Tick ? TDialogDriver::TickThen(TDialogDriver::Click(IDOK))
                                       : TDialogDriver::Click(IDOK));
    EXPECT_EQ(Dialog->ShowModal(), mrOk);
    ASSERT_TRUE(Driver.Found());
    EXPECT_EQ(Driver.Seen().CheckBoxes, TNames{"Don't ask me again."});
    EXPECT_EQ(Driver.Seen().Bounds.bottom - Driver.Seen().Bounds.top, Height + 3 * Box.Height);
    EXPECT_EQ(Box.Checked, Tick);
  }
}

TEST(MessageDialog, CentresOnTheActiveWindowInAutoPopupMode) {
  HWND Owner = ::CreateWindowExA(0, "STATIC", "Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 120,
                                 700, 500, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(Owner, nullptr);
  ::SetActiveWindow(Owner);
  for (TPopupMode Mode : {pmNone, pmAuto}) {
    auto Dialog = CreateMessageDialog("Centred", mtInformation, {mbOK});
    Dialog->Caption = "Centred";
    Dialog->PopupMode = Mode;
    Dialog->Position = poOwnerFormCenter;
    TDialogDriver Driver("Centred", TDialogDriver::Click(IDOK));
    EXPECT_EQ(Dialog->ShowModal(), mrOk);
    ASSERT_TRUE(Driver.Found());
    if (Mode == pmNone) {
      EXPECT_EQ(Driver.Seen().Owner, nullptr);
      continue;
    }
    EXPECT_EQ(Driver.Seen().Owner, Owner);
    const RECT& B = Driver.Seen().Bounds;
    EXPECT_NEAR((B.left + B.right) / 2, 100 + 350, 1);
    EXPECT_NEAR((B.top + B.bottom) / 2, 120 + 250, 1);
  }
  ::DestroyWindow(Owner);
}
