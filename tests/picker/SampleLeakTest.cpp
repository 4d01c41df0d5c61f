// Sampling keeps no GDI or USER object: ten thousand moves of a drag, each sampled
// and painted, leave the process's object counts where they were.
#include "picker/PickerDlgProbe.h"
#include "res/resource.h"
#include "support/LeakCheck.h"
#include "support/ReadBack.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const int kWarmUpSamples = 20;
const int kSamples = 10000;

// Client points spread over the dialog and past its edges, so the colours and the
// lengths of the texts keep changing.
POINT SamplePoint(int i, const RECT& client)
{
    POINT pt = {(i * 37) % (client.right + 60) - 30, (i * 23) % (client.bottom + 60) - 30};
    return pt;
}
} // namespace

TEST(SampleLeak, TenThousandSamplesLeaveTheGdiAndUserObjectCountsUnchanged)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        HWND hwnd = d.m_hWnd;
        HWND swatch = GetDlgItem(hwnd, IDC_SWATCH);
        RECT client, picker;
        GetClientRect(hwnd, &client);
        GetWindowRect(GetDlgItem(hwnd, IDC_PICKER), &picker);
        MapWindowPoints(NULL, hwnd, (POINT*)&picker, 2);
        SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM((picker.left + picker.right) / 2, (picker.top + picker.bottom) / 2));
        ASSERT_TRUE(d.m_bDragging);

        auto sample = [&](int i) {
            POINT pt = SamplePoint(i, client);
            SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
            UpdateWindow(swatch);
            // The readouts repaint too, though not after every move, to keep the run short.
            if (i % 64 == 0)
                RedrawWindow(hwnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
        };
        EXPECT_TRUE(KeepsNoObjects(kWarmUpSamples, kSamples, sample));

        // The moves were samples: the drag is on and the readouts show the last one.
        EXPECT_TRUE(d.m_bDragging);
        POINT last = SamplePoint(kSamples - 1, client);
        ClientToScreen(hwnd, &last);
        EXPECT_EQ(std::to_wstring(last.x) + L", " + std::to_wstring(last.y), ItemText(hwnd, IDC_COORDINATES));
        SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
    };
    dlg.DoModal();
}
