#include "tests/common/PrivateFont.h"

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace testing_support {

namespace {

using TBytes = std::vector<unsigned char>;

std::uint32_t Read32(const TBytes& B, std::size_t At) {
  return std::uint32_t(B.at(At)) << 24 | std::uint32_t(B.at(At + 1)) << 16 |
         std::uint32_t(B.at(At + 2)) << 8 | B.at(At + 3);
}
void Put16(TBytes& B, std::uint32_t V) {
  B.push_back(static_cast<unsigned char>(V >> 8));
  B.push_back(static_cast<unsigned char>(V));
}
void Write32(TBytes& B, std::size_t At, std::uint32_t V) {
  for (int I = 0; I < 4; ++I) B.at(At + I) = static_cast<unsigned char>(V >> (24 - 8 * I));
}

// A name table (format 0) naming Family, regular style, for Macintosh
// (ASCII) and Windows (UTF-16BE, US English) readers.
TBytes NameTable(const std::string& Family) {
  struct TRecord {
    std::uint16_t Platform, Encoding, Language, Id;
    std::string Text;
  };
  std::vector<TRecord> Records;
  for (std::uint16_t Platform : {1, 3})
    for (std::uint16_t Id : {1, 2, 4, 6})
      Records.push_back({Platform, std::uint16_t(Platform == 3 ? 1 : 0),
                         std::uint16_t(Platform == 3 ? 0x409 : 0), Id,
                         Id == 2 ? std::string("Regular") : Family});
  TBytes Table, Strings;
  Put16(Table, 0);
  Put16(Table, static_cast<std::uint32_t>(Records.size()));
  Put16(Table, static_cast<std::uint32_t>(6 + 12 * Records.size()));
  for (const TRecord& R : Records) {
    TBytes Text;
    for (char C : R.Text) {
      if (R.Platform == 3) Text.push_back(0);
      Text.push_back(static_cast<unsigned char>(C));
    }
    for (std::uint32_t Field : {R.Platform, R.Encoding, R.Language, R.Id}) Put16(Table, Field);
    Put16(Table, static_cast<std::uint32_t>(Text.size()));
    Put16(Table, static_cast<std::uint32_t>(Strings.size()));
    Strings.insert(Strings.end(), Text.begin(), Text.end());
  }
  Table.insert(Table.end(), Strings.begin(), Strings.end());
  return Table;
}

// The font with its name table replaced by a new one at the end of the file.
TBytes Renamed(TBytes Font, const std::string& Family) {
  std::size_t Tables = (Read32(Font, 4) >> 16);
  for (std::size_t I = 0; I < Tables; ++I) {
    std::size_t Entry = 12 + 16 * I;
    if (Read32(Font, Entry) != 0x6E616D65) continue;  // "name"
    TBytes Table = NameTable(Family);
    Font.resize((Font.size() + 3) & ~std::size_t(3));
    Write32(Font, Entry + 8, static_cast<std::uint32_t>(Font.size()));
    Write32(Font, Entry + 12, static_cast<std::uint32_t>(Table.size()));
    Font.insert(Font.end(), Table.begin(), Table.end());
    Font.resize((Font.size() + 3) & ~std::size_t(3));
    return Font;
  }
  throw std::runtime_error("font without a name table");
}

}  // namespace

TPrivateFont::TPrivateFont(const std::string& SourceTtf, const std::string& Family) {
  std::ifstream In(SourceTtf, std::ios::binary);
  if (!In) throw std::runtime_error("cannot read " + SourceTtf);
  TBytes Font((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
  TBytes Copy = Renamed(std::move(Font), Family);
  Path_ = (std::filesystem::temp_directory_path() /
           ("private-font-" + std::to_string(::GetCurrentProcessId()) + ".ttf"))
              .string();
  std::ofstream(Path_, std::ios::binary)
      .write(reinterpret_cast<const char*>(Copy.data()), static_cast<std::streamsize>(Copy.size()));
  if (::AddFontResourceExA(Path_.c_str(), FR_PRIVATE, nullptr) == 0) {
    std::filesystem::remove(Path_);
    throw std::runtime_error("AddFontResourceExA failed for " + Path_);
  }
}

TPrivateFont::~TPrivateFont() {
  ::RemoveFontResourceExA(Path_.c_str(), FR_PRIVATE, nullptr);
  std::error_code Ignored;
  std::filesystem::remove(Path_, Ignored);
}

}  // namespace testing_support
