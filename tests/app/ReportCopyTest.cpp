// The list copied to the clipboard as a written report: Ctrl+C in the list
// and "Kopiera" in its context menu, read back from the real clipboard.

#include "tests/app/AppTest.h"

using namespace app_test;
using namespace testing_support;

namespace {

// What the clipboard holds in one format, as bytes up to the NUL; nullopt
// when the format is not there.
template <class TChar>
std::optional<std::basic_string<TChar>> ClipboardAs(UINT Format) {
  if (!::OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::basic_string<TChar>> Result;
  if (HANDLE Data = ::GetClipboardData(Format)) {
    Result = static_cast<const TChar*>(::GlobalLock(Data));
    ::GlobalUnlock(Data);
  }
  ::CloseClipboard();
  return Result;
}

void EmptyTheClipboard() {
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  ::CloseClipboard();
}

// Ctrl held down as the thread's keyboard state, for one scope.
class TCtrlDown {
public:
  TCtrlDown() {
    ::GetKeyboardState(Saved_);
    BYTE State[256];
    std::copy(std::begin(Saved_), std::end(Saved_), State);
    State[VK_CONTROL] = State[VK_LCONTROL] = 0x80;
    ::SetKeyboardState(State);
  }
  ~TCtrlDown() { ::SetKeyboardState(Saved_); }
  TCtrlDown(const TCtrlDown&) = delete;
  TCtrlDown& operator=(const TCtrlDown&) = delete;

private:
  BYTE Saved_[256] = {};
};

class ReportCopyTest : public MachineTest {
protected:
  void SetUp() override {
    MachineTest::SetUp();
    Form = NewWindow();
    Form->Show();  // the check run first, then the test's own cells
    const char* const Cells[7][2] = {
        {"11.0.23.18", "Godkänd version installerad"}, {"", "Ej installerad"},
        {"4.0.10000.0", "Senare version krävs"},       {"1.3.0", "Godkänd version installerad"},
        {"Okänt fel", "Kunde inte kontrolleras"},      {"", "Ej installerad"},
        {"528040", "Godkänd version installerad"}};
    for (int I = 0; I < 7; ++I) {
      Form->ListView->Item(I).SetSubItem(0, Cells[I][0]);
      Form->ListView->Item(I).SetSubItem(1, Cells[I][1]);
    }
    Expected = "Adobe Reader\t11.0.23.18\tGodkänd version installerad\r\n"
               "Microsoft Data Access Components (MDAC)\t\tEj installerad\r\n"
               "Microsoft Jet Database Engine (JET)\t4.0.10000.0\tSenare version krävs\r\n"
               "IBM Java Runtime Environment (JRE) Ostervanes distribution\t1.3.0\tGodkänd version installerad\r\n"
               "Microsoft Internet Explorer\tOkänt fel\tKunde inte kontrolleras\r\n"
               "Microsoft .NET Framework 2\t\tEj installerad\r\n"
               "Microsoft .NET Framework 4\t528040\tGodkänd version installerad\r\n";
    EmptyTheClipboard();
  }

  void ExpectReportOnTheClipboard(const char* How) {
    EXPECT_EQ(ClipboardAs<char>(CF_TEXT), Expected) << How;
    // The same characters for programs that paste Unicode: "ä" is U+00E4.
    std::wstring Wide(Expected.begin(), Expected.end());
    for (wchar_t& C : Wide) C = static_cast<unsigned char>(C);
    EXPECT_EQ(ClipboardAs<wchar_t>(CF_UNICODETEXT), Wide) << How;
  }

  std::unique_ptr<TSystemComponentsMainForm> Form;
  std::string Expected;
};

}  // namespace

TEST_F(ReportCopyTest, CtrlCCopiesEveryRowAndCAloneDoesNot) {
  HWND List = Form->ListView->Handle();
  ::SendMessageA(List, WM_KEYDOWN, 'C', 1);
  EXPECT_EQ(ClipboardAs<char>(CF_TEXT), std::nullopt);
  {
    TCtrlDown Ctrl;
    ::SendMessageA(List, WM_KEYDOWN, 'C', 1);
  }
  ExpectReportOnTheClipboard("Ctrl+C");
}

TEST_F(ReportCopyTest, KopieraInTheContextMenuCopiesEveryRow) {
  HMENU Menu = Form->ListPopupMenu->Handle();
  char Caption[64] = {};
  ::GetMenuStringA(Menu, 0, Caption, sizeof(Caption), MF_BYPOSITION);
  EXPECT_STREQ(Caption, "Kopiera");
  EXPECT_EQ(::GetMenuItemCount(Menu), 1);

  // The menu's own loop takes the keys queued for it: the first item, chosen.
  HWND List = Form->ListView->Handle();
  ::PostMessageA(List, WM_KEYDOWN, VK_DOWN, 1);
  ::PostMessageA(List, WM_KEYDOWN, VK_RETURN, 1);
  ::SendMessageA(List, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List), -1);  // Shift+F10
  ExpectReportOnTheClipboard("Kopiera");
}
