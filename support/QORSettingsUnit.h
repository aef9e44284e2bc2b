#pragma once
// The settings store: integers and texts by section and name, in an INI
// file alone (INI mode) or in the registry over the INI file (registry
// mode), with a cache in registry mode.

#include "support/QORSettingNames.h"

#include "vcl/Classes.h"
#include "vcl/Registry.h"
#include "vcl/SysUtils.h"

#include <windows.h>

#include <string>

class EQORSettingsException : public vcl::Exception {
public:
  using Exception::Exception;
};

// One cached outcome. It remembers which of its fields a read or write has
// set, so that a read of the other type misses instead of answering 0 or
// the empty text.
class TCacheObj {
public:
  explicit TCacheObj(std::string Value) : StrValue(std::move(Value)), HasStr(true) {}
  explicit TCacheObj(int Value) : IntValue(Value), HasInt(true) {}

  std::string StrValue;
  int IntValue = 0;
  bool HasStr = false;
  bool HasInt = false;
};

class TQORSettings {
public:
  // Sets up the process's store, replacing any earlier one. RegistryPath is
  // the base key under RootKey; a section's key is RegistryPath followed
  // directly by the section name, so a base path for subkeys ends in "\".
  static void Init(const std::string& IniFileName, HKEY RootKey, const std::string& RegistryPath,
                   bool UseIniFile, bool CacheEnabled);
  // Destroys the process's store, if any.
  static void Done();
  // Raises EQORSettingsException before Init.
  static TQORSettings& GetInstance();

  int ReadInteger(const std::string& Section, const std::string& Name, int Default, bool Escape);
  std::string ReadString(const std::string& Section, const std::string& Name,
                         const std::string& Default, bool Escape);
  void WriteInteger(const std::string& Section, const std::string& Name, int Value, bool Escape);
  void WriteString(const std::string& Section, const std::string& Name, const std::string& Value,
                   bool Escape);

  TQORSettings(std::string IniFileName, HKEY RootKey, std::string RegistryPath, bool UseIniFile,
               bool CacheEnabled);

private:
  // Keeps UseIniFile true for the INI read of a registry-mode read.
  class TIniLayer;

  std::string ReadRegistryString(const std::string& Section, const std::string& Name,
                                 const std::string& Default, bool Escape);
  int ReadRegistryInteger(const std::string& Section, const std::string& Name, int Default,
                          bool Escape);
  // Opens the section's key, runs Write on it and stores the value in the
  // cache; a key that neither opens nor is created, and a failed write, end
  // it silently.
  template <class TValue>
  void WriteRegistry(const std::string& Section, const std::string& Name, const TValue& Value,
                     bool Escape);
  TCacheObj* CacheLookup(const std::string& Section, const std::string& Name);
  template <class TValue>
  void CacheStore(const std::string& Section, const std::string& Name, const TValue& Value);

  std::string IniFileName;
  vcl::TRegistry RegistryObj;
  std::string RegistryPath;
  bool UseIniFile;
  vcl::TSortedList<TCacheObj> Cache;
  bool CacheEnabled;
};

// The text value Name directly under AppSettingsKey of HKEY_CURRENT_USER,
// without the store: Default when the key or value is missing, an empty
// value as it is. A value that is not text raises.
std::string ReadAppSettingString(const std::string& Name, const std::string& Default, bool Escape);

// The key under HKEY_CURRENT_USER that ReadAppSettingString opens; empty
// means HKEY_CURRENT_USER itself. A host may set it.
extern std::string AppSettingsKey;
