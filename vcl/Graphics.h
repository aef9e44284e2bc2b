#pragma once
// Colours, fonts and the drawing canvas. Every GDI object is owned by a
// handle from vcl/Handles.h; a canvas only borrows its device context.

#include "vcl/Handles.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace vcl {

// 0x00BBGGRR, or a system colour: 0x80000000 plus a COLOR_* index.
using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clGreen = 0x008000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clWindowText = static_cast<TColor>(0x80000000u | COLOR_WINDOWTEXT);

// The RGB value to draw with: system colours follow the display settings.
COLORREF ColorToRGB(TColor Color);

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;  // an or-ed set of TFontStyle

// A font by face name and height in pixels: a negative height is the
// character height, as in a LOGFONT.
struct TFontDesc {
  std::string Name = "MS Sans Serif";
  int Height = -11;
  TColor Color = clWindowText;
  TFontStyles Style = 0;

  bool operator==(const TFontDesc&) const = default;
};

// The GDI font is made when first asked for after its name, height or style
// changed; a change of colour keeps it.
class TFont {
public:
  explicit TFont(TFontDesc Desc = {});
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  void Assign(const TFontDesc& Desc);
  // Takes over Source's attributes, not its handle.
  void Assign(const TFont& Source) { Assign(Source.Desc_); }

  const std::string& Name() const { return Desc_.Name; }
  void SetName(std::string Value);
  int Height() const { return Desc_.Height; }
  TColor Color() const { return Desc_.Color; }
  void SetColor(TColor Value);
  TFontStyles Style() const { return Desc_.Style; }
  void SetStyle(TFontStyles Value);

  HFONT Handle() const;

  // Raised after any attribute changed.
  std::function<void()> OnChange;

private:
  TFontDesc Desc_;
  mutable TUniqueFont Handle_;
};

struct TBrush {
  TColor Color = clWhite;
};

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
};

// Drawing on a borrowed device context with a font, a pen and a brush. The
// GDI objects are made per call and released before it returns.
class TCanvas {
public:
  HDC Handle() const { return DC_; }
  void SetHandle(HDC DC) { DC_ = DC; }

  TFont& Font() { return Font_; }
  TBrush& Brush() { return Brush_; }
  TPen& Pen() { return Pen_; }

  void FillRect(const RECT& Rect);
  // Outlined with the pen, filled with the brush, as GDI's Rectangle.
  void Rectangle(const RECT& Rect);
  // The text in the font's colour, on whatever lies below it.
  void DrawText(const std::string& Text, RECT& Rect, UINT Format);
  void Draw(int X, int Y, HBITMAP Bitmap);

private:
  HDC DC_ = nullptr;
  TFont Font_;
  TBrush Brush_;
  TPen Pen_;
};

// A window's device context, borrowed with GetDC for one scope; the screen's
// with no window.
class TWindowDC {
public:
  explicit TWindowDC(HWND Wnd = nullptr);
  ~TWindowDC();
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;

  HDC Get() const { return DC_; }

private:
  HWND Wnd_;
  HDC DC_;
};

}  // namespace vcl
