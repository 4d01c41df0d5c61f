// Copying keeps no GDI or USER object: a thousand clicks on the copy buttons, each
// putting its text on the clipboard, leave the process's object counts where they were.
#include "picker/PickerDlgProbe.h"
#include "res/resource.h"
#include "support/LeakCheck.h"
#include "support/ReadBack.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const int kWarmUpCopies = 8;
const int kCopies = 1000;
} // namespace

TEST(CopyLeak, AThousandCopiesLeaveTheGdiAndUserObjectCountsUnchanged)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        HWND hwnd = d.m_hWnd;
        RECT rc;
        GetWindowRect(hwnd, &rc);
        d.SampleAt(CPoint(rc.left + 3, rc.top + 3));
        auto copy = [&](int i) { SendDlgItemMessageW(hwnd, kCopyButtonReadouts[i % 4][0], BM_CLICK, 0, 0); };
        DWORD sequence = GetClipboardSequenceNumber();
        EXPECT_TRUE(KeepsNoObjects(kWarmUpCopies, kCopies, copy));

        // Every click copied, the last one its own readout.
        EXPECT_GE(GetClipboardSequenceNumber() - sequence, (DWORD)kCopies);
        EXPECT_EQ(ItemText(hwnd, kCopyButtonReadouts[(kCopies - 1) % 4][1]), ClipboardText());
    };
    dlg.DoModal();
}
