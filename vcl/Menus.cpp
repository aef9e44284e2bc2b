#include "vcl/Menus.h"

#include "vcl/OSError.h"

namespace vcl {

TPopupMenu::TPopupMenu(std::vector<TMenuItem> Items) : Items_(std::move(Items)), Menu_(::CreatePopupMenu()) {
  if (!Menu_) RaiseLastOSError("CreatePopupMenu");
  // An item's command is its index plus one: 0 means that nothing was chosen.
  for (std::size_t I = 0; I < Items_.size(); ++I)
    ::AppendMenuA(Menu_, MF_STRING, I + 1, Items_[I].Caption.c_str());
}

TPopupMenu::~TPopupMenu() { ::DestroyMenu(Menu_); }

void TPopupMenu::Popup(HWND Owner, POINT Point) {
  // The item's handler runs after the menu has closed, not inside its loop.
  auto Chosen = static_cast<std::size_t>(::TrackPopupMenu(
      Menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, Point.x,
      Point.y, 0, Owner, nullptr));
  if (Chosen > 0 && Chosen <= Items_.size() && Items_[Chosen - 1].OnClick) Items_[Chosen - 1].OnClick(this);
}

}  // namespace vcl
