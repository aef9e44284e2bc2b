#include "vcl/IniFiles.h"

#include <windows.h>

#include <algorithm>

namespace vcl {

std::string TIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                 const std::string& Default) const {
  char Buffer[2048];
  DWORD Copied = ::GetPrivateProfileStringA(Section.c_str(), Ident.c_str(), Default.c_str(), Buffer,
                                            sizeof(Buffer), FileName_.c_str());
  return std::string(Buffer, std::min<DWORD>(Copied, sizeof(Buffer) - 1));
}

void TIniFile::WriteString(const std::string& Section, const std::string& Ident,
                           const std::string& Value) const {
  if (!::WritePrivateProfileStringA(Section.c_str(), Ident.c_str(), Value.c_str(),
                                    FileName_.c_str()))
    throw EIniFileException(Format("Unable to write to %s", {FileName_}));
}

}  // namespace vcl
