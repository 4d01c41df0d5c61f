// A small probe for the shell scripts: finds, measures and drives top-level windows
// of the running Wine desktop by their title, since X tools cannot see inside it.
//   winprobe wait TITLE [MS]           print "left top right bottom" once the window is visible
//   winprobe close TITLE               ask the window to close, as its system menu would
//   winprobe gone TITLE [MS]           succeed once no window has that title
//   winprobe item TITLE NAME           print the rectangle of the window's control NAME
//   winprobe text TITLE NAME TEXT [MS] succeed once control NAME shows TEXT (else say what it shows)
//   winprobe watch TITLE NAME TEXT [MS] print every text control NAME shows, looking each
//                                      millisecond, until it shows TEXT
//   winprobe syscommand TITLE NAME     post the system-menu command NAME to the window
//   winprobe menu [MS]                 print the rectangle of the open popup menu
// NAME is a resource identifier's name, such as IDC_PICKER or IDM_ABOUTBOX.
#include "res/resource.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>

namespace
{
struct Named
{
    const wchar_t* name;
    int id;
};

// The identifiers the scripts ask for, named as the resource header names them.
const Named kIds[] = {
    {L"IDC_PICKER", IDC_PICKER},           {L"IDC_SWATCH", IDC_SWATCH},     {L"IDC_RGB_DEC", IDC_RGB_DEC},
    {L"IDC_RGB_HEX", IDC_RGB_HEX},         {L"IDC_COLORREF", IDC_COLORREF}, {L"IDC_HTML", IDC_HTML},
    {L"IDC_COORDINATES", IDC_COORDINATES}, {L"IDM_ABOUTBOX", IDM_ABOUTBOX}, {L"IDM_ALWAYS_ON_TOP", IDM_ALWAYS_ON_TOP},
    {L"IDC_COPY_DEC", IDC_COPY_DEC},       {L"IDC_COPY_HEX", IDC_COPY_HEX}, {L"IDC_COPY_COLORREF", IDC_COPY_COLORREF},
    {L"IDC_COPY_HTML", IDC_COPY_HTML},
};

int IdOf(const wchar_t* name)
{
    for (const Named& n : kIds)
        if (!wcscmp(n.name, name))
            return n.id;
    return 0;
}

HWND FindVisible(const wchar_t* title)
{
    HWND hwnd = FindWindowW(NULL, title);
    return (hwnd && IsWindowVisible(hwnd)) ? hwnd : NULL;
}

// The system's popup menu window class.
HWND FindMenu()
{
    HWND hwnd = FindWindowW(L"#32768", NULL);
    return (hwnd && IsWindowVisible(hwnd)) ? hwnd : NULL;
}

template <typename Test> bool WaitUntil(DWORD ms, Test test)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start <= ms; Sleep(50))
        if (test())
            return true;
    return false;
}

int PrintRect(HWND hwnd)
{
    RECT rc;
    if (!hwnd || !GetWindowRect(hwnd, &rc))
        return 1;
    printf("%ld %ld %ld %ld\n", rc.left, rc.top, rc.right, rc.bottom);
    return 0;
}

HWND Item(const wchar_t* title, const wchar_t* name)
{
    HWND hwnd = FindVisible(title);
    int id = IdOf(name);
    return hwnd && id ? GetDlgItem(hwnd, id) : NULL;
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    // The scripts drive X in physical pixels, which a scaled Wine hands only to programs
    // aware of the DPI.
    SetProcessDPIAware();
    if (argc < 2)
    {
        fprintf(stderr, "usage: winprobe wait|close|gone|item|text|watch|syscommand|menu ...\n");
        return 2;
    }
    const wchar_t* verb = argv[1];
    if (!wcscmp(verb, L"menu"))
    {
        DWORD ms = argc > 2 ? (DWORD)wcstoul(argv[2], NULL, 10) : 10000;
        return WaitUntil(ms, [] { return FindMenu() != NULL; }) ? PrintRect(FindMenu()) : 1;
    }
    if (argc < 3)
        return 2;
    const wchar_t* title = argv[2];

    if (!wcscmp(verb, L"wait") || !wcscmp(verb, L"gone"))
    {
        bool present = !wcscmp(verb, L"wait");
        DWORD ms = argc > 3 ? (DWORD)wcstoul(argv[3], NULL, 10) : 10000;
        if (!WaitUntil(ms, [&] { return (FindVisible(title) != NULL) == present; }))
            return 1;
        return present ? PrintRect(FindVisible(title)) : 0;
    }
    if (!wcscmp(verb, L"close"))
    {
        HWND hwnd = FindVisible(title);
        return hwnd && PostMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
    }
    if (argc < 4)
        return 2;
    const wchar_t* name = argv[3];
    if (!wcscmp(verb, L"item"))
        return PrintRect(Item(title, name));
    if (!wcscmp(verb, L"syscommand"))
    {
        HWND hwnd = FindVisible(title);
        int id = IdOf(name);
        return hwnd && id && PostMessageW(hwnd, WM_SYSCOMMAND, id, 0) ? 0 : 1;
    }
    if (!wcscmp(verb, L"text") && argc > 4)
    {
        DWORD ms = argc > 5 ? (DWORD)wcstoul(argv[5], NULL, 10) : 10000;
        wchar_t text[128] = L"";
        if (WaitUntil(ms, [&] {
                text[0] = L'\0';
                GetWindowTextW(Item(title, name), text, 128);
                return !wcscmp(text, argv[4]);
            }))
            return 0;
        // What the control showed instead, for the script's failure message.
        fprintf(stderr, "winprobe: %ls shows \"%ls\", not \"%ls\"\n", name, text, argv[4]);
        return 1;
    }
    if (!wcscmp(verb, L"watch") && argc > 4)
    {
        DWORD ms = argc > 5 ? (DWORD)wcstoul(argv[5], NULL, 10) : 10000;
        HWND item = Item(title, name);
        wchar_t text[128] = L"", last[128] = L"\n";
        for (DWORD start = GetTickCount(); item && GetTickCount() - start <= ms; Sleep(1))
        {
            text[0] = L'\0';
            GetWindowTextW(item, text, 128);
            if (wcscmp(text, last))
            {
                printf("%ls\n", text);
                fflush(stdout);
                wcscpy(last, text);
            }
            if (!wcscmp(text, argv[4]))
                return 0;
        }
        return 1;
    }
    return 2;
}
