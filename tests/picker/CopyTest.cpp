// The copy commands in-process: which copy buttons are enabled when, how a control
// is enabled and disabled (as message traces), and exactly what a click puts on the
// clipboard, also while another thread holds it.
#include "picker/PickerDlgProbe.h"
#include "res/resource.h"
#include "support/ColourTarget.h"
#include "support/MessageTrace.h"
#include "support/Pump.h"
#include "support/ReadBack.h"
#include "support/Screen.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const int kCopyButtons[] = {IDC_COPY_DEC, IDC_COPY_HEX, IDC_COPY_COLORREF, IDC_COPY_HTML};

// Samples the colour target's pure red band with a press on the picker and a drag onto it.
void SampleRed(HWND dialog)
{
    ColourTarget target;
    POINT press = PickerCentre(dialog), onRed = target.BandCentre(1);
    ScreenToClient(dialog, &press);
    ScreenToClient(dialog, &onRed);
    SendMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
    SendMessageW(dialog, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(onRed.x, onRed.y));
    SendMessageW(dialog, WM_LBUTTONUP, 0, MAKELPARAM(onRed.x, onRed.y));
}

// Something else on the clipboard, in a format of its own and as text.
UINT FillClipboardWithOtherData()
{
    UINT custom = RegisterClipboardFormatW(L"TintletTestData");
    OpenClipboard(NULL);
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, 4);
    SetClipboardData(custom, data);
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 64);
    lstrcpyW((wchar_t*)GlobalLock(text), L"something longer than a readout");
    GlobalUnlock(text);
    SetClipboardData(CF_UNICODETEXT, text);
    CloseClipboard();
    return custom;
}

void Record(HWND hwnd)
{
    InstallRecorder(hwnd, {WM_NEXTDLGCTL, WM_ENABLE, DM_GETDEFID, DM_SETDEFID});
}
} // namespace

TEST(Copy, ButtonsStartDisabledAndTheFirstSampleEnablesAllFour)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        for (int id : kCopyButtons)
        {
            HWND button = GetDlgItem(d.m_hWnd, id);
            EXPECT_FALSE(IsWindowEnabled(button)) << id;
            RECT rc;
            GetWindowRect(button, &rc);
            EXPECT_EQ(20, rc.right - rc.left) << id;
            EXPECT_EQ(20, rc.bottom - rc.top) << id;
        }
        SampleRed(d.m_hWnd);
        for (int id : kCopyButtons)
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d.m_hWnd, id))) << id;
    };
    dlg.DoModal();
}

TEST(Copy, EachButtonPutsExactlyItsReadoutOnTheClipboardAlone)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        SampleRed(d.m_hWnd);
        ASSERT_EQ(L"#FF0000", ItemText(d.m_hWnd, IDC_HTML)) << "precondition: pure red was sampled";
        const struct
        {
            int button;
            const wchar_t* text;
        } rows[] = {{IDC_COPY_DEC, L"255, 0, 0"},
                    {IDC_COPY_HEX, L"FF, 00, 00"},
                    {IDC_COPY_COLORREF, L"000000FF"},
                    {IDC_COPY_HTML, L"#FF0000"}};
        for (const auto& row : rows)
        {
            UINT custom = FillClipboardWithOtherData();
            SendDlgItemMessageW(d.m_hWnd, row.button, BM_CLICK, 0, 0);
            ClipboardContents c = ReadClipboard();
            EXPECT_EQ(row.text, c.text);
            EXPECT_EQ((wcslen(row.text) + 1) * 2, c.textBytes) << "the text and its terminator, nothing more";
            EXPECT_EQ(d.m_hWnd, c.owner);
            for (UINT f : c.formats)
            {
                EXPECT_NE(custom, f) << "the clipboard's earlier contents are gone";
                // The system offers the text in its other text forms on its own.
                EXPECT_TRUE(f == CF_UNICODETEXT || f == CF_TEXT || f == CF_OEMTEXT || f == CF_LOCALE) << "format " << f;
            }
        }
    };
    dlg.DoModal();
}

namespace
{
DWORD WINAPI HoldClipboard(void* param)
{
    HANDLE* events = (HANDLE*)param;
    OpenClipboard(NULL);
    SetEvent(events[0]);
    WaitForSingleObject(events[1], 10000);
    CloseClipboard();
    return 0;
}
} // namespace

// While another thread has the clipboard open, a click does nothing and says nothing;
// once it is closed, the next click copies.
TEST(Copy, ClipboardHeldElsewhereMakesAClickDoNothing)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        SampleRed(d.m_hWnd);
        FillClipboardWithOtherData();
        DWORD sequence = GetClipboardSequenceNumber();

        HANDLE events[2] = {CreateEventW(NULL, TRUE, FALSE, NULL), CreateEventW(NULL, TRUE, FALSE, NULL)};
        HANDLE holder = CreateThread(NULL, 0, HoldClipboard, events, 0, NULL);
        ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(events[0], 5000));
        SendDlgItemMessageW(d.m_hWnd, IDC_COPY_HTML, BM_CLICK, 0, 0);
        PumpMessages(100);
        EXPECT_EQ(sequence, GetClipboardSequenceNumber());
        EXPECT_EQ(d.m_hWnd, GetForegroundWindow()) << "no message box came up";
        EXPECT_TRUE(IsWindowEnabled(d.m_hWnd));
        SetEvent(events[1]);
        WaitForSingleObject(holder, 5000);
        CloseHandle(holder);
        CloseHandle(events[0]);
        CloseHandle(events[1]);

        EXPECT_EQ(L"something longer than a readout", ReadClipboard().text);
        SendDlgItemMessageW(d.m_hWnd, IDC_COPY_HTML, BM_CLICK, 0, 0);
        EXPECT_EQ(L"#FF0000", ReadClipboard().text);
    };
    dlg.DoModal();
}

TEST(Copy, EnableControlMovesTheFocusFirstAndRestoresTheDefaultLook)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        SampleRed(d.m_hWnd);
        HWND dec = d.m_btnCopyDec.m_hWnd;
        Record(d.m_hWnd);
        Record(dec);

        // Disabling the control with the focus moves the focus on first.
        SetFocus(dec);
        ASSERT_EQ(dec, GetFocus());
        const Message focusedOff[] = {
            {WM_NEXTDLGCTL, sent | wparam | lparam, 0, 0}, {WM_ENABLE, sent | wparam, FALSE}, {DM_GETDEFID, sent}, {0}};
        FlushSequence();
        EnableControl(&d, &d.m_btnCopyDec, false);
        OkSequence(focusedOff, "disabling the focused control");
        EXPECT_NE(dec, GetFocus());
        EXPECT_FALSE(IsWindowEnabled(dec));

        // Re-enabled, a control that is not the default button only asks.
        const Message on[] = {{WM_ENABLE, sent | wparam, TRUE}, {DM_GETDEFID, sent}, {0}};
        FlushSequence();
        EnableControl(&d, &d.m_btnCopyDec, true);
        OkSequence(on, "enabling a control");

        // Re-enabled, the default button is made the default again.
        SendMessageW(d.m_hWnd, DM_SETDEFID, IDC_COPY_DEC, 0);
        EnableControl(&d, &d.m_btnCopyDec, false);
        const Message defaultOn[] = {{WM_ENABLE, sent | wparam, TRUE},
                                     {DM_GETDEFID, sent},
                                     {DM_SETDEFID, sent | wparam | lparam, IDC_COPY_DEC, 0},
                                     {0}};
        FlushSequence();
        EnableControl(&d, &d.m_btnCopyDec, true);
        OkSequence(defaultOn, "enabling the default button");
        SendMessageW(d.m_hWnd, DM_SETDEFID, IDOK, 0);
    };
    dlg.DoModal();
}
