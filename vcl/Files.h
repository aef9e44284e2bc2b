#pragma once
// File and path routines over the ANSI file API.

#include <windows.h>

#include <string>

namespace vcl {

// True for an existing file; a folder never counts, nor does the empty path.
bool FileExists(const std::string& FileName);

// Appends a backslash unless the last character already is one. In a
// double-byte code page a trail byte of 0x5C is not a backslash.
std::string IncludeTrailingBackslash(const std::string& Path, UINT CodePage = CP_ACP);

}  // namespace vcl
