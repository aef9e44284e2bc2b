#pragma once
// A window's client area as it renders, read pixel by pixel: drawn by
// PrintWindow into a 32-bit DIB (the same pixels a screenshot shows, without
// one), or copied from the screen.

#include <windows.h>

#include <cstdint>
#include <set>
#include <vector>

namespace testing_support {

class TRendering {
public:
  // Printed: the window draws itself into a bitmap, shown or not. Screen:
  // what the screen shows of the window's client area, as a screenshot.
  enum TSource { Printed, Screen };

  explicit TRendering(HWND Wnd, TSource Source = Printed);

  int Width() const { return Width_; }
  int Height() const { return Height_; }
  // As RGB(r, g, b).
  COLORREF Pixel(int X, int Y) const;
  // Every colour inside Rect (clipped to the area).
  std::set<COLORREF> Colours(const RECT& Rect) const;

private:
  int Width_ = 0;
  int Height_ = 0;
  std::vector<std::uint32_t> Pixels_;  // top-down rows of 0x00RRGGBB
};

}  // namespace testing_support
