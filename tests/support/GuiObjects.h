// How many GDI and USER objects a process holds, for leak tests. Windows answers
// GetGuiResources; Wine 8 answers 0 there, so under Wine the counts come from what the
// process itself shows:
//  - GDI: the live entries of the GDI handle table the process publishes in its PEB
//    (GdiSharedHandleTable). Wine keeps one such table per process and leaves the owner
//    field zero, so every live entry is the process's own, the stock objects included;
//    the table is read with ReadProcessMemory, so other processes are counted too.
//  - USER: the process's windows (top-level, child and message-only, on the current
//    desktop), found by enumeration, so again for any process. For the calling process
//    only, also its menus, icons and cursors and accelerator tables, found by probing
//    every USER handle index. Not counted: hooks, window stations, desktops, and the
//    menus, icons, cursors and accelerator tables of other processes.
// Compare counts taken the same way: the totals differ from Windows' own.
#pragma once
#include <windows.h>

struct GuiObjectCounts
{
    long gdi;  // -1 when the process could not be read
    long user; // -1 when the process could not be read
};

// `process` needs PROCESS_QUERY_INFORMATION and PROCESS_VM_READ access.
GuiObjectCounts CountGuiObjects(HANDLE process = GetCurrentProcess());
