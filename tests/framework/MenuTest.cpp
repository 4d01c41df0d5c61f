// CMenu operations on a real window's system menu, and temporary menu wrappers that
// must never destroy the menu they view.
#include "afxwin.h"

#include <gtest/gtest.h>

namespace
{
const UINT kCommand = 0x0020;

TEST(MenuTest, SystemMenuEditing)
{
    HWND hWnd = CreateWindowExW(0, L"STATIC", L"menu", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, NULL, NULL, NULL, NULL);
    ASSERT_TRUE(hWnd);
    CWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(hWnd));

    CMenu* pMenu = wnd.GetSystemMenu(FALSE);
    ASSERT_NE(nullptr, pMenu);
    HMENU hMenu = pMenu->m_hMenu;
    EXPECT_EQ(hMenu, GetSystemMenu(hWnd, FALSE));
    EXPECT_EQ(pMenu, CMenu::FromHandle(hMenu)) << "one temporary per handle";
    UINT nItems = (UINT)::GetMenuItemCount(hMenu);
    ASSERT_GT(nItems, 0u);
    ASSERT_NE(static_cast<UINT>(-1), GetMenuState(hMenu, SC_SIZE, MF_BYCOMMAND));

    EXPECT_TRUE(pMenu->DeleteMenu(SC_SIZE, MF_BYCOMMAND));
    EXPECT_EQ(static_cast<UINT>(-1), GetMenuState(hMenu, SC_SIZE, MF_BYCOMMAND));
    EXPECT_EQ(nItems - 1, (UINT)::GetMenuItemCount(hMenu));

    EXPECT_TRUE(pMenu->AppendMenu(MF_SEPARATOR));
    EXPECT_TRUE(pMenu->AppendMenu(MF_STRING, kCommand, L"Always on &Top"));
    UINT nLast = (UINT)::GetMenuItemCount(hMenu) - 1;
    EXPECT_EQ(nItems + 1, (UINT)::GetMenuItemCount(hMenu));
    EXPECT_EQ(kCommand, ::GetMenuItemID(hMenu, nLast));
    EXPECT_EQ(0u, ::GetMenuItemID(hMenu, nLast - 1)) << "separator";
    wchar_t text[32] = {};
    EXPECT_EQ(14, ::GetMenuStringW(hMenu, kCommand, text, 32, MF_BYCOMMAND));
    EXPECT_STREQ(L"Always on &Top", text);

    EXPECT_EQ(static_cast<UINT>(MF_UNCHECKED), pMenu->CheckMenuItem(kCommand, MF_BYCOMMAND | MF_CHECKED));
    EXPECT_TRUE(GetMenuState(hMenu, kCommand, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), pMenu->CheckMenuItem(kCommand, MF_BYCOMMAND | MF_UNCHECKED));
    EXPECT_FALSE(GetMenuState(hMenu, kCommand, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(static_cast<UINT>(-1), pMenu->CheckMenuItem(kCommand + 1, MF_BYCOMMAND | MF_CHECKED));

    // Releasing the temporaries leaves the window's menu alone.
    CMenu::DeleteTempMap();
    EXPECT_TRUE(IsMenu(hMenu));
    EXPECT_EQ(nItems + 1, static_cast<UINT>(GetMenuItemCount(GetSystemMenu(hWnd, FALSE))));

    // Reverting gives the window its standard menu back.
    wnd.GetSystemMenu(TRUE);
    CMenu* pReverted = wnd.GetSystemMenu(FALSE);
    ASSERT_NE(nullptr, pReverted);
    EXPECT_NE(static_cast<UINT>(-1), GetMenuState(pReverted->m_hMenu, SC_SIZE, MF_BYCOMMAND));
    EXPECT_EQ(static_cast<UINT>(-1), GetMenuState(pReverted->m_hMenu, kCommand, MF_BYCOMMAND));
    CMenu::DeleteTempMap();
    CWnd::DeleteTempMap();
}
} // namespace
