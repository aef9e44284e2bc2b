// The main window's layout, texts, fonts, colours and close link, on a real
// window under Wine.

#include "tests/app/AppTest.h"

#include "tests/common/PrivateFont.h"
#include "tests/common/Rendering.h"

#include <algorithm>
#include <set>

using namespace app_test;
using namespace testing_support;
using vcl::TBounds;

namespace {

struct TInitialize : ::testing::Environment {
  void SetUp() override { vcl::Application->Initialize(); }
};
const auto* const Initialized = ::testing::AddGlobalTestEnvironment(new TInitialize);

constexpr vcl::TColor BandColor = 14863531;
constexpr COLORREF BandRgb = RGB(171, 204, 226);
constexpr COLORREF LinkRgb = RGB(14, 62, 134);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);

const char* const Explanation =
    "Här listas version av de systemkomponenter som Ostervanes programvaror kan använda sig av. "
    "Få av våra programvaror kräver att samtliga komponenter finns installerade. Se de specifika "
    "kraven för respektive programvara. Saknar du någon komponent kan du installera "
    "Systemkomponenter.";

// Where a child window really is, in its parent's client area.
TBounds WindowBounds(HWND Wnd) {
  RECT R{};
  ::GetWindowRect(Wnd, &R);
  ::MapWindowPoints(nullptr, ::GetParent(Wnd), reinterpret_cast<POINT*>(&R), 2);
  return {R.left, R.top, R.right - R.left, R.bottom - R.top};
}

std::string TextFace(const vcl::TFont& Font) {
  HDC DC = ::GetDC(nullptr);
  HGDIOBJ Old = ::SelectObject(DC, Font.Handle());
  char Face[LF_FACESIZE] = {};
  ::GetTextFaceA(DC, LF_FACESIZE, Face);
  ::SelectObject(DC, Old);
  ::ReleaseDC(nullptr, DC);
  return Face;
}

SIZE TextExtent(const vcl::TFont& Font, const std::string& Text) {
  HDC DC = ::GetDC(nullptr);
  HGDIOBJ Old = ::SelectObject(DC, Font.Handle());
  RECT R{};
  ::DrawTextA(DC, Text.c_str(), static_cast<int>(Text.size()), &R, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  ::SelectObject(DC, Old);
  ::ReleaseDC(nullptr, DC);
  return {R.right, R.bottom};
}

bool HasCalibri() {
  std::vector<std::string> Fonts = vcl::Screen->Fonts();
  return std::find(Fonts.begin(), Fonts.end(), "Calibri") != Fonts.end();
}

std::string ColumnCaption(HWND List, int Column) {
  char Buffer[64] = {};
  LVCOLUMNA Col{};
  Col.mask = LVCF_TEXT;
  Col.pszText = Buffer;
  Col.cchTextMax = sizeof(Buffer);
  ::SendMessageA(List, LVM_GETCOLUMNA, Column, reinterpret_cast<LPARAM>(&Col));
  return Buffer;
}

void ExpectFont(const vcl::TFont& Font, const std::string& Name, int Height, vcl::TColor Color,
                vcl::TFontStyles Style, const char* What) {
  EXPECT_EQ(Font.Name(), Name) << What;
  EXPECT_EQ(Font.Height(), Height) << What;
  EXPECT_EQ(Font.Color(), Color) << What;
  EXPECT_EQ(Font.Style(), Style) << What;
}

}  // namespace

using MainWindowTest = MachineTest;

TEST_F(MainWindowTest, IsAFixedDialogOfTheGivenClientSizeCentredOnTheScreen) {
  auto Form = NewWindow();
  HWND Wnd = Form->Handle();
  char Caption[64] = {};
  ::GetWindowTextA(Wnd, Caption, sizeof(Caption));
  EXPECT_STREQ(Caption, "Rurerididu 2.0");
  RECT Client{}, Outer{};
  ::GetClientRect(Wnd, &Client);
  ::GetWindowRect(Wnd, &Outer);
  EXPECT_EQ(Client.right, 599);
  EXPECT_EQ(Client.bottom, 312);
  LONG Style = ::GetWindowLongA(Wnd, GWL_STYLE);
  EXPECT_TRUE(Style & WS_SYSMENU);
  EXPECT_FALSE(Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_NEAR((Outer.left + Outer.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((Outer.top + Outer.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  EXPECT_EQ(Form->Color(), BandColor);
  ExpectFont(Form->Font(), "MS Sans Serif", -11, vcl::clWindowText, 0, "window");
}

TEST_F(MainWindowTest, ComponentsStandWhereTheLayoutPutsThem) {
  auto Form = NewWindow();
  EXPECT_EQ(Form->Shape1->Bounds(), (TBounds{0, 0, 599, 65}));
  EXPECT_EQ(Form->Shape2->Bounds(), (TBounds{267, 0, 1, 65}));
  EXPECT_EQ(Form->OstervaneImage->Bounds(), (TBounds{9, 9, 186, 46}));
  EXPECT_EQ(WindowBounds(Form->Panel->Handle()), (TBounds{0, 65, 599, 65}));
  EXPECT_EQ(WindowBounds(Form->BottomPanel->Handle()), (TBounds{0, 279, 599, 33}));
  EXPECT_EQ(WindowBounds(Form->ListView->Handle()), (TBounds{8, 130, 583, 151}));

  // Labels size themselves to their text from their stated corner.
  for (vcl::TLabel* Label : {Form->AppNameLabel, Form->Label1, Form->CloseLabel}) {
    SIZE Text = TextExtent(Label->Font(), Label->Caption());
    if (Label != Form->Label1) {
      EXPECT_EQ(Label->Bounds().Width, Text.cx) << Label->Caption();
      EXPECT_EQ(Label->Bounds().Height, Text.cy) << Label->Caption();
    }
  }
  EXPECT_EQ(Form->AppNameLabel->Bounds().Left, 280);
  EXPECT_EQ(Form->AppNameLabel->Bounds().Top, 10);
  EXPECT_EQ(Form->Label1->Bounds().Left, 8);
  EXPECT_EQ(Form->Label1->Bounds().Top, 8);
  EXPECT_LE(Form->Label1->Bounds().Width, 564);  // wrapped within its width
  EXPECT_GT(Form->Label1->Bounds().Height, 2 * TextExtent(Form->Label1->Font(), "Här").cy);
  EXPECT_EQ(Form->CloseLabel->Bounds().Left, 558);
  EXPECT_EQ(Form->CloseLabel->Bounds().Top, 9);

  EXPECT_EQ(Form->Label1->Parent(), Form->Panel);
  EXPECT_EQ(Form->CloseLabel->Parent(), Form->BottomPanel);
  for (vcl::TControl* C : std::initializer_list<vcl::TControl*>{
           Form->Shape1, Form->Shape2, Form->OstervaneImage, Form->AppNameLabel, Form->Panel,
           Form->BottomPanel, Form->ListView})
    EXPECT_EQ(C->Parent(), Form.get());
}

TEST_F(MainWindowTest, TextsFontsAndColoursAreThoseOfTheLayout) {
  auto Form = NewWindow();
  EXPECT_EQ(Form->AppNameLabel->Caption(), "Rurerididu");
  EXPECT_EQ(Form->Label1->Caption(), Explanation);
  EXPECT_EQ(Form->CloseLabel->Caption(), "Stäng");
  EXPECT_EQ(Form->CloseLabel->Caption().size(), 5u);  // one byte per character

  ExpectFont(Form->AppNameLabel->Font(), HasCalibri() ? "Calibri" : "Arial", -27, vcl::clWindowText, 0,
             "AppNameLabel");
  ExpectFont(Form->Label1->Font(), "Arial", -11, vcl::clBlack, 0, "Label1");
  ExpectFont(Form->CloseLabel->Font(), "Arial", -11, 8797710, vcl::fsUnderline, "CloseLabel");
  ExpectFont(Form->ListView->Font(), "MS Sans Serif", -11, vcl::clWindowText, 0, "ListView");

  EXPECT_EQ(Form->AppNameLabel->Color(), vcl::clWhite);
  for (vcl::TControl* C : std::initializer_list<vcl::TControl*>{Form->Panel, Form->BottomPanel,
                                                                Form->Label1, Form->ListView})
    EXPECT_EQ(C->Color(), BandColor);
  EXPECT_EQ(Form->CloseLabel->Cursor(), vcl::crHandPoint);

  BITMAP Logo{};
  ASSERT_TRUE(::GetObjectA(Form->OstervaneImage->Bitmap(), sizeof(Logo), &Logo));
  EXPECT_EQ(Logo.bmWidth, 186);
  EXPECT_EQ(Logo.bmHeight, 46);
  EXPECT_EQ(Logo.bmBitsPixel, 24);
}

TEST_F(MainWindowTest, ListIsAReadOnlyReportWithHiddenHeadersAndSevenEmptyRows) {
  auto Form = NewWindow();
  HWND List = Form->ListView->Handle();
  LONG Style = ::GetWindowLongA(List, GWL_STYLE);
  EXPECT_EQ(Style & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_TRUE(Style & LVS_NOCOLUMNHEADER);
  EXPECT_TRUE(Style & LVS_SINGLESEL);
  EXPECT_FALSE(Style & (LVS_EDITLABELS | WS_BORDER));
  EXPECT_FALSE(::GetWindowLongA(List, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(::SendMessageA(List, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);
  EXPECT_EQ(static_cast<COLORREF>(::SendMessageA(List, LVM_GETBKCOLOR, 0, 0)), BandRgb);
  EXPECT_EQ(::SendMessageA(List, LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);

  const std::pair<const char*, int> Columns[] = {{"Komponent", 322}, {"Version", 106}, {"OK", 153}};
  for (int I = 0; I < 3; ++I) {
    EXPECT_EQ(ColumnCaption(List, I), Columns[I].first);
    EXPECT_EQ(::SendMessageA(List, LVM_GETCOLUMNWIDTH, I, 0), Columns[I].second);
  }
  std::vector<TRow> Expected;
  for (const std::string& Caption : Captions()) Expected.push_back({Caption, "", ""});
  EXPECT_EQ(Rows(*Form), Expected);
}

TEST_F(MainWindowTest, OnlyTheListTakesTheFocusAndGetsItOnActivation) {
  auto Form = NewWindow();
  Form->Show();
  EXPECT_EQ(::GetFocus(), Form->ListView->Handle());
  EXPECT_TRUE(Form->ListView->TabStop());
  EXPECT_FALSE(Form->Panel->TabStop());
  EXPECT_FALSE(Form->BottomPanel->TabStop());
}

TEST_F(MainWindowTest, PaintsTheHeaderBandTheLogoAndThePanels) {
  auto Form = NewWindow();
  TRendering Window(Form->Handle());
  for (POINT Outline : {POINT{0, 0}, {598, 0}, {0, 64}, {598, 64}, {300, 0}, {300, 64}, {0, 30}, {598, 30}})
    EXPECT_EQ(Window.Pixel(Outline.x, Outline.y), Black) << Outline.x << "," << Outline.y;
  EXPECT_EQ(Window.Pixel(240, 30), White);
  EXPECT_EQ(Window.Pixel(267, 30), Black);  // the separator
  EXPECT_EQ(Window.Pixel(266, 30), White);
  EXPECT_EQ(Window.Pixel(268, 30), White);

  // The logo unstretched from its corner.
  HDC Memory = ::CreateCompatibleDC(nullptr);
  HGDIOBJ Old = ::SelectObject(Memory, Form->OstervaneImage->Bitmap());
  for (POINT P : {POINT{0, 0}, {185, 45}, {20, 23}, {93, 10}, {150, 30}})
    EXPECT_EQ(Window.Pixel(9 + P.x, 9 + P.y), ::GetPixel(Memory, P.x, P.y)) << P.x << "," << P.y;
  ::SelectObject(Memory, Old);
  ::DeleteDC(Memory);

  RECT Name = Form->AppNameLabel->BoundsRect();
  std::set<COLORREF> NameColours = Window.Colours(Name);
  EXPECT_TRUE(NameColours.contains(White));
  EXPECT_TRUE(NameColours.contains(Black));  // the text, in the window text colour

  TRendering Panel(Form->Panel->Handle());
  EXPECT_EQ(Panel.Pixel(590, 60), BandRgb);
  EXPECT_TRUE(Panel.Colours(Form->Label1->BoundsRect()).contains(Black));
  TRendering Bottom(Form->BottomPanel->Handle());
  EXPECT_EQ(Bottom.Pixel(5, 5), BandRgb);
  EXPECT_TRUE(Bottom.Colours(Form->CloseLabel->BoundsRect()).contains(LinkRgb));
}

TEST_F(MainWindowTest, ApplicationNameFallsBackToArialWithoutCalibri) {
  ASSERT_FALSE(HasCalibri());
  auto Plain = NewWindow();
  EXPECT_EQ(Plain->AppNameLabel->Font().Name(), "Arial");
  EXPECT_EQ(Plain->AppNameLabel->Font().Height(), -27);
  EXPECT_EQ(Plain->AppNameLabel->Bounds().Width,
            TextExtent(Plain->AppNameLabel->Font(), "Rurerididu").cx);

  char Windows[MAX_PATH];
  ASSERT_NE(::GetWindowsDirectoryA(Windows, MAX_PATH), 0u);
  TPrivateFont Calibri(std::string(Windows) + "\\Fonts\\tahoma.ttf", "Calibri");
  ASSERT_TRUE(HasCalibri());
  // Wine keeps the face it once chose for a font description, so the check
  // that the family really draws uses one this process has not asked for.
  ASSERT_EQ(TextFace(vcl::TFont({.Name = "Calibri", .Height = -26})), "Calibri");
  auto WithCalibri = NewWindow();
  EXPECT_EQ(WithCalibri->AppNameLabel->Font().Name(), "Calibri");
  EXPECT_EQ(WithCalibri->AppNameLabel->Bounds().Width,
            TextExtent(WithCalibri->AppNameLabel->Font(), "Rurerididu").cx);
}

TEST_F(MainWindowTest, CloseLinkTurnsBoldUnderTheMouseAndClosesOnAClick) {
  auto Form = NewWindow();
  Form->Show();
  vcl::TLabel* Link = Form->CloseLabel;
  HWND Panel = Form->BottomPanel->Handle();
  const int Width = Link->Bounds().Width;

  ::SendMessageA(Panel, WM_MOUSEMOVE, 0, MAKELPARAM(562, 14));
  EXPECT_EQ(Link->Font().Style(), vcl::fsBold | vcl::fsUnderline);
  EXPECT_EQ(Link->Bounds().Left, 558);
  EXPECT_GT(Link->Bounds().Width, Width);

  POINT OnLink{562, 14};
  ::ClientToScreen(Panel, &OnLink);
  ::SetCursorPos(OnLink.x, OnLink.y);
  ::SendMessageA(Panel, WM_SETCURSOR, reinterpret_cast<WPARAM>(Panel), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_HAND));

  ::SendMessageA(Panel, WM_MOUSEMOVE, 0, MAKELPARAM(100, 14));
  EXPECT_EQ(Link->Font().Style(), vcl::fsUnderline);
  EXPECT_EQ(Link->Bounds().Width, Width);

  ::SendMessageA(Panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(562, 14));
  ::SendMessageA(Panel, WM_LBUTTONUP, 0, MAKELPARAM(562, 14));
  EXPECT_FALSE(::IsWindowVisible(Form->Handle()));  // not the main form here, so it hides
}

TEST_F(MainWindowTest, StatusIsGreenOnlyForTheApprovedTextExactly) {
  auto Form = NewWindow();
  const std::pair<const char*, COLORREF> Statuses[] = {
      {"Godkänd version installerad", RGB(0, 128, 0)},
      {"godkänd version installerad", RGB(255, 0, 0)},
      {"Godkänd version installerad ", RGB(255, 0, 0)},
      {"Ej installerad", RGB(255, 0, 0)},
      {"Senare version krävs", RGB(255, 0, 0)},
      {"Kunde inte kontrolleras", RGB(255, 0, 0)},
  };
  for (int I = 0; I < 6; ++I) {
    Form->ListView->Item(I).SetSubItem(0, "1.0");
    Form->ListView->Item(I).SetSubItem(1, Statuses[I].first);
  }
  HWND List = Form->ListView->Handle();
  TRendering Shown(List);
  for (int I = 0; I < 6; ++I) {
    std::set<COLORREF> Status = Shown.Colours(ListCellRect(List, I, 2));
    EXPECT_TRUE(Status.contains(Statuses[I].second)) << Statuses[I].first;
    EXPECT_TRUE(Status.contains(BandRgb)) << Statuses[I].first;  // on the list's background
    for (int Column : {0, 1}) {
      std::set<COLORREF> Other = Shown.Colours(ListCellRect(List, I, Column));
      EXPECT_TRUE(Other.contains(Black)) << I << "," << Column;
      EXPECT_FALSE(Other.contains(RGB(0, 128, 0)) || Other.contains(RGB(255, 0, 0))) << I << "," << Column;
    }
  }
}
