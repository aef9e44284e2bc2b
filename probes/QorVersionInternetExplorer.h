#pragma once

#include <string>

// The Internet Explorer value "Version" as stored, the empty text, or
// "Unknown" when it cannot be read as text.
std::string GetInternetExplorerVersion();
