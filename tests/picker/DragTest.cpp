// The drag in-process, as message traces: which messages a press, a second press, a
// move, a release, a capture loss and Escape bring, what the picker slot is sent, and the
// state left.
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
// Where the press test puts the pipette's centre.
const POINT kPickerAt = {300, 200};
// The colour texts of the pipette's dark grey shaft under it.
const wchar_t* const kShaft[4] = {L"128, 128, 128", L"80, 80, 80", L"00808080", L"#808080"};
// Off the screen nothing can be read: the invalid colour's texts.
const wchar_t* const kInvalid[4] = {L"255, 255, 255", L"FF, FF, FF", L"FFFFFFFF", L"#FFFFFF"};

// Records what the drag is made of: the dialog's mouse and capture messages, the
// icons sent to the picker slot, and the texts written to the readouts (each with the
// control's identifier, so the order of the readouts shows).
void Record(HWND hwnd)
{
    InstallRecorder(hwnd, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEMOVE, WM_CAPTURECHANGED, STM_SETICON,
                           WM_SETTEXT});
}

void RecordDialog(CPickerDlgProbe& d)
{
    Record(d.m_hWnd);
    Record(d.m_wndPicker.m_hWnd);
    for (int readout = IDC_RGB_DEC; readout <= IDC_COORDINATES; ++readout)
        Record(GetDlgItem(d.m_hWnd, readout));
}

// A mouse message at screen point pt, in the dialog's client coordinates as the
// system sends them, with the button down unless it is the release.
void SendMouse(HWND dialog, UINT msg, POINT pt)
{
    ScreenToClient(dialog, &pt);
    SendMessageW(dialog, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
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

void ExpectReadouts(HWND dialog, const wchar_t* const colour[4], const wchar_t* coordinates)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(colour[i], ItemText(dialog, IDC_RGB_DEC + i)) << "readout " << IDC_RGB_DEC + i;
    EXPECT_EQ(coordinates, ItemText(dialog, IDC_COORDINATES));
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
    {WM_SETTEXT, sent | id, 0, 0, IDC_RGB_DEC}, {WM_SETTEXT, sent | id, 0, 0, IDC_RGB_HEX},                            \
        {WM_SETTEXT, sent | id, 0, 0, IDC_COLORREF}, {WM_SETTEXT, sent | id, 0, 0, IDC_HTML},                          \
    {                                                                                                                  \
        WM_SETTEXT, sent | id, 0, 0, IDC_COORDINATES                                                                   \
    }
} // namespace

TEST(Drag, PressOnThePickerCapturesLiftsThePickerAndSamplesThePressPointOnce)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        HWND hwnd = d.m_hWnd;
        ASSERT_TRUE(PlacePickerAt(hwnd, kPickerAt));
        RecordDialog(d);
        HCURSOR arrow = ShowArrow();
        for (int readout = IDC_RGB_DEC; readout <= IDC_COORDINATES; ++readout)
            EXPECT_EQ(L"", ItemText(hwnd, readout)) << "readouts start empty";

        const Message press[] = {
            {WM_LBUTTONDOWN, sent}, {STM_SETICON, sent | wparam, (WPARAM)d.m_hIconEmpty}, SAMPLE_TEXTS, {0}};
        FlushSequence();
        SendMouse(hwnd, WM_LBUTTONDOWN, kPickerAt);
        OkSequence(press, "press on the picker");

        EXPECT_TRUE(d.m_bDragging);
        EXPECT_EQ(hwnd, GetCapture());
        EXPECT_EQ(d.m_hPickerCursor, GetCursor());
        EXPECT_EQ(arrow, d.m_hPrevCursor);
        EXPECT_EQ((LRESULT)d.m_hIconEmpty, SendMessageW(d.m_wndPicker.m_hWnd, STM_GETICON, 0, 0));
        // The pixel under the press: the pipette's, or the emptied slot's dialog face
        // when the screen has caught up with the new icon already.
        COLORREF shown = CLR_INVALID;
        ASSERT_TRUE(ReadColorref(ItemText(hwnd, IDC_COLORREF), &shown));
        if (shown == GetSysColor(COLOR_BTNFACE))
            EXPECT_EQ(L"300, 200", ItemText(hwnd, IDC_COORDINATES));
        else
            ExpectReadouts(hwnd, kShaft, L"300, 200");
        std::wstring sampled[kReadoutCount];
        for (int i = 0; i < kReadoutCount; ++i)
            sampled[i] = ItemText(hwnd, IDC_RGB_DEC + i);

        // A second press during the drag (another pointing device) belongs to the drag:
        // no new lift and no sample, and the arrow stays the cursor to put back.
        const Message again[] = {{WM_LBUTTONDOWN, sent}, {0}};
        FlushSequence();
        SendMouse(hwnd, WM_LBUTTONDOWN, kPickerAt);
        OkSequence(again, "second press during the drag");
        EXPECT_EQ(arrow, d.m_hPrevCursor);

        const Message release[] = {{WM_LBUTTONUP, sent},
                                   {WM_CAPTURECHANGED, sent},
                                   {STM_SETICON, sent | wparam, (WPARAM)d.m_hIconPicker},
                                   {STM_SETICON, sent | wparam, (WPARAM)d.m_hIconPicker},
                                   {0}};
        FlushSequence();
        SendMouse(hwnd, WM_LBUTTONUP, kPickerAt);
        OkSequence(release, "release: the capture change ends the drag inside the outer end");
        ExpectIdle(d, arrow);
        // The release point is not sampled; the readouts keep the last sample.
        for (int i = 0; i < kReadoutCount; ++i)
            EXPECT_EQ(sampled[i], ItemText(hwnd, IDC_RGB_DEC + i)) << "readout " << IDC_RGB_DEC + i;
    };
    dlg.DoModal();
}

TEST(Drag, EveryMoveSamplesIncludingPointsLeftOfAndAboveTheScreen)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        HWND hwnd = d.m_hWnd;
        ColourTarget target;
        SendMouse(hwnd, WM_LBUTTONDOWN, PickerCentre(hwnd));
        RecordDialog(d);

        const struct
        {
            POINT pt;
            const wchar_t* const* colour;
            const wchar_t* coordinates;
        } moves[] = {{target.BandCentre(0), kBands[0].texts, L"35, 730"},
                     {target.BandCentre(0), kBands[0].texts, L"35, 730"},
                     {{2000, 3}, kInvalid, L"2000, 3"},
                     {{-300, -200}, kInvalid, L"-300, -200"}};
        const Message move[] = {{WM_MOUSEMOVE, sent}, SAMPLE_TEXTS, {0}};
        for (const auto& m : moves)
        {
            FlushSequence();
            SendMouse(hwnd, WM_MOUSEMOVE, m.pt);
            OkSequence(move, "move during a drag, the same point too");
            ExpectReadouts(hwnd, m.colour, m.coordinates);
        }
        SendMouse(hwnd, WM_LBUTTONUP, moves[0].pt);
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
        POINT corner = {1, 1};
        ClientToScreen(hwnd, &corner);
        const POINT elsewhere[] = {corner, {rc.left + 2, rc.top + 2}};
        for (POINT pt : elsewhere)
        {
            const Message press[] = {{WM_LBUTTONDOWN, sent}, {0}};
            FlushSequence();
            SendMouse(hwnd, WM_LBUTTONDOWN, pt);
            OkSequence(press, "press off the picker");
            EXPECT_FALSE(d.m_bDragging);
            EXPECT_EQ(NULL, GetCapture());
        }
        const Message idle[] = {{WM_MOUSEMOVE, sent}, {WM_LBUTTONUP, sent}, {WM_CAPTURECHANGED, sent}, {0}};
        FlushSequence();
        SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        SendMouse(hwnd, WM_LBUTTONUP, PickerCentre(hwnd));
        SendMessageW(hwnd, WM_CAPTURECHANGED, 0, 0);
        OkSequence(idle, "idle moves, releases and capture changes");

        // The second press of a double-click comes as its own message, which the
        // dialog leaves to the default: no drag, on the picker or off it.
        const Message dblclk[] = {{WM_LBUTTONDBLCLK, sent}, {WM_LBUTTONDBLCLK, sent}, {0}};
        FlushSequence();
        SendMouse(hwnd, WM_LBUTTONDBLCLK, PickerCentre(hwnd));
        SendMouse(hwnd, WM_LBUTTONDBLCLK, corner);
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
        SendMouse(hwnd, WM_LBUTTONDOWN, PickerCentre(hwnd));
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
        SendMouse(hwnd, WM_LBUTTONDOWN, PickerCentre(hwnd));
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
        SendMouse(hwnd, WM_LBUTTONDOWN, PickerCentre(hwnd));
        EXPECT_TRUE(d.m_bDragging);
        EXPECT_EQ(arrow, GetCursor());
        SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2, 2));
        EXPECT_NE(L"", ItemText(hwnd, IDC_HTML));
        SendMouse(hwnd, WM_LBUTTONUP, PickerCentre(hwnd));
        ExpectIdle(d, arrow);
    };
    dlg.DoModal();
}
