#include "tests/common/Fixtures.h"

#include <windows.h>

#include <stdexcept>

namespace testing_support {

std::string ProgramFolder() {
  char Buffer[MAX_PATH];
  DWORD Length = ::GetModuleFileNameA(nullptr, Buffer, MAX_PATH);
  if (Length == 0 || Length == MAX_PATH) throw std::runtime_error("cannot find the test program");
  std::string Path(Buffer, Length);
  return Path.substr(0, Path.find_last_of('\\') + 1);
}

std::string FixturePath(const std::string& Name) {
  std::string Path = ProgramFolder() + "fixtures\\" + Name;
  if (::GetFileAttributesA(Path.c_str()) == INVALID_FILE_ATTRIBUTES)
    throw std::runtime_error("no fixture " + Path + " (rurerididu_use_fixtures in CMake?)");
  return Path;
}

TPlacedFile::TPlacedFile(const std::string& Source, std::string Target) : Target_(std::move(Target)) {
  if (::GetFileAttributesA(Target_.c_str()) != INVALID_FILE_ATTRIBUTES) {
    Saved_ = Target_ + ".saved-by-test";
    if (!::MoveFileExA(Target_.c_str(), Saved_.c_str(), MOVEFILE_REPLACE_EXISTING))
      throw std::runtime_error("cannot move " + Target_ + " aside");
  }
  if (!::CopyFileA(Source.c_str(), Target_.c_str(), FALSE)) {
    if (!Saved_.empty()) ::MoveFileExA(Saved_.c_str(), Target_.c_str(), MOVEFILE_REPLACE_EXISTING);
    throw std::runtime_error("cannot copy " + Source + " to " + Target_);
  }
}

TPlacedFile::~TPlacedFile() {
  ::DeleteFileA(Target_.c_str());
  if (!Saved_.empty()) ::MoveFileExA(Saved_.c_str(), Target_.c_str(), MOVEFILE_REPLACE_EXISTING);
}

TScratchFolder::TScratchFolder() {
  static int Count = 0;
  Folder_ = std::filesystem::temp_directory_path() /
            ("rurerididu-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
             std::to_string(++Count));
  std::filesystem::remove_all(Folder_);
  std::filesystem::create_directories(Folder_);
}

TScratchFolder::~TScratchFolder() {
  std::error_code Ignored;
  std::filesystem::remove_all(Folder_, Ignored);
}

}  // namespace testing_support
