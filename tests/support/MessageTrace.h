// Message sequence recording in the manner of Wine's user32 tests: windows under test
// log what they receive, the test compares the log with a zero-terminated table.
#pragma once
#include <windows.h>

enum MessageFlags
{
    sent = 0x1,       // arrived through a window procedure
    posted = 0x2,     // arrived through the queue
    wparam = 0x4,     // compare wParam
    lparam = 0x8,     // compare lParam
    optional = 0x10,  // may be missing (platform-dependent)
    defwinproc = 0x20 // reached the control's own procedure (default processing)
};

struct Message
{
    UINT message;
    UINT flags = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// Adds one entry to the current trace.
void AddMessage(const Message& msg);
// Forgets the current trace.
void FlushSequence();
// Compares the trace with `expected` (ends with message 0); on a mismatch adds a
// GoogleTest failure listing both sequences side by side. Flushes the trace.
void OkSequence(const Message* expected, const char* context);
// A subclass procedure that records every message as `sent` and forwards it.
// Install with InstallRecorder; the original procedure is kept in a window property.
void InstallRecorder(HWND hwnd);
