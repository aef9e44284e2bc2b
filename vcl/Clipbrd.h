#pragma once
// The clipboard.

#include <windows.h>

#include <string>

namespace vcl {

// Replaces the clipboard's contents with Text, a text in the ANSI code page,
// both as CF_TEXT and as CF_UNICODETEXT, so that every program pastes it
// with its own characters. Owner is the window that puts it there. Raises
// EOSError when the clipboard is held by another program.
void SetClipboardText(HWND Owner, const std::string& Text);

}  // namespace vcl
