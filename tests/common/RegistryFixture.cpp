#include "tests/common/RegistryFixture.h"

#include <stdexcept>

namespace testing_support {

namespace {

std::vector<BYTE> Bytes(const std::string& Text, bool WithNul) {
  std::vector<BYTE> Data(Text.begin(), Text.end());
  if (WithNul) Data.push_back(0);
  return Data;
}

void Check(LONG Rc, const char* What, const std::string& Key) {
  if (Rc != ERROR_SUCCESS)
    throw std::runtime_error(std::string(What) + " " + Key + " failed: " + std::to_string(Rc));
}

}  // namespace

TRawValue Sz(const std::string& Text) { return {REG_SZ, Bytes(Text, true)}; }
TRawValue SzNoNul(const std::string& Text) { return {REG_SZ, Bytes(Text, false)}; }
TRawValue ExpandSz(const std::string& Text) { return {REG_EXPAND_SZ, Bytes(Text, true)}; }
TRawValue MultiSz(const std::vector<std::string>& Texts) {
  std::vector<BYTE> Data;
  for (const std::string& T : Texts) {
    Data.insert(Data.end(), T.begin(), T.end());
    Data.push_back(0);
  }
  Data.push_back(0);
  return {REG_MULTI_SZ, Data};
}
TRawValue Dword(std::uint32_t Value) {
  const BYTE* P = reinterpret_cast<const BYTE*>(&Value);
  return {REG_DWORD, std::vector<BYTE>(P, P + sizeof(Value))};
}
TRawValue Qword(std::uint64_t Value) {
  const BYTE* P = reinterpret_cast<const BYTE*>(&Value);
  return {REG_QWORD, std::vector<BYTE>(P, P + sizeof(Value))};
}
TRawValue Binary(const std::vector<BYTE>& Data) { return {REG_BINARY, Data}; }
TRawValue Empty(DWORD Type) { return {Type, {}}; }

void CreateKey(HKEY Root, const std::string& Key, REGSAM View) {
  HKEY K = nullptr;
  Check(::RegCreateKeyExA(Root, Key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | View, nullptr, &K,
                          nullptr),
        "create", Key);
  ::RegCloseKey(K);
}

void SetValue(HKEY Root, const std::string& Key, const std::string& Name, const TRawValue& Value,
              REGSAM View) {
  HKEY K = nullptr;
  Check(::RegCreateKeyExA(Root, Key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | View, nullptr, &K,
                          nullptr),
        "create", Key);
  LONG Rc = ::RegSetValueExA(K, Name.c_str(), 0, Value.Type, Value.Data.data(),
                             static_cast<DWORD>(Value.Data.size()));
  ::RegCloseKey(K);
  Check(Rc, "set value in", Key);
}

void DeleteKey(HKEY Root, const std::string& Key, REGSAM View) {
  HKEY K = nullptr;
  if (::RegOpenKeyExA(Root, Key.c_str(), 0, KEY_ALL_ACCESS | View, &K) != ERROR_SUCCESS) return;
  ::RegDeleteTreeA(K, nullptr);
  ::RegCloseKey(K);
  ::RegDeleteKeyExA(Root, Key.c_str(), View, 0);
}

}  // namespace testing_support
