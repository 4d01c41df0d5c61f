#include "support/GuiObjects.h"

#include <winternl.h>

#include <cstdio>
#include <vector>

namespace
{
// Wine 8's GDI_HANDLE_ENTRY: the same 24 bytes in 32- and 64-bit processes.
struct GdiHandleEntry
{
    UINT64 object; // while free: the next free entry
    USHORT ownerPid;
    USHORT lock;
    USHORT unique;
    UCHAR type; // zero once the handle is freed
    UCHAR flags;
    UINT64 user;
};
static_assert(sizeof(GdiHandleEntry) == 24, "GDI handle entry layout");

const int kGdiTableEntries = 0x10000;
#ifdef _WIN64
const SIZE_T kPebGdiTableOffset = 0xF8;
#else
const SIZE_T kPebGdiTableOffset = 0x94;
#endif
// The low words of the USER handles Wine hands out: even numbers, as it takes
// (low word - first) / 2 for the index, so each odd one would name the same object again.
const UINT kFirstUserHandle = 0x0020;
const UINT kLastUserHandle = 0xFFEE;

template <class T> bool ReadRemote(HANDLE process, const void* address, T* out, SIZE_T count = 1)
{
    SIZE_T read = 0;
    return ReadProcessMemory(process, address, out, sizeof(T) * count, &read) && read == sizeof(T) * count;
}

// Fills byType with the table's live entries by type and returns their number.
long CountGdiTable(HANDLE process, long byType[kGdiTypes])
{
    PROCESS_BASIC_INFORMATION pbi = {};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &pbi, sizeof pbi, NULL) != 0 || !pbi.PebBaseAddress)
        return -1;
    const BYTE* tableAddress = NULL;
    if (!ReadRemote(process, (const BYTE*)pbi.PebBaseAddress + kPebGdiTableOffset, &tableAddress) || !tableAddress)
        return -1;
    std::vector<GdiHandleEntry> table(kGdiTableEntries);
    if (!ReadRemote(process, tableAddress, table.data(), table.size()))
        return -1;
    USHORT pid = (USHORT)GetProcessId(process);
    long count = 0;
    for (const GdiHandleEntry& e : table)
    {
        if (e.type != 0 && (e.ownerPid == 0 || e.ownerPid == pid))
        {
            ++count;
            ++byType[e.type % kGdiTypes];
        }
    }
    return count;
}

struct WindowCount
{
    DWORD pid;
    long count;
};

BOOL CALLBACK CountIfOwned(HWND hwnd, LPARAM lp)
{
    WindowCount* wc = (WindowCount*)lp;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == wc->pid)
        ++wc->count;
    return TRUE;
}

// A window and all its descendants (EnumChildWindows walks the whole tree).
BOOL CALLBACK CountTree(HWND hwnd, LPARAM lp)
{
    CountIfOwned(hwnd, lp);
    EnumChildWindows(hwnd, CountIfOwned, lp);
    return TRUE;
}

long CountWindows(DWORD pid)
{
    WindowCount wc = {pid, 0};
    EnumWindows(CountTree, (LPARAM)&wc);
    // Message-only windows are no desktop's children: EnumWindows never lists them.
    for (HWND hwnd = FindWindowExW(HWND_MESSAGE, NULL, NULL, NULL); hwnd;
         hwnd = FindWindowExW(HWND_MESSAGE, hwnd, NULL, NULL))
        CountTree(hwnd, (LPARAM)&wc);
    return wc.count;
}

typedef HCURSOR(WINAPI* GetCursorFrameInfoFn)(HCURSOR, DWORD, DWORD, DWORD*, DWORD*);

// Wine takes a USER handle with a zero generation as any generation of its index, so
// asking each index whether it is a menu, an icon or an accelerator table finds them
// all. Only our own: another process's handles are not ours to look into.
long CountOwnUserHandles()
{
    // Undocumented but exported by every user32 since Windows 2000; it answers
    // for icons and cursors without creating anything.
    GetCursorFrameInfoFn frameInfo =
        (GetCursorFrameInfoFn)(void*)GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetCursorFrameInfo");
    long count = 0;
    for (UINT i = kFirstUserHandle; i <= kLastUserHandle; i += 2)
    {
        HANDLE h = (HANDLE)(UINT_PTR)i;
        DWORD rate, steps;
        if (IsMenu((HMENU)h) || (frameInfo && frameInfo((HCURSOR)h, 0, 0, &rate, &steps)) ||
            CopyAcceleratorTableW((HACCEL)h, NULL, 0) > 0)
            ++count;
    }
    return count;
}
} // namespace

GuiObjectCounts CountGuiObjects(HANDLE process)
{
    GuiObjectCounts counts = {};
    counts.gdi = (long)GetGuiResources(process, GR_GDIOBJECTS);
    if (counts.gdi == 0)
        counts.gdi = CountGdiTable(process, counts.gdiByType);
    counts.user = (long)GetGuiResources(process, GR_USEROBJECTS);
    if (counts.user == 0)
    {
        DWORD pid = GetProcessId(process);
        if (pid == 0)
            counts.user = -1;
        else
        {
            counts.user = CountWindows(pid);
            if (pid == GetCurrentProcessId())
                counts.user += CountOwnUserHandles();
        }
    }
    return counts;
}

std::string GdiTypeChanges(const GuiObjectCounts& before, const GuiObjectCounts& after)
{
    static const struct
    {
        int type;
        const char* name;
    } kNames[] = {{1, "DC"}, {4, "region"}, {8, "palette"}, {9, "bitmap"}, {10, "font"}, {16, "brush or pen"}};
    std::string changes;
    for (int type = 0; type < kGdiTypes; ++type)
    {
        long change = after.gdiByType[type] - before.gdiByType[type];
        if (change == 0)
            continue;
        char text[48];
        snprintf(text, sizeof text, "type %d %+ld", type, change);
        for (const auto& known : kNames)
        {
            if (known.type == type)
                snprintf(text, sizeof text, "%s %+ld", known.name, change);
        }
        changes += (changes.empty() ? "" : ", ") + std::string(text);
    }
    return changes;
}
