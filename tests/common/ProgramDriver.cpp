#include "tests/common/ProgramDriver.h"

#include <commctrl.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace testing_support {

TProgram::TProgram(const std::string& Path) {
  STARTUPINFOA Startup{};
  Startup.cb = sizeof(Startup);
  std::string CommandLine = "\"" + Path + "\"";
  if (!::CreateProcessA(Path.c_str(), CommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &Startup, &Info_))
    throw std::runtime_error("cannot start " + Path);
}

TProgram::~TProgram() {
  if (::WaitForSingleObject(Info_.hProcess, 0) == WAIT_TIMEOUT) {
    ::TerminateProcess(Info_.hProcess, 99);
    ::WaitForSingleObject(Info_.hProcess, 10000);
  }
  ::CloseHandle(Info_.hThread);
  ::CloseHandle(Info_.hProcess);
}

std::string WindowText(HWND Wnd) {
  char Buffer[1024] = {};
  ::GetWindowTextA(Wnd, Buffer, sizeof(Buffer));
  return Buffer;
}

std::string WindowClass(HWND Wnd) {
  char Buffer[256] = {};
  ::GetClassNameA(Wnd, Buffer, sizeof(Buffer));
  return Buffer;
}

namespace {

struct TSearch {
  DWORD ProcessId;
  const std::string* Caption;
  const std::string* Class;
  HWND Found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND Wnd, LPARAM Param) {
  auto* S = reinterpret_cast<TSearch*>(Param);
  DWORD Owner = 0;
  ::GetWindowThreadProcessId(Wnd, &Owner);
  if (Owner == S->ProcessId && ::IsWindowVisible(Wnd) && WindowText(Wnd) == *S->Caption &&
      (S->Class->empty() || WindowClass(Wnd) == *S->Class)) {
    S->Found = Wnd;
    return FALSE;
  }
  return TRUE;
}

// Memory in another process for the length of one exchange.
class TRemoteMemory {
public:
  TRemoteMemory(HANDLE Process, std::size_t Size)
      : Process_(Process), At_(::VirtualAllocEx(Process, nullptr, Size, MEM_COMMIT, PAGE_READWRITE)) {
    if (!At_) throw std::runtime_error("VirtualAllocEx failed");
  }
  ~TRemoteMemory() { ::VirtualFreeEx(Process_, At_, 0, MEM_RELEASE); }
  TRemoteMemory(const TRemoteMemory&) = delete;
  TRemoteMemory& operator=(const TRemoteMemory&) = delete;

  char* At() const { return static_cast<char*>(At_); }

private:
  HANDLE Process_;
  void* At_;
};

}  // namespace

HWND TProgram::WaitForWindow(const std::string& Caption, const std::string& Class, DWORD TimeoutMs) const {
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
  do {
    TSearch Search{Info_.dwProcessId, &Caption, &Class};
    ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&Search));
    if (Search.Found) return Search.Found;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  } while (std::chrono::steady_clock::now() < Deadline &&
           ::WaitForSingleObject(Info_.hProcess, 0) == WAIT_TIMEOUT);
  return nullptr;
}

void TProgram::WaitForIdle() const { ::WaitForInputIdle(Info_.hProcess, 30000); }

std::string TProgram::ListCellText(HWND List, int Row, int Column) const {
  // The control copies the text into memory of its own process: the item
  // and its buffer are placed there, and the text read back.
  constexpr int BufferSize = 512;
  TRemoteMemory Remote(Info_.hProcess, sizeof(LVITEMA) + BufferSize);
  LVITEMA Item{};
  Item.iSubItem = Column;
  Item.pszText = Remote.At() + sizeof(LVITEMA);
  Item.cchTextMax = BufferSize;
  ::WriteProcessMemory(Info_.hProcess, Remote.At(), &Item, sizeof(Item), nullptr);
  ::SendMessageA(List, LVM_GETITEMTEXTA, Row, reinterpret_cast<LPARAM>(Remote.At()));
  char Text[BufferSize] = {};
  ::ReadProcessMemory(Info_.hProcess, Item.pszText, Text, BufferSize - 1, nullptr);
  return Text;
}

RECT TProgram::ListCellRect(HWND List, int Row, int Column) const {
  TRemoteMemory Remote(Info_.hProcess, sizeof(RECT));
  RECT Rect{LVIR_LABEL, Column, 0, 0};
  ::WriteProcessMemory(Info_.hProcess, Remote.At(), &Rect, sizeof(Rect), nullptr);
  ::SendMessageA(List, LVM_GETSUBITEMRECT, Row, reinterpret_cast<LPARAM>(Remote.At()));
  ::ReadProcessMemory(Info_.hProcess, Remote.At(), &Rect, sizeof(Rect), nullptr);
  return Rect;
}

DWORD TProgram::WaitForExit(DWORD TimeoutMs) const {
  ::WaitForSingleObject(Info_.hProcess, TimeoutMs);
  DWORD Code = STILL_ACTIVE;
  ::GetExitCodeProcess(Info_.hProcess, &Code);
  return Code;
}

}  // namespace testing_support
