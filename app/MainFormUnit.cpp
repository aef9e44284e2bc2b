#include "app/MainFormUnit.h"

#include "probes/QorAdobeReaderVersion.h"
#include "probes/QorDacVersion.h"
#include "probes/QorJetVersion.h"
#include "probes/QorJreVersion.h"
#include "probes/QorVersionInternetExplorer.h"
#include "vcl/Clipbrd.h"
#include "vcl/Registry.h"
#include "vcl/SysUtils.h"

#include <algorithm>
#include <functional>
#include <string_view>

TSystemComponentsMainForm* SystemComponentsMainForm = nullptr;

namespace {

using namespace vcl;

constexpr TColor BandColor = 14863531;  // window, panels, list
constexpr TColor LinkColor = 8797710;

constexpr const char* Explanation =
    "Här listas version av de systemkomponenter som Ostervanes programvaror kan använda sig av. "
    "Få av våra programvaror kräver att samtliga komponenter finns installerade. Se de "
    "specifika kraven för respektive programvara. Saknar du någon komponent kan du installera "
    "Systemkomponenter.";

constexpr const char* Approved = "Godkänd version installerad";
constexpr const char* NotInstalled = "Ej installerad";
constexpr const char* LaterVersionRequired = "Senare version krävs";
constexpr const char* NotChecked = "Kunde inte kontrolleras";
constexpr const char* UnknownError = "Okänt fel";

constexpr std::string_view DacMinimumExclusive = "2.6999";
constexpr std::string_view JetMinimum = "4.0.8015.0";
constexpr std::string_view InternetExplorerMinimum = "4.72.3612.1713";
constexpr int DotNet4MinimumRelease = 379893;

// Version texts are compared as strings, byte by byte without sign, never
// number by number. The texts these components really carry (MDAC "2.53…",
// "2.62…", "2.81…", "6.x"; Internet Explorer's "Version" stays "9.x" up to
// IE 11; Jet builds "4.0.dddd.d") order correctly so, whereas a comparison
// per number would reject MDAC 2.70 against "2.6999".
bool SortsBefore(std::string_view A, std::string_view B) { return CompareStr(A, B) < 0; }

// What a guarded probe gave: its version text, or that it could not tell.
struct TProbed {
  std::string Version;
  bool Failed = false;
};

// One to four numbers of one to five digits, joined by dots: what file
// versions and the components' own registry values look like.
bool IsVersionText(std::string_view Text) {
  int Numbers = 1;
  int Digits = 0;
  for (char C : Text) {
    if (C == '.') {
      if (Digits == 0 || ++Numbers > 4) return false;
      Digits = 0;
    } else if (C < '0' || C > '9' || ++Digits > 5) {
      return false;
    }
  }
  return Digits > 0;
}

TProbed Guarded(std::string (*Probe)()) {
  try {
    // A text that is no version (the browser probe's "Unknown", or whatever
    // a registry value holds) tells that something is there, not which
    // version; it would otherwise sort after every threshold.
    std::string Version = Probe();
    const bool Failed = !Version.empty() && !IsVersionText(Version);
    return {std::move(Version), Failed};
  } catch (...) {
    // Whatever the probe raised, the row says that it could not be checked;
    // a failure is never taken for an installed version.
    return {UnknownError, true};
  }
}

// A row whose probe gives a version text: absent, not checked, too old (one
// that sorts before Minimum), or approved.
void ShowVersion(TListItem& Row, const TProbed& Probed, std::string_view Minimum) {
  if (Probed.Version.empty()) {
    Row.SetSubItem(1, NotInstalled);
    return;
  }
  Row.SetSubItem(0, Probed.Version);
  if (Probed.Failed)
    Row.SetSubItem(1, NotChecked);
  else if (SortsBefore(Probed.Version, Minimum))
    Row.SetSubItem(1, LaterVersionRequired);
  else
    Row.SetSubItem(1, Approved);
}

void ShowInstalled(TListItem& Row, bool Installed) {
  Row.SetSubItem(1, Installed ? Approved : NotInstalled);
}

bool DacAccepted(const TProbed& Probed) {
  return !Probed.Failed && !Probed.Version.empty() &&
         SortsBefore(DacMinimumExclusive, Probed.Version);
}

}  // namespace

TSystemComponentsMainForm::TSystemComponentsMainForm()
    : TForm({.Caption = "Rurerididu 2.0",
             .ClientWidth = 599,
             .ClientHeight = 312,
             .BorderStyle = bsDialog,
             .Position = poScreenCenter,
             .Color = BandColor,
             .Font = {.Name = "MS Sans Serif", .Height = -11, .Color = clWindowText}}) {
  // Drawn on the window in this order, each over the ones before.
  Shape1 = Add<TShape>({.Bounds = {0, 0, 599, 65}, .Pen = {clBlack, 1}, .Brush = {clWhite}});
  Shape2 = Add<TShape>({.Bounds = {267, 0, 1, 65}, .Pen = {clBlack, 1}, .Brush = {clWhite}});
  OstervaneImage = Add<TImage>({.Bounds = {9, 9, 186, 46}, .Bitmap = "LOGO"});
  AppNameLabel = Add<TLabel>({.Bounds = {280, 10, 115, 33},
                              .Caption = "Rurerididu",
                              .Font = TFontDesc{.Name = "Calibri", .Height = -27},
                              .Color = clWhite});
  // Child windows, above the drawn ones.
  Panel = Add<TPanel>({.Bounds = {0, 65, 599, 65}, .Color = BandColor});
  Label1 = Panel->Add<TLabel>({.Bounds = {8, 8, 564, 42},
                               .Caption = Explanation,
                               .Font = TFontDesc{.Name = "Arial", .Height = -11, .Color = clBlack},
                               .Color = BandColor,
                               .WordWrap = true});
  BottomPanel = Add<TPanel>({.Bounds = {0, 279, 599, 33}, .Color = BandColor, .Align = alBottom});
  CloseLabel = BottomPanel->Add<TLabel>(
      {.Bounds = {558, 9, 28, 14},
       .Caption = "Stäng",
       .Font = TFontDesc{.Name = "Arial", .Height = -11, .Color = LinkColor, .Style = fsUnderline},
       .Cursor = crHandPoint});
  ListView = Add<TListView>({.Bounds = {8, 130, 583, 151},
                             .Color = BandColor,
                             .Columns = {{"Komponent", 322}, {"Version", 106}, {"OK", 153}},
                             .Items = {{"Adobe Reader", {"", ""}},
                                       {"Microsoft Data Access Components (MDAC)", {"", ""}},
                                       {"Microsoft Jet Database Engine (JET)", {"", ""}},
                                       {"IBM Java Runtime Environment (JRE) Ostervanes distribution",
                                        {"", ""}},
                                       {"Microsoft Internet Explorer", {"", ""}},
                                       {"Microsoft .NET Framework 2", {"", ""}},
                                       {"Microsoft .NET Framework 4", {"", ""}}},
                             .ShowColumnHeaders = false,
                             .ReadOnly = true,
                             .RowSelect = true,
                             .BorderStyle = bsNone});

  ListPopupMenu = std::make_unique<TPopupMenu>(std::vector<TMenuItem>{
      {"Kopiera", std::bind_front(&TSystemComponentsMainForm::CopyMenuItemClick, this)}});
  ListView->PopupMenu = ListPopupMenu.get();

  OnCreate = std::bind_front(&TSystemComponentsMainForm::FormCreate, this);
  OnActivate = std::bind_front(&TSystemComponentsMainForm::FormActivate, this);
  CloseLabel->OnMouseEnter = std::bind_front(&TSystemComponentsMainForm::CloseLabelMouseEnter, this);
  CloseLabel->OnMouseLeave = std::bind_front(&TSystemComponentsMainForm::CloseLabelMouseLeave, this);
  CloseLabel->OnClick = std::bind_front(&TSystemComponentsMainForm::CloseLabelClick, this);
  ListView->OnCustomDraw = std::bind_front(&TSystemComponentsMainForm::ListViewCustomDraw, this);
  ListView->OnCustomDrawSubItem =
      std::bind_front(&TSystemComponentsMainForm::ListViewCustomDrawSubItem, this);
  ListView->OnKeyDown = std::bind_front(&TSystemComponentsMainForm::ListViewKeyDown, this);
}

void TSystemComponentsMainForm::FormCreate(TObject*) {
  std::vector<std::string> Fonts = Screen->Fonts();
  bool HasCalibri = std::ranges::any_of(
      Fonts, [](const std::string& Name) { return ::lstrcmpiA(Name.c_str(), "Calibri") == 0; });
  if (!HasCalibri) AppNameLabel->Font().SetName("Arial");
}

void TSystemComponentsMainForm::FormActivate(TObject*) {
  ShowVersion(ListView->Item(0), Guarded(GetAdobeReaderVersion), "");

  // MDAC: a full-install version that is accepted decides, else the plain
  // version. A full-install probe that raised counts as none.
  TListItem& Dac = ListView->Item(1);
  TProbed Full = Guarded(GetDacFullInstallVersion);
  if (DacAccepted(Full)) {
    Dac.SetCaption(Dac.Caption() + " (full install)");
    Dac.SetSubItem(0, Full.Version);
    Dac.SetSubItem(1, Approved);
  } else if (TProbed Plain = Guarded(GetDacVersion); Plain.Failed) {
    Dac.SetSubItem(0, Plain.Version);
    Dac.SetSubItem(1, NotChecked);
  } else if (DacAccepted(Plain)) {
    Dac.SetSubItem(0, Plain.Version);
    Dac.SetSubItem(1, Approved);
  } else {
    Dac.SetSubItem(1, NotInstalled);
  }

  ShowVersion(ListView->Item(2), Guarded(GetJetVersion), JetMinimum);

  TListItem& Jre = ListView->Item(3);
  bool JreInstalled = IsJreInstalled();
  if (JreInstalled) Jre.SetSubItem(0, "1.3.0");
  ShowInstalled(Jre, JreInstalled);

  ShowVersion(ListView->Item(4), Guarded(GetInternetExplorerVersion), InternetExplorerMinimum);

  ShowInstalled(ListView->Item(5), IsDotNet2Installed());

  TListItem& DotNet4 = ListView->Item(6);
  if (!IsDotNet4Installed()) {
    DotNet4.SetSubItem(1, NotInstalled);
    return;
  }
  int Release = GetDotNet4Release();
  DotNet4.SetSubItem(0, IntToStr(Release));
  ShowInstalled(DotNet4, Release >= DotNet4MinimumRelease);
}

void TSystemComponentsMainForm::CloseLabelMouseEnter(TObject* Sender) {
  dynamic_cast<TLabel&>(*Sender).Font().SetStyle(fsBold | fsUnderline);
}

void TSystemComponentsMainForm::CloseLabelMouseLeave(TObject* Sender) {
  dynamic_cast<TLabel&>(*Sender).Font().SetStyle(fsUnderline);
}

void TSystemComponentsMainForm::CloseLabelClick(TObject*) { Close(); }

void TSystemComponentsMainForm::ListViewCustomDraw(TObject*, const RECT&, bool& DefaultDraw) {
  DefaultDraw = true;
}

void TSystemComponentsMainForm::ListViewCustomDrawSubItem(TObject* Sender, TListItem& Item,
                                                          int SubItem, TCustomDrawState, bool&) {
  if (SubItem != 2) return;
  dynamic_cast<TListView&>(*Sender).Canvas().Font().SetColor(Item.SubItem(1) == Approved ? clGreen
                                                                                          : clRed);
}

void TSystemComponentsMainForm::ListViewKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
  if (Key == 'C' && Shift == ssCtrl) {
    CopyMenuItemClick(Sender);
    Key = 0;
  }
}

void TSystemComponentsMainForm::CopyMenuItemClick(TObject*) { SetClipboardText(Handle(), ReportText()); }

std::string TSystemComponentsMainForm::ReportText() const {
  std::string Text;
  for (int I = 0; I < ListView->ItemCount(); ++I) {
    const TListItem& Row = ListView->Item(I);
    Text += Row.Caption() + '\t' + Row.SubItem(0) + '\t' + Row.SubItem(1) + "\r\n";
  }
  return Text;
}

bool TSystemComponentsMainForm::IsDotNet2Installed() {
  TRegistry Reg(HKEY_LOCAL_MACHINE);
  return Reg.KeyExists("SOFTWARE\\Microsoft\\Net Framework Setup\\NDP\\v2.0.50727");
}

bool TSystemComponentsMainForm::IsDotNet4Installed() {
  TRegistry Reg(HKEY_LOCAL_MACHINE);
  return Reg.KeyExists("SOFTWARE\\Microsoft\\Net Framework Setup\\NDP\\v4");
}

int TSystemComponentsMainForm::GetDotNet4Release() {
  TRegistry Reg(HKEY_LOCAL_MACHINE);
  if (!Reg.OpenKeyReadOnly("SOFTWARE\\Microsoft\\Net Framework Setup\\NDP\\v4\\Full")) return 0;
  return Reg.ReadInteger("Release");
}
