#pragma once
// Real registry keys for tests: created under a key of the test's own and
// removed again, in the view a 32-bit program sees unless told otherwise.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// Raw bytes of a value, stored exactly as given (no NUL added).
struct TRawValue {
  DWORD Type;
  std::vector<BYTE> Data;
};

TRawValue Sz(const std::string& Text);             // REG_SZ with its NUL
TRawValue SzNoNul(const std::string& Text);        // REG_SZ without a NUL
TRawValue ExpandSz(const std::string& Text);       // REG_EXPAND_SZ with its NUL
TRawValue MultiSz(const std::vector<std::string>& Texts);
TRawValue Dword(std::uint32_t Value);
TRawValue Qword(std::uint64_t Value);
TRawValue Binary(const std::vector<BYTE>& Bytes);
TRawValue Empty(DWORD Type);                        // zero-length data of Type

// Writes a value, creating the key (and its parents) in the given view.
void SetValue(HKEY Root, const std::string& Key, const std::string& Name, const TRawValue& Value,
              REGSAM View = KEY_WOW64_32KEY);
void CreateKey(HKEY Root, const std::string& Key, REGSAM View = KEY_WOW64_32KEY);
// Removes a key with everything below it; a missing key is fine.
void DeleteKey(HKEY Root, const std::string& Key, REGSAM View = KEY_WOW64_32KEY);

}  // namespace testing_support
