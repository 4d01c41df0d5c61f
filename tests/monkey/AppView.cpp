#include "monkey/AppView.h"

namespace
{
struct Scan
{
    DWORD pid;
    HWND about;
    HWND menu;
};

BOOL CALLBACK ScanWindow(HWND hwnd, LPARAM lp)
{
    Scan* s = (Scan*)lp;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != s->pid || !IsWindowVisible(hwnd))
        return TRUE;
    wchar_t text[32] = L"";
    GetClassNameW(hwnd, text, 32);
    if (!lstrcmpW(text, L"#32768"))
        s->menu = hwnd;
    GetWindowTextW(hwnd, text, 32);
    if (!lstrcmpW(text, L"About Tintlet"))
        s->about = hwnd;
    return TRUE;
}
} // namespace

AppView Observe(const TintletProcess& app)
{
    AppView v = {};
    v.dialog = app.Dialog();
    Scan s = {0, NULL, NULL};
    GetWindowThreadProcessId(v.dialog, &s.pid);
    EnumWindows(ScanWindow, (LPARAM)&s);
    v.about = s.about;
    v.menuPopup = s.menu;
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(app.ThreadId(), &info);
    v.inMenu = (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) != 0 || v.menuPopup;
    v.inMoveSize = (info.flags & GUI_INMOVESIZE) != 0;
    v.capture = info.hwndCapture;
    v.iconic = IsIconic(v.dialog) != FALSE;
    DWORD fgPid = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &fgPid);
    v.foreground = fgPid == s.pid;
    return v;
}
