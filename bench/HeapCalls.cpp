#include "HeapCalls.h"

#include <windows.h>

#include <cstring>

namespace
{
typedef LPVOID(WINAPI* HeapAllocFn)(HANDLE, DWORD, SIZE_T);
HeapAllocFn g_realHeapAlloc;
volatile long g_count;

LPVOID WINAPI CountingHeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes)
{
    InterlockedIncrement(&g_count);
    return g_realHeapAlloc(heap, flags, bytes);
}

// The import address table slot through which this module calls kernel32's HeapAlloc.
void** HeapAllocSlot()
{
    BYTE* base = (BYTE*)GetModuleHandleW(NULL);
    IMAGE_NT_HEADERS* nt = (IMAGE_NT_HEADERS*)(base + ((IMAGE_DOS_HEADER*)base)->e_lfanew);
    IMAGE_DATA_DIRECTORY dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (IMAGE_IMPORT_DESCRIPTOR* d = (IMAGE_IMPORT_DESCRIPTOR*)(base + dir.VirtualAddress); d->Name; ++d)
    {
        if (_stricmp((const char*)(base + d->Name), "kernel32.dll") != 0)
            continue;
        IMAGE_THUNK_DATA* names = (IMAGE_THUNK_DATA*)(base + d->OriginalFirstThunk);
        IMAGE_THUNK_DATA* slots = (IMAGE_THUNK_DATA*)(base + d->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots)
        {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            IMAGE_IMPORT_BY_NAME* byName = (IMAGE_IMPORT_BY_NAME*)(base + names->u1.AddressOfData);
            if (!strcmp((const char*)byName->Name, "HeapAlloc"))
                return (void**)&slots->u1.Function;
        }
    }
    return NULL;
}
} // namespace

bool HeapCalls::Install()
{
    if (g_realHeapAlloc)
        return true;
    void** slot = HeapAllocSlot();
    DWORD old;
    if (!slot || !VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old))
        return false;
    g_realHeapAlloc = (HeapAllocFn)*slot;
    *slot = (void*)CountingHeapAlloc;
    VirtualProtect(slot, sizeof *slot, old, &old);
    return true;
}

long HeapCalls::Count()
{
    return g_count;
}
