#pragma once
// Pop-up menus: a control's context menu.

#include "vcl/Controls.h"

#include <string>
#include <vector>

namespace vcl {

struct TMenuItem {
  std::string Caption;
  TNotifyEvent OnClick;
};

class TPopupMenu : public TObject {
public:
  explicit TPopupMenu(std::vector<TMenuItem> Items);
  ~TPopupMenu() override;
  TPopupMenu(const TPopupMenu&) = delete;
  TPopupMenu& operator=(const TPopupMenu&) = delete;

  HMENU Handle() const { return Menu_; }

  // Shows the menu at Point (screen coordinates) for the window Owner and,
  // once the user has chosen, raises the chosen item's OnClick.
  void Popup(HWND Owner, POINT Point);

private:
  std::vector<TMenuItem> Items_;
  HMENU Menu_;
};

}  // namespace vcl
