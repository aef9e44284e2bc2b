#pragma once

#include <string>

// The file version of msjet40.dll in the system folder, or the empty text.
std::string GetJetVersion();
