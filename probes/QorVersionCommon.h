#pragma once
// Routines the component probes share.

#include <string>

// The file version of FileName's version resource as four decimal numbers
// joined by "." (for example "4.0.8015.0"), or the empty text.
std::string GetFileVersionString(const std::string& FileName);

// The system folder as Windows reports it to this (32-bit) process, or the
// empty text.
std::string GetSystemFolder();
