// Every registry value the program reads, against every type and shape a
// value can take: each reader either answers or raises its registry error,
// and the check run turns neither into an approved version.

#include "tests/app/AppTest.h"

#include "tests/common/Outcome.h"

#include "probes/QorAdobeReaderVersion.h"
#include "probes/QorDacVersion.h"
#include "probes/QorJreVersion.h"
#include "probes/QorVersionInternetExplorer.h"
#include "support/QORSettingsUnit.h"
#include "support/QorSystemUtils.h"
#include "vcl/Registry.h"

#include <cstdint>
#include <functional>
#include <map>

using namespace app_test;
using namespace testing_support;

namespace {

// What a reader makes of a value, whatever its stored type.
enum class TMeaning {
  Sound,      // the value read as meant
  Blank,      // read as the empty text
  WrongType,  // "Invalid data type for '%s'"
  NoData,     // "Failed to get data for '%s'": more than an integer's 4 bytes,
              // whatever the type
  Zero,       // an integer of no bytes reads as 0
  Huge,       // the 1 MiB text, read whole
};

// A reader's value as it should be stored, as text and as a number.
struct TSound {
  std::string Text;
  std::uint32_t Number;
};

const std::string& HugeText() {
  static const std::string Text(1 << 20, '9');
  return Text;
}

// Failure messages name the huge text instead of spelling it out.
std::string Shorten(std::string Text) {
  if (std::size_t At = Text.find(HugeText()); At != std::string::npos)
    Text.replace(At, HugeText().size(), "<1 MiB of text>");
  return Text;
}

std::vector<BYTE> Bytes(const std::string& Text) { return {Text.begin(), Text.end()}; }

struct TShape {
  const char* Name;
  std::function<TRawValue(const TSound&)> Make;
  TMeaning ForText;     // to a reader of text
  TMeaning ForInteger;  // to a reader of integers
};

using enum TMeaning;

const std::vector<TShape>& Shapes() {
  static const std::vector<TShape> List = {
      {"REG_SZ", [](const TSound& S) { return Sz(S.Text); }, Sound, NoData},
      {"REG_EXPAND_SZ", [](const TSound& S) { return ExpandSz(S.Text); }, Sound, NoData},
      {"REG_MULTI_SZ", [](const TSound& S) { return MultiSz({S.Text, "second"}); }, WrongType, NoData},
      {"REG_DWORD", [](const TSound& S) { return Dword(S.Number); }, WrongType, Sound},
      {"REG_QWORD", [](const TSound& S) { return Qword(S.Number); }, WrongType, NoData},
      {"REG_BINARY of the text", [](const TSound& S) { return Binary(Bytes(S.Text)); }, WrongType, NoData},
      {"REG_NONE of the number's 4 bytes",
       [](const TSound& S) { return TRawValue{REG_NONE, Dword(S.Number).Data}; }, WrongType, WrongType},
      {"zero-length REG_SZ", [](const TSound&) { return Empty(REG_SZ); }, Blank, WrongType},
      {"zero-length REG_DWORD", [](const TSound&) { return Empty(REG_DWORD); }, Blank, Zero},
      {"REG_SZ without its NUL", [](const TSound& S) { return SzNoNul(S.Text); }, Sound, NoData},
      {"REG_SZ with a NUL inside",
       [](const TSound& S) {
         std::string Text = S.Text;
         Text += '\0';
         Text += "garbage";
         return Sz(Text);
       },
       Sound, NoData},
      {"1 MiB of REG_SZ", [](const TSound&) { return Sz(HugeText()); }, Huge, NoData},
  };
  return List;
}

// The check run's answer: the rows, and the message of an error that ended it.
struct TRun {
  std::vector<TRow> Rows;
  std::string Raised;

  bool operator==(const TRun&) const = default;
};

void PrintTo(const TRun& Run, std::ostream* Out) {
  for (const TRow& Row : Run.Rows) {
    app_test::PrintTo(Row, Out);
    *Out << "\n";
  }
  if (!Run.Raised.empty()) *Out << "raised: " << Run.Raised;
}

// One row of the window, or the error that leaves the check run at it.
struct TShown {
  TRow Row;
  std::string Raised;
};

TShown Shows(int Index, std::string Version, std::string Status) {
  return {{Captions().at(Index), std::move(Version), std::move(Status)}, {}};
}
TShown Raises(int Index, std::string Message) { return {{Captions().at(Index), "", ""}, std::move(Message)}; }

std::string Invalid(const std::string& Name) {
  std::string Message = "ERegistryException:Invalid data type for '";
  return Message += Name + "'";
}
std::string Failed(const std::string& Name) {
  std::string Message = "ERegistryException:Failed to get data for '";
  return Message += Name + "'";
}

const char* const SettingsKey = "Software\\RurerididuTest\\Hostile";
const std::string SettingsPath = std::string(SettingsKey) + "\\";

// A value the program reads: where it lives, how it is read, what each
// meaning gives, and, for the probes, what the check run then shows.
struct TReader {
  const char* Name;
  bool ReadsInteger;
  HKEY Root;
  std::string Key;
  const char* Value;
  REGSAM View;
  TSound Stored;
  std::function<std::string()> Read;
  std::map<TMeaning, std::string> Answers;
  int Row;  // the window's row that shows it; -1: none
  std::map<TMeaning, TShown> Window;
};

// A machine with none of the components, where PDF files open with a
// program of the tests' own; the current folder is a scratch folder, so
// that a path from the root stays inside the prefix.
class HostileRegistryTest : public MachineTest {
protected:
  HostileRegistryTest() {
    char Previous[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, Previous);
    PreviousFolder_ = Previous;
    ::SetCurrentDirectoryA(Scratch.Path().c_str());
    // The process's one check of the temporary folder, on the system's own.
    RemoveTempFilePath();
    GetTempFolder();
  }
  ~HostileRegistryTest() override {
    RemoveTempFilePath();
    DeleteKey(HKEY_CURRENT_USER, SettingsKey, 0);
    ::SetCurrentDirectoryA(PreviousFolder_.c_str());
  }

  void Prepare() {
    SetUp();
    RemoveTempFilePath();
    DeleteKey(HKEY_CURRENT_USER, SettingsKey, 0);
    AssociatePdf(OtherProgram);
  }

  // The check run on a window made once: its cells are cleared first.
  TRun CheckRun(TSystemComponentsMainForm& Form) {
    for (int I = 0; I < 7; ++I) {
      vcl::TListItem& Item = Form.ListView->Item(I);
      Item.SetCaption(Captions()[I]);
      Item.SetSubItem(0, "");
      Item.SetSubItem(1, "");
    }
    TRun Run;
    try {
      Form.FormActivate(&Form);
    } catch (const vcl::Exception& E) {
      Run.Raised = E.Message;
    }
    for (int I = 0; I < 7; ++I) {
      const vcl::TListItem& Item = Form.ListView->Item(I);
      Run.Rows.push_back({Item.Caption(), Shorten(Item.SubItem(0)), Item.SubItem(1)});
    }
    return Run;
  }

  TScratchFolder Scratch;
  const std::string OtherProgram = FixturePath("version-65535.65535.65535.65535.exe");

private:
  std::string PreviousFolder_;
  TKeyBackup ProgId_{HKEY_LOCAL_MACHINE, PdfProgIdKey};
};

template <class T>
T Settings(std::function<T(TQORSettings&)> Read, const std::string& IniFile) {
  TQORSettings::Init(IniFile, HKEY_CURRENT_USER, SettingsPath, false, false);
  struct TDone {
    ~TDone() { TQORSettings::Done(); }
  } Done;
  return Read(TQORSettings::GetInstance());
}

}  // namespace

TEST_F(HostileRegistryTest, EveryValueReadOfEveryTypeAnswersOrRaisesAndIsNeverApprovedGarbage) {
  const std::string ReaderFolder = FixturePath("reader-11.0.23.18");
  const std::string JreFile = FixturePath("no-version.dll");
  const std::string IniFile = Scratch.Path() + "settings.ini";
  const std::string Unknown = "Okänt fel";
  const TShown ReaderByAssociation = Shows(0, "65535.65535.65535.65535", Approved);
  const TShown ReaderNotChecked = Shows(0, Unknown, NotChecked);

  const std::vector<TReader> Readers = {
      {"App Paths \"Path\"", false, HKEY_LOCAL_MACHINE, ReaderKey, "Path", KEY_WOW64_32KEY, {ReaderFolder, 7},
       [] { return Outcome(GetAdobeReaderVersion); },
       {{Sound, "value:11.0.23.18"}, {Blank, "value:"}, {WrongType, Invalid("Path")}, {Huge, "value:"}},
       0,
       // A "Path" that is there, however unusable, keeps the association out.
       {{Sound, Shows(0, "11.0.23.18", Approved)},
        {Blank, Shows(0, "", NotInstalled)},
        {WrongType, ReaderNotChecked},
        {Huge, Shows(0, "", NotInstalled)}}},
      {"MDAC \"FullInstallVer\"", false, HKEY_LOCAL_MACHINE, DataAccessKey, "FullInstallVer",
       KEY_WOW64_32KEY, {"2.81.1117.0", 7},
       [] { return Outcome(GetDacFullInstallVersion); },
       {{Sound, "value:2.81.1117.0"},
        {Blank, "value:"},
        {WrongType, Invalid("FullInstallVer")},
        {Huge, "value:<1 MiB of text>"}},
       1,
       // Whatever is unusable here counts as no full install: the plain
       // "Version", absent, decides.
       {{Sound, {{Captions()[1] + " (full install)", "2.81.1117.0", Approved}, {}}},
        {Blank, Shows(1, "", NotInstalled)},
        {WrongType, Shows(1, "", NotInstalled)},
        {Huge, Shows(1, "", NotInstalled)}}},
      {"MDAC \"Version\"", false, HKEY_LOCAL_MACHINE, DataAccessKey, "Version", KEY_WOW64_32KEY,
       {"2.81.1117.0", 7},
       [] { return Outcome(GetDacVersion); },
       {{Sound, "value:2.81.1117.0"},
        {Blank, "value:"},
        {WrongType, Invalid("Version")},
        {Huge, "value:<1 MiB of text>"}},
       1,
       {{Sound, Shows(1, "2.81.1117.0", Approved)},
        {Blank, Shows(1, "", NotInstalled)},
        {WrongType, Shows(1, Unknown, NotChecked)},
        {Huge, Shows(1, "<1 MiB of text>", NotChecked)}}},
      {"JRE \"JrePath\"", false, HKEY_LOCAL_MACHINE, JreKey, "JrePath", KEY_WOW64_32KEY, {JreFile, 7},
       [] { return Outcome(IsJreInstalled); },
       {{Sound, "true"}, {Blank, "false"}, {WrongType, Invalid("JrePath")}, {Huge, "false"}},
       3,
       {{Sound, Shows(3, "1.3.0", Approved)},
        {Blank, Shows(3, "", NotInstalled)},
        {WrongType, Raises(3, "Invalid data type for 'JrePath'")},
        {Huge, Shows(3, "", NotInstalled)}}},
      {"Internet Explorer \"Version\"", false, HKEY_LOCAL_MACHINE, InternetExplorerKey, "Version",
       KEY_WOW64_32KEY, {"9.11.9600.18376", 7},
       [] { return Outcome(GetInternetExplorerVersion); },
       {{Sound, "value:9.11.9600.18376"},
        {Blank, "value:"},
        {WrongType, "value:Unknown"},
        {Huge, "value:<1 MiB of text>"}},
       4,
       {{Sound, Shows(4, "9.11.9600.18376", Approved)},
        {Blank, Shows(4, "", NotInstalled)},
        {WrongType, Shows(4, "Unknown", NotChecked)},
        {Huge, Shows(4, "<1 MiB of text>", NotChecked)}}},
      {".NET 4 \"Release\"", true, HKEY_LOCAL_MACHINE, DotNet4FullKey, "Release", KEY_WOW64_32KEY,
       {"528040", 528040},
       [] { return Outcome(TSystemComponentsMainForm::GetDotNet4Release); },
       {{Sound, "value:528040"}, {Zero, "value:0"}, {WrongType, Invalid("Release")}, {NoData, Failed("Release")}},
       6,
       {{Sound, Shows(6, "528040", Approved)},
        {Zero, Shows(6, "0", NotInstalled)},
        {WrongType, Raises(6, "Invalid data type for 'Release'")},
        {NoData, Raises(6, "Failed to get data for 'Release'")}}},
      // Without App Paths the Reader row asks the association, in the
      // temporary folder that "TempFilePath" names.
      {"\"TempFilePath\"", false, HKEY_CURRENT_USER, "", "TempFilePath", 0, {Scratch.Path(), 7},
       [] { return Outcome([] { return GetTempFolder(""); }); },
       {{Sound, "value:" + Scratch.Path()},
        {Blank, "value:\\"},  // the root of the current drive
        {WrongType, Invalid("TempFilePath")},
        {Huge, "value:<1 MiB of text>\\"}},
       0,
       {{Sound, ReaderByAssociation},
        {Blank, ReaderByAssociation},
        {WrongType, ReaderNotChecked},
        {Huge, ReaderNotChecked}}},  // no file can be made there
      // The settings store in registry mode, over an INI file that does not
      // exist: what the registry cannot give, the default does.
      {"settings store ReadString", false, HKEY_CURRENT_USER, SettingsPath + "Main", "Name", 0,
       {"text", 7},
       [&IniFile] {
         return Outcome([&IniFile] {
           return Settings<std::string>(
               [](TQORSettings& S) { return S.ReadString("Main", "Name", "default", false); }, IniFile);
         });
       },
       {{Sound, "value:text"},
        {Blank, "value:default"},
        {WrongType, "value:default"},
        {Huge, "value:<1 MiB of text>"}},
       -1,
       {}},
      {"settings store ReadInteger", true, HKEY_CURRENT_USER, SettingsPath + "Main", "Name", 0,
       {"528040", 528040},
       [&IniFile] {
         return Outcome([&IniFile] {
           return Settings<int>([](TQORSettings& S) { return S.ReadInteger("Main", "Name", -1, false); },
                                IniFile);
         });
       },
       {{Sound, "value:528040"}, {Zero, "value:0"}, {WrongType, "value:-1"}, {NoData, "value:-1"}},
       -1,
       {}},
  };

  auto Form = NewWindow();
  // No component but the association's program: what every row shows
  // unless the value at hand changes it.
  std::vector<TRow> Absent;
  for (int I = 0; I < 7; ++I) Absent.push_back(Shows(I, "", NotInstalled).Row);
  Absent[0] = ReaderByAssociation.Row;

  for (const TReader& R : Readers) {
    for (const TShape& Shape : Shapes()) {
      const TMeaning Meaning = R.ReadsInteger ? Shape.ForInteger : Shape.ForText;
      const std::string Cell = std::string(R.Name) + ", " + Shape.Name;
      Prepare();
      SetValue(R.Root, R.Key, R.Value, Shape.Make(R.Stored), R.View);

      EXPECT_EQ(Shorten(R.Read()), R.Answers.at(Meaning)) << Cell;
      if (R.Row < 0) continue;

      const TShown& Shown = R.Window.at(Meaning);
      TRun Expected{Absent, Shown.Raised};
      Expected.Rows[R.Row] = Shown.Row;
      // An error ends the run: the rows after it keep their empty cells.
      if (!Shown.Raised.empty())
        for (int I = R.Row + 1; I < 7; ++I) Expected.Rows[I] = Raises(I, "").Row;
      EXPECT_EQ(CheckRun(*Form), Expected) << Cell;
    }
  }
}
