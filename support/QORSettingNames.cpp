#include "support/QORSettingNames.h"

#include "vcl/SysUtils.h"

std::string EscapeSettingName(const std::string& Name, bool Escape) {
  if (!Escape) return Name;
  std::string Result;
  Result.reserve(Name.size());
  for (char C : Name) {
    if (C == '#')
      Result += "##";
    else if (C == '\\')
      Result += "#0";
    else
      Result += C;
  }
  return Result;
}

std::string BlankToDefault(std::string Value, const std::string& Default) {
  return vcl::Trim(Value).empty() ? Default : Value;
}
