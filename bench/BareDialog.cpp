// The floor for start-up figures: one dialog from a template, straight Win32, nothing else.
#include <windows.h>

static INT_PTR CALLBACK BareProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM)
{
    if (msg == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL))
    {
        EndDialog(hwnd, LOWORD(wp));
        return TRUE;
    }
    return msg == WM_INITDIALOG;
}

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    DialogBoxParamW(hInstance, MAKEINTRESOURCEW(1), NULL, BareProc, 0);
    return 0;
}
