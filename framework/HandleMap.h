// Which wrapper object stands for which handle. Permanent entries belong to objects
// that attached themselves; temporary wrappers are made on demand for handles nobody
// attached and live until DeleteTemp, which the message loop runs when idle.
#pragma once
#include <windows.h>

#include <type_traits>

class CHandleMap
{
public:
    // Makes a temporary wrapper holding h.
    typedef void* (*PFNNEWTEMP)(HANDLE h);
    // Deletes a temporary wrapper without touching its handle (we don't own it).
    typedef void (*PFNDELETETEMP)(void* pObject);

    constexpr CHandleMap(PFNNEWTEMP pfnNewTemp, PFNDELETETEMP pfnDeleteTemp)
        : m_permanent(),
          m_temporary(),
          m_pfnNewTemp(pfnNewTemp),
          m_pfnDeleteTemp(pfnDeleteTemp)
    {
    }

    // The permanent object of h, else its temporary one, made if need be.
    void* FromHandle(HANDLE h);
    void* LookupPermanent(HANDLE h) const;
    // FALSE when the entry could not be made.
    BOOL SetPermanent(HANDLE h, void* pObject);
    void RemoveHandle(HANDLE h);
    void DeleteTemp();

private:
    struct Entry
    {
        HANDLE h;
        void* pObject;
    };

    // A small unordered table; a program has a few dozen windows at most.
    struct Table
    {
        Entry* pEntries;
        int nCount;
        int nMax;
    };

    static void* Lookup(const Table& table, HANDLE h);
    static BOOL Add(Table& table, HANDLE h, void* pObject);
    static void Remove(Table& table, HANDLE h);

    Table m_permanent;
    Table m_temporary;
    PFNNEWTEMP m_pfnNewTemp;
    PFNDELETETEMP m_pfnDeleteTemp;
};

// The temporary wrappers of class T, which keeps its handle in member pHandle.
template <class T, auto pHandle> void* NewTempWrapper(HANDLE h)
{
    T* p = new T;
    p->*pHandle = static_cast<std::remove_reference_t<decltype(p->*pHandle)>>(h);
    return p;
}

template <class T, auto pHandle> void DeleteTempWrapper(void* pObject)
{
    T* p = static_cast<T*>(pObject);
    p->*pHandle = NULL;
    delete p;
}

template <class T, auto pHandle> constexpr CHandleMap HandleMapOf()
{
    return CHandleMap(NewTempWrapper<T, pHandle>, DeleteTempWrapper<T, pHandle>);
}
