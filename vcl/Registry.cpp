#include "vcl/Registry.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vcl {

namespace {

[[noreturn]] void RaiseRegistryError(const char* Fmt, const std::string& Name) {
  throw ERegistryException(Format(Fmt, {Name}));
}

constexpr const char* GetDataFailed = "Failed to get data for '%s'";
constexpr const char* InvalidDataType = "Invalid data type for '%s'";
constexpr const char* SetDataFailed = "Failed to set data for '%s'";

}  // namespace

TRegistry::TRegistry(HKEY RootKey, REGSAM Access) : RootKey_(RootKey), Access_(Access) {}

HKEY TRegistry::BaseKey(const std::string& Key, std::string& SubKey) const {
  if (!Key.empty() && Key.front() == '\\') {
    SubKey = Key.substr(1);
    return RootKey_;
  }
  SubKey = Key;
  return CurrentKey_ ? CurrentKey_.Get() : RootKey_;
}

bool TRegistry::OpenKey(const std::string& Key, bool CanCreate) {
  std::string SubKey;
  HKEY Base = BaseKey(Key, SubKey);
  HKEY Opened = nullptr;
  LONG Rc;
  if (CanCreate) {
    DWORD Disposition = 0;
    Rc = ::RegCreateKeyExA(Base, SubKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, Access_,
                           nullptr, &Opened, &Disposition);
  } else {
    Rc = ::RegOpenKeyExA(Base, SubKey.c_str(), 0, Access_, &Opened);
  }
  if (Rc != ERROR_SUCCESS) return false;
  CurrentKey_.Reset(Opened);
  return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& Key) {
  std::string SubKey;
  HKEY Base = BaseKey(Key, SubKey);
  for (REGSAM Mask : {REGSAM(KEY_READ), REGSAM(STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS),
                      REGSAM(KEY_QUERY_VALUE)}) {
    HKEY Opened = nullptr;
    if (::RegOpenKeyExA(Base, SubKey.c_str(), 0, Mask | ViewBits(), &Opened) == ERROR_SUCCESS) {
      Access_ = Mask | ViewBits();
      CurrentKey_.Reset(Opened);
      return true;
    }
  }
  return false;
}

bool TRegistry::KeyExists(const std::string& Key) const {
  std::string SubKey;
  HKEY Base = BaseKey(Key, SubKey);
  HKEY Opened = nullptr;
  REGSAM Mask = STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS | ViewBits();
  if (::RegOpenKeyExA(Base, SubKey.c_str(), 0, Mask, &Opened) != ERROR_SUCCESS) return false;
  ::RegCloseKey(Opened);
  return true;
}

void TRegistry::CloseKey() { CurrentKey_.Reset(); }

bool TRegistry::ValueExists(const std::string& Name) const {
  DWORD Type = 0, Size = 0;
  return ::RegQueryValueExA(CurrentKey_.Get(), Name.c_str(), nullptr, &Type, nullptr, &Size) ==
         ERROR_SUCCESS;
}

std::string TRegistry::ReadString(const std::string& Name) const {
  // Most texts fit the buffer on the stack, so that one query reads them; a
  // longer one is read again into a buffer of the size that query answered.
  DWORD Type = 0;
  char Small[256];
  std::vector<char> Large;
  char* Data = Small;
  DWORD Size = sizeof(Small);
  LONG Rc = ::RegQueryValueExA(CurrentKey_.Get(), Name.c_str(), nullptr, &Type,
                               reinterpret_cast<BYTE*>(Data), &Size);
  if (Rc == ERROR_MORE_DATA) {
    Large.resize(Size);
    Data = Large.data();
    Rc = ::RegQueryValueExA(CurrentKey_.Get(), Name.c_str(), nullptr, &Type,
                            reinterpret_cast<BYTE*>(Data), &Size);
    if (Rc != ERROR_SUCCESS) RaiseRegistryError(GetDataFailed, Name);
  }
  if (Rc != ERROR_SUCCESS || Size == 0) return {};
  if (Type != REG_SZ && Type != REG_EXPAND_SZ) RaiseRegistryError(InvalidDataType, Name);
  // The stored text need not end in a NUL: never look past what was read.
  std::size_t Length = std::min<std::size_t>(Size, Data == Small ? sizeof(Small) : Large.size());
  const void* Nul = std::memchr(Data, '\0', Length);
  if (Nul) Length = static_cast<const char*>(Nul) - Data;
  return std::string(Data, Length);
}

int TRegistry::ReadInteger(const std::string& Name) const {
  DWORD Type = 0;
  DWORD Value = 0;  // data shorter than 4 bytes leaves the high bytes zero
  DWORD Size = sizeof(Value);
  if (::RegQueryValueExA(CurrentKey_.Get(), Name.c_str(), nullptr, &Type,
                         reinterpret_cast<BYTE*>(&Value), &Size) != ERROR_SUCCESS)
    RaiseRegistryError(GetDataFailed, Name);
  if (Type != REG_DWORD) RaiseRegistryError(InvalidDataType, Name);
  return static_cast<int>(Value);
}

void TRegistry::WriteString(const std::string& Name, const std::string& Value) {
  if (::RegSetValueExA(CurrentKey_.Get(), Name.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(Value.c_str()),
                       static_cast<DWORD>(Value.size() + 1)) != ERROR_SUCCESS)
    RaiseRegistryError(SetDataFailed, Name);
}

void TRegistry::WriteInteger(const std::string& Name, int Value) {
  DWORD Data = static_cast<DWORD>(Value);
  if (::RegSetValueExA(CurrentKey_.Get(), Name.c_str(), 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&Data), sizeof(Data)) != ERROR_SUCCESS)
    RaiseRegistryError(SetDataFailed, Name);
}

}  // namespace vcl
