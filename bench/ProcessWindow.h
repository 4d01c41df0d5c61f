// Finding a program's window from the bench that started it.
#pragma once
#include <windows.h>

// Waits up to ms for a visible top-level window of the process and returns it, or NULL.
HWND WaitForVisibleWindow(const PROCESS_INFORMATION& pi, DWORD ms = 30000);
