#include "HandleMap.h"

void* CHandleMap::FromHandle(HANDLE h)
{
    if (!h)
        return NULL;
    void* pObject = Lookup(m_permanent, h);
    if (!pObject)
        pObject = Lookup(m_temporary, h);
    if (pObject)
        return pObject;

    pObject = m_pfnNewTemp(h);
    if (!Add(m_temporary, h, pObject))
    {
        m_pfnDeleteTemp(pObject);
        return NULL;
    }
    return pObject;
}

void* CHandleMap::LookupPermanent(HANDLE h) const
{
    return h ? Lookup(m_permanent, h) : NULL;
}

BOOL CHandleMap::SetPermanent(HANDLE h, void* pObject)
{
    return Add(m_permanent, h, pObject);
}

void CHandleMap::RemoveHandle(HANDLE h)
{
    Remove(m_permanent, h);
}

void CHandleMap::DeleteTemp()
{
    // Deleting may run code that looks wrappers up, so empty the table first.
    Table table = m_temporary;
    m_temporary = Table();
    for (int i = 0; i < table.nCount; ++i)
        m_pfnDeleteTemp(table.pEntries[i].pObject);
    if (table.pEntries)
        HeapFree(GetProcessHeap(), 0, table.pEntries);
}

void* CHandleMap::Lookup(const Table& table, HANDLE h)
{
    for (int i = 0; i < table.nCount; ++i)
    {
        if (table.pEntries[i].h == h)
            return table.pEntries[i].pObject;
    }
    return NULL;
}

BOOL CHandleMap::Add(Table& table, HANDLE h, void* pObject)
{
    if (table.nCount == table.nMax)
    {
        int nMax = table.nMax ? table.nMax * 2 : 16;
        SIZE_T cb = nMax * sizeof(Entry);
        void* pNew =
            table.pEntries ? HeapReAlloc(GetProcessHeap(), 0, table.pEntries, cb) : HeapAlloc(GetProcessHeap(), 0, cb);
        if (!pNew)
            return FALSE;
        table.pEntries = static_cast<Entry*>(pNew);
        table.nMax = nMax;
    }
    table.pEntries[table.nCount].h = h;
    table.pEntries[table.nCount].pObject = pObject;
    ++table.nCount;
    return TRUE;
}

void CHandleMap::Remove(Table& table, HANDLE h)
{
    for (int i = 0; i < table.nCount; ++i)
    {
        if (table.pEntries[i].h == h)
        {
            table.pEntries[i] = table.pEntries[--table.nCount];
            return;
        }
    }
}
