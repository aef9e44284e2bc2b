#include "vcl/Graphics.h"

#include "vcl/OSError.h"

#include <utility>

namespace vcl {

COLORREF ColorToRGB(TColor Color) {
  if (Color < 0) return ::GetSysColor(Color & 0xFF);
  return static_cast<COLORREF>(Color);
}

TFont::TFont(TFontDesc Desc) : Desc_(std::move(Desc)) {}

void TFont::Assign(const TFontDesc& Desc) {
  if (Desc == Desc_) return;
  if (Desc.Name != Desc_.Name || Desc.Height != Desc_.Height || Desc.Style != Desc_.Style)
    Handle_.Reset();
  Desc_ = Desc;
  if (OnChange) OnChange();
}

void TFont::SetName(std::string Value) {
  TFontDesc Desc = Desc_;
  Desc.Name = std::move(Value);
  Assign(Desc);
}

void TFont::SetColor(TColor Value) {
  TFontDesc Desc = Desc_;
  Desc.Color = Value;
  Assign(Desc);
}

void TFont::SetStyle(TFontStyles Value) {
  TFontDesc Desc = Desc_;
  Desc.Style = Value;
  Assign(Desc);
}

HFONT TFont::Handle() const {
  if (!Handle_) {
    LOGFONTA Log{};
    Log.lfHeight = Desc_.Height;
    Log.lfWeight = (Desc_.Style & fsBold) ? FW_BOLD : FW_NORMAL;
    Log.lfItalic = (Desc_.Style & fsItalic) != 0;
    Log.lfUnderline = (Desc_.Style & fsUnderline) != 0;
    Log.lfStrikeOut = (Desc_.Style & fsStrikeOut) != 0;
    Log.lfCharSet = DEFAULT_CHARSET;
    Log.lfOutPrecision = OUT_DEFAULT_PRECIS;
    Log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    Log.lfQuality = DEFAULT_QUALITY;
    Log.lfPitchAndFamily = DEFAULT_PITCH;
    Desc_.Name.copy(Log.lfFaceName, LF_FACESIZE - 1);
    Handle_.Reset(::CreateFontIndirectA(&Log));
    if (!Handle_) RaiseLastOSError("CreateFontIndirectA");
  }
  return Handle_.Get();
}

void TCanvas::FillRect(const RECT& Rect) {
  TUniqueBrush Brush(::CreateSolidBrush(ColorToRGB(Brush_.Color)));
  ::FillRect(DC_, &Rect, Brush.Get());
}

void TCanvas::Rectangle(const RECT& Rect) {
  TUniquePen Pen(::CreatePen(PS_SOLID, Pen_.Width, ColorToRGB(Pen_.Color)));
  TUniqueBrush Brush(::CreateSolidBrush(ColorToRGB(Brush_.Color)));
  TSelectObject SelectPen(DC_, Pen.Get());
  TSelectObject SelectBrush(DC_, Brush.Get());
  ::Rectangle(DC_, Rect.left, Rect.top, Rect.right, Rect.bottom);
}

void TCanvas::DrawText(const std::string& Text, RECT& Rect, UINT Format) {
  TSelectObject SelectFont(DC_, Font_.Handle());
  int OldMode = ::SetBkMode(DC_, TRANSPARENT);
  COLORREF OldColor = ::SetTextColor(DC_, ColorToRGB(Font_.Color()));
  ::DrawTextA(DC_, Text.c_str(), static_cast<int>(Text.size()), &Rect, Format);
  ::SetTextColor(DC_, OldColor);
  ::SetBkMode(DC_, OldMode);
}

void TCanvas::Draw(int X, int Y, HBITMAP Bitmap) {
  BITMAP Info{};
  if (!::GetObjectA(Bitmap, sizeof(Info), &Info)) return;
  TUniqueDC Source(::CreateCompatibleDC(DC_));
  TSelectObject SelectBitmap(Source.Get(), Bitmap);
  ::BitBlt(DC_, X, Y, Info.bmWidth, Info.bmHeight, Source.Get(), 0, 0, SRCCOPY);
}

TWindowDC::TWindowDC(HWND Wnd) : Wnd_(Wnd), DC_(::GetDC(Wnd)) {
  if (!DC_) RaiseLastOSError("GetDC");
}

TWindowDC::~TWindowDC() { ::ReleaseDC(Wnd_, DC_); }

}  // namespace vcl
