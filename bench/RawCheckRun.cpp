#include "bench/RawCheckRun.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>

namespace {

const char Approved[] = "Godkänd version installerad";
const char NotInstalled[] = "Ej installerad";
const char LaterVersionRequired[] = "Senare version krävs";

// A text value of an open key into Buffer; false when there is none.
bool QueryText(HKEY Key, const char* Name, char* Buffer, DWORD Size) {
  DWORD Type = 0;
  Buffer[0] = '\0';
  if (::RegQueryValueExA(Key, Name, nullptr, &Type, reinterpret_cast<BYTE*>(Buffer), &Size) != ERROR_SUCCESS ||
      (Type != REG_SZ && Type != REG_EXPAND_SZ))
    return false;
  Buffer[Size < MAX_PATH ? Size : MAX_PATH - 1] = '\0';
  return true;
}

bool ReadText(const char* KeyName, const char* Name, char* Buffer) {
  HKEY Key;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, KeyName, 0, KEY_READ, &Key) != ERROR_SUCCESS) return false;
  const bool Found = QueryText(Key, Name, Buffer, MAX_PATH);
  ::RegCloseKey(Key);
  return Found;
}

bool KeyExists(const char* KeyName) {
  HKEY Key;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, KeyName, 0, KEY_READ, &Key) != ERROR_SUCCESS) return false;
  ::RegCloseKey(Key);
  return true;
}

bool FileExists(const char* Path) {
  const DWORD Attributes = ::GetFileAttributesA(Path);
  return Attributes != INVALID_FILE_ATTRIBUTES && !(Attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// "a.b.c.d" of the file's fixed version information into Text; empty when none.
void FileVersion(const char* Path, char* Text) {
  Text[0] = '\0';
  if (!FileExists(Path)) return;
  DWORD Unused;
  const DWORD Size = ::GetFileVersionInfoSizeA(Path, &Unused);
  if (Size == 0) return;
  BYTE* Block = new BYTE[Size];
  VS_FIXEDFILEINFO* Info;
  UINT Length;
  if (::GetFileVersionInfoA(Path, 0, Size, Block) &&
      ::VerQueryValueA(Block, "\\", reinterpret_cast<void**>(&Info), &Length) &&
      Length >= sizeof(VS_FIXEDFILEINFO))
    std::sprintf(Text, "%u.%u.%u.%u", HIWORD(Info->dwFileVersionMS), LOWORD(Info->dwFileVersionMS),
                 HIWORD(Info->dwFileVersionLS), LOWORD(Info->dwFileVersionLS));
  delete[] Block;
}

void SetCell(HWND List, int Row, int Column, const char* Text) {
  LVITEMA Item{};
  Item.iSubItem = Column;
  Item.pszText = const_cast<char*>(Text);
  ::SendMessageA(List, LVM_SETITEMTEXTA, Row, reinterpret_cast<LPARAM>(&Item));
}

void SetRow(HWND List, int Row, const char* Version, const char* Status) {
  if (Version[0] != '\0') SetCell(List, Row, 1, Version);
  SetCell(List, Row, 2, Status);
}

void ReaderPath(char* Path) {
  if (ReadText("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\AcroRd32.exe", "Path", Path)) {
    std::strcat(Path, "\\AcroRd32.exe");
    return;
  }
  // The program the shell opens a PDF file with, asked of a file made for it.
  char File[MAX_PATH];
  DWORD Size = MAX_PATH;
  if (!QueryText(HKEY_CURRENT_USER, "TempFilePath", File, Size)) ::GetTempPathA(MAX_PATH, File);
  std::strcat(File, "~Tmp~pdf.pdf");
  HANDLE Handle = ::CreateFileA(File, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  Path[0] = '\0';
  if (reinterpret_cast<INT_PTR>(::FindExecutableA(File, nullptr, Path)) <= 32) Path[0] = '\0';
  ::CloseHandle(Handle);
  ::DeleteFileA(File);
}

}  // namespace

void RawCheckRun(HWND List) {
  char Path[MAX_PATH];
  char Version[MAX_PATH];

  ReaderPath(Path);
  FileVersion(Path, Version);
  SetRow(List, 0, Version, Version[0] ? Approved : NotInstalled);

  const bool Dac = ReadText("Software\\Microsoft\\DataAccess", "FullInstallVer", Version) &&
                   std::strcmp("2.6999", Version) < 0;
  if (Dac) SetCell(List, 1, 0, "Microsoft Data Access Components (MDAC) (full install)");
  SetRow(List, 1, Dac ? Version : "", Dac ? Approved : NotInstalled);

  ::GetSystemDirectoryA(Path, MAX_PATH);
  std::strcat(Path, "\\msjet40.dll");
  FileVersion(Path, Version);
  SetRow(List, 2, Version,
         !Version[0] ? NotInstalled : std::strcmp(Version, "4.0.8015.0") < 0 ? LaterVersionRequired : Approved);

  const bool Jre = ReadText("SOFTWARE\\Sorvendal\\IBM JRE\\1.3.0", "JrePath", Path) && FileExists(Path);
  SetRow(List, 3, Jre ? "1.3.0" : "", Jre ? Approved : NotInstalled);

  if (!ReadText("Software\\Microsoft\\Internet Explorer", "Version", Version)) Version[0] = '\0';
  SetRow(List, 4, Version,
         !Version[0] ? NotInstalled
                     : std::strcmp(Version, "4.72.3612.1713") < 0 ? LaterVersionRequired : Approved);

  SetRow(List, 5, "", KeyExists("SOFTWARE\\Microsoft\\Net Framework Setup\\NDP\\v2.0.50727") ? Approved : NotInstalled);

  DWORD Release = 0;
  if (KeyExists("SOFTWARE\\Microsoft\\Net Framework Setup\\NDP\\v4")) {
    HKEY Key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Net Framework Setup\\NDP\\v4\\Full", 0,
                        KEY_READ, &Key) == ERROR_SUCCESS) {
      DWORD Size = sizeof(Release);
      ::RegQueryValueExA(Key, "Release", nullptr, nullptr, reinterpret_cast<BYTE*>(&Release), &Size);
      ::RegCloseKey(Key);
    }
    std::sprintf(Version, "%lu", Release);
    SetRow(List, 6, Version, Release >= 379893 ? Approved : NotInstalled);
  } else {
    SetRow(List, 6, "", NotInstalled);
  }
}
