#include "tests/common/Machine.h"

#include "tests/common/RegistryFixture.h"

namespace testing_support {

void AssociatePdf(const std::string& Program) {
  SetValue(HKEY_LOCAL_MACHINE, PdfClassKey, "", Sz("RurerididuTest.PdfFile"));
  std::string Command = "\"" + Program;
  Command += "\" \"%1\"";
  SetValue(HKEY_LOCAL_MACHINE, std::string(PdfProgIdKey) + "\\shell\\open\\command", "", Sz(Command));
}

void SetTempFilePath(const std::string& Folder) {
  SetValue(HKEY_CURRENT_USER, "", "TempFilePath", Sz(Folder), 0);
}

void RemoveTempFilePath() { ::RegDeleteKeyValueA(HKEY_CURRENT_USER, nullptr, "TempFilePath"); }

}  // namespace testing_support
