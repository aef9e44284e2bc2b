#include "vcl/Clipbrd.h"

#include "vcl/OSError.h"

#include <cstring>

namespace vcl {

namespace {

class TOpenClipboard {
public:
  explicit TOpenClipboard(HWND Owner) {
    if (!::OpenClipboard(Owner)) RaiseLastOSError("OpenClipboard");
  }
  ~TOpenClipboard() { ::CloseClipboard(); }
  TOpenClipboard(const TOpenClipboard&) = delete;
  TOpenClipboard& operator=(const TOpenClipboard&) = delete;
};

// Hands Size bytes from Data to the clipboard as Format; the clipboard owns
// the memory once it has taken it.
void SetData(UINT Format, const void* Data, std::size_t Size) {
  HGLOBAL Memory = ::GlobalAlloc(GMEM_MOVEABLE, Size);
  if (!Memory) RaiseLastOSError("GlobalAlloc");
  std::memcpy(::GlobalLock(Memory), Data, Size);
  ::GlobalUnlock(Memory);
  if (!::SetClipboardData(Format, Memory)) {
    DWORD Error = ::GetLastError();
    ::GlobalFree(Memory);
    throw EOSError("SetClipboardData", Error);
  }
}

}  // namespace

void SetClipboardText(HWND Owner, const std::string& Text) {
  // Both forms end in their NUL.
  std::wstring Wide(::MultiByteToWideChar(CP_ACP, 0, Text.c_str(), -1, nullptr, 0), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, Text.c_str(), -1, Wide.data(), static_cast<int>(Wide.size()));

  TOpenClipboard Clipboard(Owner);
  if (!::EmptyClipboard()) RaiseLastOSError("EmptyClipboard");
  SetData(CF_TEXT, Text.c_str(), Text.size() + 1);
  SetData(CF_UNICODETEXT, Wide.data(), Wide.size() * sizeof(wchar_t));
}

}  // namespace vcl
