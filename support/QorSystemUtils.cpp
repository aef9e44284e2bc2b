#include "support/QorSystemUtils.h"

#include "support/QORMessagesUnit.h"
#include "support/QORSettingsUnit.h"
#include "support/QorSupportState.h"
#include "support/QorSystemStrings.h"

#include "vcl/Files.h"
#include "vcl/SysUtils.h"

namespace {

// Creates Folder with its parents; when that fails, tells the user and
// answers the system's temporary folder instead.
std::string CreatedOrWindowsTemp(const std::string& Folder, int MsgNo) {
  if (vcl::ForceDirectories(Folder)) return Folder;
  TQORMessages::ShowMsg(mkError, MsgNo,
                        vcl::Format(SQorCannotCreateTempPath, {Folder, GetWindowsTempFolder()}), "", "");
  return vcl::IncludeTrailingBackslash(GetWindowsTempFolder());
}

}  // namespace

std::string GetWindowsTempFolder() { return vcl::GetTempDirectory(); }

std::string GetTempFolder(const std::string& SubFolder) {
  const std::string Default = TempFolderOverride.empty() ? GetWindowsTempFolder() : TempFolderOverride;
  std::string Folder = vcl::IncludeTrailingBackslash(ReadAppSettingString("TempFilePath", Default, false));
  if (!TempFolderChecked) {
    // Once per process, whatever the outcome.
    TempFolderChecked = true;
    Folder = CreatedOrWindowsTemp(Folder, 1715);
  }
  if (!SubFolder.empty()) Folder = CreatedOrWindowsTemp(vcl::IncludeTrailingBackslash(Folder + SubFolder), 1716);
  return Folder;
}
