#pragma once
// Panels, shapes and images.

#include "vcl/Controls.h"

#include <string>

namespace vcl {

enum TAlign {
  alNone,
  alBottom,  // along the parent's bottom edge, across its whole width
};

// A plain area in its colour that holds other controls: no bevel, no
// caption.
class TPanel : public TCustomControl {
public:
  struct TParams {
    TBounds Bounds = {};
    TColor Color = clWhite;
    TAlign Align = alNone;
  };

  TPanel(TCustomControl* Parent, const TParams& Params);
};

// A rectangle outlined with its pen and filled with its brush.
class TShape : public TGraphicControl {
public:
  struct TParams {
    TBounds Bounds = {};
    TPen Pen = {};
    TBrush Brush = {};
  };

  TShape(TCustomControl* Parent, const TParams& Params);

protected:
  void Paint(TCanvas& Canvas) override;

private:
  TPen Pen_;
  TBrush Brush_;
};

// A bitmap from the program's resources, drawn unstretched from the top-left
// corner.
class TImage : public TGraphicControl {
public:
  struct TParams {
    TBounds Bounds = {};
    std::string Bitmap = {};  // resource name
  };

  TImage(TCustomControl* Parent, const TParams& Params);

  HBITMAP Bitmap() const { return Bitmap_.Get(); }

protected:
  void Paint(TCanvas& Canvas) override;

private:
  TUniqueBitmap Bitmap_;
};

}  // namespace vcl
