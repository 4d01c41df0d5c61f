// Message sequence recording in the manner of Wine's user32 tests: windows under test
// log what they receive, the test compares the log with a zero-terminated table.
#pragma once
#include <windows.h>

#include <initializer_list>

enum MessageFlags
{
    sent = 0x1,        // arrived through a window procedure
    posted = 0x2,      // arrived through the queue
    wparam = 0x4,      // compare wParam
    lparam = 0x8,      // compare lParam
    optional = 0x10,   // may be missing (platform-dependent)
    defwinproc = 0x20, // reached the control's own procedure (default processing)
    id = 0x40          // compare the receiving window's control identifier
};

struct Message
{
    UINT message;
    UINT flags = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    int id = 0; // the receiving window's control identifier; 0 for a top-level window
};

// Adds one entry to the current trace.
void AddMessage(const Message& msg);
// Forgets the current trace.
void FlushSequence();
// Compares the trace with `expected` (ends with message 0); on a mismatch adds a
// GoogleTest failure at the caller's line, listing both sequences side by side.
// Flushes the trace.
#define OkSequence(expected, context) OkSequenceAt((expected), (context), __FILE__, __LINE__)
void OkSequenceAt(const Message* expected, const char* context, const char* file, int line);
// Subclasses hwnd with a procedure that logs each of `messages` (every message when
// empty) with `flags` and the window's control identifier, and forwards it. The
// settings live in a window property until WM_NCDESTROY or RemoveRecorder.
void InstallRecorder(HWND hwnd, std::initializer_list<UINT> messages = {}, UINT flags = sent);
// Takes the recorder off again; it must be the window's latest subclass.
void RemoveRecorder(HWND hwnd);
