// Presses on the caption keep no GDI or USER object: real presses on the greyed
// maximize button, which Wine's default handling answers by keeping a window DC,
// leave the process's object counts where they were.
#include "picker/PickerDlgProbe.h"
#include "support/LeakCheck.h"
#include "support/RealMouse.h"

#include <gtest/gtest.h>

namespace
{
const int kWarmUpPresses = 2;
const int kPresses = 12;

// The left and right ends of the caption's maximize button, found by hit-testing
// along the caption's middle.
bool FindMaximizeButton(HWND hwnd, POINT* first, POINT* last)
{
    RECT rc;
    GetWindowRect(hwnd, &rc);
    LONG y = rc.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    bool found = false;
    for (LONG x = rc.left; x < rc.right; ++x)
    {
        if (SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) != HTMAXBUTTON)
            continue;
        if (!found)
            *first = {x, y};
        *last = {x, y};
        found = true;
    }
    return found;
}
} // namespace

TEST(CaptionLeak, PressesOnTheGreyedMaximizeButtonLeaveTheObjectCountsUnchanged)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        HWND hwnd = d.m_hWnd;
        POINT ends[2];
        ASSERT_TRUE(FindMaximizeButton(hwnd, &ends[0], &ends[1])) << "the caption has a maximize button";
        ASSERT_GT(ends[1].x - ends[0].x, 2 * GetSystemMetrics(SM_CXDOUBLECLK));
        // Each press at the other end, so that no two make a double-click.
        auto press = [&](int i) {
            POINT at = {ends[i % 2].x + (i % 2 ? -1 : 1), ends[i % 2].y};
            ASSERT_TRUE(RealMouse::MoveTo(at));
            RealMouse::LeftDown();
            RealMouse::LeftUp();
            PumpMessages(150);
        };
        EXPECT_TRUE(KeepsNoObjects(kWarmUpPresses, kPresses, press));
        EXPECT_TRUE(IsWindowVisible(hwnd) && !IsZoomed(hwnd) && !IsIconic(hwnd));
    };
    dlg.DoModal();
}
