// The allocation operators, straight on the process heap, so that the C++ runtime's
// throwing versions stay out of the executable. A failed allocation raises a
// structured exception (STATUS_NO_MEMORY) instead of returning NULL.
#include <windows.h>

#include <cstddef>

void* operator new(std::size_t cb)
{
    return HeapAlloc(GetProcessHeap(), HEAP_GENERATE_EXCEPTIONS, cb ? cb : 1);
}

void* operator new[](std::size_t cb)
{
    return operator new(cb);
}

void operator delete(void* p) noexcept
{
    if (p)
        HeapFree(GetProcessHeap(), 0, p);
}

void operator delete[](void* p) noexcept
{
    operator delete(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
}

void operator delete[](void* p, std::size_t) noexcept
{
    operator delete(p);
}
