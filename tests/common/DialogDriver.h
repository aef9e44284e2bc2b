#pragma once
// Answers a modal dialog that the test's own thread shows: a thread of its
// own finds the dialog by caption, records what it shows and acts on it,
// while the test thread waits in the dialog's modal loop.

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

struct TSeenDialog {
  std::string Caption;
  std::vector<std::string> Texts;    // static controls, in child order
  std::vector<std::string> Buttons;  // push buttons, in child order
  std::vector<std::string> CheckBoxes;
  bool HasIcon = false;
  int DefaultId = 0;  // 0 when the dialog has no default button
  HWND Owner = nullptr;
  RECT Bounds{};
};

class TDialogDriver {
public:
  using TAction = std::function<void(HWND Dialog)>;

  TDialogDriver(std::string Caption, TAction Act)
      : Caption_(std::move(Caption)), Act_(std::move(Act)), Thread_(::GetCurrentThreadId()),
        Worker_([this] { Run(); }) {}
  ~TDialogDriver() {
    Stop_ = true;
    Worker_.join();
  }
  TDialogDriver(const TDialogDriver&) = delete;
  TDialogDriver& operator=(const TDialogDriver&) = delete;

  // Read these after the modal call has returned.
  bool Found() const { return Found_; }
  const TSeenDialog& Seen() const { return Seen_; }

  // Actions.
  static TAction Click(int Id) {
    return [Id](HWND Dialog) { ::SendMessageA(::GetDlgItem(Dialog, Id), BM_CLICK, 0, 0); };
  }
  static TAction Close() {
    return [](HWND Dialog) { ::PostMessageA(Dialog, WM_CLOSE, 0, 0); };
  }
  // A key press on the control that has the focus, as the user would make it.
  static TAction Key(WPARAM VirtualKey) {
    return [VirtualKey](HWND Dialog) {
      GUITHREADINFO Info{};
      Info.cbSize = sizeof(Info);
      HWND Target = ::GetGUIThreadInfo(::GetWindowThreadProcessId(Dialog, nullptr), &Info) && Info.hwndFocus
                        ? Info.hwndFocus
                        : Dialog;
      ::PostMessageA(Target, WM_KEYDOWN, VirtualKey, 1);
      ::PostMessageA(Target, WM_KEYUP, VirtualKey, 0xC0000001);
    };
  }
  // Ticks every check box, then acts.
  static TAction TickThen(TAction Then) {
    return [Then](HWND Dialog) {
      for (HWND Child = ::GetWindow(Dialog, GW_CHILD); Child; Child = ::GetWindow(Child, GW_HWNDNEXT))
        if ((::GetWindowLongA(Child, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX)
          ::SendMessageA(Child, BM_CLICK, 0, 0);
      Then(Dialog);
    };
  }

private:
  static std::string TextOf(HWND Wnd) {
    char Buffer[1024] = {};
    ::GetWindowTextA(Wnd, Buffer, sizeof(Buffer));
    return Buffer;
  }
  static std::string ClassOf(HWND Wnd) {
    char Buffer[64] = {};
    ::GetClassNameA(Wnd, Buffer, sizeof(Buffer));
    return Buffer;
  }

  struct TSearch {
    const std::string* Caption;
    HWND Found;
  };
  static BOOL CALLBACK Match(HWND Wnd, LPARAM Param) {
    auto* S = reinterpret_cast<TSearch*>(Param);
    if (::IsWindowVisible(Wnd) && ClassOf(Wnd) == "#32770" && TextOf(Wnd) == *S->Caption) {
      S->Found = Wnd;
      return FALSE;
    }
    return TRUE;
  }
  HWND FindDialog() const {
    TSearch Search{&Caption_, nullptr};
    ::EnumThreadWindows(Thread_, Match, reinterpret_cast<LPARAM>(&Search));
    return Search.Found;
  }

  void Record(HWND Dialog) {
    Seen_.Caption = TextOf(Dialog);
    Seen_.Owner = ::GetWindow(Dialog, GW_OWNER);
    ::GetWindowRect(Dialog, &Seen_.Bounds);
    LRESULT Def = ::SendMessageA(Dialog, DM_GETDEFID, 0, 0);
    Seen_.DefaultId = HIWORD(Def) == DC_HASDEFID ? LOWORD(Def) : 0;
    for (HWND Child = ::GetWindow(Dialog, GW_CHILD); Child; Child = ::GetWindow(Child, GW_HWNDNEXT)) {
      LONG Style = ::GetWindowLongA(Child, GWL_STYLE);
      std::string Class = ClassOf(Child);
      if (_stricmp(Class.c_str(), "Static") == 0) {
        if ((Style & SS_TYPEMASK) == SS_ICON)
          Seen_.HasIcon = ::SendMessageA(Child, STM_GETICON, 0, 0) != 0;
        else
          Seen_.Texts.push_back(TextOf(Child));
      } else if (_stricmp(Class.c_str(), "Button") == 0) {
        if ((Style & BS_TYPEMASK) == BS_AUTOCHECKBOX)
          Seen_.CheckBoxes.push_back(TextOf(Child));
        else
          Seen_.Buttons.push_back(TextOf(Child));
      }
    }
  }

  void Run() {
    const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!Stop_ && std::chrono::steady_clock::now() < Deadline) {
      if (HWND Dialog = FindDialog()) {
        Record(Dialog);
        Found_ = true;
        Act_(Dialog);
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }

  std::string Caption_;
  TAction Act_;
  DWORD Thread_;
  TSeenDialog Seen_;
  std::atomic<bool> Found_ = false;
  std::atomic<bool> Stop_ = false;
  std::thread Worker_;
};

}  // namespace testing_support
