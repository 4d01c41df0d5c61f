// Message pumping with a time bound, so X events settle before a check.
#pragma once
#include <windows.h>

// Dispatches every queued message for at most `ms` milliseconds.
void PumpMessages(DWORD ms = 100);
// Dispatches messages until `done()` holds or `ms` milliseconds pass; returns done().
template <class Pred> bool PumpUntil(Pred done, DWORD ms = 5000)
{
    DWORD start = GetTickCount();
    while (!done())
    {
        if (GetTickCount() - start > ms)
            return false;
        PumpMessages(10);
    }
    return true;
}
