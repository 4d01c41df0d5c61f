#include "controls/ClipboardText.h"

bool CopyTextToClipboard(CWnd* pOwner, const CString& strText)
{
    if (!::OpenClipboard(pOwner->GetSafeHwnd()))
        return false;

    bool bPlaced = false;
    if (::EmptyClipboard())
    {
        // Exactly the text and its terminator; the block passes to the clipboard only
        // when SetClipboardData takes it, otherwise it is ours to free.
        SIZE_T cb = (strText.GetLength() + 1) * sizeof(WCHAR);
        HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, cb);
        if (hBlock != NULL)
        {
            LPWSTR pszBlock = (LPWSTR)::GlobalLock(hBlock);
            if (pszBlock != NULL)
            {
                ::lstrcpyW(pszBlock, strText);
                ::GlobalUnlock(hBlock);
                bPlaced = ::SetClipboardData(CF_UNICODETEXT, hBlock) != NULL;
            }
            if (!bPlaced)
                ::GlobalFree(hBlock);
        }
    }
    ::CloseClipboard();
    return bPlaced;
}
