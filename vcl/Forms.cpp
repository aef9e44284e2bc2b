#include "vcl/Forms.h"

#include "vcl/OSError.h"

#include <commctrl.h>

#include <algorithm>

namespace vcl {

namespace {

constexpr DWORD DialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD DialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT;

// The window's outer bounds for the client size, centred on the screen.
TBounds FormBounds(const TFormParams& Params) {
  RECT Rect{0, 0, Params.ClientWidth, Params.ClientHeight};
  ::AdjustWindowRectEx(&Rect, DialogStyle, FALSE, DialogExStyle);
  int Width = Rect.right - Rect.left;
  int Height = Rect.bottom - Rect.top;
  return {(::GetSystemMetrics(SM_CXSCREEN) - Width) / 2,
          (::GetSystemMetrics(SM_CYSCREEN) - Height) / 2, Width, Height};
}

std::string ProgramFileName() {
  std::string Path(MAX_PATH, '\0');
  for (;;) {
    DWORD Length = ::GetModuleFileNameA(nullptr, Path.data(), static_cast<DWORD>(Path.size()));
    if (Length < Path.size()) {
      Path.resize(Length);
      break;
    }
    Path.resize(Path.size() * 2);
  }
  return Path.substr(Path.find_last_of("\\/:") + 1);
}

std::string DefaultTitle() {
  std::string Title = ProgramFileName();
  Title.resize(std::min(Title.size(), Title.find('.')));
  if (Title.size() > 1) ::CharLowerBuffA(Title.data() + 1, static_cast<DWORD>(Title.size() - 1));
  return Title;
}

HICON LoadMainIcon(int SizeX, int SizeY) {
  HANDLE Icon = ::LoadImageA(::GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON,
                             ::GetSystemMetrics(SizeX), ::GetSystemMetrics(SizeY), LR_SHARED);
  return Icon ? static_cast<HICON>(Icon) : ::LoadIconA(nullptr, IDI_APPLICATION);
}

struct TFamilies {
  std::vector<std::string> Names;
  std::exception_ptr Error;
};

int CALLBACK AddFamily(const LOGFONTA* Font, const TEXTMETRICA*, DWORD, LPARAM Data) {
  auto& Families = *reinterpret_cast<TFamilies*>(Data);
  try {
    // "@" names are the vertical forms of East Asian fonts.
    if (Font->lfFaceName[0] != '@') Families.Names.emplace_back(Font->lfFaceName);
    return 1;
  } catch (...) {
    Families.Error = std::current_exception();
    return 0;
  }
}

TScreen TheScreen;
TApplication TheApplication;

}  // namespace

TApplication* const Application = &TheApplication;
TScreen* const Screen = &TheScreen;

TForm::TForm(const TFormParams& Params)
    : TCustomControl(nullptr, FormBounds(Params)), Caption_(Params.Caption) {
  SetColor(Params.Color);
  Font().Assign(Params.Font);
  CreateOwnWindow(DialogStyle, DialogExStyle, Caption_);
  if (HICON Icon = Application->Icon(false))
    ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Icon));
  if (HICON Icon = Application->Icon(true))
    ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Icon));
}

TForm::~TForm() {
  if (Screen->ActiveForm_ == this) Screen->ActiveForm_ = nullptr;
}

void TForm::AfterConstruction() {
  if (!OnCreate) return;
  try {
    OnCreate(this);
  } catch (...) {
    Application->HandleException(std::current_exception());
  }
}

void TForm::Show() { ::ShowWindow(Handle(), SW_SHOW); }

void TForm::Close() {
  if (Application->MainForm() == this)
    Application->Terminate();
  else
    ::ShowWindow(Handle(), SW_HIDE);
}

LRESULT TForm::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
    case WM_ACTIVATE:
      if (LOWORD(WParam) == WA_INACTIVE) break;
      Activated();
      return 0;
    case WM_SETFOCUS:
      if (TWinControl* First = FirstTabStop()) First->SetFocus();
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    default:
      break;
  }
  return TCustomControl::WndProc(Msg, WParam, LParam);
}

void TForm::Activated() {
  if (TWinControl* First = FirstTabStop()) First->SetFocus();
  // Coming back from another program or from one of our dialogs finds this
  // form still the focused one.
  if (Screen->ActiveForm_ == this) return;
  Screen->ActiveForm_ = this;
  if (OnActivate) OnActivate(this);
}

TApplication::TApplication() : Title_(DefaultTitle()) {}

TApplication::~TApplication() {
  while (!Forms_.empty()) Forms_.pop_back();
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX Controls{sizeof(Controls), ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&Controls);
  Icon_ = LoadMainIcon(SM_CXICON, SM_CYICON);
  SmallIcon_ = LoadMainIcon(SM_CXSMICON, SM_CYSMICON);
}

void TApplication::Run() {
  if (MainForm_) MainForm_->Show();
  MSG Msg;
  while (::GetMessageA(&Msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&Msg);
    ::DispatchMessageA(&Msg);
  }
}

void TApplication::Terminate() { ::PostQuitMessage(0); }

void TApplication::HandleException(std::exception_ptr Error) noexcept {
  try {
    try {
      std::rethrow_exception(Error);
    } catch (const EAbort&) {
    } catch (const std::exception& E) {
      ShowException(E.what());
    } catch (...) {
      ShowException("Unknown exception");
    }
  } catch (...) {
    // Nothing is left to report with; the program carries on.
  }
}

void TApplication::ShowException(const std::string& Message) const {
  std::string Text = Message;
  if (!Text.empty() && static_cast<unsigned char>(Text.back()) > '.') Text += '.';
  ::MessageBoxA(::GetActiveWindow(), Text.c_str(), Title_.c_str(), MB_OK | MB_ICONERROR);
}

std::vector<std::string> TScreen::Fonts() const {
  TWindowDC DC;
  LOGFONTA Any{};
  Any.lfCharSet = DEFAULT_CHARSET;
  TFamilies Families;
  ::EnumFontFamiliesExA(DC.Get(), &Any, &AddFamily, reinterpret_cast<LPARAM>(&Families), 0);
  if (Families.Error) std::rethrow_exception(Families.Error);
  std::sort(Families.Names.begin(), Families.Names.end());
  Families.Names.erase(std::unique(Families.Names.begin(), Families.Names.end()),
                       Families.Names.end());
  return Families.Names;
}

}  // namespace vcl
