// The About box of the real Tintlet.exe, opened from the system menu: its window, what
// it shows, how it holds the picker while open, its link under real mouse presses,
// and twenty openings that must look alike and give back every object.
#include "res/resource.h"
#include "support/BrowserRecorder.h"
#include "support/Canvas.h"
#include "support/GuiObjects.h"
#include "support/Pump.h"
#include "support/RealMouse.h"
#include "support/Screen.h"
#include "support/TintletProcess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
HWND AboutBoxOf(const TintletProcess& app)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(app.Dialog(), &pid);
    for (HWND hwnd : VisibleWindowsOf(pid))
    {
        wchar_t caption[32] = L"";
        GetWindowTextW(hwnd, caption, 32);
        if (!lstrcmpW(caption, L"About Tintlet"))
            return hwnd;
    }
    return NULL;
}

// Opens the box through the system menu's command and waits for it to show.
HWND OpenAbout(const TintletProcess& app)
{
    PostMessageW(app.Dialog(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND box = NULL;
    PumpUntil([&] { return (box = AboutBoxOf(app)) != NULL; }, 10000);
    PumpMessages(200);
    return box;
}

bool CloseAbout(HWND box)
{
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return PumpUntil([&] { return !IsWindow(box); }, 10000);
}

RECT ScreenRect(HWND hwnd)
{
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return rc;
}

int Count(const std::vector<COLORREF>& pixels, COLORREF cr)
{
    int n = 0;
    for (COLORREF p : pixels)
        n += p == cr;
    return n;
}
} // namespace

TEST(AboutBox, IsAnOwnedToolWindowWithTheIconSunkenAndTwoLinesOfText)
{
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    HWND box = OpenAbout(app);
    ASSERT_TRUE(box);
    LONG exStyle = GetWindowLongW(box, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    EXPECT_EQ(app.Dialog(), GetWindow(box, GW_OWNER));
    // The tool window's caption is the small one.
    RECT window, client;
    GetWindowRect(box, &window);
    GetClientRect(box, &client);
    MapWindowPoints(box, NULL, (POINT*)&client, 2);
    EXPECT_LT(client.top - window.top, GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFIXEDFRAME) + 2);

    HWND icon = GetWindow(box, GW_CHILD);
    ASSERT_TRUE(icon);
    EXPECT_EQ(SS_ICON | SS_SUNKEN, GetWindowLongW(icon, GWL_STYLE) & (SS_TYPEMASK | SS_SUNKEN));
    EXPECT_TRUE(SendMessageW(icon, STM_GETICON, 0, 0));
    RECT iconRect = ScreenRect(icon);
    std::vector<COLORREF> iconPixels = ScreenPixels(iconRect);
    int width = iconRect.right - iconRect.left;
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), iconPixels[width / 2]) << "sunken frame, top";
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), iconPixels[iconPixels.size() - width / 2]) << "sunken frame, bottom";
    EXPECT_GT(Count(iconPixels, RGB(0, 0, 255)), 20) << "the application icon's blue pool";

    HWND lines = GetWindow(icon, GW_HWNDNEXT);
    wchar_t text[128] = L"";
    GetWindowTextW(lines, text, 128);
    std::wstring s = text;
    ASSERT_EQ(0u, s.find(L"Tintlet version 1.1\n"));
    EXPECT_EQ(std::wstring::npos, s.find(L'\n', 20));
    // Ink in both halves: the line feed starts a second line.
    RECT linesRect = ScreenRect(lines);
    RECT top = linesRect, bottom = linesRect;
    top.bottom = bottom.top = (linesRect.top + linesRect.bottom) / 2;
    EXPECT_GT(Count(ScreenPixels(top), GetSysColor(COLOR_WINDOWTEXT)), 30);
    EXPECT_GT(Count(ScreenPixels(bottom), GetSysColor(COLOR_WINDOWTEXT)), 30);

    // The link: blue letters and a blue underline, nothing else but the dialog face.
    RECT linkRect = ScreenRect(GetDlgItem(box, IDC_LINK));
    std::vector<COLORREF> link = ScreenPixels(linkRect);
    int blue = Count(link, RGB(0, 0, 255));
    EXPECT_GT(blue, 60);
    EXPECT_EQ((int)link.size(), blue + Count(link, GetSysColor(COLOR_BTNFACE)));
    EXPECT_TRUE(CloseAbout(box));
}

TEST(AboutBox, HoldsThePickerWhileOpenAndEscapeClosesOnlyTheBox)
{
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    HWND box = OpenAbout(app);
    ASSERT_TRUE(box);
    EXPECT_FALSE(IsWindowEnabled(app.Dialog()));

    // A real press and drag from the pipette starts nothing.
    POINT pipette = PickerCentre(app.Dialog());
    ASSERT_TRUE(RealMouse::MoveTo(pipette));
    RealMouse::LeftDown();
    ASSERT_TRUE(RealMouse::MoveTo({pipette.x + 40, pipette.y + 40}));
    EXPECT_EQ(NULL, app.Capture());
    RealMouse::LeftUp();
    PumpMessages(100);
    EXPECT_EQ(L"", app.Text(IDC_COORDINATES));
    EXPECT_TRUE(IsWindow(box));

    // The keyboard belongs to the box: Escape ends it, and only it.
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetGUIThreadInfo(app.ThreadId(), &info));
    EXPECT_EQ(box, info.hwndActive);
    EXPECT_EQ(GetDlgItem(box, IDOK), info.hwndFocus);
    PressKeyIn(box, VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(box); }));
    EXPECT_FALSE(app.WaitForExit(500));
    EXPECT_TRUE(IsWindowVisible(app.Dialog()));
    EXPECT_TRUE(IsWindowEnabled(app.Dialog()));
    // The picker takes input again.
    ASSERT_TRUE(RealMouse::MoveTo(pipette));
    RealMouse::LeftDown();
    EXPECT_TRUE(PumpUntil([&] { return app.Capture() == app.Dialog(); }, 3000));
    RealMouse::LeftUp();
}

// Real presses on the link hand the template's address to the browser each time and
// leave the box open; a text set from outside the program is refused.
TEST(AboutBox, LinkPressesOpenTheTemplatesAddressAndKeepTheBoxOpen)
{
    BrowserRecorder browser;
    ASSERT_TRUE(browser.Active());
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    HWND box = OpenAbout(app);
    ASSERT_TRUE(box);
    HWND link = GetDlgItem(box, IDC_LINK);
    wchar_t address[64] = L"";
    GetWindowTextW(link, address, 64);
    EXPECT_STREQ(L"https://tintlet.org/", address);

    EXPECT_FALSE(SetWindowTextW(link, L"C:\\windows\\system32\\calc.exe"));
    wchar_t text[64] = L"";
    GetWindowTextW(link, text, 64);
    EXPECT_STREQ(address, text);

    RECT rc = ScreenRect(link);
    const POINT presses[] = {CentreOf(link), {rc.left, rc.top}, {rc.right - 1, rc.bottom - 1}};
    size_t count = 0;
    for (POINT pt : presses)
    {
        ASSERT_TRUE(RealMouse::MoveTo(pt));
        RealMouse::LeftDown();
        RealMouse::LeftUp();
        std::vector<std::wstring> requests = browser.WaitForRequests(++count);
        ASSERT_EQ(count, requests.size()) << "press at " << pt.x << "," << pt.y;
        EXPECT_EQ(address, requests.back());
        EXPECT_TRUE(IsWindowVisible(box));
    }
    EXPECT_TRUE(CloseAbout(box));
}

TEST(AboutBox, TwentyOpeningsLookTheSameAndLeaveTheObjectCountsUnchanged)
{
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    DWORD pid = 0;
    GetWindowThreadProcessId(app.Dialog(), &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    ASSERT_TRUE(process);
    RealMouse::MoveTo({GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});

    HWND box = OpenAbout(app);
    ASSERT_TRUE(box);
    RECT firstRect = ScreenRect(box);
    std::vector<COLORREF> first = ScreenPixels(firstRect);
    ASSERT_TRUE(CloseAbout(box));
    PumpMessages(200);
    GuiObjectCounts before = CountGuiObjects(process);
    ASSERT_GE(before.gdi, 0);
    ASSERT_GE(before.user, 0);

    for (int i = 0; i < 20; ++i)
    {
        box = OpenAbout(app);
        ASSERT_TRUE(box) << "opening " << i + 2;
        RECT rc = ScreenRect(box);
        ASSERT_TRUE(EqualRect(&firstRect, &rc)) << "opening " << i + 2;
        std::vector<COLORREF> now = ScreenPixels(rc);
        int differing = 0;
        for (size_t p = 0; p < now.size(); ++p)
            differing += now[p] != first[p];
        EXPECT_EQ(0, differing) << "opening " << i + 2;
        ASSERT_TRUE(CloseAbout(box));
    }
    PumpMessages(200);
    GuiObjectCounts after = CountGuiObjects(process);
    EXPECT_EQ(before.gdi, after.gdi) << "GDI objects";
    EXPECT_EQ(before.user, after.user) << "USER objects";
    CloseHandle(process);
}
