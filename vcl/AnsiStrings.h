#pragma once
// Text routines that follow the system's ANSI code page.

#include <string>

namespace vcl {

// Upper case by the user's locale: every letter of the code page, not only
// A to Z.
std::string AnsiUpperCase(std::string Text);

}  // namespace vcl
