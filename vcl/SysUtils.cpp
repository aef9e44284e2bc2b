#include "vcl/SysUtils.h"

#include <cstddef>
#include <cstdint>

namespace vcl {

namespace {

// The digit's value in the given base, or -1.
int DigitValue(char C, bool Hex) {
  if (C >= '0' && C <= '9') return C - '0';
  if (!Hex) return -1;
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  return -1;
}

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

bool TryStrToInt(std::string_view Text, int& Value) {
  std::size_t I = 0;
  while (I < Text.size() && Text[I] == ' ') ++I;
  bool Negative = false;
  if (I < Text.size() && (Text[I] == '+' || Text[I] == '-')) Negative = Text[I++] == '-';
  bool Hex = false;
  if (I < Text.size() && (Text[I] == '$' || Text[I] == 'x' || Text[I] == 'X')) {
    Hex = true;
    ++I;
  } else if (Text.size() - I >= 2 && Text[I] == '0' && (Text[I + 1] == 'x' || Text[I + 1] == 'X')) {
    Hex = true;
    I += 2;
  }
  if (I == Text.size()) return false;
  const std::uint64_t Limit = Hex ? 0xFFFFFFFFu : Negative ? 2147483648u : 2147483647u;
  std::uint64_t Number = 0;
  for (; I < Text.size(); ++I) {
    int Digit = DigitValue(Text[I], Hex);
    if (Digit < 0) return false;
    Number = Number * (Hex ? 16 : 10) + static_cast<std::uint64_t>(Digit);
    if (Number > Limit) return false;
  }
  std::uint32_t Bits = static_cast<std::uint32_t>(Number);
  if (Negative) Bits = 0u - Bits;
  Value = static_cast<int>(Bits);
  return true;
}

int CompareStr(std::string_view A, std::string_view B) {
  for (std::size_t I = 0; I < A.size() && I < B.size(); ++I) {
    int Difference = static_cast<unsigned char>(A[I]) - static_cast<unsigned char>(B[I]);
    if (Difference != 0) return Difference;
  }
  return A.size() < B.size() ? -1 : A.size() > B.size() ? 1 : 0;
}

std::string Trim(std::string_view Text) {
  auto Blank = [](char C) { return static_cast<unsigned char>(C) <= 32; };
  std::size_t First = 0, Last = Text.size();
  while (First < Last && Blank(Text[First])) ++First;
  while (Last > First && Blank(Text[Last - 1])) --Last;
  return std::string(Text.substr(First, Last - First));
}

}  // namespace vcl
