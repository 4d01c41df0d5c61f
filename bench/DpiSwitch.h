// The switch of a thread's DPI awareness, found at run time as the program finds it:
// NULL before Windows 10 1607.
#pragma once
#include <windows.h>

typedef DPI_AWARENESS_CONTEXT(WINAPI* SetThreadDpiAwarenessContextFn)(DPI_AWARENESS_CONTEXT);

inline SetThreadDpiAwarenessContextFn FindSetThreadDpiAwarenessContext()
{
    return (SetThreadDpiAwarenessContextFn)(void*)GetProcAddress(GetModuleHandleW(L"user32.dll"),
                                                                 "SetThreadDpiAwarenessContext");
}
