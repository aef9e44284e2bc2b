#pragma once
// What the main window's tests share: a machine whose probed keys are saved
// in both registry views, cleared for the test and put back afterwards, and
// the window made and shown as the program does.

#include "app/MainFormUnit.h"

#include "tests/common/Fixtures.h"
#include "tests/common/Machine.h"
#include "tests/common/RegistryBackup.h"
#include "tests/common/RegistryFixture.h"
#include "tests/common/WindowTesting.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace app_test {

using namespace testing_support;

inline const char* const Approved = "Godkänd version installerad";
inline const char* const NotInstalled = "Ej installerad";
inline const char* const LaterVersionRequired = "Senare version krävs";
inline const char* const NotChecked = "Kunde inte kontrolleras";

// Each test starts on a machine with none of the components in either view.
class MachineTest : public ::testing::Test {
protected:
  MachineTest() {
    for (const char* Key : {ReaderKey, DataAccessKey, JreKey, InternetExplorerKey, DotNet2Key, DotNet4Key})
      for (REGSAM View : {KEY_WOW64_32KEY, KEY_WOW64_64KEY})
        Backups_.push_back(std::make_unique<testing_support::TKeyBackup>(HKEY_LOCAL_MACHINE, Key, View));
    Backups_.push_back(std::make_unique<testing_support::TKeyBackup>(HKEY_LOCAL_MACHINE, PdfClassKey));
  }
  void SetUp() override {
    for (const char* Key : {ReaderKey, DataAccessKey, JreKey, InternetExplorerKey, DotNet2Key, DotNet4Key})
      for (REGSAM View : {KEY_WOW64_32KEY, KEY_WOW64_64KEY})
        testing_support::DeleteKey(HKEY_LOCAL_MACHINE, Key, View);
    testing_support::DeleteKey(HKEY_LOCAL_MACHINE, PdfClassKey);
  }

private:
  std::vector<std::unique_ptr<testing_support::TKeyBackup>> Backups_;
};

// The window as the program makes it (OnCreate included), not yet shown.
inline std::unique_ptr<TSystemComponentsMainForm> NewWindow() {
  return vcl::MakeForm<TSystemComponentsMainForm>();
}

// A row's three cells as the list control holds them.
struct TRow {
  std::string Caption;
  std::string Version;
  std::string Status;

  bool operator==(const TRow&) const = default;
};

inline void PrintTo(const TRow& Row, std::ostream* Out) {
  *Out << "{\"" << Row.Caption << "\", \"" << Row.Version << "\", \"" << Row.Status << "\"}";
}

inline std::vector<TRow> Rows(const TSystemComponentsMainForm& Form) {
  std::vector<TRow> Result;
  HWND List = Form.ListView->Handle();
  for (int I = 0; I < static_cast<int>(::SendMessageA(List, LVM_GETITEMCOUNT, 0, 0)); ++I)
    Result.push_back({testing_support::ListCellText(List, I, 0), testing_support::ListCellText(List, I, 1),
                      testing_support::ListCellText(List, I, 2)});
  return Result;
}

inline const std::vector<std::string>& Captions() {
  static const std::vector<std::string> Texts = {
      "Adobe Reader",
      "Microsoft Data Access Components (MDAC)",
      "Microsoft Jet Database Engine (JET)",
      "IBM Java Runtime Environment (JRE) Ostervanes distribution",
      "Microsoft Internet Explorer",
      "Microsoft .NET Framework 2",
      "Microsoft .NET Framework 4",
  };
  return Texts;
}

}  // namespace app_test
