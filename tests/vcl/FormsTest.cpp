// The window side of the class library, on real windows under Wine.

#include "vcl/ComCtrls.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"
#include "vcl/SysUtils.h"

#include "tests/common/DialogDriver.h"
#include "tests/common/PrivateFont.h"
#include "tests/common/Rendering.h"
#include "tests/common/WindowTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

using namespace vcl;
using namespace testing_support;

namespace {

struct TInitialize : ::testing::Environment {
  void SetUp() override { Application->Initialize(); }
};
const auto* const Initialized = ::testing::AddGlobalTestEnvironment(new TInitialize);

// The box the application object shows for an exception, answered with OK.
TSeenDialog ErrorBoxFor(std::exception_ptr Error) {
  TDialogDriver Driver(Application->Title(), TDialogDriver::Click(IDOK));
  Application->HandleException(std::move(Error));
  EXPECT_TRUE(Driver.Found());
  return Driver.Seen();
}

class TPlainForm : public TForm {
public:
  TPlainForm() : TForm({.Caption = "Plain", .ClientWidth = 300, .ClientHeight = 200, .Color = clWhite}) {}
};

std::vector<std::string> Families() { return Screen->Fonts(); }

bool HasFamily(const std::string& Name) {
  std::vector<std::string> All = Families();
  return std::find(All.begin(), All.end(), Name) != All.end();
}

LPARAM At(int X, int Y) { return MAKELPARAM(X, Y); }

}  // namespace

TEST(Application, ErrorBoxAddsAFullStopWhenTheLastCharacterSortsAfterIt) {
  const std::pair<const char*, const char*> Cases[] = {
      {"Något gick fel", "Något gick fel."},
      {"Redan slut.", "Redan slut."},
      {"Failed to get data for 'Release'", "Failed to get data for 'Release'"},
      {"Vad nu!", "Vad nu!"},
      {"a-", "a-"},        // "-" sorts before "."
      {"a/", "a/."},       // "/" sorts after it
      {"version 2", "version 2."},
      {"slut på ä", "slut på ä."},  // a character above 127 sorts after "." too
      {"", ""},
  };
  for (const auto& [Message, Shown] : Cases) {
    TSeenDialog Box = ErrorBoxFor(std::make_exception_ptr(Exception(Message)));
    EXPECT_EQ(Box.Caption, Application->Title());
    EXPECT_EQ(Box.Texts, std::vector<std::string>{Shown}) << Message;
    EXPECT_EQ(Box.Buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(Box.HasIcon);
  }
}

TEST(Application, OtherExceptionsShowTheirMessageAndAbortShowsNothing) {
  EXPECT_EQ(ErrorBoxFor(std::make_exception_ptr(std::runtime_error("boom"))).Texts,
            std::vector<std::string>{"boom."});

  TDialogDriver Driver(Application->Title(), TDialogDriver::Click(IDOK));
  Application->HandleException(std::make_exception_ptr(EAbort()));
  EXPECT_FALSE(Driver.Found());
}

TEST(Form, AnExceptionFromAHandlerIsShownAndTheProgramCarriesOn) {
  auto Form = MakeForm<TPlainForm>();
  Form->OnActivate = [](TObject*) { throw Exception("Handler failed"); };
  TDialogDriver Driver(Application->Title(), TDialogDriver::Click(IDOK));
  Form->Show();  // the exception is raised inside the window procedure
  ASSERT_TRUE(Driver.Found());
  EXPECT_EQ(Driver.Seen().Texts, std::vector<std::string>{"Handler failed."});
  EXPECT_TRUE(::IsWindowVisible(Form->Handle()));
}

TEST(Form, HasTheClientSizeCaptionAndDialogFrameAndIsCentred) {
  auto Form = MakeForm<TPlainForm>();
  RECT Client{}, Outer{};
  ::GetClientRect(Form->Handle(), &Client);
  ::GetWindowRect(Form->Handle(), &Outer);
  EXPECT_EQ(Client.right, 300);
  EXPECT_EQ(Client.bottom, 200);
  char Caption[64] = {};
  ::GetWindowTextA(Form->Handle(), Caption, sizeof(Caption));
  EXPECT_STREQ(Caption, "Plain");

  LONG Style = ::GetWindowLongA(Form->Handle(), GWL_STYLE);
  EXPECT_TRUE((Style & WS_CAPTION) == WS_CAPTION && (Style & WS_SYSMENU));
  EXPECT_FALSE(Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

  EXPECT_NEAR((Outer.left + Outer.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((Outer.top + Outer.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST(Form, CreateIsRaisedOnceWhenEveryComponentExists) {
  struct TWithLabel : TForm {
    TWithLabel() : TForm({.ClientWidth = 100, .ClientHeight = 100}) {
      OnCreate = [this](TObject* Sender) {
        Seen.push_back({Sender, Label != nullptr});
      };
      Label = Add<TLabel>({.Bounds = {0, 0, 10, 10}, .Caption = "x"});
    }
    TLabel* Label = nullptr;
    std::vector<std::pair<TObject*, bool>> Seen;
  };
  auto Form = MakeForm<TWithLabel>();
  EXPECT_EQ(Form->Seen, (std::vector<std::pair<TObject*, bool>>{{Form.get(), true}}));
}

TEST(Form, ActivateOnlyWhenItBecomesTheApplicationsFocusedForm) {
  auto First = MakeForm<TPlainForm>();
  int Activations = 0;
  First->OnActivate = [&](TObject*) { ++Activations; };
  First->Show();
  EXPECT_EQ(Activations, 1);

  {
    TOtherWindow Other;  // another program takes the focus, and gives it back
    ::SetActiveWindow(Other.Handle());
    ::SetActiveWindow(First->Handle());
  }
  EXPECT_EQ(::GetActiveWindow(), First->Handle());
  EXPECT_EQ(Activations, 1);

  ErrorBoxFor(std::make_exception_ptr(Exception("A dialog of our own")));
  ::SetActiveWindow(First->Handle());
  EXPECT_EQ(Activations, 1);

  // Another form of the application takes the role: coming back raises it.
  auto Second = MakeForm<TPlainForm>();
  Second->Show();
  ::SetActiveWindow(First->Handle());
  EXPECT_EQ(Activations, 2);
}

TEST(Form, CloseBoxHidesAFormThatIsNotTheMainForm) {
  auto Form = MakeForm<TPlainForm>();
  Form->Show();
  ::SendMessageA(Form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(::IsWindowVisible(Form->Handle()));
}

TEST(Label, SizesItselfToItsTextKeepingItsLeftEdge) {
  auto Form = MakeForm<TPlainForm>();
  TLabel* Label = Form->Add<TLabel>(
      {.Bounds = {20, 30, 5, 5}, .Caption = "Stäng", .Font = TFontDesc{.Name = "Tahoma", .Height = -11}});
  TBounds Plain = Label->Bounds();
  EXPECT_EQ(Plain.Left, 20);
  EXPECT_EQ(Plain.Top, 30);
  EXPECT_GT(Plain.Width, 5);
  EXPECT_GE(Plain.Height, 11);

  Label->Font().SetStyle(fsBold);
  EXPECT_EQ(Label->Bounds().Left, 20);
  EXPECT_GT(Label->Bounds().Width, Plain.Width);

  TLabel* Wrapped = Form->Add<TLabel>({.Bounds = {0, 0, 60, 5},
                                       .Caption = "ett två tre fyra fem sex sju åtta",
                                       .WordWrap = true});
  EXPECT_LE(Wrapped->Bounds().Width, 60);
  EXPECT_GE(Wrapped->Bounds().Height, 3 * Plain.Height);
}

TEST(Label, MouseEventsAndClicksComeThroughItsParent) {
  auto Form = MakeForm<TPlainForm>();
  auto* Panel = Form->Add<TPanel>({.Bounds = {0, 100, 300, 100}, .Color = clWhite});
  TLabel* Label = Panel->Add<TLabel>({.Bounds = {50, 10, 40, 20}, .Caption = "Länk",
                                      .AutoSize = false, .Cursor = crHandPoint});
  std::vector<std::string> Events;
  Label->OnMouseEnter = [&](TObject* S) { Events.push_back(S == Label ? "enter" : "?"); };
  Label->OnMouseLeave = [&](TObject* S) { Events.push_back(S == Label ? "leave" : "?"); };
  Label->OnClick = [&](TObject* S) { Events.push_back(S == Label ? "click" : "?"); };
  HWND P = Panel->Handle();

  ::SendMessageA(P, WM_MOUSEMOVE, 0, At(55, 15));
  ::SendMessageA(P, WM_MOUSEMOVE, 0, At(60, 20));
  ::SendMessageA(P, WM_MOUSEMOVE, 0, At(5, 5));
  ::SendMessageA(P, WM_MOUSEMOVE, 0, At(55, 15));
  ::SendMessageA(P, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Events, (std::vector<std::string>{"enter", "leave", "enter", "leave"}));

  Events.clear();
  ::SendMessageA(P, WM_LBUTTONDOWN, MK_LBUTTON, At(55, 15));
  ::SendMessageA(P, WM_LBUTTONUP, 0, At(56, 16));
  ::SendMessageA(P, WM_LBUTTONDOWN, MK_LBUTTON, At(55, 15));
  ::SendMessageA(P, WM_LBUTTONUP, 0, At(150, 50));  // released elsewhere: no click
  std::erase_if(Events, [](const std::string& E) { return E != "click"; });
  EXPECT_EQ(Events, std::vector<std::string>{"click"});

  Form->Show();
  POINT OnLabel{60, 20};
  ::ClientToScreen(P, &OnLabel);
  ::SetCursorPos(OnLabel.x, OnLabel.y);
  ::SendMessageA(P, WM_SETCURSOR, reinterpret_cast<WPARAM>(P), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_HAND));
}

TEST(ListView, AColourSetForOneCellReachesThatCellOnly) {
  auto Form = MakeForm<TPlainForm>();
  TListView* List = Form->Add<TListView>(
      {.Bounds = {0, 0, 300, 100},
       .Color = clWhite,
       .Columns = {{"A", 100}, {"B", 100}, {"C", 100}},
       .Items = {{"XXXX", {"XXXX", "XXXX"}}, {"XXXX", {"XXXX", "XXXX"}}},
       .ShowColumnHeaders = false});
  List->Font().SetColor(clBlack);
  std::set<std::pair<int, int>> Asked;
  List->OnCustomDrawSubItem = [&](TObject* Sender, TListItem& Item, int SubItem, TCustomDrawState,
                                  bool&) {
    Asked.insert({Item.Index(), SubItem});
    if (Item.Index() == 0 && SubItem == 1)
      static_cast<TListView*>(Sender)->Canvas().Font().SetColor(clRed);
  };

  TRendering Shown(List->Handle());
  auto Cell = [&](int Row, int Column) { return Shown.Colours(ListCellRect(List->Handle(), Row, Column)); };
  const COLORREF Red = RGB(255, 0, 0), Black = RGB(0, 0, 0);
  EXPECT_TRUE(Cell(0, 1).contains(Red));
  EXPECT_FALSE(Cell(0, 1).contains(Black));
  for (auto [Row, Column] : {std::pair{0, 2}, {1, 0}, {1, 1}, {1, 2}}) {
    EXPECT_FALSE(Cell(Row, Column).contains(Red)) << Row << "," << Column;
    EXPECT_TRUE(Cell(Row, Column).contains(Black)) << Row << "," << Column;
  }
  // Never for the caption column.
  EXPECT_EQ(Asked, (std::set<std::pair<int, int>>{{0, 1}, {0, 2}, {1, 1}, {1, 2}}));
}

TEST(ListView, WritingACellUpdatesTheControl) {
  auto Form = MakeForm<TPlainForm>();
  TListView* List = Form->Add<TListView>(
      {.Columns = {{"A", 100}, {"B", 100}}, .Items = {{"rad", {""}}}});
  List->Item(0).SetSubItem(0, "ett");
  List->Item(0).SetCaption(List->Item(0).Caption() + " (full install)");
  EXPECT_EQ(ListCellText(List->Handle(), 0, 1), "ett");
  EXPECT_EQ(ListCellText(List->Handle(), 0, 0), "rad (full install)");
  EXPECT_EQ(List->Item(0).SubItem(0), "ett");
}

TEST(Screen, FontsListTheFamiliesThisProcessCanUse) {
  char Windows[MAX_PATH];
  ASSERT_NE(::GetWindowsDirectoryA(Windows, MAX_PATH), 0u);
  EXPECT_TRUE(HasFamily("Tahoma"));
  EXPECT_FALSE(HasFamily("Rurerididu Test Sans"));
  {
    TPrivateFont Font(std::string(Windows) + "\\Fonts\\tahoma.ttf", "Rurerididu Test Sans");
    EXPECT_TRUE(HasFamily("Rurerididu Test Sans"));
    std::vector<std::string> All = Families();
    EXPECT_TRUE(std::is_sorted(All.begin(), All.end()));
    EXPECT_EQ(std::adjacent_find(All.begin(), All.end()), All.end());
  }
  EXPECT_FALSE(HasFamily("Rurerididu Test Sans"));
}
