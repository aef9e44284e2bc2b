#pragma once
// File and path routines over the ANSI file API.

#include <windows.h>

#include <string>

namespace vcl {

// Whether the ANSI file functions take Path: Windows refuses one of MAX_PATH
// characters or more, where Wine cuts it to its length modulo 32768 and
// reaches another file. The routines here refuse such a path themselves,
// with ERROR_FILENAME_EXCED_RANGE as the last error.
bool FitsAnsiFileApi(const std::string& Path);

// True for an existing file; a folder never counts, nor does the empty path.
bool FileExists(const std::string& FileName);

// Appends a backslash unless the last character already is one. In a
// double-byte code page a trail byte of 0x5C is not a backslash.
std::string IncludeTrailingBackslash(const std::string& Path, UINT CodePage = CP_ACP);

// True for an existing folder ("\\" and "C:\\" included).
bool DirectoryExists(const std::string& Dir);

// Creates Dir together with every missing parent. True when the folder
// exists afterwards, also when it already did; false for the empty path.
bool ForceDirectories(const std::string& Dir, UINT CodePage = CP_ACP);

// The user's temporary folder as GetTempPathA reports it (normally with a
// trailing backslash), or the empty text when the call fails.
std::string GetTempDirectory();

}  // namespace vcl
