// What a user would read back: the text of a control and the text on the clipboard.
#pragma once
#include <windows.h>

#include <string>

// The CF_UNICODETEXT on the clipboard, empty when there is none or the clipboard
// cannot be opened.
std::wstring ClipboardText();
// The text of a dialog's control.
std::wstring ItemText(HWND dialog, int id);
