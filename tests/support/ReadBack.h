// What a user would read back: the text of a control and the text on the clipboard,
// and which readout's text each copy button puts there.
#pragma once
#include <windows.h>

#include <string>

// The CF_UNICODETEXT on the clipboard, empty when there is none or the clipboard
// cannot be opened.
std::wstring ClipboardText();
// The text of a dialog's control.
std::wstring ItemText(HWND dialog, int id);
// Each copy button with the readout it copies, in tab order.
extern const int kCopyButtonReadouts[4][2];
