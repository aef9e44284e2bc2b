#pragma once
// The standard message dialog. It is laid out in pixels when it is created,
// so that a caller can read and change its size and add check boxes before
// showing it; the window exists only while ShowModal runs. The dialog
// manager gives it its modal loop, Tab, Enter and Escape.

#include "vcl/Handles.h"

#include <windows.h>

#include <exception>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace vcl {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel };

class TMsgDlgButtons {
public:
  TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> Buttons) {
    for (TMsgDlgBtn B : Buttons) Bits_ |= 1u << B;
  }
  bool Contains(TMsgDlgBtn B) const { return (Bits_ & (1u << B)) != 0; }

private:
  unsigned Bits_ = 0;
};

// Modal results are the ids of the standard buttons.
constexpr int mrNone = 0;
constexpr int mrOk = IDOK;
constexpr int mrCancel = IDCANCEL;
constexpr int mrYes = IDYES;
constexpr int mrNo = IDNO;

// pmAuto: the dialog is owned by the thread's active window, if any.
enum TPopupMode { pmNone, pmAuto };
// poOwnerFormCenter centres on the owner, or on the screen without one.
enum TPosition { poScreenCenter, poOwnerFormCenter };

// A check box on a dialog. Left, Top, Width and Height are pixels in the
// dialog's client area; Checked is read back when the dialog closes.
class TCheckBox {
public:
  std::string Caption;
  int Left = 0;
  int Top = 0;
  int Width = 97;
  int Height = 17;
  bool Checked = false;
};

class TMessageForm {
public:
  TMessageForm(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);
  TMessageForm(const TMessageForm&) = delete;
  TMessageForm& operator=(const TMessageForm&) = delete;

  std::string Caption;
  TPopupMode PopupMode = pmNone;
  TPosition Position = poScreenCenter;

  // Outer height, as the window will get it.
  int Height() const { return Height_; }
  void SetHeight(int Value) { Height_ = Value; }
  int ClientWidth() const { return ClientWidth_; }

  // A check box owned by the dialog and placed on it.
  TCheckBox& AddCheckBox();

  // The modal result: the button pressed, Escape as the dialog's cancel
  // button, mrCancel when the window is closed.
  int ShowModal();

private:
  struct TButton {
    int Id;
    const char* Caption;
    RECT Bounds;
  };

  static INT_PTR CALLBACK DialogProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  INT_PTR HandleMessage(HWND Wnd, UINT Msg, WPARAM WParam);
  void InitDialog(HWND Wnd);
  HWND AddControl(HWND Wnd, const char* Class, const std::string& Text, DWORD Style, int Id,
                  const RECT& Bounds);
  void Close(HWND Wnd, int Result);

  std::string Text_;
  LPCSTR IconName_;
  TUniqueFont Font_;
  RECT IconBounds_{};
  RECT TextBounds_{};
  std::vector<TButton> Buttons_;
  int DefaultId_ = 0;
  int EscapeId_ = 0;
  int Width_ = 0;
  int Height_ = 0;
  int ClientWidth_ = 0;
  std::vector<std::unique_ptr<TCheckBox>> CheckBoxes_;
  std::vector<HWND> CheckBoxWindows_;
  std::exception_ptr Error_;
};

// The dialog for a text, a type (its caption "Warning", "Error",
// "Information" or "Confirm" and its icon) and a set of buttons. OK is the
// default button when offered, else Yes; Escape is Cancel when offered,
// else No, else OK.
std::unique_ptr<TMessageForm> CreateMessageDialog(const std::string& Msg, TMsgDlgType DlgType,
                                                  TMsgDlgButtons Buttons);

}  // namespace vcl
