// Sampling keeps no GDI or USER object: ten thousand moves of a drag, each sampled
// and painted, leave the process's object counts where they were.
#include "picker/PickerDlgProbe.h"
#include "res/resource.h"
#include "support/LeakCheck.h"
#include "support/ReadBack.h"
#include "support/Screen.h"

#include <gtest/gtest.h>

namespace
{
const int kWarmUpSamples = 20;
const int kSamples = 10000;

// Screen points spread over the top left of the screen, where the dialog is, and past
// the screen's edges, so the colours and the lengths of the texts keep changing.
POINT SamplePoint(int i)
{
    return {(i * 37) % 360 - 30, (i * 23) % 390 - 30};
}
} // namespace

TEST(SampleLeak, TenThousandSamplesLeaveTheGdiAndUserObjectCountsUnchanged)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        HWND hwnd = d.m_hWnd;
        HWND swatch = GetDlgItem(hwnd, IDC_SWATCH);
        POINT press = PickerCentre(hwnd);
        ScreenToClient(hwnd, &press);
        SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
        ASSERT_TRUE(d.m_bDragging);

        auto sample = [&](int i) {
            POINT pt = SamplePoint(i);
            ScreenToClient(hwnd, &pt);
            SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
            UpdateWindow(swatch);
            // The readouts repaint too, though not after every move, to keep the run short.
            if (i % 64 == 0)
                RedrawWindow(hwnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
        };
        EXPECT_TRUE(KeepsNoObjects(kWarmUpSamples, kSamples, sample));

        // The moves were samples: the drag is on and the readouts show the last one,
        // SamplePoint(9999).
        EXPECT_TRUE(d.m_bDragging);
        EXPECT_EQ(L"213, 237", ItemText(hwnd, IDC_COORDINATES));
        SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
    };
    dlg.DoModal();
}
