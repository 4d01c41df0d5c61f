// Records what reaches a window's own procedure: every message is logged with the
// defwinproc flag, so a trace shows which messages the framework let through to
// the control's default processing.
#pragma once
#include <windows.h>

#include <vector>

// Subclasses hWnd (before any framework object does) with the recording procedure.
void RecordOriginalProc(HWND hWnd);
// The windows whose own procedure received `message` since the last clear, in order.
std::vector<HWND> OriginalProcWindows(UINT message);
void ClearOriginalProcWindows();
