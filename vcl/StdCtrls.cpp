#include "vcl/StdCtrls.h"

#include <utility>

namespace vcl {

TLabel::TLabel(TCustomControl* Parent, const TParams& Params)
    : TGraphicControl(Parent, Params.Bounds),
      Caption_(Params.Caption),
      AutoSize_(Params.AutoSize),
      WordWrap_(Params.WordWrap) {
  if (Params.Font) Font().Assign(*Params.Font);
  if (Params.Color) SetColor(*Params.Color);
  SetCursor(Params.Cursor);
  AdjustBounds();
}

void TLabel::SetCaption(std::string Value) {
  if (Value == Caption_) return;
  Caption_ = std::move(Value);
  AdjustBounds();
  Invalidate();
}

void TLabel::Paint(TCanvas& Canvas) {
  RECT Rect = BoundsRect();
  Canvas.Brush().Color = Color();
  Canvas.FillRect(Rect);
  Canvas.Font().Assign(Font());
  Canvas.DrawText(Caption_, Rect, TextFormat());
}

void TLabel::FontChanged() {
  AdjustBounds();
  Invalidate();
}

UINT TLabel::TextFormat() const {
  return DT_EXPANDTABS | DT_NOPREFIX | (WordWrap_ ? DT_WORDBREAK : 0);
}

void TLabel::AdjustBounds() {
  if (!AutoSize_) return;
  TWindowDC ScreenDC;
  TCanvas Canvas;
  Canvas.SetHandle(ScreenDC.Get());
  Canvas.Font().Assign(Font());
  RECT Rect{0, 0, Bounds().Width, Bounds().Height};
  // An empty caption still has the height of a line.
  Canvas.DrawText(Caption_.empty() ? std::string(" ") : Caption_, Rect, TextFormat() | DT_CALCRECT);
  SetBounds({Bounds().Left, Bounds().Top, Rect.right, Rect.bottom});
}

}  // namespace vcl
