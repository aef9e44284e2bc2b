#include "vcl/ExtCtrls.h"

#include "vcl/OSError.h"

namespace vcl {

namespace {

TBounds Aligned(TCustomControl* Parent, const TBounds& Bounds, TAlign Align) {
  if (Align != alBottom) return Bounds;
  RECT Client = Parent->ClientRect();
  return {0, Client.bottom - Bounds.Height, Client.right, Bounds.Height};
}

}  // namespace

TPanel::TPanel(TCustomControl* Parent, const TParams& Params)
    : TCustomControl(Parent, Aligned(Parent, Params.Bounds, Params.Align)) {
  SetColor(Params.Color);
  CreateOwnWindow(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
                  "");
}

TShape::TShape(TCustomControl* Parent, const TParams& Params)
    : TGraphicControl(Parent, Params.Bounds), Pen_(Params.Pen), Brush_(Params.Brush) {}

void TShape::Paint(TCanvas& Canvas) {
  // The outline lies inside the bounds, however wide the pen.
  const TBounds& B = Bounds();
  int Inset = Pen_.Width / 2;
  int Shrink = Pen_.Width - 1;
  Canvas.Pen() = Pen_;
  Canvas.Brush() = Brush_;
  Canvas.Rectangle({B.Left + Inset, B.Top + Inset, B.Left + Inset + B.Width - Shrink,
                    B.Top + Inset + B.Height - Shrink});
}

TImage::TImage(TCustomControl* Parent, const TParams& Params)
    : TGraphicControl(Parent, Params.Bounds),
      Bitmap_(static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr), Params.Bitmap.c_str(),
                                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {
  if (!Bitmap_) RaiseLastOSError("LoadImageA");
}

void TImage::Paint(TCanvas& Canvas) { Canvas.Draw(Bounds().Left, Bounds().Top, Bitmap_.Get()); }

}  // namespace vcl
