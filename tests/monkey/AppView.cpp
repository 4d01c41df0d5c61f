#include "monkey/AppView.h"

AppView Observe(const TintletProcess& app)
{
    AppView v = {};
    v.dialog = app.Dialog();
    DWORD pid = 0;
    GetWindowThreadProcessId(v.dialog, &pid);
    for (HWND hwnd : VisibleWindowsOf(pid))
    {
        wchar_t name[32] = L"";
        GetClassNameW(hwnd, name, 32);
        if (!lstrcmpW(name, L"#32768"))
            v.menuPopup = hwnd;
        // Wine's system menu has an "About Wine" item of its own: its box, and the
        // licence box that one opens, run in our process over our dialog just as the
        // About box does. The one that takes input is the innermost.
        else if (!lstrcmpW(name, L"#32770") && hwnd != v.dialog && IsWindowEnabled(hwnd))
            v.box = hwnd;
    }
    wchar_t title[32] = L"";
    if (v.box)
        GetWindowTextW(v.box, title, 32);
    v.about = !lstrcmpW(title, L"About Tintlet") ? v.box : NULL;
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(app.ThreadId(), &info);
    v.inMenu = (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) != 0 || v.menuPopup;
    v.inMoveSize = (info.flags & GUI_INMOVESIZE) != 0;
    v.capture = info.hwndCapture;
    v.iconic = IsIconic(v.dialog) != FALSE;
    DWORD fgPid = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &fgPid);
    v.foreground = fgPid == pid;
    return v;
}
