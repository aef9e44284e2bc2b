// A window of the tool's size and style that does nothing else: the floor
// for starting a window process and painting it once.

#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcA(Window, Msg, WParam, LParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE Instance, HINSTANCE, LPSTR, int Show) {
  WNDCLASSA Class{};
  Class.lpfnWndProc = WindowProc;
  Class.hInstance = Instance;
  Class.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  Class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  Class.lpszClassName = "BareWindow";
  ::RegisterClassA(&Class);

  const DWORD Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
  const DWORD ExStyle = WS_EX_DLGMODALFRAME;
  RECT Bounds{0, 0, 599, 312};
  ::AdjustWindowRectEx(&Bounds, Style, FALSE, ExStyle);
  const int Width = Bounds.right - Bounds.left;
  const int Height = Bounds.bottom - Bounds.top;
  HWND Window = ::CreateWindowExA(ExStyle, "BareWindow", "Bare window", Style,
                                  (::GetSystemMetrics(SM_CXSCREEN) - Width) / 2,
                                  (::GetSystemMetrics(SM_CYSCREEN) - Height) / 2, Width, Height,
                                  nullptr, nullptr, Instance, nullptr);
  ::ShowWindow(Window, Show);
  ::UpdateWindow(Window);

  MSG Msg;
  while (::GetMessageA(&Msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&Msg);
    ::DispatchMessageA(&Msg);
  }
  return 0;
}
