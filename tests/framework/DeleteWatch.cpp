#include "framework/DeleteWatch.h"

#include <cstddef>
#include <cstdlib>

namespace
{
const void* g_pWatched;
bool g_bDeleted;
} // namespace

void WatchDelete(const void* p)
{
    g_pWatched = p;
    g_bDeleted = false;
}

bool WatchedDeleted()
{
    return g_bDeleted;
}

void* operator new(std::size_t cb)
{
    void* p = std::malloc(cb ? cb : 1);
    if (!p)
        std::abort();
    return p;
}

void* operator new[](std::size_t cb)
{
    return operator new(cb);
}

void operator delete(void* p) noexcept
{
    if (p && p == g_pWatched)
    {
        g_bDeleted = true;
        g_pWatched = nullptr;
    }
    std::free(p);
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
