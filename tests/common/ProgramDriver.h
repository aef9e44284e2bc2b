#pragma once
// Drives a program of the build in a process of its own, as a user would
// meet it: its windows are found by caption, its list cells read across the
// process boundary, its dialogs answered, and its exit code taken.

#include <windows.h>

#include <string>

namespace testing_support {

class TProgram {
public:
  // Starts Path with no arguments; raises std::runtime_error when it cannot.
  explicit TProgram(const std::string& Path);
  // A program still running is ended, so that no test leaves one behind.
  ~TProgram();
  TProgram(const TProgram&) = delete;
  TProgram& operator=(const TProgram&) = delete;

  // The visible top-level window of the program with this caption and class
  // (any class when empty), waited for up to TimeoutMs; nullptr if none came.
  HWND WaitForWindow(const std::string& Caption, const std::string& Class = "",
                     DWORD TimeoutMs = 30000) const;
  // Waits until the program waits for input in its message loop.
  void WaitForIdle() const;
  // The text of a list view cell of the program (column 0: the caption).
  std::string ListCellText(HWND List, int Row, int Column) const;
  // A list view cell's rectangle in the list's client area.
  RECT ListCellRect(HWND List, int Row, int Column) const;

  // Waits for the program to end and answers its exit code; STILL_ACTIVE
  // when it has not ended within TimeoutMs.
  DWORD WaitForExit(DWORD TimeoutMs = 30000) const;
  DWORD ProcessId() const { return Info_.dwProcessId; }

private:
  PROCESS_INFORMATION Info_{};
};

// A window's caption or text, and its class name.
std::string WindowText(HWND Wnd);
std::string WindowClass(HWND Wnd);

}  // namespace testing_support
