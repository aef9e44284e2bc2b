#pragma once

#include <string>

// The MDAC values "FullInstallVer" and "Version" as stored, or the empty text.
std::string GetDacFullInstallVersion();
std::string GetDacVersion();
