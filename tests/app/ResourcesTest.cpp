// The program's resources, read back from this test program, which links the
// same compiled resource script as the program.
#include "vcl/Handles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr WORD Swedish = MAKELANGID(LANG_SWEDISH, SUBLANG_SWEDISH);

// The bytes of a resource of this program in Swedish; empty when there is none.
std::span<const BYTE> SwedishResource(LPCSTR Type, LPCSTR Name) {
  HRSRC Info = ::FindResourceExA(nullptr, Type, Name, Swedish);
  if (Info == nullptr) return {};
  const auto* Data = static_cast<const BYTE*>(::LockResource(::LoadResource(nullptr, Info)));
  return {Data, ::SizeofResource(nullptr, Info)};
}

const BITMAPINFOHEADER& InfoHeader(std::span<const BYTE> Image) {
  return *reinterpret_cast<const BITMAPINFOHEADER*>(Image.data());
}

// The directory of an icon group resource.
#pragma pack(push, 2)
struct TIconGroupHeader {
  WORD Reserved, Type, Count;
};
struct TIconGroupEntry {
  BYTE Width, Height, ColourCount, Reserved;
  WORD Planes, BitCount;
  DWORD BytesInRes;
  WORD Id;
};
#pragma pack(pop)

struct TIconTraits {
  using Handle = HICON;
  static Handle Empty() { return nullptr; }
  static bool IsValid(Handle H) { return H != nullptr; }
  static void Close(Handle H) { ::DestroyIcon(H); }
};
using TUniqueIcon = vcl::TUniqueHandle<TIconTraits>;

// A square, top-down 32-bit drawing surface in a memory device context.
class TCanvas {
public:
  explicit TCanvas(int Size)
      : Size_(Size), Dc_(::CreateCompatibleDC(nullptr)), Bitmap_(CreateSurface(Dc_.Get(), Size, Pixels_)),
        Selected_(Dc_.Get(), Bitmap_.Get()) {}

  HDC Dc() const { return Dc_.Get(); }
  bool Valid() const { return Pixels_ != nullptr; }
  // DIB pixels are 0x00RRGGBB, the reverse of a COLORREF.
  void Fill(COLORREF Colour) {
    ::GdiFlush();
    std::fill_n(Pixels_, Size_ * Size_, RGB(GetBValue(Colour), GetGValue(Colour), GetRValue(Colour)));
  }
  COLORREF Pixel(int X, int Y) const {
    ::GdiFlush();
    const DWORD P = Pixels_[Y * Size_ + X];
    return RGB(GetBValue(P), GetGValue(P), GetRValue(P));
  }

private:
  static HBITMAP CreateSurface(HDC Dc, int Size, DWORD*& Pixels) {
    BITMAPINFO Info{};
    Info.bmiHeader = {sizeof(BITMAPINFOHEADER), Size, -Size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* Bits = nullptr;
    HBITMAP Bitmap = ::CreateDIBSection(Dc, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    Pixels = static_cast<DWORD*>(Bits);
    return Bitmap;
  }

  int Size_;
  DWORD* Pixels_ = nullptr;
  vcl::TUniqueDC Dc_;
  vcl::TUniqueBitmap Bitmap_;
  vcl::TSelectObject Selected_;
};

}  // namespace

// This program's version block, read as any other program reads it: from the file.
class VersionInformation : public testing::Test {
protected:
  void SetUp() override {
    char Path[MAX_PATH];
    ASSERT_GT(::GetModuleFileNameA(nullptr, Path, MAX_PATH), 0u);
    DWORD Unused = 0;
    Block_.resize(::GetFileVersionInfoSizeA(Path, &Unused));
    ASSERT_FALSE(Block_.empty());
    ASSERT_TRUE(::GetFileVersionInfoA(Path, 0, Block_.size(), Block_.data()));
  }

  // The value at a path in the block; null when there is none.
  const void* Query(const std::string& Path, UINT& Length) const {
    void* Value = nullptr;
    Length = 0;
    return ::VerQueryValueA(Block_.data(), Path.c_str(), &Value, &Length) ? Value : nullptr;
  }

  // Absent, not merely empty, when the string table has no such value.
  std::optional<std::string> String(const std::string& Name) const {
    UINT Length = 0;
    const void* Value = Query("\\StringFileInfo\\041D04E4\\" + Name, Length);
    if (Value == nullptr) return std::nullopt;
    return Length > 0 ? std::string(static_cast<const char*>(Value)) : std::string();
  }

private:
  std::vector<char> Block_;
};

TEST_F(VersionInformation, FixedPart) {
  UINT Length = 0;
  const auto* Fixed = static_cast<const VS_FIXEDFILEINFO*>(Query("\\", Length));
  ASSERT_NE(Fixed, nullptr);
  ASSERT_GE(Length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(Fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(Fixed->dwFileVersionMS, MAKELONG(0, 2));
  EXPECT_EQ(Fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(Fixed->dwProductVersionMS, MAKELONG(0, 2));
  EXPECT_EQ(Fixed->dwProductVersionLS, 0u);
  EXPECT_EQ(Fixed->dwFileFlags & Fixed->dwFileFlagsMask, 0u);
  EXPECT_EQ(Fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
  EXPECT_EQ(Fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(VersionInformation, SwedishStrings) {
  UINT Length = 0;
  const auto* Translation = static_cast<const WORD*>(Query("\\VarFileInfo\\Translation", Length));
  ASSERT_NE(Translation, nullptr);
  ASSERT_EQ(Length, 4u);
  EXPECT_EQ(Translation[0], 0x041D);
  EXPECT_EQ(Translation[1], 1252);

  const std::pair<const char*, const char*> Strings[] = {
      {"FileVersion", "2.0.0.0"},
      {"ProductVersion", "1.0.0.0"},
      {"FileDescription", "Ostervanes kontroll av systemkomponenter"},
      {"CompanyName", "Ostervane AB"},
      {"LegalCopyright", "Copyright © Ostervane AB"},
      {"LegalTrademarks", "Ostervane AB"},
      {"InternalName", ""},
      {"OriginalFilename", ""},
      {"ProductName", ""},
      {"Comments", ""},
  };
  for (const auto& [Name, Expected] : Strings)
    EXPECT_EQ(String(Name), std::optional<std::string>(Expected)) << Name;
}

TEST(MainIcon, TwelveUncompressedBitmapsInSwedish) {
  const std::span<const BYTE> Group = SwedishResource(RT_GROUP_ICON, "MAINICON");
  ASSERT_GE(Group.size(), sizeof(TIconGroupHeader));
  const auto& Header = *reinterpret_cast<const TIconGroupHeader*>(Group.data());
  EXPECT_EQ(Header.Type, 1);
  ASSERT_EQ(Group.size(), sizeof(TIconGroupHeader) + Header.Count * sizeof(TIconGroupEntry));
  const auto* Entries = reinterpret_cast<const TIconGroupEntry*>(Group.data() + sizeof(TIconGroupHeader));

  std::set<std::pair<int, int>> Found;
  for (const TIconGroupEntry& Entry : std::span(Entries, Header.Count)) {
    const int Size = Entry.Width == 0 ? 256 : Entry.Width;
    Found.emplace(Size, Entry.BitCount);
    SCOPED_TRACE(std::to_string(Size) + " px, " + std::to_string(Entry.BitCount) + " bits");
    EXPECT_EQ(Entry.Height, Entry.Width);

    const std::span<const BYTE> Image = SwedishResource(RT_ICON, MAKEINTRESOURCEA(Entry.Id));
    ASSERT_GE(Image.size(), sizeof(BITMAPINFOHEADER));
    ASSERT_EQ(Image.size(), Entry.BytesInRes);
    // A PNG image would begin with its signature, not with this header.
    const BITMAPINFOHEADER& Info = InfoHeader(Image);
    ASSERT_EQ(Info.biSize, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(Info.biWidth, Size);
    EXPECT_EQ(Info.biHeight, 2 * Size);  // colour image and AND mask
    EXPECT_EQ(Info.biBitCount, Entry.BitCount);
    EXPECT_EQ(Info.biCompression, static_cast<DWORD>(BI_RGB));
    const size_t MaskStride = (Size + 31) / 32 * 4;
    EXPECT_EQ(Image.size(), sizeof(BITMAPINFOHEADER) + Size * Size * Entry.BitCount / 8 + MaskStride * Size);

    // Drawn as Windows draws it: a round mark, so the corner shows what is behind.
    TUniqueIcon Icon(::CreateIconFromResourceEx(const_cast<BYTE*>(Image.data()), Image.size(), TRUE, 0x00030000,
                                                Size, Size, LR_DEFAULTCOLOR));
    ASSERT_TRUE(Icon);
    TCanvas Canvas(Size);
    ASSERT_TRUE(Canvas.Valid());
    const COLORREF Behind = RGB(255, 0, 255);
    Canvas.Fill(Behind);
    ASSERT_TRUE(::DrawIconEx(Canvas.Dc(), 0, 0, Icon.Get(), Size, Size, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(Canvas.Pixel(0, 0), Behind);
    EXPECT_EQ(Canvas.Pixel(Size - 1, Size - 1), Behind);
    EXPECT_NE(Canvas.Pixel(Size / 4, Size / 2), Behind);
  }
  const std::set<std::pair<int, int>> Expected = {{16, 24},  {16, 32},  {32, 24},  {32, 32},  {48, 24},  {48, 32},
                                                  {64, 24},  {64, 32},  {128, 24}, {128, 32}, {256, 24}, {256, 32}};
  EXPECT_EQ(Header.Count, 12);
  EXPECT_EQ(Found, Expected);
}

TEST(MainIcon, LoadsAsTheApplicationIcon) {
  // Loaded without naming a language, as the application object does.
  const HINSTANCE Self = ::GetModuleHandleA(nullptr);
  EXPECT_NE(::LoadIconA(Self, "MAINICON"), nullptr);
  for (int Size : {16, 256}) {
    TUniqueIcon Icon(static_cast<HICON>(::LoadImageA(Self, "MAINICON", IMAGE_ICON, Size, Size, 0)));
    EXPECT_TRUE(Icon) << Size;
  }
}

TEST(Logo, Uncompressed24BitOnWhite) {
  const std::span<const BYTE> Image = SwedishResource(RT_BITMAP, "LOGO");
  ASSERT_GE(Image.size(), sizeof(BITMAPINFOHEADER));
  const BITMAPINFOHEADER& Info = InfoHeader(Image);
  EXPECT_EQ(Info.biSize, sizeof(BITMAPINFOHEADER));
  EXPECT_EQ(Info.biWidth, 186);
  EXPECT_EQ(Info.biHeight, 46);
  EXPECT_EQ(Info.biBitCount, 24);
  EXPECT_EQ(Info.biCompression, static_cast<DWORD>(BI_RGB));
  EXPECT_EQ(Info.biXPelsPerMeter, 2835);  // 72 dpi
  EXPECT_EQ(Info.biYPelsPerMeter, 2835);

  vcl::TUniqueBitmap Logo(static_cast<HBITMAP>(
      ::LoadImageA(::GetModuleHandleA(nullptr), "LOGO", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  ASSERT_TRUE(Logo);
  DIBSECTION Dib{};
  ASSERT_EQ(::GetObjectA(Logo.Get(), sizeof Dib, &Dib), static_cast<int>(sizeof Dib));
  EXPECT_EQ(Dib.dsBm.bmWidth, 186);
  EXPECT_EQ(Dib.dsBm.bmHeight, 46);
  EXPECT_EQ(Dib.dsBm.bmBitsPixel, 24);
  // It sits in the white header band: its edges are white. Rows are stored bottom-up.
  const auto* Bottom = static_cast<const BYTE*>(Dib.dsBm.bmBits);
  const BYTE* Top = Bottom + Dib.dsBm.bmWidthBytes * 45;
  for (const BYTE* Pixel : {Bottom, Bottom + 185 * 3, Top, Top + 185 * 3})
    EXPECT_EQ(RGB(Pixel[2], Pixel[1], Pixel[0]), RGB(255, 255, 255));
}
