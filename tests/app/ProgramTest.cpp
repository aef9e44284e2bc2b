// The built Rurerididu.exe, end to end: started in a process of its own on a
// prepared machine, read off the screen, answered and closed as a user would.

#include "tests/app/AppTest.h"

#include "tests/common/ProgramDriver.h"
#include "tests/common/Rendering.h"

#include <functional>
#include <set>

using namespace app_test;
using namespace testing_support;

namespace {

constexpr COLORREF Green = RGB(0, 128, 0);
constexpr COLORREF Red = RGB(255, 0, 0);

const char* const Title = "Rurerididu 2.0";

std::string ProgramPath() { return ProgramFolder() + "Rurerididu.exe"; }

std::string SystemFolder() {
  char Folder[MAX_PATH] = {};
  ::GetSystemDirectoryA(Folder, MAX_PATH);
  return std::string(Folder) + "\\";
}

std::string WindowsTemp() {
  char Folder[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, Folder);
  return Folder;
}

// A machine with every component but .NET Framework 2, and no App Paths key
// for the Reader: PDF files open with a Reader of the test's own.
class ProgramTest : public MachineTest {
protected:
  void SetUp() override {
    MachineTest::SetUp();
    RemoveTempFilePath();
    AssociatePdf(FixturePath("reader-11.0.23.18\\AcroRd32.exe"));
    SetValue(HKEY_LOCAL_MACHINE, DataAccessKey, "FullInstallVer", Sz("2.81.1117.0"));
    SetValue(HKEY_LOCAL_MACHINE, JreKey, "JrePath", Sz(FixturePath("no-version.dll")));
    SetValue(HKEY_LOCAL_MACHINE, InternetExplorerKey, "Version", Sz("9.11.9600.18376"));
    SetValue(HKEY_LOCAL_MACHINE, DotNet4FullKey, "Release", Dword(528040));
  }
  void TearDown() override { RemoveTempFilePath(); }

  static std::vector<TRow> Rows(const TProgram& Program, HWND List) {
    std::vector<TRow> Result;
    for (int I = 0; I < 7; ++I)
      Result.push_back({Program.ListCellText(List, I, 0), Program.ListCellText(List, I, 1),
                        Program.ListCellText(List, I, 2)});
    return Result;
  }

  static const std::vector<TRow>& Expected() {
    static const std::vector<TRow> Texts = {
        {Captions()[0], "11.0.23.18", Approved},
        {Captions()[1] + " (full install)", "2.81.1117.0", Approved},
        {Captions()[2], "4.0.8015.0", Approved},
        {Captions()[3], "1.3.0", Approved},
        {Captions()[4], "9.11.9600.18376", Approved},
        {Captions()[5], "", NotInstalled},
        {Captions()[6], "528040", Approved},
    };
    return Texts;
  }

  static HWND ListOf(HWND Window) { return ::FindWindowExA(Window, nullptr, WC_LISTVIEWA, nullptr); }

private:
  TKeyBackup ProgId_{HKEY_LOCAL_MACHINE, PdfProgIdKey};
  TPlacedFile Jet_{FixturePath("msjet40-4.0.8015.0.dll"), SystemFolder() + "msjet40.dll"};
};

// The user's ways of closing the window.
void ClickCloseLink(HWND Window) {
  // "Stäng" is drawn on the bottom panel, 9 pixels down from its top.
  POINT OnLink{565, 279 + 15};
  ::ClientToScreen(Window, &OnLink);
  ::SetCursorPos(OnLink.x, OnLink.y);
  INPUT Click[2] = {};
  Click[0].type = Click[1].type = INPUT_MOUSE;
  Click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  Click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, Click, sizeof(INPUT));
}
void ClickCloseBox(HWND Window) { ::PostMessageA(Window, WM_SYSCOMMAND, SC_CLOSE, 0); }
void PressAltF4(HWND Window) {
  ::PostMessageA(Window, WM_SYSKEYDOWN, VK_F4, 0x20000001);  // bit 29: Alt is down
  ::PostMessageA(Window, WM_SYSKEYUP, VK_F4, 0xE0000001);
}

}  // namespace

TEST_F(ProgramTest, ShowsTheFilledListInItsColoursAndEndsWithExitCodeZero) {
  const std::pair<const char*, std::function<void(HWND)>> Closes[] = {
      {"the link", ClickCloseLink}, {"the close box", ClickCloseBox}, {"Alt+F4", PressAltF4}};
  for (const auto& [How, Close] : Closes) {
    TProgram Program(ProgramPath());
    HWND Window = Program.WaitForWindow(Title);
    ASSERT_NE(Window, nullptr) << How;
    Program.WaitForIdle();
    HWND List = ListOf(Window);
    EXPECT_EQ(Rows(Program, List), Expected()) << How;

    // The status cells on the screen: green where approved, red elsewhere.
    ::UpdateWindow(List);
    TRendering Shown(List, TRendering::Screen);
    for (int I = 0; I < 7; ++I) {
      std::set<COLORREF> Status = Shown.Colours(Program.ListCellRect(List, I, 2));
      const bool IsApproved = Expected()[I].Status == Approved;
      EXPECT_EQ(Status.contains(Green), IsApproved) << How << ", row " << I;
      EXPECT_EQ(Status.contains(Red), !IsApproved) << How << ", row " << I;
    }

    Close(Window);
    EXPECT_EQ(Program.WaitForExit(), 0u) << How;
  }
}

TEST_F(ProgramTest, ReportsATempFolderItCannotCreateThenFillsTheReaderRow) {
  // A folder below a file can never be made.
  const std::string Folder = FixturePath("no-version.dll") + "\\Tmp\\";
  SetTempFilePath(Folder);
  TProgram Program(ProgramPath());

  HWND Dialog = Program.WaitForWindow("Error 1715", "#32770");
  ASSERT_NE(Dialog, nullptr);
  std::vector<std::string> Texts, Buttons;
  for (HWND Child = ::GetWindow(Dialog, GW_CHILD); Child; Child = ::GetWindow(Child, GW_HWNDNEXT)) {
    const std::string Class = WindowClass(Child);
    if (_stricmp(Class.c_str(), "Button") == 0) Buttons.push_back(WindowText(Child));
    if (_stricmp(Class.c_str(), "Static") == 0 && !WindowText(Child).empty())
      Texts.push_back(WindowText(Child));
  }
  EXPECT_EQ(Texts, std::vector<std::string>{"Cannot create temp path \"" + Folder + "\". Using \"" +
                                            WindowsTemp() + "\" instead."});
  EXPECT_EQ(Buttons, std::vector<std::string>{"OK"});

  ::SendMessageA(::FindWindowExA(Dialog, nullptr, "Button", "OK"), BM_CLICK, 0, 0);
  HWND Window = Program.WaitForWindow(Title);
  ASSERT_NE(Window, nullptr);
  Program.WaitForIdle();
  EXPECT_EQ(Rows(Program, ListOf(Window)), Expected());

  ClickCloseBox(Window);
  EXPECT_EQ(Program.WaitForExit(), 0u);
}

TEST_F(ProgramTest, TwoInstancesStartedAtOnceBothFinishAndDifferAtMostInTheReaderRow) {
  // Both ask the shell through a temporary file of one fixed name: an
  // instance that cannot create it while the other holds it cannot check the
  // Reader. Which one loses the race, if either, is up to the scheduler;
  // with a third party holding the file, both lose.
  const std::string TempFile = WindowsTemp() + "~Tmp~pdf.pdf";
  const TRow Lost{Captions()[0], "Okänt fel", NotChecked};
  for (const bool Held : {false, true}) {
    const char* Case = Held ? "file held by another" : "racing";
    HANDLE Holder = INVALID_HANDLE_VALUE;
    if (Held) {
      Holder = ::CreateFileA(TempFile.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
      ASSERT_NE(Holder, INVALID_HANDLE_VALUE);
    }
    TProgram First(ProgramPath());
    TProgram Second(ProgramPath());
    for (const TProgram* Program : {&First, &Second}) {
      HWND Window = Program->WaitForWindow(Title);
      ASSERT_NE(Window, nullptr) << Case;
      Program->WaitForIdle();
      std::vector<TRow> Shown = Rows(*Program, ListOf(Window));
      if (Held)
        EXPECT_EQ(Shown[0], Lost) << Case;
      else
        EXPECT_TRUE(Shown[0] == Expected()[0] || Shown[0] == Lost) << Case << ": " << Shown[0].Version;
      for (int I = 1; I < 7; ++I) EXPECT_EQ(Shown[I], Expected()[I]) << Case << ", row " << I;
      ClickCloseBox(Window);
    }
    EXPECT_EQ(First.WaitForExit(), 0u) << Case;
    EXPECT_EQ(Second.WaitForExit(), 0u) << Case;
    if (Held) ::CloseHandle(Holder);
    // The holder's file, or none: the winner deleted its own.
    EXPECT_EQ(::DeleteFileA(TempFile.c_str()) != 0, Held) << Case;
  }
}
