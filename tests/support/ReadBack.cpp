#include "support/ReadBack.h"

#include "res/resource.h"

const int kCopyButtonReadouts[4][2] = {{IDC_COPY_DEC, IDC_RGB_DEC},
                                       {IDC_COPY_HEX, IDC_RGB_HEX},
                                       {IDC_COPY_COLORREF, IDC_COLORREF},
                                       {IDC_COPY_HTML, IDC_HTML}};

std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(NULL))
        return text;
    if (HGLOBAL block = GetClipboardData(CF_UNICODETEXT))
    {
        if (const wchar_t* p = (const wchar_t*)GlobalLock(block))
            text = p;
        GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
}

std::wstring ItemText(HWND dialog, int id)
{
    wchar_t text[64] = L"";
    GetDlgItemTextW(dialog, id, text, 64);
    return text;
}
