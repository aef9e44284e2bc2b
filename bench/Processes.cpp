#include "bench/Processes.h"

#include "bench/Measure.h"

#include <windows.h>

#include <stdexcept>

namespace bench {
namespace {

struct TProcess {
  PROCESS_INFORMATION Info{};
  ~TProcess() {
    if (Info.hThread) ::CloseHandle(Info.hThread);
    if (Info.hProcess) ::CloseHandle(Info.hProcess);
  }
};

void Start(std::string CommandLine, DWORD Flags, TProcess& Process) {
  STARTUPINFOA Startup{};
  Startup.cb = sizeof(Startup);
  if (!::CreateProcessA(nullptr, CommandLine.data(), nullptr, nullptr, FALSE, Flags, nullptr, nullptr,
                        &Startup, &Process.Info))
    throw std::runtime_error("cannot start " + CommandLine);
}

struct TFound {
  DWORD ProcessId;
  HWND Window;
};

BOOL CALLBACK FindVisible(HWND Window, LPARAM Param) {
  auto& Found = *reinterpret_cast<TFound*>(Param);
  DWORD ProcessId = 0;
  ::GetWindowThreadProcessId(Window, &ProcessId);
  if (ProcessId != Found.ProcessId || !::IsWindowVisible(Window)) return TRUE;
  Found.Window = Window;
  return FALSE;
}

BOOL CALLBACK FindDirty(HWND Child, LPARAM Param) {
  if (!::GetUpdateRect(Child, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(Param) = true;
  return FALSE;
}

// The window is painted when neither it nor any child has a region left to paint.
bool Painted(HWND Window) {
  if (::GetUpdateRect(Window, nullptr, FALSE)) return false;
  bool Dirty = false;
  ::EnumChildWindows(Window, FindDirty, reinterpret_cast<LPARAM>(&Dirty));
  return !Dirty;
}

}  // namespace

TWindowRun RunWindowProgram(const std::string& Path) {
  TProcess Process;
  const double Begin = NowMs();
  Start('"' + Path + '"', 0, Process);
  // Idle means the program waits for input with no message left, paints included.
  ::WaitForInputIdle(Process.Info.hProcess, 30000);
  TFound Found{Process.Info.dwProcessId, nullptr};
  for (;;) {
    ::EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&Found));
    if (Found.Window && Painted(Found.Window)) break;
    if (NowMs() - Begin > 30000) {
      ::TerminateProcess(Process.Info.hProcess, 1);
      throw std::runtime_error(Path + " showed no painted window");
    }
    ::Sleep(1);
  }
  const double ToPainted = NowMs() - Begin;
  ::PostMessageA(Found.Window, WM_CLOSE, 0, 0);
  if (::WaitForSingleObject(Process.Info.hProcess, 30000) != WAIT_OBJECT_0) {
    ::TerminateProcess(Process.Info.hProcess, 1);
    throw std::runtime_error(Path + " did not end when closed");
  }
  return {ToPainted, NowMs() - Begin};
}

double RunCommand(const std::string& CommandLine) {
  TProcess Process;
  const double Begin = NowMs();
  Start(CommandLine, CREATE_NO_WINDOW, Process);
  ::WaitForSingleObject(Process.Info.hProcess, INFINITE);
  return NowMs() - Begin;
}

}  // namespace bench
