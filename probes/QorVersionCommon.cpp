#include "probes/QorVersionCommon.h"

#include "vcl/SysUtils.h"

#include <windows.h>

#include <vector>

std::string GetFileVersionString(const std::string& FileName) {
  DWORD Unused = 0;
  const DWORD Size = ::GetFileVersionInfoSizeA(FileName.c_str(), &Unused);
  if (Size == 0) return {};
  std::vector<BYTE> Block(Size);
  if (!::GetFileVersionInfoA(FileName.c_str(), 0, Size, Block.data())) return {};

  // A damaged resource may answer with a short or foreign root block: read
  // the fixed information only when all of it lies inside the block.
  void* Root = nullptr;
  UINT Length = 0;
  if (!::VerQueryValueA(Block.data(), "\\", &Root, &Length) || Root == nullptr ||
      Length < sizeof(VS_FIXEDFILEINFO))
    return {};
  const BYTE* Begin = static_cast<const BYTE*>(Root);
  if (Begin < Block.data() || Begin + sizeof(VS_FIXEDFILEINFO) > Block.data() + Block.size())
    return {};
  const auto* Info = static_cast<const VS_FIXEDFILEINFO*>(Root);
  if (Info->dwSignature != VS_FFI_SIGNATURE) return {};

  return vcl::IntToStr(HIWORD(Info->dwFileVersionMS)) + "." +
         vcl::IntToStr(LOWORD(Info->dwFileVersionMS)) + "." +
         vcl::IntToStr(HIWORD(Info->dwFileVersionLS)) + "." +
         vcl::IntToStr(LOWORD(Info->dwFileVersionLS));
}

std::string GetSystemFolder() {
  char Folder[MAX_PATH];
  const UINT Length = ::GetSystemDirectoryA(Folder, MAX_PATH);
  if (Length == 0 || Length >= MAX_PATH) return {};
  return std::string(Folder, Length);
}
