// What a user would read back: the text of a control, what the clipboard holds, the
// point a coordinates readout names, and which readout's text each copy button copies.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct ClipboardContents
{
    std::vector<UINT> formats; // in the order the clipboard lists them
    HWND owner = NULL;
    std::wstring text;    // CF_UNICODETEXT, empty when there is none
    SIZE_T textBytes = 0; // the size of the memory block that holds it
};

// Everything empty when the clipboard cannot be opened.
ClipboardContents ReadClipboard();
// The CF_UNICODETEXT on the clipboard, empty when there is none or the clipboard
// cannot be opened.
std::wstring ClipboardText();
// The text of a dialog's control.
std::wstring ItemText(HWND dialog, int id);
// The screen point a coordinates readout names; false unless the text is exactly
// "x, y" in plain decimals.
bool ReadPoint(const std::wstring& text, POINT* pt);
// The colour a COLORREF readout names; false unless the text is exactly eight upper-case
// hexadecimal digits.
bool ReadColorref(const std::wstring& text, COLORREF* cr);
// Each copy button with the readout it copies, in tab order.
extern const int kCopyButtonReadouts[4][2];
