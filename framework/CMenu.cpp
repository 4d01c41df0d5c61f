#include "CMenu.h"

#include "HandleMap.h"

namespace
{
CHandleMap s_menuMap = HandleMapOf<CMenu, &CMenu::m_hMenu>();
} // namespace

CMenu::CMenu()
    : m_hMenu(NULL)
{
}

CMenu::~CMenu()
{
    if (m_hMenu)
        DestroyMenu(m_hMenu);
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    return static_cast<CMenu*>(s_menuMap.FromHandle(hMenu));
}

void CMenu::DeleteTempMap()
{
    s_menuMap.DeleteTemp();
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}
