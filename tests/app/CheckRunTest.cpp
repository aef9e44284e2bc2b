// The check run on machines prepared in the test prefix, read back from the
// list's cells and from the list as it renders.

#include "tests/app/AppTest.h"

#include "tests/common/DialogDriver.h"
#include "tests/common/Rendering.h"

#include <functional>
#include <optional>
#include <set>
#include <stdexcept>

using namespace app_test;
using namespace testing_support;

namespace {

constexpr COLORREF Green = RGB(0, 128, 0);
constexpr COLORREF Red = RGB(255, 0, 0);

std::string SystemFolder() {
  char Folder[MAX_PATH];
  if (::GetSystemDirectoryA(Folder, MAX_PATH) == 0) throw std::runtime_error("no system folder");
  return std::string(Folder) + "\\";
}

// A value to store, or with no name a key that only exists.
struct TStored {
  const char* Key;
  const char* Name;
  TRawValue Data;
  REGSAM View = KEY_WOW64_32KEY;
};

struct TMachine {
  const char* Name;
  std::vector<TStored> Stored;
  const char* Jet;  // the fixture placed as msjet40.dll, or none
  std::vector<TRow> Expected;
};

TRow Row(int Index, std::string Version, std::string Status) {
  return {Captions().at(Index), std::move(Version), std::move(Status)};
}

TRow FullInstallRow(std::string Version) {
  return {Captions()[1] + " (full install)", std::move(Version), Approved};
}

std::vector<TRow> AllAbsent() {
  std::vector<TRow> Rows;
  for (int I = 0; I < 7; ++I) Rows.push_back(Row(I, "", NotInstalled));
  return Rows;
}

std::vector<TMachine> Machines() {
  const std::string ReaderFolder = FixturePath("reader-11.0.23.18");
  const std::string AnyFile = FixturePath("no-version.dll");
  const std::string AFolder = ProgramFolder();
  return {
      {"every component absent", {}, nullptr, AllAbsent()},
      {"every component approved",
       {{ReaderKey, "Path", Sz(ReaderFolder)},
        {DataAccessKey, "FullInstallVer", Sz("2.81.1117.0")},
        {DataAccessKey, "Version", Sz("2.81.1117.0")},
        {JreKey, "JrePath", Sz(AnyFile)},
        {InternetExplorerKey, "Version", Sz("9.11.9600.18376")},
        {DotNet2Key, nullptr, {}},
        {DotNet4FullKey, "Release", Dword(528040)}},
       "msjet40-4.0.8015.0.dll",
       {Row(0, "11.0.23.18", Approved), FullInstallRow("2.81.1117.0"), Row(2, "4.0.8015.0", Approved),
        Row(3, "1.3.0", Approved), Row(4, "9.11.9600.18376", Approved), Row(5, "", Approved),
        Row(6, "528040", Approved)}},
      {"every version below its threshold",
       {{ReaderKey, "Path", Sz(AFolder)},  // a folder without the reader in it
        {DataAccessKey, "FullInstallVer", Sz("2.60.6526.0")},
        {DataAccessKey, "Version", Sz("2.53.6200.0")},
        {JreKey, "JrePath", Sz(AFolder)},
        {InternetExplorerKey, "Version", Sz("4.71.1712.6")},
        {DotNet4FullKey, "Release", Dword(379892)}},
       "msjet40-4.0.8014.9.dll",
       // A too low MDAC version is not shown.
       {Row(0, "", NotInstalled), Row(1, "", NotInstalled), Row(2, "4.0.8014.9", LaterVersionRequired),
        Row(3, "", NotInstalled), Row(4, "4.71.1712.6", LaterVersionRequired), Row(5, "", NotInstalled),
        Row(6, "379892", NotInstalled)}},
      {"every version exactly at its threshold",
       {{DataAccessKey, "FullInstallVer", Sz("2.6999")},  // MDAC needs more than this
        {DataAccessKey, "Version", Sz("2.7")},
        {InternetExplorerKey, "Version", Sz("4.72.3612.1713")},
        {DotNet4FullKey, "Release", Dword(379893)}},
       "msjet40-4.0.8015.0.dll",
       {Row(0, "", NotInstalled), Row(1, "2.7", Approved), Row(2, "4.0.8015.0", Approved),
        Row(3, "", NotInstalled), Row(4, "4.72.3612.1713", Approved), Row(5, "", NotInstalled),
        Row(6, "379893", Approved)}},
      {"versions compared as texts, not numbers",
       {{DataAccessKey, "FullInstallVer", Sz("10.0")},
        {DataAccessKey, "Version", Sz("2.8")},
        {InternetExplorerKey, "Version", Sz("11.0")},
        {DotNet4FullKey, "Release", Dword(0x80000000u)}},  // read as a signed number
       "msjet40-4.0.10000.0.dll",
       {Row(0, "", NotInstalled), Row(1, "2.8", Approved), Row(2, "4.0.10000.0", LaterVersionRequired),
        Row(3, "", NotInstalled), Row(4, "11.0", LaterVersionRequired), Row(5, "", NotInstalled),
        Row(6, "-2147483648", NotInstalled)}},
      {"blank values",
       {{ReaderKey, "Path", Sz("")},  // names "\AcroRd32.exe", which is not there
        {DataAccessKey, "FullInstallVer", Sz("")},
        {DataAccessKey, "Version", Empty(REG_SZ)},
        {JreKey, "JrePath", Sz("")},
        {InternetExplorerKey, "Version", Empty(REG_DWORD)},
        {DotNet2Key, nullptr, {}},  // its contents are not looked at
        {DotNet4Key, nullptr, {}}},  // without "Full": release 0
       nullptr,
       {Row(0, "", NotInstalled), Row(1, "", NotInstalled), Row(2, "", NotInstalled),
        Row(3, "", NotInstalled), Row(4, "", NotInstalled), Row(5, "", Approved),
        Row(6, "0", NotInstalled)}},
      {"values of the wrong type: never taken for installed",
       {{ReaderKey, "Path", Dword(1)},
        {DataAccessKey, "FullInstallVer", Dword(3)},  // counts as no full-install version
        {DataAccessKey, "Version", Sz("2.8")},
        {InternetExplorerKey, "Version", Dword(9)}},
       nullptr,
       {Row(0, "Okänt fel", NotChecked), Row(1, "2.8", Approved), Row(2, "", NotInstalled),
        Row(3, "", NotInstalled), Row(4, "Unknown", NotChecked), Row(5, "", NotInstalled),
        Row(6, "", NotInstalled)}},
      {"texts that are no versions: never taken for installed",
       {{DataAccessKey, "FullInstallVer", Sz("x2.81")},  // counts as no full-install version
        {DataAccessKey, "Version", Sz("2.81.1117.0.1")},
        {InternetExplorerKey, "Version", Sz("9.11.123456.0")}},
       nullptr,
       {Row(0, "", NotInstalled), Row(1, "2.81.1117.0.1", NotChecked), Row(2, "", NotInstalled),
        Row(3, "", NotInstalled), Row(4, "9.11.123456.0", NotChecked), Row(5, "", NotInstalled),
        Row(6, "", NotInstalled)}},
      {"neither MDAC value readable",
       {{DataAccessKey, "FullInstallVer", Dword(3)}, {DataAccessKey, "Version", Dword(3)}},
       nullptr,
       {Row(0, "", NotInstalled), Row(1, "Okänt fel", NotChecked), Row(2, "", NotInstalled),
        Row(3, "", NotInstalled), Row(4, "", NotInstalled), Row(5, "", NotInstalled),
        Row(6, "", NotInstalled)}},
      // App Paths, which the Reader row reads, is one key in both views.
      {"keys only in the 64-bit view",
       {{DataAccessKey, "FullInstallVer", Sz("2.81.1117.0"), KEY_WOW64_64KEY},
        {JreKey, "JrePath", Sz(AnyFile), KEY_WOW64_64KEY},
        {InternetExplorerKey, "Version", Sz("9.11.9600.18376"), KEY_WOW64_64KEY},
        {DotNet2Key, nullptr, {}, KEY_WOW64_64KEY},
        {DotNet4FullKey, "Release", Dword(528040), KEY_WOW64_64KEY}},
       nullptr,
       AllAbsent()},
  };
}

class CheckRunTest : public MachineTest {
protected:
  void Prepare(const std::vector<TStored>& Stored) {
    SetUp();
    for (const TStored& S : Stored) {
      if (S.Name)
        SetValue(HKEY_LOCAL_MACHINE, S.Key, S.Name, S.Data, S.View);
      else
        CreateKey(HKEY_LOCAL_MACHINE, S.Key, S.View);
    }
  }
};

// The status cells as the list draws them: green for the approved text,
// red for any other; the version column in neither.
void ExpectColoursAsDrawn(const TSystemComponentsMainForm& Form, const std::string& Machine) {
  HWND List = Form.ListView->Handle();
  TRendering Shown(List);
  for (int I = 0; I < 7; ++I) {
    std::set<COLORREF> Status = Shown.Colours(ListCellRect(List, I, 2));
    std::set<COLORREF> Version = Shown.Colours(ListCellRect(List, I, 1));
    bool IsApproved = ListCellText(List, I, 2) == Approved;
    EXPECT_EQ(Status.contains(Green), IsApproved) << Machine << ", row " << I;
    EXPECT_EQ(Status.contains(Red), !IsApproved) << Machine << ", row " << I;
    EXPECT_FALSE(Version.contains(Green) || Version.contains(Red)) << Machine << ", row " << I;
  }
}

}  // namespace

TEST_F(CheckRunTest, FillsEveryRowWhenTheWindowIsFirstShown) {
  for (const TMachine& M : Machines()) {
    Prepare(M.Stored);
    std::optional<TPlacedFile> Jet;
    if (M.Jet) Jet.emplace(FixturePath(M.Jet), SystemFolder() + "msjet40.dll");
    auto Form = NewWindow();
    Form->Show();
    // Filled while the window was being shown, before it first painted.
    EXPECT_TRUE(::GetUpdateRect(Form->ListView->Handle(), nullptr, FALSE)) << M.Name;
    EXPECT_EQ(Rows(*Form), M.Expected) << M.Name;
    ExpectColoursAsDrawn(*Form, M.Name);
  }
}

TEST_F(CheckRunTest, AnUnguardedProbeThatRaisesEndsTheRunInOneErrorBox) {
  struct TCase {
    const char* Name;
    std::vector<TStored> Stored;
    std::string Message;
    int RowsDone;
  };
  const TCase Cases[] = {
      {"JrePath of the wrong type", {{JreKey, "JrePath", Dword(1)}}, "Invalid data type for 'JrePath'", 3},
      {"Release missing", {{DotNet4FullKey, nullptr, {}}}, "Failed to get data for 'Release'", 6},
      {"Release of the wrong type", {{DotNet4FullKey, "Release", Sz("1")}},
       "Invalid data type for 'Release'", 6},
  };
  for (const TCase& C : Cases) {
    Prepare(C.Stored);
    auto Form = NewWindow();
    // The program file is "APP_Tests.Window.exe".
    TDialogDriver Box("App_tests", TDialogDriver::Click(IDOK));
    Form->Show();
    ASSERT_TRUE(Box.Found()) << C.Name;
    EXPECT_EQ(Box.Seen().Texts, std::vector<std::string>{C.Message}) << C.Name;  // no full stop after "'"
    EXPECT_EQ(Box.Seen().Buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(Box.Seen().HasIcon);

    std::vector<TRow> Shown = Rows(*Form);
    for (int I = 0; I < 7; ++I) {
      if (I < C.RowsDone)
        EXPECT_EQ(Shown[I], Row(I, "", NotInstalled)) << C.Name;
      else
        EXPECT_EQ(Shown[I], Row(I, "", "")) << C.Name;
    }
    EXPECT_TRUE(::IsWindowVisible(Form->Handle()));
  }
}

TEST_F(CheckRunTest, RunsOnceEvenWhenTheFocusLeavesAndComesBack) {
  Prepare({{DataAccessKey, "FullInstallVer", Sz("2.81.1117.0")}});
  auto Form = NewWindow();
  Form->Show();
  const std::vector<TRow> First = Rows(*Form);
  ASSERT_EQ(First[1], FullInstallRow("2.81.1117.0"));

  {
    TOtherWindow Other;
    ::SetActiveWindow(Other.Handle());
    ::SetActiveWindow(Form->Handle());
  }
  {
    TDialogDriver Box("App_tests", TDialogDriver::Click(IDOK));
    vcl::Application->HandleException(std::make_exception_ptr(vcl::Exception("A dialog of ours")));
  }
  ::SetActiveWindow(Form->Handle());
  PumpMessages();
  // A second run would have added the suffix again.
  EXPECT_EQ(Rows(*Form), First);
}
