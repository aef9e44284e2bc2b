#pragma once

#include <string>

// The file version of the Reader executable that App Paths names, or the
// empty text.
std::string GetAdobeReaderVersion();
