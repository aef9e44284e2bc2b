#pragma once
// The list view in report style, with per-cell custom drawing.

#include "vcl/Controls.h"
#include "vcl/Menus.h"

#include <commctrl.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vcl {

enum TBorderStyle { bsNone, bsSingle };

class TListView;

// A row: its caption in the first column, sub-item I in column I + 1.
// Writing a text updates the list on screen.
class TListItem {
public:
  TListItem(TListView& Owner, int Index, std::string Caption, std::vector<std::string> SubItems);
  TListItem(const TListItem&) = delete;
  TListItem& operator=(const TListItem&) = delete;

  int Index() const { return Index_; }
  const std::string& Caption() const { return Caption_; }
  void SetCaption(std::string Value);
  const std::string& SubItem(int I) const { return SubItems_.at(I); }
  void SetSubItem(int I, std::string Value);

private:
  TListView& Owner_;
  int Index_;
  std::string Caption_;
  std::vector<std::string> SubItems_;
};

using TCustomDrawState = UINT;  // CDIS_* flags

using TLVCustomDrawEvent =
    std::function<void(TObject* Sender, const RECT& ARect, bool& DefaultDraw)>;
using TLVCustomDrawSubItemEvent =
    std::function<void(TObject* Sender, TListItem& Item, int SubItem, TCustomDrawState State,
                       bool& DefaultDraw)>;

class TListView : public TWinControl {
public:
  struct TColumn {
    std::string Caption = {};
    int Width = 50;
  };
  struct TItem {
    std::string Caption = {};
    std::vector<std::string> SubItems = {};
  };
  struct TParams {
    TBounds Bounds = {};
    TColor Color = clWhite;
    std::vector<TColumn> Columns = {};
    std::vector<TItem> Items = {};
    bool ShowColumnHeaders = true;
    bool ReadOnly = false;     // captions cannot be edited in place
    bool RowSelect = false;    // a selected row is highlighted across all columns
    bool MultiSelect = false;
    TBorderStyle BorderStyle = bsSingle;
  };

  TListView(TCustomControl* Parent, const TParams& Params);

  int ItemCount() const { return static_cast<int>(Items_.size()); }
  TListItem& Item(int Index) { return Items_.at(Index); }

  // The canvas that custom-draw handlers change; before each cell it holds
  // the list's own font and background again.
  TCanvas& Canvas() { return Canvas_; }

  bool Notify(NMHDR& Header, LRESULT& Result) override;

  // Before the list paints.
  TLVCustomDrawEvent OnCustomDraw;
  // Before each cell of a column other than the first (SubItem 1 or more);
  // a font colour set on the canvas becomes that cell's text colour.
  TLVCustomDrawSubItemEvent OnCustomDrawSubItem;
  // A key pressed while the list has the focus.
  TKeyEvent OnKeyDown;
  // Shown on a right click, Shift+F10 or the menu key; not owned.
  TPopupMenu* PopupMenu = nullptr;

protected:
  void FontChanged() override;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

private:
  friend class TListItem;

  void SetCellText(int Item, int Column, const std::string& Text);
  LRESULT CustomDraw(NMLVCUSTOMDRAW& Draw);
  LRESULT DrawCell(NMLVCUSTOMDRAW& Draw);
  void ResetCanvas(HDC DC);

  std::deque<TListItem> Items_;
  TCanvas Canvas_;
};

}  // namespace vcl
