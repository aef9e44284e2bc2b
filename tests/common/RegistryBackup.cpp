#include "tests/common/RegistryBackup.h"

#include "vcl/Handles.h"

#include <stdexcept>

namespace testing_support {

namespace {

std::optional<TKeyTree> ReadTree(HKEY Parent, const std::string& Key, REGSAM View) {
  HKEY Opened = nullptr;
  if (::RegOpenKeyExA(Parent, Key.c_str(), 0, KEY_READ | View, &Opened) != ERROR_SUCCESS)
    return std::nullopt;
  vcl::TUniqueKey K(Opened);
  DWORD SubKeys = 0, MaxSubKey = 0, Values = 0, MaxName = 0, MaxData = 0;
  if (::RegQueryInfoKeyA(K.Get(), nullptr, nullptr, nullptr, &SubKeys, &MaxSubKey, nullptr,
                         &Values, &MaxName, &MaxData, nullptr, nullptr) != ERROR_SUCCESS)
    throw std::runtime_error("cannot read the key " + Key);

  TKeyTree Tree;
  for (DWORD I = 0; I < Values; ++I) {
    std::string Name(MaxName + 1, '\0');
    DWORD NameLength = MaxName + 1, Type = 0, Size = MaxData;
    std::vector<BYTE> Data(MaxData);
    if (::RegEnumValueA(K.Get(), I, Name.data(), &NameLength, nullptr, &Type, Data.data(),
                        &Size) != ERROR_SUCCESS)
      throw std::runtime_error("cannot read a value of " + Key);
    Name.resize(NameLength);
    Data.resize(Size);
    Tree.Values.emplace_back(Name, TRawValue{Type, Data});
  }
  for (DWORD I = 0; I < SubKeys; ++I) {
    std::string Name(MaxSubKey + 1, '\0');
    DWORD NameLength = MaxSubKey + 1;
    if (::RegEnumKeyExA(K.Get(), I, Name.data(), &NameLength, nullptr, nullptr, nullptr,
                        nullptr) != ERROR_SUCCESS)
      throw std::runtime_error("cannot read a sub-key of " + Key);
    Name.resize(NameLength);
    if (std::optional<TKeyTree> Sub = ReadTree(K.Get(), Name, View))
      Tree.SubKeys.emplace_back(Name, std::move(*Sub));
  }
  return Tree;
}

void WriteTree(HKEY Root, const std::string& Key, const TKeyTree& Tree, REGSAM View) {
  CreateKey(Root, Key, View);
  for (const auto& [Name, Value] : Tree.Values) SetValue(Root, Key, Name, Value, View);
  for (const auto& [Name, Sub] : Tree.SubKeys) WriteTree(Root, Key + "\\" + Name, Sub, View);
}

}  // namespace

TKeyBackup::TKeyBackup(HKEY Root, std::string Key, REGSAM View)
    : Root_(Root), Key_(std::move(Key)), View_(View), Saved_(ReadTree(Root_, Key_, View_)) {}

TKeyBackup::~TKeyBackup() {
  DeleteKey(Root_, Key_, View_);
  if (Saved_) WriteTree(Root_, Key_, *Saved_, View_);
}

}  // namespace testing_support
