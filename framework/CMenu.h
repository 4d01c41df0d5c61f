// A menu wrapper. Menus from FromHandle are temporary views (we don't own those menus);
// a CMenu destroys only a menu it was given to own.
#pragma once
#include <windows.h>

class CMenu
{
public:
    CMenu();
    virtual ~CMenu();

    // A temporary wrapper for hMenu, valid until DeleteTempMap; NULL for NULL.
    static CMenu* FromHandle(HMENU hMenu);
    // Deletes every temporary wrapper; the message loop calls it when idle.
    static void DeleteTempMap();

    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL);
    // Returns the previous state (MF_CHECKED or MF_UNCHECKED), or -1 if there is no such item.
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);

    HMENU m_hMenu;

private:
    CMenu(const CMenu&);
    void operator=(const CMenu&);
};
