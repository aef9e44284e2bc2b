#pragma once
// The folder for short-lived files. Folder paths end in a backslash.

#include <string>

// When not empty, it stands in for the system's temporary folder.
extern std::string TempFolderOverride;

// The "TempFilePath" setting, else the override, else the system's
// temporary folder, with SubFolder below it when given. The first call of
// the process creates the folder (message 1715 and the system's folder when
// it cannot); a sub-folder is created on every call (message 1716 and the
// system's folder when it cannot).
std::string GetTempFolder(const std::string& SubFolder = "");

// The system's temporary folder exactly as Windows reports it.
std::string GetWindowsTempFolder();
