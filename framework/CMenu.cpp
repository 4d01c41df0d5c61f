#include "CMenu.h"

#include "CString.h"
#include "HandleMap.h"

namespace
{
void* NewTempMenu(HANDLE h)
{
    CMenu* pMenu = new CMenu;
    pMenu->m_hMenu = static_cast<HMENU>(h);
    return pMenu;
}

void DeleteTempMenu(void* pObject)
{
    CMenu* pMenu = static_cast<CMenu*>(pObject);
    pMenu->m_hMenu = NULL;
    delete pMenu;
}

CHandleMap s_menuMap(NewTempMenu, DeleteTempMenu);
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

UINT CMenu::GetMenuItemCount() const
{
    return ::GetMenuItemCount(m_hMenu);
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    return ::GetMenuItemID(m_hMenu, nPos);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int nLength = ::GetMenuStringW(m_hMenu, nIDItem, NULL, 0, nFlags);
    LPTSTR pBuffer = rString.GetBuffer(nLength > 0 ? nLength : 0);
    if (!pBuffer)
        return 0;
    pBuffer[0] = 0;
    if (nLength > 0)
        ::GetMenuStringW(m_hMenu, nIDItem, pBuffer, nLength + 1, nFlags);
    rString.ReleaseBuffer();
    return rString.GetLength();
}
