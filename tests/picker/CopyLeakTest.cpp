// Copying keeps no GDI or USER object: a thousand clicks on the copy buttons, each
// putting its text on the clipboard, leave the process's object counts where they were.
#include "picker/PickerDlgProbe.h"
#include "res/resource.h"
#include "support/GuiObjects.h"
#include "support/Pump.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const int kWarmUpCopies = 8;
const int kCopies = 1000;
const int kButtons[][2] = {
    {IDC_COPY_DEC, IDC_RGB_DEC}, {IDC_COPY_HEX, IDC_RGB_HEX}, {IDC_COPY_COLORREF, IDC_COLORREF}, {IDC_COPY_HTML, IDC_HTML}};

std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(NULL))
        return text;
    if (HGLOBAL block = GetClipboardData(CF_UNICODETEXT))
    {
        text = (const wchar_t*)GlobalLock(block);
        GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
}

std::wstring Text(HWND dialog, int id)
{
    wchar_t text[64] = L"";
    GetDlgItemTextW(dialog, id, text, 64);
    return text;
}
} // namespace

TEST(CopyLeak, AThousandCopiesLeaveTheGdiAndUserObjectCountsUnchanged)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        HWND hwnd = d.m_hWnd;
        RECT rc;
        GetWindowRect(hwnd, &rc);
        d.SampleAt(CPoint(rc.left + 3, rc.top + 3));
        auto copy = [&](int i) { SendDlgItemMessageW(hwnd, kButtons[i % 4][0], BM_CLICK, 0, 0); };
        for (int i = 0; i < kWarmUpCopies; ++i)
            copy(i);
        PumpMessages(50);
        GuiObjectCounts before = CountGuiObjects();
        ASSERT_GE(before.gdi, 0);
        ASSERT_GE(before.user, 0);

        DWORD sequence = GetClipboardSequenceNumber();
        for (int i = 0; i < kCopies; ++i)
            copy(i);
        PumpMessages(50);
        GuiObjectCounts after = CountGuiObjects();
        EXPECT_EQ(before.gdi, after.gdi) << "GDI objects";
        EXPECT_EQ(before.user, after.user) << "USER objects";

        // Every click copied, the last one its own readout.
        EXPECT_GE(GetClipboardSequenceNumber() - sequence, (DWORD)kCopies);
        EXPECT_EQ(Text(hwnd, kButtons[(kCopies - 1) % 4][1]), ClipboardText());
    };
    dlg.DoModal();
}
