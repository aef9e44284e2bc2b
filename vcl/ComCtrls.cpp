#include "vcl/ComCtrls.h"

#include "vcl/OSError.h"

#include <windowsx.h>

#include <utility>

namespace vcl {

namespace {

DWORD ListStyle(const TListView::TParams& Params) {
  DWORD Style = WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT | LVS_SHAREIMAGELISTS;
  if (!Params.ShowColumnHeaders) Style |= LVS_NOCOLUMNHEADER;
  if (!Params.ReadOnly) Style |= LVS_EDITLABELS;
  if (!Params.MultiSelect) Style |= LVS_SINGLESEL;
  return Style;
}

}  // namespace

TListItem::TListItem(TListView& Owner, int Index, std::string Caption,
                     std::vector<std::string> SubItems)
    : Owner_(Owner), Index_(Index), Caption_(std::move(Caption)), SubItems_(std::move(SubItems)) {}

void TListItem::SetCaption(std::string Value) {
  Caption_ = std::move(Value);
  Owner_.SetCellText(Index_, 0, Caption_);
}

void TListItem::SetSubItem(int I, std::string Value) {
  SubItems_.at(I) = std::move(Value);
  Owner_.SetCellText(Index_, I + 1, SubItems_[I]);
}

TListView::TListView(TCustomControl* Parent, const TParams& Params)
    : TWinControl(Parent, Params.Bounds) {
  SetColor(Params.Color);
  CreateStockWindow(WC_LISTVIEWA, ListStyle(Params),
                    Params.BorderStyle == bsSingle ? WS_EX_CLIENTEDGE : 0);
  if (Params.RowSelect)
    ::SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                   LVS_EX_FULLROWSELECT);
  ::SendMessageA(Handle(), LVM_SETBKCOLOR, 0, ColorToRGB(Color()));
  ::SendMessageA(Handle(), LVM_SETTEXTBKCOLOR, 0, ColorToRGB(Color()));
  FontChanged();

  for (const TColumn& Column : Params.Columns) {
    LVCOLUMNA Col{};
    Col.mask = LVCF_TEXT | LVCF_WIDTH;
    Col.pszText = const_cast<char*>(Column.Caption.c_str());
    Col.cx = Column.Width;
    int Index = static_cast<int>(&Column - Params.Columns.data());
    if (::SendMessageA(Handle(), LVM_INSERTCOLUMNA, Index, reinterpret_cast<LPARAM>(&Col)) < 0)
      RaiseLastOSError("LVM_INSERTCOLUMNA");
  }
  for (const TItem& Row : Params.Items) {
    int Index = ItemCount();
    const TListItem& Item = Items_.emplace_back(*this, Index, Row.Caption, Row.SubItems);
    LVITEMA Entry{};
    Entry.mask = LVIF_TEXT;
    Entry.iItem = Index;
    Entry.pszText = const_cast<char*>(Item.Caption().c_str());
    if (::SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&Entry)) < 0)
      RaiseLastOSError("LVM_INSERTITEMA");
    // A new row's cells are empty already.
    for (std::size_t I = 0; I < Row.SubItems.size(); ++I)
      if (!Row.SubItems[I].empty()) SetCellText(Index, static_cast<int>(I) + 1, Row.SubItems[I]);
  }
}

void TListView::FontChanged() {
  ::SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  ::SendMessageA(Handle(), LVM_SETTEXTCOLOR, 0, ColorToRGB(Font().Color()));
}

void TListView::SetCellText(int Item, int Column, const std::string& Text) {
  LVITEMA Entry{};
  Entry.iSubItem = Column;
  Entry.pszText = const_cast<char*>(Text.c_str());
  ::SendMessageA(Handle(), LVM_SETITEMTEXTA, Item, reinterpret_cast<LPARAM>(&Entry));
}

LRESULT TListView::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
    case WM_KEYDOWN:
      if (OnKeyDown) {
        auto Key = static_cast<WORD>(WParam);
        OnKeyDown(this, Key, KeyboardShiftState());
        if (Key == 0) return 0;
      }
      break;
    case WM_CONTEXTMENU:
      if (PopupMenu) {
        POINT At{GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)};
        if (LParam == -1) {
          // From the keyboard: at the top left of the list.
          At = {0, 0};
          ::ClientToScreen(Handle(), &At);
        }
        PopupMenu->Popup(Handle(), At);
        return 0;
      }
      break;
    default:
      break;
  }
  return TWinControl::WndProc(Msg, WParam, LParam);
}

bool TListView::Notify(NMHDR& Header, LRESULT& Result) {
  if (Header.code != NM_CUSTOMDRAW) return false;
  Result = CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(Header));
  return true;
}

// The stages in a fixed order; what a cell looks like is the handler's.
LRESULT TListView::CustomDraw(NMLVCUSTOMDRAW& Draw) {
  switch (Draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: {
      bool DefaultDraw = true;
      if (OnCustomDraw) {
        ResetCanvas(Draw.nmcd.hdc);
        OnCustomDraw(this, Draw.nmcd.rc, DefaultDraw);
      }
      if (!DefaultDraw) return CDRF_SKIPDEFAULT;
      return OnCustomDrawSubItem ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
    }
    case CDDS_ITEMPREPAINT:
      return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
      return DrawCell(Draw);
    default:
      return CDRF_DODEFAULT;
  }
}

LRESULT TListView::DrawCell(NMLVCUSTOMDRAW& Draw) {
  ResetCanvas(Draw.nmcd.hdc);
  bool DefaultDraw = true;
  auto Row = static_cast<int>(Draw.nmcd.dwItemSpec);
  if (Draw.iSubItem > 0 && Row < ItemCount())
    OnCustomDrawSubItem(this, Items_[Row], Draw.iSubItem, Draw.nmcd.uItemState, DefaultDraw);
  if (!DefaultDraw) return CDRF_SKIPDEFAULT;
  // Every cell gets its colours set, the first column's included: the list
  // may otherwise carry one cell's colour over to the next.
  Draw.clrText = ColorToRGB(Canvas_.Font().Color());
  Draw.clrTextBk = ColorToRGB(Canvas_.Brush().Color);
  ::SelectObject(Draw.nmcd.hdc, Canvas_.Font().Handle());
  return CDRF_NEWFONT;
}

void TListView::ResetCanvas(HDC DC) {
  // The list's own font goes back in first, so that a font a handler made
  // for the previous cell is not selected when it is released.
  ::SelectObject(DC, Font().Handle());
  Canvas_.SetHandle(DC);
  Canvas_.Font().Assign(Font());
  Canvas_.Brush().Color = Color();
}

}  // namespace vcl
