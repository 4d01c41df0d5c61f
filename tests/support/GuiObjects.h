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

#include <string>

// The type numbers Wine's GDI handle table gives its entries.
const int kGdiTypes = 32;

struct GuiObjectCounts
{
    long gdi;  // -1 when the process could not be read
    long user; // -1 when the process could not be read
    // When gdi comes from the handle table: its entries by Wine's type number (DC 1,
    // region 4, palette 8, bitmap 9, font 10, brush or pen 16).
    long gdiByType[kGdiTypes];
};

// `process` needs PROCESS_QUERY_INFORMATION and PROCESS_VM_READ access.
GuiObjectCounts CountGuiObjects(HANDLE process = GetCurrentProcess());
// The GDI types whose counts changed from `before` to `after`, as "region +1,
// bitmap +1"; empty when none did or the types are not known.
std::string GdiTypeChanges(const GuiObjectCounts& before, const GuiObjectCounts& after);
