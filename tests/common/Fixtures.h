#pragma once
// The files that tests/fixtures builds, and putting them where a probe looks.

#include <filesystem>
#include <string>

namespace testing_support {

// The folder of the running test program, ending in a backslash.
std::string ProgramFolder();
// A file of tests/fixtures, from the folder "fixtures" beside the test program.
std::string FixturePath(const std::string& Name);

// A copy of Source at Target for the life of the object. A file already at
// Target is moved aside and put back afterwards.
class TPlacedFile {
public:
  TPlacedFile(const std::string& Source, std::string Target);
  ~TPlacedFile();
  TPlacedFile(const TPlacedFile&) = delete;
  TPlacedFile& operator=(const TPlacedFile&) = delete;

private:
  std::string Target_;
  std::string Saved_;
};

// An empty folder of the test's own under the temporary folder, removed with
// everything in it afterwards.
class TScratchFolder {
public:
  TScratchFolder();
  ~TScratchFolder();
  TScratchFolder(const TScratchFolder&) = delete;
  TScratchFolder& operator=(const TScratchFolder&) = delete;

  // Ends in a backslash.
  std::string Path() const { return Folder_.string() + "\\"; }

private:
  std::filesystem::path Folder_;
};

}  // namespace testing_support
