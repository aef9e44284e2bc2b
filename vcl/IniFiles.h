#pragma once
// Profile (INI) files through the profile API. Nothing is held between
// calls: every read and write goes to the file.

#include "vcl/SysUtils.h"

#include <string>

namespace vcl {

class EIniFileException : public Exception {
public:
  using Exception::Exception;
};

class TIniFile {
public:
  explicit TIniFile(std::string FileName) : FileName_(std::move(FileName)) {}

  const std::string& FileName() const { return FileName_; }

  // The value as the profile API copies it into 2048 characters (so at most
  // 2047), or Default when the file, the section or the name is missing.
  std::string ReadString(const std::string& Section, const std::string& Ident,
                         const std::string& Default) const;
  // Raises EIniFileException when the profile API refuses the write.
  void WriteString(const std::string& Section, const std::string& Ident,
                   const std::string& Value) const;

private:
  std::string FileName_;
};

}  // namespace vcl
