#include "ProcessWindow.h"

namespace
{
struct FindData
{
    DWORD pid;
    HWND hwnd;
};

BOOL CALLBACK FindVisibleTopLevel(HWND hwnd, LPARAM lp)
{
    FindData* data = (FindData*)lp;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == data->pid && IsWindowVisible(hwnd))
    {
        data->hwnd = hwnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND WaitForVisibleWindow(const PROCESS_INFORMATION& pi, DWORD ms)
{
    FindData data = {pi.dwProcessId, NULL};
    for (DWORD start = GetTickCount(); !data.hwnd && GetTickCount() - start < ms;)
    {
        // A modal dialog idles only after its first paint.
        WaitForInputIdle(pi.hProcess, ms);
        EnumWindows(FindVisibleTopLevel, (LPARAM)&data);
        if (!data.hwnd)
            Sleep(1);
    }
    return data.hwnd;
}
