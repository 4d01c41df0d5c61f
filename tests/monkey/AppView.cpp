#include "monkey/AppView.h"

namespace
{
struct Scan
{
    DWORD pid;
    HWND dialog;
    HWND box;
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
    // Wine's system menu has an "About Wine" item of its own: its box, and the licence
    // box that one opens, run in our process over our dialog just as the About box does.
    // The one that takes input is the innermost.
    else if (!lstrcmpW(text, L"#32770") && hwnd != s->dialog && IsWindowEnabled(hwnd))
        s->box = hwnd;
    return TRUE;
}
} // namespace

AppView Observe(const TintletProcess& app)
{
    AppView v = {};
    v.dialog = app.Dialog();
    Scan s = {0, v.dialog, NULL, NULL};
    GetWindowThreadProcessId(v.dialog, &s.pid);
    EnumWindows(ScanWindow, (LPARAM)&s);
    v.box = s.box;
    wchar_t title[32] = L"";
    if (s.box)
        GetWindowTextW(s.box, title, 32);
    v.about = !lstrcmpW(title, L"About Tintlet") ? s.box : NULL;
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
