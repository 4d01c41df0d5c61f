#include "support/ReadBack.h"

#include "res/resource.h"

#include <regex>

const int kCopyButtonReadouts[4][2] = {{IDC_COPY_DEC, IDC_RGB_DEC},
                                       {IDC_COPY_HEX, IDC_RGB_HEX},
                                       {IDC_COPY_COLORREF, IDC_COLORREF},
                                       {IDC_COPY_HTML, IDC_HTML}};

ClipboardContents ReadClipboard()
{
    ClipboardContents c;
    if (!OpenClipboard(NULL))
        return c;
    for (UINT f = EnumClipboardFormats(0); f; f = EnumClipboardFormats(f))
        c.formats.push_back(f);
    if (HGLOBAL block = GetClipboardData(CF_UNICODETEXT))
    {
        c.textBytes = GlobalSize(block);
        if (const wchar_t* p = (const wchar_t*)GlobalLock(block))
            c.text = p;
        GlobalUnlock(block);
    }
    c.owner = GetClipboardOwner();
    CloseClipboard();
    return c;
}

std::wstring ClipboardText()
{
    return ReadClipboard().text;
}

std::wstring ItemText(HWND dialog, int id)
{
    wchar_t text[64] = L"";
    GetDlgItemTextW(dialog, id, text, 64);
    return text;
}

bool ReadPoint(const std::wstring& text, POINT* pt)
{
    // No sign but a minus, no leading zero, one comma and one space.
    static const std::wregex shape(L"(0|-?[1-9][0-9]{0,5}), (0|-?[1-9][0-9]{0,5})");
    std::wsmatch m;
    if (!std::regex_match(text, m, shape))
        return false;
    pt->x = std::stol(m.str(1));
    pt->y = std::stol(m.str(2));
    return true;
}

bool ReadColorref(const std::wstring& text, COLORREF* cr)
{
    static const std::wregex shape(L"[0-9A-F]{8}");
    if (!std::regex_match(text, shape))
        return false;
    *cr = (COLORREF)std::stoul(text, NULL, 16);
    return true;
}
