#pragma once
// Small things the window tests share.

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace testing_support {

// A plain top-level window that belongs to no form: it stands for another
// program taking the focus.
class TOtherWindow {
public:
  TOtherWindow()
      : Wnd_(::CreateWindowExA(0, "STATIC", "Another program", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0,
                               0, 200, 100, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr)) {}
  ~TOtherWindow() { ::DestroyWindow(Wnd_); }
  TOtherWindow(const TOtherWindow&) = delete;
  TOtherWindow& operator=(const TOtherWindow&) = delete;

  HWND Handle() const { return Wnd_; }

private:
  HWND Wnd_;
};

// Handles whatever is queued for this thread.
inline void PumpMessages() {
  MSG Msg;
  while (::PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&Msg);
    ::DispatchMessageA(&Msg);
  }
}

// A cell's text as the list view control holds it (column 0: the caption).
inline std::string ListCellText(HWND List, int Row, int Column) {
  char Buffer[512] = {};
  LVITEMA Item{};
  Item.iSubItem = Column;
  Item.pszText = Buffer;
  Item.cchTextMax = sizeof(Buffer);
  ::SendMessageA(List, LVM_GETITEMTEXTA, Row, reinterpret_cast<LPARAM>(&Item));
  return Buffer;
}

// A cell's rectangle in the list's client area.
inline RECT ListCellRect(HWND List, int Row, int Column) {
  RECT Rect{};
  Rect.top = Column;
  Rect.left = LVIR_LABEL;
  ::SendMessageA(List, LVM_GETSUBITEMRECT, Row, reinterpret_cast<LPARAM>(&Rect));
  return Rect;
}

}  // namespace testing_support
