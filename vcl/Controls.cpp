#include "vcl/Controls.h"

#include "vcl/Forms.h"
#include "vcl/OSError.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <exception>

namespace vcl {

TShiftState KeyboardShiftState() {
  TShiftState Shift = 0;
  if (::GetKeyState(VK_SHIFT) < 0) Shift |= ssShift;
  if (::GetKeyState(VK_MENU) < 0) Shift |= ssAlt;
  if (::GetKeyState(VK_CONTROL) < 0) Shift |= ssCtrl;
  return Shift;
}

namespace {

constexpr const char* OwnClassName = "TVclWindow";

// BeginPaint and EndPaint as one scope.
class TPaintScope {
public:
  explicit TPaintScope(HWND Wnd) : Wnd_(Wnd) { ::BeginPaint(Wnd_, &Paint_); }
  ~TPaintScope() { ::EndPaint(Wnd_, &Paint_); }
  TPaintScope(const TPaintScope&) = delete;
  TPaintScope& operator=(const TPaintScope&) = delete;

  HDC DC() const { return Paint_.hdc; }
  const RECT& Clip() const { return Paint_.rcPaint; }

private:
  HWND Wnd_;
  PAINTSTRUCT Paint_{};
};

}  // namespace

TControl::TControl(TCustomControl* Parent, const TBounds& Bounds)
    : Parent_(Parent), Bounds_(Bounds), Color_(Parent ? Parent->Color() : clWhite) {
  if (Parent) Font_.Assign(Parent->Font());
  Font_.OnChange = [this] { FontChanged(); };
}

RECT TControl::BoundsRect() const {
  return {Bounds_.Left, Bounds_.Top, Bounds_.Left + Bounds_.Width, Bounds_.Top + Bounds_.Height};
}

void TControl::SetBounds(const TBounds& Bounds) { Bounds_ = Bounds; }

void TControl::SetColor(TColor Value) {
  if (Value == Color_) return;
  Color_ = Value;
  Invalidate();
}

TGraphicControl::TGraphicControl(TCustomControl* Parent, const TBounds& Bounds)
    : TControl(Parent, Bounds) {
  Parent->GraphicControls_.push_back(this);
}

TGraphicControl::~TGraphicControl() {
  TCustomControl* P = Parent();
  std::erase(P->GraphicControls_, this);
  if (P->MouseControl_ == this) P->MouseControl_ = nullptr;
  if (P->PressedControl_ == this) P->PressedControl_ = nullptr;
  Invalidate();
}

void TGraphicControl::SetBounds(const TBounds& Bounds) {
  Invalidate();
  TControl::SetBounds(Bounds);
  Invalidate();
}

void TGraphicControl::Invalidate() {
  RECT Rect = BoundsRect();
  ::InvalidateRect(Parent()->Handle(), &Rect, TRUE);
}

TWinControl::TWinControl(TCustomControl* Parent, const TBounds& Bounds)
    : TControl(Parent, Bounds) {}

TWinControl::~TWinControl() {
  // Messages sent while the window goes reach only this base's handling.
  if (Handle_) ::DestroyWindow(Handle_);
}

bool TWinControl::TabStop() const {
  return (::GetWindowLongA(Handle_, GWL_STYLE) & WS_TABSTOP) != 0;
}

void TWinControl::SetFocus() { ::SetFocus(Handle_); }

void TWinControl::SetBounds(const TBounds& Bounds) {
  TControl::SetBounds(Bounds);
  ::SetWindowPos(Handle_, nullptr, Bounds.Left, Bounds.Top, Bounds.Width, Bounds.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::Invalidate() {
  if (Handle_) ::InvalidateRect(Handle_, nullptr, TRUE);
}

bool TWinControl::Notify(NMHDR&, LRESULT&) { return false; }

void TWinControl::CreateOwnWindow(DWORD Style, DWORD ExStyle, const std::string& Caption) {
  static const ATOM ClassAtom = [] {
    WNDCLASSEXA Class{};
    Class.cbSize = sizeof(Class);
    Class.lpfnWndProc = &TWinControl::OwnWindowProc;
    Class.hInstance = ::GetModuleHandleA(nullptr);
    Class.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    Class.lpszClassName = OwnClassName;
    return ::RegisterClassExA(&Class);
  }();
  if (!ClassAtom) RaiseLastOSError("RegisterClassExA");
  const TBounds& B = Bounds();
  HWND ParentWnd = Parent() ? Parent()->Handle() : nullptr;
  // Handle_ is set at WM_NCCREATE, before any message reaches WndProc.
  if (!::CreateWindowExA(ExStyle, OwnClassName, Caption.c_str(), Style, B.Left, B.Top, B.Width,
                         B.Height, ParentWnd, nullptr, ::GetModuleHandleA(nullptr), this))
    RaiseLastOSError("CreateWindowExA");
}

void TWinControl::CreateStockWindow(const char* ClassName, DWORD Style, DWORD ExStyle) {
  const TBounds& B = Bounds();
  Handle_ = ::CreateWindowExA(ExStyle, ClassName, "", Style | WS_CHILD, B.Left, B.Top, B.Width,
                              B.Height, Parent()->Handle(), nullptr, ::GetModuleHandleA(nullptr),
                              nullptr);
  if (!Handle_) RaiseLastOSError("CreateWindowExA");
  if (!::SetWindowSubclass(Handle_, &TWinControl::SubclassProc, 0,
                           reinterpret_cast<DWORD_PTR>(this)))
    RaiseLastOSError("SetWindowSubclass");
  Subclassed_ = true;
}

LRESULT CALLBACK TWinControl::OwnWindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_NCCREATE) {
    auto* Self = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTA*>(LParam)->lpCreateParams);
    Self->Handle_ = Wnd;
    ::SetWindowLongPtrA(Wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Self));
  }
  auto* Self = reinterpret_cast<TWinControl*>(::GetWindowLongPtrA(Wnd, GWLP_USERDATA));
  if (!Self) return ::DefWindowProcA(Wnd, Msg, WParam, LParam);
  return Self->Dispatch(Msg, WParam, LParam);
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR,
                                           DWORD_PTR Self) {
  return reinterpret_cast<TWinControl*>(Self)->Dispatch(Msg, WParam, LParam);
}

LRESULT TWinControl::Dispatch(UINT Msg, WPARAM WParam, LPARAM LParam) noexcept {
  LRESULT Result = 0;
  try {
    Result = WndProc(Msg, WParam, LParam);
  } catch (...) {
    Application->HandleException(std::current_exception());
  }
  if (Msg == WM_NCDESTROY) Unbind();
  return Result;
}

void TWinControl::Unbind() {
  if (Subclassed_)
    ::RemoveWindowSubclass(Handle_, &TWinControl::SubclassProc, 0);
  else
    ::SetWindowLongPtrA(Handle_, GWLP_USERDATA, 0);
  Handle_ = nullptr;
}

LRESULT TWinControl::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  return DefaultHandler(Msg, WParam, LParam);
}

LRESULT TWinControl::DefaultHandler(UINT Msg, WPARAM WParam, LPARAM LParam) {
  return Subclassed_ ? ::DefSubclassProc(Handle_, Msg, WParam, LParam)
                     : ::DefWindowProcA(Handle_, Msg, WParam, LParam);
}

TCustomControl::TCustomControl(TCustomControl* Parent, const TBounds& Bounds)
    : TWinControl(Parent, Bounds) {}

TCustomControl::~TCustomControl() {
  while (!Controls_.empty()) Controls_.pop_back();
}

RECT TCustomControl::ClientRect() const {
  RECT Rect{};
  ::GetClientRect(Handle(), &Rect);
  return Rect;
}

TWinControl* TCustomControl::FirstTabStop() const {
  for (const auto& Control : Controls_)
    if (auto* Win = dynamic_cast<TWinControl*>(Control.get()); Win && Win->TabStop()) return Win;
  return nullptr;
}

LRESULT TCustomControl::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
    case WM_ERASEBKGND: {
      Canvas_.SetHandle(reinterpret_cast<HDC>(WParam));
      Canvas_.Brush().Color = Color();
      Canvas_.FillRect(ClientRect());
      return 1;
    }
    case WM_PAINT: {
      TPaintScope Paint(Handle());
      PaintControls(Paint.DC(), Paint.Clip());
      return 0;
    }
    case WM_PRINTCLIENT: {
      HDC DC = reinterpret_cast<HDC>(WParam);
      if (LParam & PRF_ERASEBKGND) WndProc(WM_ERASEBKGND, WParam, 0);
      PaintControls(DC, ClientRect());
      return 0;
    }
    case WM_NOTIFY: {
      // Only from our own direct children; the custom-draw answer becomes
      // this window procedure's result (a dialog procedure would have to
      // pass it through DWLP_MSGRESULT instead).
      NMHDR& Header = *reinterpret_cast<NMHDR*>(LParam);
      for (const auto& Control : Controls_) {
        auto* Win = dynamic_cast<TWinControl*>(Control.get());
        LRESULT Result = 0;
        if (Win && Win->Handle() == Header.hwndFrom && Win->Notify(Header, Result)) return Result;
      }
      break;
    }
    case WM_MOUSEMOVE:
      if (!TrackingLeave_) {
        TRACKMOUSEEVENT Track{sizeof(Track), TME_LEAVE, Handle(), 0};
        TrackingLeave_ = ::TrackMouseEvent(&Track) != FALSE;
      }
      SetMouseControl(GraphicControlAt(LParam));
      return 0;
    case WM_MOUSELEAVE:
      TrackingLeave_ = false;
      SetMouseControl(nullptr);
      return 0;
    case WM_LBUTTONDOWN:
      PressedControl_ = GraphicControlAt(LParam);
      if (PressedControl_) ::SetCapture(Handle());
      return 0;
    case WM_LBUTTONUP: {
      TGraphicControl* Pressed = std::exchange(PressedControl_, nullptr);
      if (::GetCapture() == Handle()) ::ReleaseCapture();
      if (Pressed && Pressed == GraphicControlAt(LParam) && Pressed->OnClick)
        Pressed->OnClick(Pressed);
      return 0;
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(WParam) == Handle() && LOWORD(LParam) == HTCLIENT) {
        POINT Point{};
        ::GetCursorPos(&Point);
        ::ScreenToClient(Handle(), &Point);
        TGraphicControl* Control = GraphicControlAt(Point);
        if (Control && Control->Cursor() == crHandPoint) {
          ::SetCursor(::LoadCursorA(nullptr, IDC_HAND));
          return TRUE;
        }
      }
      break;
    default:
      break;
  }
  return TWinControl::WndProc(Msg, WParam, LParam);
}

void TCustomControl::PaintControls(HDC DC, const RECT& Clip) {
  Canvas_.SetHandle(DC);
  for (TGraphicControl* Control : GraphicControls_) {
    RECT Bounds = Control->BoundsRect();
    RECT Visible{};
    if (!::IntersectRect(&Visible, &Bounds, &Clip)) continue;
    int Saved = ::SaveDC(DC);
    ::IntersectClipRect(DC, Bounds.left, Bounds.top, Bounds.right, Bounds.bottom);
    Control->Paint(Canvas_);
    ::RestoreDC(DC, Saved);
  }
}

TGraphicControl* TCustomControl::GraphicControlAt(POINT Point) const {
  for (auto It = GraphicControls_.rbegin(); It != GraphicControls_.rend(); ++It) {
    RECT Bounds = (*It)->BoundsRect();
    if (::PtInRect(&Bounds, Point)) return *It;
  }
  return nullptr;
}

TGraphicControl* TCustomControl::GraphicControlAt(LPARAM LParam) const {
  return GraphicControlAt(POINT{GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)});
}

void TCustomControl::SetMouseControl(TGraphicControl* Control) {
  TGraphicControl* Old = std::exchange(MouseControl_, Control);
  if (Old == Control) return;
  if (Old && Old->OnMouseLeave) Old->OnMouseLeave(Old);
  if (Control && Control->OnMouseEnter) Control->OnMouseEnter(Control);
}

}  // namespace vcl
