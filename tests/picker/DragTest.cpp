// The drag in-process, as message traces: which messages a press, a move, a release,
// a capture loss and Escape bring, what the picker slot is sent, and the state left.
#include "picker/PickerDlgProbe.h"
#include "res/resource.h"
#include "support/MessageTrace.h"
#include "support/Pump.h"
#include "support/ReadBack.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace
{
const wchar_t kOldProc[] = L"DragTestOldProc";

// Records what the drag is made of: the dialog's mouse and capture messages, the
// icons sent to the picker slot, and the texts written to the readouts (logged with
// the control's identifier as wParam, so the order of the readouts shows).
LRESULT CALLBACK DragRecorder(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg)
    {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_CAPTURECHANGED:
    case STM_SETICON:
        AddMessage({msg, sent, wp, lp});
        break;
    case WM_SETTEXT:
        AddMessage({msg, sent, (WPARAM)GetDlgCtrlID(hwnd), 0});
        break;
    }
    return CallWindowProcW((WNDPROC)GetPropW(hwnd, kOldProc), hwnd, msg, wp, lp);
}

void Record(HWND hwnd)
{
    SetPropW(hwnd, kOldProc, (HANDLE)SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)DragRecorder));
}

void RecordDialog(CPickerDlgProbe& d)
{
    Record(d.m_hWnd);
    Record(d.m_wndPicker.m_hWnd);
    for (int id = IDC_RGB_DEC; id <= IDC_COORDINATES; ++id)
        Record(GetDlgItem(d.m_hWnd, id));
}

POINT PickerCentre(HWND dialog)
{
    RECT rc;
    GetWindowRect(GetDlgItem(dialog, IDC_PICKER), &rc);
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ScreenToClient(dialog, &pt);
    return pt;
}

void Press(HWND hwnd, UINT msg, POINT client)
{
    SendMessageW(hwnd, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(client.x, client.y));
}

// Routes the queued messages the way the dialog's modal loop does, through
// PreTranslateMessage, so keys meet the dialog's keyboard handling.
void RouteQueued(HWND dialog)
{
    MSG msg;
    while (PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE) && AfxPumpMessage(dialog, msg))
    {
    }
}

void Escape(HWND dialog)
{
    PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    RouteQueued(dialog);
}

// The texts a sample of `cr` at screen point `pt` must show, made independently of
// the program's own formatter.
std::wstring Expected(int id, COLORREF cr, POINT pt)
{
    wchar_t buf[64];
    unsigned r = cr & 0xFF, g = (cr >> 8) & 0xFF, b = (cr >> 16) & 0xFF;
    switch (id)
    {
    case IDC_RGB_DEC:
        swprintf(buf, 64, L"%u, %u, %u", r, g, b);
        break;
    case IDC_RGB_HEX:
        swprintf(buf, 64, L"%02X, %02X, %02X", r, g, b);
        break;
    case IDC_COLORREF:
        swprintf(buf, 64, L"%08X", (unsigned)cr);
        break;
    case IDC_HTML:
        swprintf(buf, 64, L"#%02X%02X%02X", r, g, b);
        break;
    default:
        swprintf(buf, 64, L"%ld, %ld", (long)pt.x, (long)pt.y);
        break;
    }
    return buf;
}

COLORREF ScreenPixel(POINT pt)
{
    HDC dc = GetDC(NULL);
    COLORREF cr = GetPixel(dc, pt.x, pt.y);
    ReleaseDC(NULL, dc);
    return cr;
}

void ExpectReadouts(HWND dialog, COLORREF cr, POINT screen)
{
    for (int id = IDC_RGB_DEC; id <= IDC_COORDINATES; ++id)
        EXPECT_EQ(Expected(id, cr, screen), ItemText(dialog, id)) << "readout " << id;
}

// Puts up the arrow, so a test can tell the drag's cursor from it and see it come back.
HCURSOR ShowArrow()
{
    HCURSOR arrow = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
    SetCursor(arrow);
    return arrow;
}

void ExpectIdle(CPickerDlgProbe& d, HCURSOR cursorBefore)
{
    EXPECT_FALSE(d.m_bDragging);
    EXPECT_EQ(NULL, GetCapture());
    EXPECT_EQ(cursorBefore, GetCursor());
    EXPECT_EQ((LRESULT)d.m_hIconPicker, SendMessageW(d.m_wndPicker.m_hWnd, STM_GETICON, 0, 0));
}

// The sample written on a press: five readouts in display order.
#define SAMPLE_TEXTS                                                                                                   \
    {WM_SETTEXT, sent | wparam, IDC_RGB_DEC}, {WM_SETTEXT, sent | wparam, IDC_RGB_HEX},                                \
        {WM_SETTEXT, sent | wparam, IDC_COLORREF}, {WM_SETTEXT, sent | wparam, IDC_HTML},                              \
    {                                                                                                                  \
        WM_SETTEXT, sent | wparam, IDC_COORDINATES                                                                     \
    }
} // namespace

TEST(Drag, PressOnThePickerCapturesLiftsThePickerAndSamplesThePressPoint)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        HWND hwnd = d.m_hWnd;
        RecordDialog(d);
        HCURSOR arrow = ShowArrow();
        for (int id = IDC_RGB_DEC; id <= IDC_COORDINATES; ++id)
            EXPECT_EQ(L"", ItemText(hwnd, id)) << "readouts start empty";

        POINT client = PickerCentre(hwnd), screen = client;
        ClientToScreen(hwnd, &screen);
        COLORREF before = ScreenPixel(screen);
        const Message press[] = {
            {WM_LBUTTONDOWN, sent}, {STM_SETICON, sent | wparam, (WPARAM)d.m_hIconEmpty}, SAMPLE_TEXTS, {0}};
        FlushSequence();
        Press(hwnd, WM_LBUTTONDOWN, client);
        OkSequence(press, "press on the picker");

        EXPECT_TRUE(d.m_bDragging);
        EXPECT_EQ(hwnd, GetCapture());
        EXPECT_EQ(d.m_hPickerCursor, GetCursor());
        EXPECT_EQ(arrow, d.m_hPrevCursor);
        EXPECT_EQ((LRESULT)d.m_hIconEmpty, SendMessageW(d.m_wndPicker.m_hWnd, STM_GETICON, 0, 0));
        // The pixel under the press: the picker's, or the emptied slot's when the
        // screen has caught up with the new icon already.
        COLORREF after = ScreenPixel(screen);
        COLORREF shown = ItemText(hwnd, IDC_COLORREF) == Expected(IDC_COLORREF, after, screen) ? after : before;
        ExpectReadouts(hwnd, shown, screen);

        const Message release[] = {{WM_LBUTTONUP, sent},
                                   {WM_CAPTURECHANGED, sent},
                                   {STM_SETICON, sent | wparam, (WPARAM)d.m_hIconPicker},
                                   {STM_SETICON, sent | wparam, (WPARAM)d.m_hIconPicker},
                                   {0}};
        FlushSequence();
        Press(hwnd, WM_LBUTTONUP, client);
        OkSequence(release, "release: the capture change ends the drag inside the outer end");
        ExpectIdle(d, arrow);
        // The release point is not sampled; the readouts keep the last sample.
        ExpectReadouts(hwnd, shown, screen);
    };
    dlg.DoModal();
}

TEST(Drag, EveryMoveSamplesIncludingPointsLeftOfAndAboveTheScreen)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        HWND hwnd = d.m_hWnd;
        SetWindowPos(hwnd, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        Press(hwnd, WM_LBUTTONDOWN, PickerCentre(hwnd));
        RecordDialog(d);

        const Message move[] = {{WM_MOUSEMOVE, sent}, SAMPLE_TEXTS, {0}};
        const POINT clients[] = {{5, 5}, {5, 5}, {2000, 3}, {-300, -200}};
        for (POINT client : clients)
        {
            FlushSequence();
            SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
            OkSequence(move, "move during a drag, the same point too");
            POINT screen = client;
            ClientToScreen(hwnd, &screen);
            ExpectReadouts(hwnd, ScreenPixel(screen), screen);
        }
        // Off the screen nothing can be read: the invalid colour's row.
        POINT off = {-300, -200};
        ClientToScreen(hwnd, &off);
        ASSERT_LT(off.x, 0);
        EXPECT_EQ(L"FFFFFFFF", ItemText(hwnd, IDC_COLORREF));
        EXPECT_EQ(L"#FFFFFF", ItemText(hwnd, IDC_HTML));
        EXPECT_EQ(Expected(IDC_COORDINATES, 0, off), ItemText(hwnd, IDC_COORDINATES));
        EXPECT_EQ(L'-', ItemText(hwnd, IDC_COORDINATES)[0]);
        Press(hwnd, WM_LBUTTONUP, clients[0]);
    };
    dlg.DoModal();
}

TEST(Drag, OutsideADragMouseMessagesDoNothingButTheDefault)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        HWND hwnd = d.m_hWnd;
        RecordDialog(d);
        RECT rc;
        GetWindowRect(GetDlgItem(hwnd, IDC_RGB_DEC), &rc);
        POINT onLabel = {rc.left + 2, rc.top + 2};
        ScreenToClient(hwnd, &onLabel);
        const POINT elsewhere[] = {{1, 1}, onLabel};
        for (POINT client : elsewhere)
        {
            const Message press[] = {{WM_LBUTTONDOWN, sent}, {0}};
            FlushSequence();
            Press(hwnd, WM_LBUTTONDOWN, client);
            OkSequence(press, "press off the picker");
            EXPECT_FALSE(d.m_bDragging);
            EXPECT_EQ(NULL, GetCapture());
        }
        const Message idle[] = {{WM_MOUSEMOVE, sent}, {WM_LBUTTONUP, sent}, {WM_CAPTURECHANGED, sent}, {0}};
        FlushSequence();
        SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        Press(hwnd, WM_LBUTTONUP, PickerCentre(hwnd));
        SendMessageW(hwnd, WM_CAPTURECHANGED, 0, 0);
        OkSequence(idle, "idle moves, releases and capture changes");

        // The second press of a double-click comes as its own message, which the
        // dialog leaves to the default: no drag, on the picker or off it.
        const Message dblclk[] = {{WM_LBUTTONDBLCLK, sent}, {WM_LBUTTONDBLCLK, sent}, {0}};
        FlushSequence();
        Press(hwnd, WM_LBUTTONDBLCLK, PickerCentre(hwnd));
        Press(hwnd, WM_LBUTTONDBLCLK, {1, 1});
        OkSequence(dblclk, "double-clicks on and off the picker");
        EXPECT_EQ(NULL, GetCapture());
        EXPECT_FALSE(d.m_bDragging);
        EXPECT_EQ(L"", ItemText(hwnd, IDC_HTML));
    };
    dlg.DoModal();
}

TEST(Drag, EscapeEndsADragAndOnlyOutsideOneClosesTheDialog)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        HWND hwnd = d.m_hWnd;
        HCURSOR arrow = ShowArrow();
        Press(hwnd, WM_LBUTTONDOWN, PickerCentre(hwnd));
        std::wstring sampled = ItemText(hwnd, IDC_COLORREF);
        RecordDialog(d);

        const Message escape[] = {{WM_CAPTURECHANGED, sent},
                                  {STM_SETICON, sent | wparam, (WPARAM)d.m_hIconPicker},
                                  {STM_SETICON, sent | wparam, (WPARAM)d.m_hIconPicker},
                                  {0}};
        FlushSequence();
        Escape(hwnd);
        OkSequence(escape, "Escape during a drag");
        ExpectIdle(d, arrow);
        EXPECT_EQ(0, d.cancelCount) << "the key was consumed";
        EXPECT_EQ(sampled, ItemText(hwnd, IDC_COLORREF));

        Escape(hwnd);
        EXPECT_EQ(1, d.cancelCount) << "a second Escape closes the dialog";
    };
    dlg.DoModal();
    EXPECT_EQ(1, dlg.cancelCount);
}

// Another window of ours takes the capture mid-drag: the drag ends cleanly, and the
// capture stays with the window that took it.
TEST(Drag, LosingTheCaptureEndsTheDragAndLeavesTheNewHolderItsCapture)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        HWND hwnd = d.m_hWnd;
        HCURSOR arrow = ShowArrow();
        Press(hwnd, WM_LBUTTONDOWN, PickerCentre(hwnd));
        HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
        RecordDialog(d);

        const Message lost[] = {
            {WM_CAPTURECHANGED, sent, 0, (LPARAM)other}, {STM_SETICON, sent | wparam, (WPARAM)d.m_hIconPicker}, {0}};
        FlushSequence();
        SetCapture(other);
        OkSequence(lost, "capture taken by another window");
        EXPECT_FALSE(d.m_bDragging);
        EXPECT_EQ(other, GetCapture());
        EXPECT_EQ(arrow, GetCursor());
        EXPECT_EQ((LRESULT)d.m_hIconPicker, SendMessageW(d.m_wndPicker.m_hWnd, STM_GETICON, 0, 0));
        ReleaseCapture();
        DestroyWindow(other);
    };
    dlg.DoModal();
}

// Without its cursor resource the drag still works and keeps the cursor it found.
TEST(Drag, NullPickerCursorKeepsTheCurrentCursorAndNothingBreaks)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        HWND hwnd = d.m_hWnd;
        HCURSOR arrow = ShowArrow();
        DestroyCursor(d.m_hPickerCursor);
        d.m_hPickerCursor = NULL;
        Press(hwnd, WM_LBUTTONDOWN, PickerCentre(hwnd));
        EXPECT_TRUE(d.m_bDragging);
        EXPECT_EQ(arrow, GetCursor());
        SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2, 2));
        EXPECT_NE(L"", ItemText(hwnd, IDC_HTML));
        Press(hwnd, WM_LBUTTONUP, PickerCentre(hwnd));
        ExpectIdle(d, arrow);
    };
    dlg.DoModal();
}
