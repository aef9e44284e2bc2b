#include "support/QORSettingsUnit.h"

#include "support/QorSupportState.h"

#include "vcl/AnsiStrings.h"
#include "vcl/IniFiles.h"

#include <type_traits>

namespace {

// Closes the registry object's key however the operation ends.
class TKeyCloser {
public:
  explicit TKeyCloser(vcl::TRegistry& Reg) : Reg_(Reg) {}
  ~TKeyCloser() { Reg_.CloseKey(); }
  TKeyCloser(const TKeyCloser&) = delete;
  TKeyCloser& operator=(const TKeyCloser&) = delete;

private:
  vcl::TRegistry& Reg_;
};

std::string CacheKey(const std::string& Section, const std::string& Name) {
  return vcl::AnsiUpperCase(Section + "@" + Name);
}

}  // namespace

class TQORSettings::TIniLayer {
public:
  explicit TIniLayer(bool& Flag) : Flag_(Flag) { Flag_ = true; }
  ~TIniLayer() { Flag_ = false; }
  TIniLayer(const TIniLayer&) = delete;
  TIniLayer& operator=(const TIniLayer&) = delete;

private:
  bool& Flag_;
};

TQORSettings::TQORSettings(std::string IniFileName_, HKEY RootKey, std::string RegistryPath_,
                           bool UseIniFile_, bool CacheEnabled_)
    : IniFileName(std::move(IniFileName_)),
      RegistryObj(RootKey, KEY_READ | KEY_WRITE),
      RegistryPath(std::move(RegistryPath_)),
      UseIniFile(UseIniFile_),
      CacheEnabled(CacheEnabled_) {}

void TQORSettings::Init(const std::string& IniFileName, HKEY RootKey,
                        const std::string& RegistryPath, bool UseIniFile, bool CacheEnabled) {
  SettingsInstance =
      std::make_unique<TQORSettings>(IniFileName, RootKey, RegistryPath, UseIniFile, CacheEnabled);
}

void TQORSettings::Done() { SettingsInstance.reset(); }

TQORSettings& TQORSettings::GetInstance() {
  if (!SettingsInstance)
    throw EQORSettingsException("TQORSettings.GetInstance called before TQORSettings.Init");
  return *SettingsInstance;
}

std::string TQORSettings::ReadString(const std::string& Section, const std::string& Name,
                                     const std::string& Default, bool Escape) {
  std::string Result = UseIniFile ? vcl::TIniFile(IniFileName).ReadString(Section, Name, Default)
                                  : ReadRegistryString(Section, Name, Default, Escape);
  return BlankToDefault(std::move(Result), Default);
}

std::string TQORSettings::ReadRegistryString(const std::string& Section, const std::string& Name,
                                             const std::string& Default, bool Escape) {
  if (const TCacheObj* Hit = CacheLookup(Section, Name); Hit && Hit->HasStr) return Hit->StrValue;
  std::string Result;
  {
    TIniLayer Ini(UseIniFile);
    Result = ReadString(Section, Name, Default, false);
  }
  if (RegistryObj.OpenKey(RegistryPath + EscapeSettingName(Section, Escape), false)) {
    TKeyCloser Closer(RegistryObj);
    const std::string ValueName = EscapeSettingName(Name, Escape);
    // A value that does not read as text leaves the INI layer's answer.
    try {
      if (RegistryObj.ValueExists(ValueName)) Result = RegistryObj.ReadString(ValueName);
    } catch (const vcl::ERegistryException&) {
    }
  }
  CacheStore(Section, Name, Result);
  return Result;
}

int TQORSettings::ReadInteger(const std::string& Section, const std::string& Name, int Default,
                              bool Escape) {
  if (!UseIniFile) return ReadRegistryInteger(Section, Name, Default, Escape);
  // The conversion takes the "0x" and "0X" prefixes itself.
  int Result = Default;
  return vcl::TryStrToInt(ReadString(Section, Name, "", false), Result) ? Result : Default;
}

int TQORSettings::ReadRegistryInteger(const std::string& Section, const std::string& Name,
                                      int Default, bool Escape) {
  if (const TCacheObj* Hit = CacheLookup(Section, Name); Hit && Hit->HasInt) return Hit->IntValue;
  int Result;
  {
    TIniLayer Ini(UseIniFile);
    Result = ReadInteger(Section, Name, Default, false);
  }
  if (RegistryObj.OpenKey(RegistryPath + EscapeSettingName(Section, Escape), false)) {
    TKeyCloser Closer(RegistryObj);
    const std::string ValueName = EscapeSettingName(Name, Escape);
    try {
      if (RegistryObj.ValueExists(ValueName)) Result = RegistryObj.ReadInteger(ValueName);
    } catch (const vcl::ERegistryException&) {
    }
  }
  CacheStore(Section, Name, Result);
  return Result;
}

void TQORSettings::WriteString(const std::string& Section, const std::string& Name,
                               const std::string& Value, bool Escape) {
  if (UseIniFile)
    vcl::TIniFile(IniFileName).WriteString(Section, Name, Value);
  else
    WriteRegistry(Section, Name, Value, Escape);
}

void TQORSettings::WriteInteger(const std::string& Section, const std::string& Name, int Value,
                                bool Escape) {
  if (UseIniFile)
    WriteString(Section, Name, vcl::IntToStr(Value), false);
  else
    WriteRegistry(Section, Name, Value, Escape);
}

template <class TValue>
void TQORSettings::WriteRegistry(const std::string& Section, const std::string& Name,
                                 const TValue& Value, bool Escape) {
  if (!RegistryObj.OpenKey(RegistryPath + EscapeSettingName(Section, Escape), true)) return;
  TKeyCloser Closer(RegistryObj);
  const std::string ValueName = EscapeSettingName(Name, Escape);
  try {
    if constexpr (std::is_same_v<TValue, int>)
      RegistryObj.WriteInteger(ValueName, Value);
    else
      RegistryObj.WriteString(ValueName, Value);
  } catch (const vcl::ERegistryException&) {
    return;
  }
  CacheStore(Section, Name, Value);
}

TCacheObj* TQORSettings::CacheLookup(const std::string& Section, const std::string& Name) {
  return Cache.Find(CacheKey(Section, Name));
}

template <class TValue>
void TQORSettings::CacheStore(const std::string& Section, const std::string& Name,
                              const TValue& Value) {
  if (!CacheEnabled) return;
  const std::string Key = CacheKey(Section, Name);
  TCacheObj* Entry = Cache.Find(Key);
  if (!Entry) {
    Cache.Insert(Key, TCacheObj(Value));
  } else if constexpr (std::is_same_v<TValue, int>) {
    Entry->IntValue = Value;
    Entry->HasInt = true;
  } else {
    Entry->StrValue = Value;
    Entry->HasStr = true;
  }
}

std::string ReadAppSettingString(const std::string& Name, const std::string& Default, bool Escape) {
  vcl::TRegistry Reg(HKEY_CURRENT_USER, KEY_READ);
  const std::string ValueName = EscapeSettingName(Name, Escape);
  if (Reg.OpenKeyReadOnly(AppSettingsKey) && Reg.ValueExists(ValueName))
    return Reg.ReadString(ValueName);
  return Default;
}
