// A small probe for the shell scripts: finds, measures and closes top-level windows
// of the running Wine desktop by their title, since X tools cannot see inside it.
//   winprobe wait TITLE [MS]   print "left top right bottom" once the window is visible
//   winprobe close TITLE       ask the window to close, as its system menu would
//   winprobe gone TITLE [MS]   succeed once no window has that title
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>

static HWND FindVisible(const wchar_t* title)
{
    HWND hwnd = FindWindowW(NULL, title);
    return (hwnd && IsWindowVisible(hwnd)) ? hwnd : NULL;
}

static bool WaitFor(const wchar_t* title, DWORD ms, bool present)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start <= ms; Sleep(50))
        if ((FindVisible(title) != NULL) == present)
            return true;
    return false;
}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3)
    {
        fprintf(stderr, "usage: winprobe wait|close|gone TITLE [MS]\n");
        return 2;
    }
    const wchar_t* title = argv[2];
    DWORD ms = argc > 3 ? (DWORD)wcstoul(argv[3], NULL, 10) : 10000;

    if (!wcscmp(argv[1], L"wait"))
    {
        if (!WaitFor(title, ms, true))
            return 1;
        RECT rc;
        GetWindowRect(FindVisible(title), &rc);
        printf("%ld %ld %ld %ld\n", rc.left, rc.top, rc.right, rc.bottom);
        return 0;
    }
    if (!wcscmp(argv[1], L"close"))
    {
        HWND hwnd = FindVisible(title);
        return hwnd && PostMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
    }
    if (!wcscmp(argv[1], L"gone"))
        return WaitFor(title, ms, false) ? 0 : 1;
    return 2;
}
