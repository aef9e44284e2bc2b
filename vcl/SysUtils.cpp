#include "vcl/SysUtils.h"

#include <cstddef>

namespace vcl {

namespace {

[[noreturn]] void InvalidFormat(std::string_view Fmt) {
  throw EConvertError("Format '" + std::string(Fmt) + "' invalid or incompatible with argument");
}

}  // namespace

std::string Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args) {
  std::string Result;
  std::size_t NextArg = 0;
  for (std::size_t I = 0; I < Fmt.size(); ++I) {
    char C = Fmt[I];
    if (C != '%') {
      Result += C;
      continue;
    }
    if (++I == Fmt.size()) InvalidFormat(Fmt);
    if (Fmt[I] == '%') {
      Result += '%';
      continue;
    }
    // An explicit index ("%1:s") moves the implicit argument counter on.
    std::size_t Start = I;
    std::size_t Index = 0;
    while (I < Fmt.size() && Fmt[I] >= '0' && Fmt[I] <= '9' && I - Start < 9)
      Index = Index * 10 + static_cast<std::size_t>(Fmt[I++] - '0');
    if (I < Fmt.size() && Fmt[I] == ':' && I > Start) {
      NextArg = Index;
      ++I;
    } else if (I != Start) {
      InvalidFormat(Fmt);
    }
    if (I == Fmt.size() || NextArg >= Args.size()) InvalidFormat(Fmt);
    const TFormatArg& Arg = Args.begin()[NextArg++];
    switch (Fmt[I]) {
      case 's':
      case 'S':
        if (!std::holds_alternative<std::string>(Arg)) InvalidFormat(Fmt);
        Result += std::get<std::string>(Arg);
        break;
      case 'd':
      case 'D':
        if (!std::holds_alternative<int>(Arg)) InvalidFormat(Fmt);
        Result += IntToStr(std::get<int>(Arg));
        break;
      default:
        InvalidFormat(Fmt);
    }
  }
  return Result;
}

std::string IntToStr(int Value) { return std::to_string(Value); }

}  // namespace vcl
