#pragma once
// Move-only owners for Win32 handles. One template, one small traits type
// per kind of handle: what "no handle" looks like and how it is released.

#include <windows.h>

#include <utility>

namespace vcl {

template <class Traits>
class TUniqueHandle {
public:
  using Handle = typename Traits::Handle;

  TUniqueHandle() = default;
  explicit TUniqueHandle(Handle H) : H_(H) {}
  ~TUniqueHandle() { Reset(); }

  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;
  TUniqueHandle(TUniqueHandle&& Other) noexcept : H_(Other.Release()) {}
  TUniqueHandle& operator=(TUniqueHandle&& Other) noexcept {
    if (this != &Other) Reset(Other.Release());
    return *this;
  }

  Handle Get() const { return H_; }
  explicit operator bool() const { return Traits::IsValid(H_); }

  Handle Release() { return std::exchange(H_, Traits::Empty()); }
  void Reset(Handle H = Traits::Empty()) {
    Handle Old = std::exchange(H_, H);
    if (Traits::IsValid(Old)) Traits::Close(Old);
  }

private:
  Handle H_ = Traits::Empty();
};

struct TRegKeyTraits {
  using Handle = HKEY;
  static Handle Empty() { return nullptr; }
  static bool IsValid(Handle H) { return H != nullptr; }
  static void Close(Handle H) { ::RegCloseKey(H); }
};

// Kernel handles use both NULL and INVALID_HANDLE_VALUE for "none".
struct TKernelHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() { return nullptr; }
  static bool IsValid(Handle H) { return H != nullptr && H != INVALID_HANDLE_VALUE; }
  static void Close(Handle H) { ::CloseHandle(H); }
};

struct TFindHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle H) { return H != nullptr && H != INVALID_HANDLE_VALUE; }
  static void Close(Handle H) { ::FindClose(H); }
};

template <class T>
struct TGdiObjectTraits {
  using Handle = T;
  static Handle Empty() { return nullptr; }
  static bool IsValid(Handle H) { return H != nullptr; }
  static void Close(Handle H) { ::DeleteObject(H); }
};

// Device contexts of our own (CreateCompatibleDC), not ones borrowed with
// GetDC.
struct TDCTraits {
  using Handle = HDC;
  static Handle Empty() { return nullptr; }
  static bool IsValid(Handle H) { return H != nullptr; }
  static void Close(Handle H) { ::DeleteDC(H); }
};

using TUniqueKey = TUniqueHandle<TRegKeyTraits>;
using TUniqueFile = TUniqueHandle<TKernelHandleTraits>;
using TUniqueFind = TUniqueHandle<TFindHandleTraits>;
using TUniqueFont = TUniqueHandle<TGdiObjectTraits<HFONT>>;
using TUniqueBrush = TUniqueHandle<TGdiObjectTraits<HBRUSH>>;
using TUniquePen = TUniqueHandle<TGdiObjectTraits<HPEN>>;
using TUniqueBitmap = TUniqueHandle<TGdiObjectTraits<HBITMAP>>;
using TUniqueDC = TUniqueHandle<TDCTraits>;

// Selects an object into a device context for one scope and puts the old
// one back.
class TSelectObject {
public:
  TSelectObject(HDC DC, HGDIOBJ Object) : DC_(DC), Old_(::SelectObject(DC, Object)) {}
  ~TSelectObject() { ::SelectObject(DC_, Old_); }
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;

private:
  HDC DC_;
  HGDIOBJ Old_;
};

}  // namespace vcl
