#pragma once
// The diagnostics window: one row per system component, with the version
// found and whether an approved version is installed.

#include "vcl/ComCtrls.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

#include <memory>
#include <string>

class TSystemComponentsMainForm : public vcl::TForm {
public:
  // Builds every component; MakeForm then raises OnCreate.
  TSystemComponentsMainForm();

  vcl::TPanel* Panel = nullptr;
  vcl::TLabel* Label1 = nullptr;
  vcl::TPanel* BottomPanel = nullptr;
  vcl::TListView* ListView = nullptr;
  vcl::TLabel* CloseLabel = nullptr;
  vcl::TShape* Shape1 = nullptr;
  vcl::TShape* Shape2 = nullptr;
  vcl::TImage* OstervaneImage = nullptr;
  vcl::TLabel* AppNameLabel = nullptr;
  // The list's context menu: "Kopiera".
  std::unique_ptr<vcl::TPopupMenu> ListPopupMenu;

  // Without a "Calibri" font the application name is drawn in Arial.
  void FormCreate(vcl::TObject* Sender);
  // The check run: asks every probe once and fills the rows.
  void FormActivate(vcl::TObject* Sender);
  void CloseLabelMouseEnter(vcl::TObject* Sender);
  void CloseLabelMouseLeave(vcl::TObject* Sender);
  void CloseLabelClick(vcl::TObject* Sender);
  void ListViewCustomDraw(vcl::TObject* Sender, const RECT& ARect, bool& DefaultDraw);
  // The status column in green for an approved version, else in red.
  void ListViewCustomDrawSubItem(vcl::TObject* Sender, vcl::TListItem& Item, int SubItem,
                                 vcl::TCustomDrawState State, bool& DefaultDraw);
  // Ctrl+C copies the list, as "Kopiera" in its context menu does.
  void ListViewKeyDown(vcl::TObject* Sender, WORD& Key, vcl::TShiftState Shift);
  void CopyMenuItemClick(vcl::TObject* Sender);

  // The seven rows as text to paste into a message: component, version and
  // status, separated by tabs, one line a row.
  std::string ReportText() const;

  // The .NET Framework checks read the registry only.
  static bool IsDotNet2Installed();
  static bool IsDotNet4Installed();
  // The .NET Framework 4 release number; 0 when its key does not open.
  static int GetDotNet4Release();
};

// The one window, set when the application creates it.
extern TSystemComponentsMainForm* SystemComponentsMainForm;
