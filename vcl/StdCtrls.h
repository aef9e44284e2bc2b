#pragma once
// Labels: text painted by the parent, sized to the text.

#include "vcl/Controls.h"

#include <optional>
#include <string>

namespace vcl {

class TLabel : public TGraphicControl {
public:
  struct TParams {
    TBounds Bounds = {};
    std::string Caption = {};
    std::optional<TFontDesc> Font = std::nullopt;  // the parent's when not given
    std::optional<TColor> Color = std::nullopt;    // the parent's when not given
    bool AutoSize = true;
    bool WordWrap = false;
    TCursor Cursor = crDefault;
  };

  TLabel(TCustomControl* Parent, const TParams& Params);

  const std::string& Caption() const { return Caption_; }
  void SetCaption(std::string Value);

protected:
  void Paint(TCanvas& Canvas) override;
  void FontChanged() override;

private:
  UINT TextFormat() const;
  // With AutoSize, the label takes the extent of its text, keeping its left
  // and top edges; a word-wrapped label wraps within its current width.
  void AdjustBounds();

  std::string Caption_;
  bool AutoSize_;
  bool WordWrap_;
};

}  // namespace vcl
