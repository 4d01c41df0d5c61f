// Dragging from the real Tintlet.exe's pipette with real mouse input, over a window of
// known colours that the test paints, and reading back what the user sees: the
// readouts, the picker slot, and who holds the mouse.
#include "e2e/ColourTarget.h"
#include "e2e/RealMouse.h"
#include "e2e/TintletProcess.h"
#include "res/resource.h"
#include "support/Canvas.h"
#include "support/Pump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Waits until the program has sampled `pt`.
bool WaitForSample(const TintletProcess& app, POINT pt)
{
    return app.WaitForText(IDC_COORDINATES, PointText(pt));
}

void ExpectBand(const TintletProcess& app, const Band& band, POINT pt)
{
    ASSERT_TRUE(WaitForSample(app, pt)) << "coordinates show " << testing::PrintToString(app.Text(IDC_COORDINATES));
    EXPECT_EQ(band.texts[0], app.Text(IDC_RGB_DEC));
    EXPECT_EQ(band.texts[1], app.Text(IDC_RGB_HEX));
    EXPECT_EQ(band.texts[2], app.Text(IDC_COLORREF));
    EXPECT_EQ(band.texts[3], app.Text(IDC_HTML));
}

COLORREF ScreenPixel(POINT pt)
{
    HDC dc = GetDC(NULL);
    COLORREF cr = GetPixel(dc, pt.x, pt.y);
    ReleaseDC(NULL, dc);
    return cr;
}

std::wstring ColorrefText(COLORREF cr)
{
    wchar_t text[9];
    swprintf(text, 9, L"%08X", (unsigned)cr);
    return text;
}

// What the screen shows of a window, pixel by pixel.
std::vector<COLORREF> Snapshot(HWND hwnd)
{
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return ScreenPixels(rc);
}

// Whether the picker slot shows the same picture as `before`, once repainted.
bool SlotShows(HWND picker, const std::vector<COLORREF>& before)
{
    return PumpUntil([&] { return Snapshot(picker) == before; }, 2000);
}

// Presses on the pipette and waits for the press point's sample.
void PressOnPicker(const TintletProcess& app)
{
    SetForegroundWindow(app.Dialog());
    POINT picker = CentreOf(app.Item(IDC_PICKER));
    ASSERT_TRUE(RealMouse::MoveTo(picker));
    RealMouse::LeftDown();
    ASSERT_TRUE(WaitForSample(app, picker));
    ASSERT_EQ(app.Dialog(), app.Capture());
    // A move straight after a press can be dropped on its way in; a nudge first.
    POINT nudge = {picker.x + 1, picker.y};
    RealMouse::MoveTo(nudge);
    WaitForSample(app, nudge);
}
} // namespace

TEST(Sampling, DragShowsEachColourUnderThePipettesTipAndItsPoint)
{
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    ColourTarget target(app.Dialog());
    HWND picker = app.Item(IDC_PICKER);
    std::vector<COLORREF> pickerShown = Snapshot(picker);

    // Pressing without moving shows the pixel under the press at once: the picker's,
    // or the emptied slot's when the screen has caught up with the press already.
    POINT press = CentreOf(picker);
    std::wstring pickerPixel = ColorrefText(ScreenPixel(press));
    SetForegroundWindow(app.Dialog());
    ASSERT_TRUE(RealMouse::MoveTo(press));
    RealMouse::LeftDown();
    ASSERT_TRUE(WaitForSample(app, press));
    PumpMessages(100);
    std::wstring slotPixel = ColorrefText(ScreenPixel(press));
    std::wstring shown = app.Text(IDC_COLORREF);
    EXPECT_TRUE(shown == pickerPixel || shown == slotPixel) << testing::PrintToString(shown);
    EXPECT_EQ(app.Dialog(), app.Capture());
    LRESULT pickerIcon = SendMessageW(picker, STM_GETICON, 0, 0);
    EXPECT_NE(0, pickerIcon) << "the slot holds the empty icon";
    PumpMessages(100);
    EXPECT_NE(pickerShown, Snapshot(picker)) << "the picker has left its slot";

    RealMouse::MoveTo({press.x + 1, press.y});
    for (int i = 0; i < kBandCount; ++i)
    {
        // Visit each band twice, so every colour is also reached from another one.
        for (int pass = 0; pass < 2; ++pass)
        {
            POINT pt = target.BandCentre(i);
            pt.y += pass;
            ASSERT_TRUE(RealMouse::MoveTo(pt));
            ExpectBand(app, kBands[i], pt);
        }
    }

    // The one pixel under the tip decides, not the cursor picture around it.
    POINT lone = target.LonePixel();
    ASSERT_TRUE(RealMouse::MoveTo({lone.x - 1, lone.y}));
    ASSERT_TRUE(WaitForSample(app, {lone.x - 1, lone.y}));
    EXPECT_EQ(L"00FFFFFF", app.Text(IDC_COLORREF));
    ASSERT_TRUE(RealMouse::MoveTo(lone));
    ASSERT_TRUE(WaitForSample(app, lone));
    EXPECT_EQ(L"0000FF00", app.Text(IDC_COLORREF));
    EXPECT_EQ(L"#00FF00", app.Text(IDC_HTML));

    // Over the dialog's own swatch: it shows the last colour, and that is what is read.
    POINT swatch = CentreOf(app.Item(IDC_SWATCH));
    ASSERT_TRUE(RealMouse::MoveTo(swatch));
    ASSERT_TRUE(WaitForSample(app, swatch));
    EXPECT_EQ(L"0000FF00", app.Text(IDC_COLORREF));

    RealMouse::LeftUp();
    EXPECT_TRUE(PumpUntil([&] { return app.Capture() == NULL; }, 2000));
    EXPECT_NE(pickerIcon, SendMessageW(picker, STM_GETICON, 0, 0));
    EXPECT_TRUE(SlotShows(picker, pickerShown)) << "the picker is back in its slot";
    // The release is not sampled; the readouts keep the last sample.
    RealMouse::MoveTo(target.BandCentre(0));
    PumpMessages(200);
    EXPECT_EQ(PointText(swatch), app.Text(IDC_COORDINATES));
    EXPECT_EQ(L"0000FF00", app.Text(IDC_COLORREF));
}

TEST(Sampling, EscapeEndsTheDragAndASecondEscapeCloses)
{
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    ColourTarget target(app.Dialog());
    std::vector<COLORREF> pickerShown = Snapshot(app.Item(IDC_PICKER));
    PressOnPicker(app);
    POINT red = target.BandCentre(1);
    ASSERT_TRUE(RealMouse::MoveTo(red));
    ExpectBand(app, kBands[1], red);

    app.PressKey(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return app.Capture() == NULL; }, 2000));
    EXPECT_TRUE(SlotShows(app.Item(IDC_PICKER), pickerShown));
    EXPECT_FALSE(app.WaitForExit(300)) << "Escape during a drag must not close the dialog";
    // Still held down, the button no longer samples.
    RealMouse::MoveTo(target.BandCentre(0));
    PumpMessages(200);
    EXPECT_EQ(L"#FF0000", app.Text(IDC_HTML));
    EXPECT_EQ(PointText(red), app.Text(IDC_COORDINATES));
    RealMouse::LeftUp();

    app.PressKey(VK_ESCAPE);
    EXPECT_TRUE(app.WaitForExit(5000)) << "a second Escape closes the dialog";
}

// A window of another thread that shares the program's input takes the capture in
// the middle of a drag: the drag ends, and the capture stays where it went.
TEST(Sampling, AnotherWindowTakingTheCaptureEndsTheDrag)
{
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    ColourTarget target(app.Dialog());
    std::vector<COLORREF> pickerShown = Snapshot(app.Item(IDC_PICKER));
    PressOnPicker(app);

    HWND thief = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 5, 5, NULL, NULL, NULL, NULL);
    ASSERT_TRUE(AttachThreadInput(GetCurrentThreadId(), app.ThreadId(), TRUE));
    SetCapture(thief);
    EXPECT_TRUE(SlotShows(app.Item(IDC_PICKER), pickerShown));
    EXPECT_EQ(thief, GetCapture()) << "the drag's end must not take the capture back";
    ReleaseCapture();
    AttachThreadInput(GetCurrentThreadId(), app.ThreadId(), FALSE);
    DestroyWindow(thief);

    // The drag is over: moves no longer sample.
    std::wstring last = app.Text(IDC_COORDINATES);
    RealMouse::MoveTo(target.BandCentre(2));
    PumpMessages(200);
    EXPECT_EQ(last, app.Text(IDC_COORDINATES));
    RealMouse::LeftUp();
    EXPECT_FALSE(app.WaitForExit(100));
}
