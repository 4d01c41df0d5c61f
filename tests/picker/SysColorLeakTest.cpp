// A change of the system colours rebuilds the copy buttons' images in the new colours
// and keeps nothing of the old ones: fifty changes between two schemes leave the
// process's object counts where they were. The user's colours come back afterwards.
#include "picker/PickerDlgProbe.h"
#include "res/resource.h"
#include "support/LeakCheck.h"

#include <gtest/gtest.h>

namespace
{
const int kWarmUpChanges = 2;
const int kChanges = 50;
const int kElements[] = {COLOR_BTNFACE, COLOR_BTNSHADOW,  COLOR_BTNHIGHLIGHT,
                         COLOR_BTNTEXT, COLOR_3DDKSHADOW, COLOR_3DLIGHT};
const int kElementCount = sizeof kElements / sizeof kElements[0];
const COLORREF kSchemes[2][kElementCount] = {
    {RGB(200, 180, 150), RGB(120, 90, 60), RGB(250, 240, 220), RGB(40, 20, 0), RGB(60, 40, 20), RGB(230, 210, 180)},
    {RGB(150, 190, 210), RGB(60, 100, 130), RGB(220, 240, 250), RGB(0, 20, 50), RGB(20, 40, 70), RGB(190, 220, 235)}};

// Puts the colours in force at its construction back, whatever the test did.
class SysColorsGuard
{
public:
    SysColorsGuard()
    {
        for (int i = 0; i < kElementCount; ++i)
            m_saved[i] = GetSysColor(kElements[i]);
    }
    ~SysColorsGuard() { SetSysColors(kElementCount, kElements, m_saved); }

private:
    COLORREF m_saved[kElementCount];
};

// A copy button's face just inside its frame, as painted on the screen.
COLORREF ButtonFace(HWND button)
{
    RedrawWindow(button, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(button);
    COLORREF cr = GetPixel(dc, 1, 1);
    ReleaseDC(button, dc);
    return cr;
}
} // namespace

TEST(SysColorLeak, FiftySystemColourChangesLeaveTheGdiAndUserObjectCountsUnchanged)
{
    SysColorsGuard guard;
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        RECT rc;
        GetWindowRect(d.m_hWnd, &rc);
        d.SampleAt(CPoint(rc.left + 3, rc.top + 3));
        HWND button = d.m_btnCopyHex.m_hWnd;
        ASSERT_TRUE(IsWindowEnabled(button));
        ASSERT_NE(button, GetFocus());
        auto change = [&](int i) {
            SetSysColors(kElementCount, kElements, kSchemes[i % 2]);
            PumpMessages(0);
            EXPECT_EQ(kSchemes[i % 2][0], ButtonFace(button)) << "change " << i;
        };
        EXPECT_TRUE(KeepsNoObjects(kWarmUpChanges, kChanges, change));
    };
    dlg.DoModal();
}
