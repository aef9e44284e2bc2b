#include "vcl/Dialogs.h"

#include "vcl/SysUtils.h"

#include <algorithm>
#include <utility>

namespace vcl {

namespace {

constexpr int FirstCheckBoxId = 100;

struct TTypeLook {
  const char* Caption;
  LPCSTR Icon;
};

TTypeLook LookOf(TMsgDlgType DlgType) {
  switch (DlgType) {
    case mtWarning:
      return {"Warning", IDI_WARNING};
    case mtError:
      return {"Error", IDI_ERROR};
    case mtInformation:
      return {"Information", IDI_INFORMATION};
    case mtConfirmation:
      break;
  }
  return {"Confirm", IDI_QUESTION};
}

// Pixels from dialog units of the dialog's font.
struct TDialogUnits {
  int X, Y;
  int H(int Units) const { return ::MulDiv(Units, X, 4); }
  int V(int Units) const { return ::MulDiv(Units, Y, 8); }
};

constexpr DWORD DialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD DialogExStyle = WS_EX_DLGMODALFRAME;

}  // namespace

TMessageForm::TMessageForm(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons)
    : Text_(Msg) {
  TTypeLook Look = LookOf(DlgType);
  Caption = Look.Caption;
  IconName_ = Look.Icon;

  NONCLIENTMETRICSA Metrics{};
  Metrics.cbSize = sizeof(Metrics);
  if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0))
    Font_.Reset(::CreateFontIndirectA(&Metrics.lfMessageFont));

  TUniqueDC DC(::CreateCompatibleDC(nullptr));
  TSelectObject Selected(DC.Get(), Font_ ? Font_.Get() : ::GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICA Tm{};
  ::GetTextMetricsA(DC.Get(), &Tm);
  SIZE Alphabet{};
  const char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  ::GetTextExtentPoint32A(DC.Get(), Letters, 52, &Alphabet);
  const TDialogUnits Du{(Alphabet.cx / 26 + 1) / 2, static_cast<int>(Tm.tmHeight)};

  const int HorzMargin = Du.H(8), VertMargin = Du.V(8);
  const int HorzSpacing = Du.H(10), VertSpacing = Du.V(10);
  const int ButtonSpacing = Du.H(4), ButtonHeight = Du.V(14);
  const int IconSize = ::GetSystemMetrics(SM_CXICON);

  RECT TextRect{0, 0, ::GetSystemMetrics(SM_CXSCREEN) / 2, 0};
  ::DrawTextA(DC.Get(), Text_.c_str(), static_cast<int>(Text_.size()), &TextRect,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);

  struct TChoice {
    TMsgDlgBtn Button;
    int Id;
    const char* Caption;
  };
  const TChoice Choices[] = {
      {mbYes, mrYes, "&Yes"}, {mbNo, mrNo, "&No"}, {mbOK, mrOk, "OK"}, {mbCancel, mrCancel, "Cancel"}};
  int ButtonWidth = Du.H(50);
  for (const TChoice& C : Choices) {
    if (!Buttons.Contains(C.Button)) continue;
    Buttons_.push_back({C.Id, C.Caption, {}});
    RECT R{};
    ::DrawTextA(DC.Get(), C.Caption, -1, &R, DT_CALCRECT | DT_SINGLELINE);
    ButtonWidth = std::max<int>(ButtonWidth, R.right - R.left + Du.H(8));
  }
  DefaultId_ = Buttons.Contains(mbOK) ? mrOk : Buttons.Contains(mbYes) ? mrYes : 0;
  EscapeId_ = Buttons.Contains(mbCancel) ? mrCancel
              : Buttons.Contains(mbNo)   ? mrNo
              : Buttons.Contains(mbOK)   ? mrOk
                                         : 0;

  const int Count = static_cast<int>(Buttons_.size());
  const int ButtonsWidth = Count * ButtonWidth + std::max(Count - 1, 0) * ButtonSpacing;
  const int TextWidth = TextRect.right - TextRect.left, TextHeight = TextRect.bottom - TextRect.top;
  ClientWidth_ = std::max(IconSize + HorzSpacing + TextWidth, ButtonsWidth) + 2 * HorzMargin;
  const int ButtonTop = VertMargin + std::max(IconSize, TextHeight) + VertSpacing;
  const int ClientHeight = ButtonTop + ButtonHeight + VertMargin;

  IconBounds_ = {HorzMargin, VertMargin, HorzMargin + IconSize, VertMargin + IconSize};
  const int TextLeft = HorzMargin + IconSize + HorzSpacing;
  TextBounds_ = {TextLeft, VertMargin, TextLeft + TextWidth, VertMargin + TextHeight};
  int X = (ClientWidth_ - ButtonsWidth) / 2;
  for (TButton& B : Buttons_) {
    B.Bounds = {X, ButtonTop, X + ButtonWidth, ButtonTop + ButtonHeight};
    X += ButtonWidth + ButtonSpacing;
  }

  RECT Outer{0, 0, ClientWidth_, ClientHeight};
  ::AdjustWindowRectEx(&Outer, DialogStyle, FALSE, DialogExStyle);
  Width_ = Outer.right - Outer.left;
  Height_ = Outer.bottom - Outer.top;
}

TCheckBox& TMessageForm::AddCheckBox() {
  CheckBoxes_.push_back(std::make_unique<TCheckBox>());
  return *CheckBoxes_.back();
}

int TMessageForm::ShowModal() {
  // An empty template: no controls, no menu, the default class and no
  // title. Everything else is done in pixels when the dialog starts.
  struct alignas(4) TTemplate {
    DLGTEMPLATE Header;
    WORD Menu, Class, Title;
  } Template{};
  Template.Header.style = DialogStyle;
  Template.Header.dwExtendedStyle = DialogExStyle;

  HWND Owner = PopupMode == pmAuto ? ::GetActiveWindow() : nullptr;
  Error_ = nullptr;
  INT_PTR Result = ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr), &Template.Header, Owner,
                                             DialogProc, reinterpret_cast<LPARAM>(this));
  CheckBoxWindows_.clear();
  if (Error_) std::rethrow_exception(std::exchange(Error_, nullptr));
  if (Result == -1)
    throw Exception(Format("Cannot show the dialog (error %d)", {static_cast<int>(::GetLastError())}));
  return static_cast<int>(Result);
}

// Nothing may unwind through the dialog manager: an exception is kept, the
// dialog ends, and ShowModal raises it again.
INT_PTR CALLBACK TMessageForm::DialogProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_INITDIALOG) ::SetWindowLongPtrA(Wnd, DWLP_USER, LParam);
  auto* Self = reinterpret_cast<TMessageForm*>(::GetWindowLongPtrA(Wnd, DWLP_USER));
  if (!Self) return FALSE;
  try {
    return Self->HandleMessage(Wnd, Msg, WParam);
  } catch (...) {
    Self->Error_ = std::current_exception();
    ::EndDialog(Wnd, mrNone);
    return TRUE;
  }
}

INT_PTR TMessageForm::HandleMessage(HWND Wnd, UINT Msg, WPARAM WParam) {
  switch (Msg) {
    case WM_INITDIALOG:
      InitDialog(Wnd);
      return FALSE;  // the focus is set
    case WM_COMMAND: {
      int Id = LOWORD(WParam);
      // Escape, and the Cancel button, arrive as IDCANCEL.
      if (Id == IDCANCEL) {
        if (EscapeId_ != 0) Close(Wnd, EscapeId_);
        return TRUE;
      }
      bool Offered = std::any_of(Buttons_.begin(), Buttons_.end(),
                                 [Id](const TButton& B) { return B.Id == Id; });
      if (Offered) Close(Wnd, Id);
      return TRUE;
    }
    case WM_CLOSE:
      Close(Wnd, mrCancel);
      return TRUE;
    default:
      return FALSE;
  }
}

void TMessageForm::InitDialog(HWND Wnd) {
  ::SetWindowTextA(Wnd, Caption.c_str());

  RECT Work{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &Work, 0);
  RECT Around = Work;
  HWND Owner = ::GetWindow(Wnd, GW_OWNER);
  if (Position == poOwnerFormCenter && Owner) ::GetWindowRect(Owner, &Around);
  int X = (Around.left + Around.right - Width_) / 2;
  int Y = (Around.top + Around.bottom - Height_) / 2;
  X = std::max<int>(Work.left, std::min<int>(X, Work.right - Width_));
  Y = std::max<int>(Work.top, std::min<int>(Y, Work.bottom - Height_));
  ::SetWindowPos(Wnd, nullptr, X, Y, Width_, Height_, SWP_NOZORDER | SWP_NOACTIVATE);

  HWND Icon = AddControl(Wnd, "STATIC", "", SS_ICON, -1, IconBounds_);
  ::SendMessageA(Icon, STM_SETICON, reinterpret_cast<WPARAM>(::LoadIconA(nullptr, IconName_)), 0);
  AddControl(Wnd, "STATIC", Text_, SS_LEFT | SS_NOPREFIX, -1, TextBounds_);

  HWND Focus = nullptr;
  for (const TButton& B : Buttons_) {
    bool Default = B.Id == DefaultId_;
    HWND Button = AddControl(Wnd, "BUTTON", B.Caption,
                             WS_TABSTOP | (Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), B.Id, B.Bounds);
    if (Default || !Focus) Focus = Button;
  }
  if (DefaultId_ != 0) ::SendMessageA(Wnd, DM_SETDEFID, static_cast<WPARAM>(DefaultId_), 0);

  int Id = FirstCheckBoxId;
  for (const auto& Box : CheckBoxes_) {
    RECT Bounds{Box->Left, Box->Top, Box->Left + Box->Width, Box->Top + Box->Height};
    HWND Window = AddControl(Wnd, "BUTTON", Box->Caption, WS_TABSTOP | BS_AUTOCHECKBOX, Id++, Bounds);
    ::SendMessageA(Window, BM_SETCHECK, Box->Checked ? BST_CHECKED : BST_UNCHECKED, 0);
    CheckBoxWindows_.push_back(Window);
  }
  if (Focus) ::SetFocus(Focus);
}

HWND TMessageForm::AddControl(HWND Wnd, const char* Class, const std::string& Text, DWORD Style,
                              int Id, const RECT& Bounds) {
  HWND Control = ::CreateWindowExA(0, Class, Text.c_str(), WS_CHILD | WS_VISIBLE | Style, Bounds.left,
                                   Bounds.top, Bounds.right - Bounds.left, Bounds.bottom - Bounds.top,
                                   Wnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)),
                                   ::GetModuleHandleA(nullptr), nullptr);
  if (!Control)
    throw Exception(Format("Cannot create a %s control (error %d)",
                           {std::string(Class), static_cast<int>(::GetLastError())}));
  if (Font_) ::SendMessageA(Control, WM_SETFONT, reinterpret_cast<WPARAM>(Font_.Get()), FALSE);
  return Control;
}

void TMessageForm::Close(HWND Wnd, int Result) {
  for (std::size_t I = 0; I < CheckBoxWindows_.size(); ++I)
    CheckBoxes_[I]->Checked = ::SendMessageA(CheckBoxWindows_[I], BM_GETCHECK, 0, 0) == BST_CHECKED;
  ::EndDialog(Wnd, Result);
}

std::unique_ptr<TMessageForm> CreateMessageDialog(const std::string& Msg, TMsgDlgType DlgType,
                                                  TMsgDlgButtons Buttons) {
  return std::make_unique<TMessageForm>(Msg, DlgType, Buttons);
}

}  // namespace vcl
