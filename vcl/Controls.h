#pragma once
// The window side of the class library: controls over user32, gdi32 and
// comctl32. This is its main header; the other window headers build on it.
//
// Events, for every control and form:
//  - An event is a public std::function member named OnXxx, set by the form
//    that owns the control. An empty one leaves the control's default.
//  - A handler receives Sender, the object that raised the event, then the
//    event's own arguments; an out-argument (DefaultDraw) is a reference the
//    handler may change.
//  - A handler may throw. No exception ever unwinds through Windows: every
//    window procedure and callback catches and hands it to
//    Application->HandleException (vcl/Forms.h), which shows the error box
//    (nothing for EAbort), and the program carries on.
//
// A window is bound to its object in one place: our own windows get `this`
// through lpCreateParams at WM_NCCREATE, stock controls are subclassed with
// SetWindowSubclass. WM_NOTIFY goes back to the direct child that sent it.

#include "vcl/Graphics.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vcl {

class TObject {
public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Which of Shift, Alt and Ctrl are held down.
using TShiftState = unsigned;
enum : TShiftState { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
// The keys held down now, as the thread's input state has them.
TShiftState KeyboardShiftState();

// Key is a virtual-key code; a handler that sets it to 0 has used the key,
// and the control then does nothing more with it.
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;

enum TCursor { crDefault, crHandPoint };

// A control's place in its parent's client area, in pixels.
struct TBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;

  bool operator==(const TBounds&) const = default;
};

class TCustomControl;

class TControl : public TObject {
public:
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  TCustomControl* Parent() const { return Parent_; }
  const TBounds& Bounds() const { return Bounds_; }
  RECT BoundsRect() const;
  virtual void SetBounds(const TBounds& Bounds);

  // A control starts with its parent's font and colour.
  TFont& Font() { return Font_; }
  const TFont& Font() const { return Font_; }
  TColor Color() const { return Color_; }
  void SetColor(TColor Value);

  virtual void Invalidate() = 0;

protected:
  TControl(TCustomControl* Parent, const TBounds& Bounds);

  virtual void FontChanged() { Invalidate(); }

private:
  TCustomControl* Parent_;
  TBounds Bounds_;
  TFont Font_;
  TColor Color_;
};

// A control without a window of its own: its parent paints it and routes the
// mouse to it.
class TGraphicControl : public TControl {
public:
  ~TGraphicControl() override;

  TCursor Cursor() const { return Cursor_; }
  void SetCursor(TCursor Value) { Cursor_ = Value; }

  void SetBounds(const TBounds& Bounds) override;
  void Invalidate() override;

  TNotifyEvent OnClick;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

protected:
  TGraphicControl(TCustomControl* Parent, const TBounds& Bounds);

  virtual void Paint(TCanvas& Canvas) = 0;

private:
  friend class TCustomControl;

  TCursor Cursor_ = crDefault;
};

class TWinControl : public TControl {
public:
  ~TWinControl() override;

  HWND Handle() const { return Handle_; }
  bool TabStop() const;
  void SetFocus();

  void SetBounds(const TBounds& Bounds) override;
  void Invalidate() override;

  // A WM_NOTIFY that this control sent to its parent, handed back to it.
  // Answers whether the control handled it; Result is then the parent's
  // window procedure's result.
  virtual bool Notify(NMHDR& Header, LRESULT& Result);

protected:
  TWinControl(TCustomControl* Parent, const TBounds& Bounds);

  // A window of our own class, bound to this object at WM_NCCREATE. Its
  // parent window is the parent control's, or none for a top-level window.
  void CreateOwnWindow(DWORD Style, DWORD ExStyle, const std::string& Caption);
  // A stock control of ClassName, subclassed to this object.
  void CreateStockWindow(const char* ClassName, DWORD Style, DWORD ExStyle);

  virtual LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam);
  LRESULT DefaultHandler(UINT Msg, WPARAM WParam, LPARAM LParam);

private:
  static LRESULT CALLBACK OwnWindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  static LRESULT CALLBACK SubclassProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam,
                                       UINT_PTR Id, DWORD_PTR Self);
  LRESULT Dispatch(UINT Msg, WPARAM WParam, LPARAM LParam) noexcept;
  void Unbind();

  HWND Handle_ = nullptr;
  bool Subclassed_ = false;
};

// A window of our own that paints its background in its colour, holds child
// controls (owning them), paints its graphic children and routes the mouse
// to them.
class TCustomControl : public TWinControl {
public:
  ~TCustomControl() override;

  // Makes a child control from its parameters; the parent owns it.
  template <class T>
  T* Add(const typename T::TParams& Params) {
    auto Child = std::make_unique<T>(this, Params);
    T* Result = Child.get();
    Controls_.push_back(std::move(Child));
    return Result;
  }

  RECT ClientRect() const;

protected:
  TCustomControl(TCustomControl* Parent, const TBounds& Bounds);

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;
  TWinControl* FirstTabStop() const;

private:
  friend class TGraphicControl;

  void PaintControls(HDC DC, const RECT& Clip);
  TGraphicControl* GraphicControlAt(POINT Point) const;
  TGraphicControl* GraphicControlAt(LPARAM LParam) const;
  void SetMouseControl(TGraphicControl* Control);

  std::vector<std::unique_ptr<TControl>> Controls_;
  std::vector<TGraphicControl*> GraphicControls_;  // in painting order
  TGraphicControl* MouseControl_ = nullptr;
  TGraphicControl* PressedControl_ = nullptr;
  bool TrackingLeave_ = false;
  TCanvas Canvas_;
};

}  // namespace vcl
