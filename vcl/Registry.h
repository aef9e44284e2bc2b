#pragma once
// The registry class: a root key, an access mask and at most one open key,
// the current key. Read-only (KEY_READ) unless asked otherwise. The view bits
// of the mask (KEY_WOW64_32KEY / KEY_WOW64_64KEY) are kept through every
// open, so an object reads one view of the registry throughout.

#include "vcl/Handles.h"
#include "vcl/SysUtils.h"

#include <windows.h>

#include <string>

namespace vcl {

class ERegistryException : public Exception {
public:
  using Exception::Exception;
};

class TRegistry {
public:
  explicit TRegistry(HKEY RootKey, REGSAM Access = KEY_READ);

  HKEY RootKey() const { return RootKey_; }
  REGSAM Access() const { return Access_; }
  HKEY CurrentKey() const { return CurrentKey_.Get(); }

  // Opens Key and makes it the current key. A key text that begins with a
  // backslash is taken from the root key, any other from the current key
  // when one is open. With CanCreate false the key is never created.
  [[nodiscard]] bool OpenKey(const std::string& Key, bool CanCreate);
  // Tries KEY_READ, then STANDARD_RIGHTS_READ | KEY_QUERY_VALUE |
  // KEY_ENUMERATE_SUB_KEYS, then KEY_QUERY_VALUE; the first that opens
  // becomes the object's access mask.
  [[nodiscard]] bool OpenKeyReadOnly(const std::string& Key);
  // Whether Key opens for reading; the current key and the mask stay as
  // they were.
  bool KeyExists(const std::string& Key) const;
  void CloseKey();

  // Value operations work on the current key.
  bool ValueExists(const std::string& Name) const;
  // REG_SZ or REG_EXPAND_SZ (unexpanded), up to the first NUL. A missing or
  // zero-length value reads as the empty text.
  std::string ReadString(const std::string& Name) const;
  // REG_DWORD, as a signed number; a missing value is an error.
  int ReadInteger(const std::string& Name) const;
  void WriteString(const std::string& Name, const std::string& Value);
  void WriteInteger(const std::string& Name, int Value);

private:
  // The key that a relative key text starts from, and the text to open.
  HKEY BaseKey(const std::string& Key, std::string& SubKey) const;
  REGSAM ViewBits() const { return Access_ & (KEY_WOW64_32KEY | KEY_WOW64_64KEY); }

  HKEY RootKey_;
  REGSAM Access_;
  TUniqueKey CurrentKey_;
};

}  // namespace vcl
