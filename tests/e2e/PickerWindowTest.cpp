// The real Tintlet.exe as a user meets it: its window state, layout, system-menu
// commands and every way of closing it.
#include "res/resource.h"
#include "support/Pump.h"
#include "support/TintletProcess.h"

#include <gtest/gtest.h>

namespace
{
bool IsTopmost(HWND hwnd)
{
    return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void SysCommand(HWND hwnd, WPARAM cmd)
{
    PostMessageW(hwnd, WM_SYSCOMMAND, cmd, 0);
    PumpMessages(200);
}

RECT ClientRectOf(HWND dialog, HWND child)
{
    RECT rc;
    GetWindowRect(child, &rc);
    MapWindowPoints(NULL, dialog, (POINT*)&rc, 2);
    return rc;
}

INT_PTR CALLBACK PassiveProc(HWND, UINT msg, WPARAM, LPARAM)
{
    return msg == WM_INITDIALOG;
}
} // namespace

TEST(PickerWindow, StartsTopmostWithAFixedFrameAndATaskbarButton)
{
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    EXPECT_TRUE(IsTopmost(app.Dialog()));
    LONG style = GetWindowLongW(app.Dialog(), GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(GetWindowLongW(app.Dialog(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
    wchar_t caption[32];
    GetWindowTextW(app.Dialog(), caption, 32);
    EXPECT_STREQ(L"Tintlet", caption);
    // Close has the focus and is the default button.
    EXPECT_EQ(MAKELONG(IDOK, DC_HASDEFID), (LONG)SendMessageW(app.Dialog(), DM_GETDEFID, 0, 0));
}

TEST(PickerWindow, TopmostToggleIgnoresTheLowFourBits)
{
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    SysCommand(app.Dialog(), IDM_ALWAYS_ON_TOP);
    EXPECT_FALSE(IsTopmost(app.Dialog()));
    SysCommand(app.Dialog(), IDM_ALWAYS_ON_TOP | 0xF);
    EXPECT_TRUE(IsTopmost(app.Dialog()));
    SysCommand(app.Dialog(), IDM_ALWAYS_ON_TOP | 0x3);
    EXPECT_FALSE(IsTopmost(app.Dialog()));
    SysCommand(app.Dialog(), IDM_ALWAYS_ON_TOP);
    EXPECT_TRUE(IsTopmost(app.Dialog()));
}

TEST(PickerWindow, CannotBeMaximisedOrResized)
{
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    RECT before, after;
    GetWindowRect(app.Dialog(), &before);
    // A double-click on the caption maximises only windows that have a maximise box.
    POINT caption = {(before.left + before.right) / 2, before.top + GetSystemMetrics(SM_CYCAPTION) / 2};
    ASSERT_EQ(HTCAPTION, SendMessageW(app.Dialog(), WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)));
    PostMessageW(app.Dialog(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(caption.x, caption.y));
    PumpMessages(200);
    GetWindowRect(app.Dialog(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_FALSE(IsZoomed(app.Dialog()));
    // The frame offers no sizing edge: its right border is a plain border.
    LRESULT hit =
        SendMessageW(app.Dialog(), WM_NCHITTEST, 0, MAKELPARAM(before.right - 1, (before.top + before.bottom) / 2));
    EXPECT_NE(HTRIGHT, hit);
    EXPECT_NE(HTBOTTOMRIGHT, hit);
}

TEST(PickerWindow, MinimisesAndRestores)
{
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    SysCommand(app.Dialog(), SC_MINIMIZE);
    EXPECT_TRUE(IsIconic(app.Dialog()));
    SysCommand(app.Dialog(), SC_RESTORE);
    EXPECT_FALSE(IsIconic(app.Dialog()));
    EXPECT_TRUE(IsTopmost(app.Dialog()));
}

TEST(PickerWindow, CloseButtonEndsTheProcess)
{
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    PostMessageW(app.Item(IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(app.WaitForExit());
    EXPECT_EQ(0, app.VisibleWindowCount());
}

TEST(PickerWindow, EscapeEndsTheProcess)
{
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    app.PressKey(VK_ESCAPE);
    EXPECT_TRUE(app.WaitForExit());
    EXPECT_EQ(0, app.VisibleWindowCount());
}

TEST(PickerWindow, SystemMenuCloseEndsTheProcess)
{
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    SysCommand(app.Dialog(), SC_CLOSE);
    EXPECT_TRUE(app.WaitForExit());
    EXPECT_EQ(0, app.VisibleWindowCount());
}

TEST(PickerWindow, CommandLineArgumentsChangeNothing)
{
    TintletProcess plain;
    ASSERT_TRUE(plain.Dialog());
    RECT plainRect;
    GetWindowRect(plain.Dialog(), &plainRect);
    LONG plainStyle = GetWindowLongW(plain.Dialog(), GWL_STYLE);
    SysCommand(plain.Dialog(), SC_CLOSE);
    ASSERT_TRUE(plain.WaitForExit());

    TintletProcess withArgs(L"/about -x --topmost=0 \"C:\\some file.txt\"");
    ASSERT_TRUE(withArgs.Dialog());
    RECT argsRect;
    GetWindowRect(withArgs.Dialog(), &argsRect);
    EXPECT_TRUE(EqualRect(&plainRect, &argsRect));
    EXPECT_EQ(plainStyle, GetWindowLongW(withArgs.Dialog(), GWL_STYLE));
    EXPECT_TRUE(IsTopmost(withArgs.Dialog()));
    EXPECT_EQ(1, withArgs.VisibleWindowCount());
    SysCommand(withArgs.Dialog(), SC_CLOSE);
    EXPECT_TRUE(withArgs.WaitForExit());
}

// The running dialog shows the template's layout: each control where a dialog made
// from the same template in this process puts it, the coordinates row below the frame.
TEST(PickerWindow, LayoutFollowsTheTemplate)
{
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    HWND reference =
        CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_PICKER_DIALOG), NULL, PassiveProc, 0);
    ASSERT_TRUE(reference);

    RECT appClient, refClient;
    GetClientRect(app.Dialog(), &appClient);
    GetClientRect(reference, &refClient);
    EXPECT_TRUE(EqualRect(&appClient, &refClient));

    const int ids[] = {IDC_PICKER, IDOK, IDC_SWATCH, IDC_RGB_DEC, IDC_RGB_HEX, IDC_COLORREF, IDC_HTML, IDC_COORDINATES};
    for (int id : ids)
    {
        RECT got = ClientRectOf(app.Dialog(), app.Item(id));
        RECT want = ClientRectOf(reference, GetDlgItem(reference, id));
        EXPECT_TRUE(EqualRect(&want, &got)) << "control " << id;
    }
    // The copy buttons keep their top-left corner, touching their readouts.
    const int buttons[] = {IDC_COPY_DEC, IDC_COPY_HEX, IDC_COPY_COLORREF, IDC_COPY_HTML};
    const int readouts[] = {IDC_RGB_DEC, IDC_RGB_HEX, IDC_COLORREF, IDC_HTML};
    for (int i = 0; i < 4; ++i)
    {
        RECT button = ClientRectOf(app.Dialog(), app.Item(buttons[i]));
        RECT readout = ClientRectOf(app.Dialog(), app.Item(readouts[i]));
        EXPECT_EQ(readout.right, button.left) << "button " << buttons[i];
        EXPECT_EQ(readout.top, button.top) << "button " << buttons[i];
    }
    // Find the "Color" group box among the unnamed controls: the coordinates lie below it.
    RECT coords = ClientRectOf(app.Dialog(), app.Item(IDC_COORDINATES));
    RECT swatch = ClientRectOf(app.Dialog(), app.Item(IDC_SWATCH));
    bool sawGroup = false;
    for (HWND child = GetWindow(app.Dialog(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    {
        wchar_t cls[16];
        GetClassNameW(child, cls, 16);
        if (lstrcmpiW(cls, L"Button") || (GetWindowLongW(child, GWL_STYLE) & 0xF) != BS_GROUPBOX)
            continue;
        RECT group = ClientRectOf(app.Dialog(), child);
        EXPECT_LE(group.bottom, coords.top);
        EXPECT_LT(group.top, swatch.top);
        sawGroup = true;
    }
    EXPECT_TRUE(sawGroup);
    DestroyWindow(reference);
}

// What is on the screen: the pipette sits in its slot and the readouts are empty wells.
TEST(PickerWindow, ScreenShowsThePipetteAndEmptyReadouts)
{
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    PumpMessages(300);
    HDC screen = GetDC(NULL);
    RECT slot;
    GetWindowRect(app.Item(IDC_PICKER), &slot);
    int black = 0;
    for (int y = slot.top; y < slot.bottom; ++y)
        for (int x = slot.left; x < slot.right; ++x)
            black += GetPixel(screen, x, y) == RGB(0, 0, 0);
    EXPECT_GT(black, 40) << "the pipette's black outline";

    COLORREF face = GetSysColor(COLOR_BTNFACE);
    const int readouts[] = {IDC_RGB_DEC, IDC_RGB_HEX, IDC_COLORREF, IDC_HTML, IDC_COORDINATES};
    for (int id : readouts)
    {
        RECT rc;
        GetWindowRect(app.Item(id), &rc);
        int other = 0;
        for (int y = rc.top + 3; y < rc.bottom - 3; ++y)
            for (int x = rc.left + 3; x < rc.right - 3; ++x)
                other += GetPixel(screen, x, y) != face;
        EXPECT_EQ(0, other) << "readout " << id << " shows something";
    }
    ReleaseDC(NULL, screen);
}
