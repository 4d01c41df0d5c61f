// The picker dialog in-process: its system menu, topmost state, icons, painting of the
// minimised window and the handles it owns. Each dialog runs modally and ends itself
// from a timer after the checks, so nothing blocks.
#include "picker/PickerDlgProbe.h"
#include "res/resource.h"
#include "support/MessageTrace.h"
#include "support/Pump.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace
{
struct MenuItem
{
    UINT id;
    UINT state;
    std::wstring text;
};

std::vector<MenuItem> ReadMenu(HMENU menu)
{
    std::vector<MenuItem> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
    {
        wchar_t text[64] = L"";
        GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
        items.push_back({GetMenuItemID(menu, i), GetMenuState(menu, i, MF_BYPOSITION), text});
    }
    return items;
}

bool IsTopmost(HWND hwnd)
{
    return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool IsChecked(HWND hwnd)
{
    return (GetMenuState(GetSystemMenu(hwnd, FALSE), IDM_ALWAYS_ON_TOP, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

SIZE IconSize(HICON icon)
{
    ICONINFO info = {};
    SIZE size = {0, 0};
    if (!GetIconInfo(icon, &info))
        return size;
    BITMAP bm = {};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    size.cx = bm.bmWidth;
    size.cy = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return size;
}
} // namespace

TEST(PickerDlg, SystemMenuLosesSizeAndMaximizeAndEndsWithOurEntries)
{
    CPickerDlgProbe dlg;
    bool ran = false;
    dlg.check = [&](CPickerDlgProbe& d) {
        ran = true;
        HMENU menu = GetSystemMenu(d.m_hWnd, FALSE);
        ASSERT_TRUE(menu);
        std::vector<MenuItem> items = ReadMenu(menu);
        for (const MenuItem& item : items)
        {
            EXPECT_NE((UINT)SC_SIZE, item.id);
            EXPECT_NE((UINT)SC_MAXIMIZE, item.id);
        }
        ASSERT_GE(items.size(), 3u);
        const MenuItem* last = &items[items.size() - 3];
        EXPECT_TRUE(last[0].state & MF_SEPARATOR);
        EXPECT_EQ((UINT)IDM_ALWAYS_ON_TOP, last[1].id);
        EXPECT_EQ(L"Always on &Top", last[1].text);
        EXPECT_EQ((UINT)IDM_ABOUTBOX, last[2].id);
        EXPECT_EQ(L"&About Tintlet...", last[2].text);
        // Moving, minimising and closing stay available.
        EXPECT_NE((UINT)-1, GetMenuState(menu, SC_MOVE, MF_BYCOMMAND));
        EXPECT_NE((UINT)-1, GetMenuState(menu, SC_MINIMIZE, MF_BYCOMMAND));
        EXPECT_NE((UINT)-1, GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND));
    };
    EXPECT_EQ(IDABORT, dlg.DoModal());
    EXPECT_TRUE(ran);
}

TEST(PickerDlg, TopmostAndCheckMarkStartOnAndToggleTogether)
{
    CPickerDlgProbe dlg;
    dlg.check = [&](CPickerDlgProbe& d) {
        HWND hwnd = d.m_hWnd;
        EXPECT_TRUE(IsTopmost(hwnd));
        EXPECT_TRUE(IsChecked(hwnd));

        SendMessageW(hwnd, WM_SYSCOMMAND, IDM_ALWAYS_ON_TOP, 0);
        EXPECT_FALSE(IsTopmost(hwnd));
        EXPECT_FALSE(IsChecked(hwnd));
        EXPECT_FALSE(d.m_bAlwaysOnTop);

        // The low four bits belong to the system; the command is still the toggle.
        SendMessageW(hwnd, WM_SYSCOMMAND, IDM_ALWAYS_ON_TOP | 0xF, 0);
        EXPECT_TRUE(IsTopmost(hwnd));
        EXPECT_TRUE(IsChecked(hwnd));

        // The About command with low bits set is not mistaken for the toggle.
        SendMessageW(hwnd, WM_SYSCOMMAND, IDM_ALWAYS_ON_TOP | 0x10 | 0x3, 0);
        EXPECT_TRUE(IsTopmost(hwnd));
    };
    dlg.DoModal();
}

TEST(PickerDlg, WindowIconsAndDragIconAreTheApplicationIcon)
{
    CPickerDlgProbe dlg;
    dlg.check = [&](CPickerDlgProbe& d) {
        HWND hwnd = d.m_hWnd;
        ASSERT_TRUE(d.m_hIcon);
        ASSERT_TRUE(d.m_hSmallIcon);
        EXPECT_EQ((LRESULT)d.m_hIcon, SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0));
        EXPECT_EQ((LRESULT)d.m_hSmallIcon, SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0));
        EXPECT_EQ((LRESULT)d.m_hSmallIcon, SendMessageW(hwnd, WM_QUERYDRAGICON, 0, 0));

        SIZE big = IconSize(d.m_hIcon), small = IconSize(d.m_hSmallIcon);
        EXPECT_EQ(GetSystemMetrics(SM_CXICON), big.cx);
        EXPECT_EQ(GetSystemMetrics(SM_CYICON), big.cy);
        EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), small.cx);
        EXPECT_EQ(GetSystemMetrics(SM_CYSMICON), small.cy);
        EXPECT_EQ(GetSystemMetrics(SM_CXICON), IconSize(d.m_hIconPicker).cx);
        EXPECT_EQ(GetSystemMetrics(SM_CXICON), IconSize(d.m_hIconEmpty).cx);
        EXPECT_TRUE(d.m_hPickerCursor);
        // The slot shows the picker icon the template names.
        EXPECT_TRUE(SendDlgItemMessageW(hwnd, IDC_PICKER, STM_GETICON, 0, 0));
    };
    dlg.DoModal();
}

// Minimised, the dialog paints its own icon: the paint handler first asks for the
// icon background, then draws. Restored, painting is the default and asks for none.
TEST(PickerDlg, OnlyTheMinimisedWindowPaintsItsIcon)
{
    static const Message iconicPaint[] = {{WM_PAINT, sent}, {WM_ICONERASEBKGND, sent | lparam, 0, 0}, {0}};
    static const Message normalPaint[] = {{WM_PAINT, sent}, {WM_ERASEBKGND, sent | optional}, {0}};
    CPickerDlgProbe dlg;
    dlg.check = [&](CPickerDlgProbe& d) {
        HWND hwnd = d.m_hWnd;
        InstallRecorder(hwnd, {WM_PAINT, WM_ICONERASEBKGND, WM_ERASEBKGND});

        FlushSequence();
        SendMessageW(hwnd, WM_PAINT, 0, 0);
        OkSequence(normalPaint, "restored paint");

        ShowWindow(hwnd, SW_MINIMIZE);
        ASSERT_TRUE(IsIconic(hwnd));
        PumpMessages(50);
        FlushSequence();
        SendMessageW(hwnd, WM_PAINT, 0, 0);
        OkSequence(iconicPaint, "minimised paint");

        ShowWindow(hwnd, SW_RESTORE);
        RemoveRecorder(hwnd);
    };
    dlg.DoModal();
}

TEST(PickerDlg, DestructionReleasesEveryHandleItLoaded)
{
    HICON icons[4] = {};
    HCURSOR cursor = NULL;
    {
        CPickerDlgProbe dlg;
        icons[0] = dlg.m_hIcon;
        icons[1] = dlg.m_hSmallIcon;
        icons[2] = dlg.m_hIconEmpty;
        icons[3] = dlg.m_hIconPicker;
        cursor = dlg.m_hPickerCursor;
        for (HICON icon : icons)
        {
            ICONINFO info;
            ASSERT_TRUE(GetIconInfo(icon, &info));
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
        dlg.DoModal();
    }
    for (HICON icon : icons)
    {
        ICONINFO info;
        EXPECT_FALSE(GetIconInfo(icon, &info));
    }
    ICONINFO info;
    EXPECT_FALSE(GetIconInfo((HICON)cursor, &info));
}

// A module without our resources: every load fails and leaves a null handle, and
// destruction skips the null handles.
TEST(PickerDlg, MissingResourcesGiveNullHandles)
{
    HINSTANCE saved = AfxGetApp()->m_hInstance;
    AfxGetApp()->m_hInstance = GetModuleHandleW(L"kernel32.dll");
    {
        CPickerDlgProbe dlg;
        EXPECT_EQ(NULL, dlg.m_hIcon);
        EXPECT_EQ(NULL, dlg.m_hSmallIcon);
        EXPECT_EQ(NULL, dlg.m_hIconEmpty);
        EXPECT_EQ(NULL, dlg.m_hIconPicker);
        EXPECT_EQ(NULL, dlg.m_hPickerCursor);
    }
    AfxGetApp()->m_hInstance = saved;
}

TEST(PickerDlg, MissingSystemMenuIsSkippedSilently)
{
    CPickerDlgProbe dlg;
    bool ran = false;
    dlg.beforeInit = [](CPickerDlgProbe& d) {
        // Without the style, and with the menu made so far thrown away, there is none.
        SetWindowLongW(d.m_hWnd, GWL_STYLE, GetWindowLongW(d.m_hWnd, GWL_STYLE) & ~WS_SYSMENU);
        GetSystemMenu(d.m_hWnd, TRUE);
    };
    dlg.check = [&](CPickerDlgProbe& d) {
        ran = true;
        ASSERT_EQ(NULL, GetSystemMenu(d.m_hWnd, FALSE)) << "precondition: the window has no system menu";
        // The rest of the set-up ran: topmost and the window icons.
        EXPECT_TRUE(IsTopmost(d.m_hWnd));
        EXPECT_EQ((LRESULT)d.m_hIcon, SendMessageW(d.m_hWnd, WM_GETICON, ICON_BIG, 0));
        // The toggle still works without its check mark.
        SendMessageW(d.m_hWnd, WM_SYSCOMMAND, IDM_ALWAYS_ON_TOP, 0);
        EXPECT_FALSE(IsTopmost(d.m_hWnd));
    };
    dlg.DoModal();
    EXPECT_TRUE(ran);
}
