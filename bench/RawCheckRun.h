#pragma once
// The check run's registry and file calls written out in plain Win32, with
// the answers put in a plain list view: the floor the tool's own check run
// is measured against.

#include <windows.h>

// Fills seven rows of List (three columns each) as the tool's check run does.
void RawCheckRun(HWND List);
