#include "framework/OriginalProc.h"

#include "support/MessageTrace.h"

namespace
{
const wchar_t kProp[] = L"TintletTestOriginalProc";

std::vector<MSG>& Received()
{
    static std::vector<MSG> received;
    return received;
}

LRESULT CALLBACK RecordingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    AddMessage({message, sent | defwinproc, wParam, lParam});
    Received().push_back({hWnd, message, wParam, lParam, 0, {0, 0}});
    WNDPROC pfnOld = reinterpret_cast<WNDPROC>(GetPropW(hWnd, kProp));
    if (message == WM_NCDESTROY)
        RemovePropW(hWnd, kProp);
    return CallWindowProcW(pfnOld, hWnd, message, wParam, lParam);
}
} // namespace

void RecordOriginalProc(HWND hWnd)
{
    SetPropW(hWnd, kProp,
             reinterpret_cast<HANDLE>(SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc))));
}

std::vector<HWND> OriginalProcWindows(UINT message)
{
    std::vector<HWND> windows;
    for (const MSG& msg : Received())
    {
        if (msg.message == message)
            windows.push_back(msg.hwnd);
    }
    return windows;
}

void ClearOriginalProcWindows()
{
    Received().clear();
}
