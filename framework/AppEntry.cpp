// The Unicode GUI entry point (the executable links with -municode). It lives alone in
// this file so that test programs, which bring their own main, never pull it in.
#include "CWinApp.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
