#pragma once
// The class library's base error classes and text routines. Nothing here
// calls Win32, so the routines also build natively (for fuzzing).

#include <exception>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace vcl {

// The base of every error the system raises; carries only its message.
class Exception : public std::exception {
public:
  explicit Exception(std::string Msg) : Message(std::move(Msg)) {}
  const char* what() const noexcept override { return Message.c_str(); }

  std::string Message;
};

// Raised to leave a handler without any error being shown.
class EAbort : public Exception {
public:
  EAbort() : Exception("Operation aborted") {}
};

using TFormatArg = std::variant<std::string, int>;

// Fills "%s", "%d" and indexed forms such as "%0:s" and "%1:d" from Args,
// and "%%" with a single "%". A placeholder without a matching argument, or
// of a type other than its argument's, raises EConvertError.
std::string Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args);

class EConvertError : public Exception {
public:
  using Exception::Exception;
};

// Decimal text of a signed 32-bit integer, "-" for negative numbers.
std::string IntToStr(int Value);

// Converts a whole text to a signed 32-bit integer: leading blanks (code 32
// only), one optional sign, then decimal digits or a hexadecimal prefix
// ("$", "x", "X", "0x", "0X") and at least one hexadecimal digit, and
// nothing after. Decimal numbers must lie in the signed 32-bit range;
// hexadecimal ones may use all 32 bits and are taken as the signed bit
// pattern (negated after a "-"). False, and Value untouched, otherwise.
bool TryStrToInt(std::string_view Text, int& Value);

// Compares byte by byte as unsigned values, a shorter text before a longer
// one that begins with it: less than, equal to or greater than 0 as A sorts
// before, with or after B. No locale; letter case counts.
int CompareStr(std::string_view A, std::string_view B);

// The text without its leading and trailing characters of code 32 or below.
std::string Trim(std::string_view Text);

}  // namespace vcl
