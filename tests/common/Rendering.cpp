#include "tests/common/Rendering.h"

#include <algorithm>
#include <stdexcept>

namespace testing_support {

TRendering::TRendering(HWND Wnd, TSource Source) {
  RECT Client{};
  ::GetClientRect(Wnd, &Client);
  Width_ = Client.right;
  Height_ = Client.bottom;
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof(Info.bmiHeader);
  Info.bmiHeader.biWidth = Width_;
  Info.bmiHeader.biHeight = -Height_;
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  Info.bmiHeader.biCompression = BI_RGB;
  void* Bits = nullptr;
  HDC Desktop = ::GetDC(nullptr);
  HDC DC = ::CreateCompatibleDC(Desktop);
  HBITMAP Bitmap = ::CreateDIBSection(DC, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
  HGDIOBJ Old = ::SelectObject(DC, Bitmap);
  BOOL Done = FALSE;
  if (Source == Printed) {
    Done = ::PrintWindow(Wnd, DC, PW_CLIENTONLY);
  } else {
    POINT Origin{};
    ::ClientToScreen(Wnd, &Origin);
    Done = ::BitBlt(DC, 0, 0, Width_, Height_, Desktop, Origin.x, Origin.y, SRCCOPY);
  }
  ::GdiFlush();
  if (Done) {
    const auto* P = static_cast<const std::uint32_t*>(Bits);
    Pixels_.assign(P, P + std::size_t(Width_) * Height_);
  }
  ::SelectObject(DC, Old);
  ::DeleteObject(Bitmap);
  ::DeleteDC(DC);
  ::ReleaseDC(nullptr, Desktop);
  if (!Done) throw std::runtime_error(Source == Printed ? "PrintWindow failed" : "BitBlt from the screen failed");
}

COLORREF TRendering::Pixel(int X, int Y) const {
  std::uint32_t P = Pixels_.at(std::size_t(Y) * Width_ + X);
  return RGB((P >> 16) & 0xFF, (P >> 8) & 0xFF, P & 0xFF);
}

std::set<COLORREF> TRendering::Colours(const RECT& Rect) const {
  std::set<COLORREF> Result;
  for (int Y = std::max<LONG>(Rect.top, 0); Y < std::min<LONG>(Rect.bottom, Height_); ++Y)
    for (int X = std::max<LONG>(Rect.left, 0); X < std::min<LONG>(Rect.right, Width_); ++X)
      Result.insert(Pixel(X, Y));
  return Result;
}

}  // namespace testing_support
