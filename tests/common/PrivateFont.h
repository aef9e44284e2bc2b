#pragma once
// A font family of any name, seen by this process only: a copy of a
// TrueType file whose name table is replaced, added with FR_PRIVATE for the
// life of the object. Lets a test make a font appear that the machine lacks.

#include <string>

namespace testing_support {

class TPrivateFont {
public:
  TPrivateFont(const std::string& SourceTtf, const std::string& Family);
  ~TPrivateFont();
  TPrivateFont(const TPrivateFont&) = delete;
  TPrivateFont& operator=(const TPrivateFont&) = delete;

private:
  std::string Path_;
};

}  // namespace testing_support
