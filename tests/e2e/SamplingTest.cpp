// Dragging from the real Tintlet.exe's pipette with real mouse input, over a window of
// known colours that the test paints, and reading back what the user sees: the
// readouts, the picker slot, and who holds the mouse.
#include "res/resource.h"
#include "support/Canvas.h"
#include "support/ColourTarget.h"
#include "support/Pump.h"
#include "support/ReadBack.h"
#include "support/RealMouse.h"
#include "support/Screen.h"
#include "support/TintletProcess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Where the tests put the pipette's centre, and a point on the swatch then.
const POINT kPickerAt = {300, 200};
const POINT kOnSwatch = {400, 268};

// Waits until the coordinates readout shows `coordinates`, then checks the colour texts.
void ExpectBand(const TintletProcess& app, const Band& band, const wchar_t* coordinates)
{
    ASSERT_TRUE(app.WaitForText(IDC_COORDINATES, coordinates))
        << "coordinates show " << testing::PrintToString(app.Text(IDC_COORDINATES));
    EXPECT_EQ(band.texts[0], app.Text(IDC_RGB_DEC));
    EXPECT_EQ(band.texts[1], app.Text(IDC_RGB_HEX));
    EXPECT_EQ(band.texts[2], app.Text(IDC_COLORREF));
    EXPECT_EQ(band.texts[3], app.Text(IDC_HTML));
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

// Presses on the pipette, put at kPickerAt, and waits for the press point's sample.
void PressOnPicker(const TintletProcess& app)
{
    SetForegroundWindow(app.Dialog());
    ASSERT_TRUE(RealMouse::MoveTo(kPickerAt));
    RealMouse::LeftDown();
    ASSERT_TRUE(app.WaitForText(IDC_COORDINATES, L"300, 200"));
    ASSERT_EQ(app.Dialog(), app.Capture());
    // A move straight after a press can be dropped on its way in; a nudge first.
    RealMouse::MoveTo({kPickerAt.x + 1, kPickerAt.y});
    app.WaitForText(IDC_COORDINATES, L"301, 200");
}
} // namespace

TEST(Sampling, DragShowsEachColourUnderThePipettesTipAndItsPoint)
{
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    ColourTarget target;
    ASSERT_TRUE(PlacePickerAt(app.Dialog(), kPickerAt));
    HWND picker = app.Item(IDC_PICKER);
    std::vector<COLORREF> pickerShown = Snapshot(picker);

    // Pressing without moving shows the pixel under the press at once: the pipette's
    // dark grey shaft, or the dialog face of the emptied slot when the screen has caught
    // up with the press already.
    SetForegroundWindow(app.Dialog());
    ASSERT_TRUE(RealMouse::MoveTo(kPickerAt));
    RealMouse::LeftDown();
    ASSERT_TRUE(app.WaitForText(IDC_COORDINATES, L"300, 200"));
    PumpMessages(100);
    std::wstring shown = app.Text(IDC_COLORREF);
    COLORREF face = CLR_INVALID;
    EXPECT_TRUE(shown == L"00808080" || (ReadColorref(shown, &face) && face == GetSysColor(COLOR_BTNFACE)))
        << testing::PrintToString(shown);
    EXPECT_EQ(app.Dialog(), app.Capture());
    LRESULT pickerIcon = SendMessageW(picker, STM_GETICON, 0, 0);
    EXPECT_NE(0, pickerIcon) << "the slot holds the empty icon";
    PumpMessages(100);
    EXPECT_NE(pickerShown, Snapshot(picker)) << "the picker has left its slot";

    RealMouse::MoveTo({kPickerAt.x + 1, kPickerAt.y});
    // Each band twice: reached from another colour, and from its own.
    const wchar_t* const coordinates[kBandCount][2] = {
        {L"35, 730", L"35, 731"}, {L"85, 730", L"85, 731"}, {L"135, 730", L"135, 731"}, {L"185, 730", L"185, 731"}};
    for (int i = 0; i < kBandCount; ++i)
    {
        for (int pass = 0; pass < 2; ++pass)
        {
            POINT pt = target.BandCentre(i);
            pt.y += pass;
            ASSERT_TRUE(RealMouse::MoveTo(pt));
            ExpectBand(app, kBands[i], coordinates[i][pass]);
        }
    }

    // The one pixel under the tip decides, not the cursor picture around it.
    POINT lone = target.LonePixel();
    ASSERT_TRUE(RealMouse::MoveTo({lone.x - 1, lone.y}));
    ASSERT_TRUE(app.WaitForText(IDC_COORDINATES, L"169, 712"));
    EXPECT_EQ(L"00FFFFFF", app.Text(IDC_COLORREF));
    ASSERT_TRUE(RealMouse::MoveTo(lone));
    ASSERT_TRUE(app.WaitForText(IDC_COORDINATES, L"170, 712"));
    EXPECT_EQ(L"0000FF00", app.Text(IDC_COLORREF));
    EXPECT_EQ(L"#00FF00", app.Text(IDC_HTML));

    // Over the dialog's own swatch: it shows the last colour, and that is what is read.
    RECT swatch;
    GetWindowRect(app.Item(IDC_SWATCH), &swatch);
    ASSERT_TRUE(PtInRect(&swatch, kOnSwatch)) << "precondition: the point is on the swatch";
    ASSERT_TRUE(RealMouse::MoveTo(kOnSwatch));
    ASSERT_TRUE(app.WaitForText(IDC_COORDINATES, L"400, 268"));
    EXPECT_EQ(L"0000FF00", app.Text(IDC_COLORREF));

    RealMouse::LeftUp();
    EXPECT_TRUE(PumpUntil([&] { return app.Capture() == NULL; }, 2000));
    EXPECT_NE(pickerIcon, SendMessageW(picker, STM_GETICON, 0, 0));
    EXPECT_TRUE(SlotShows(picker, pickerShown)) << "the picker is back in its slot";
    // The release is not sampled; the readouts keep the last sample.
    RealMouse::MoveTo(target.BandCentre(0));
    PumpMessages(200);
    EXPECT_EQ(L"400, 268", app.Text(IDC_COORDINATES));
    EXPECT_EQ(L"0000FF00", app.Text(IDC_COLORREF));
}

TEST(Sampling, EscapeEndsTheDragAndASecondEscapeCloses)
{
    TintletProcess app;
    ASSERT_TRUE(app.Dialog());
    ColourTarget target;
    ASSERT_TRUE(PlacePickerAt(app.Dialog(), kPickerAt));
    std::vector<COLORREF> pickerShown = Snapshot(app.Item(IDC_PICKER));
    PressOnPicker(app);
    ASSERT_TRUE(RealMouse::MoveTo(target.BandCentre(1)));
    ExpectBand(app, kBands[1], L"85, 730");

    app.PressKey(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return app.Capture() == NULL; }, 2000));
    EXPECT_TRUE(SlotShows(app.Item(IDC_PICKER), pickerShown));
    EXPECT_FALSE(app.WaitForExit(300)) << "Escape during a drag must not close the dialog";
    // Still held down, the button no longer samples.
    RealMouse::MoveTo(target.BandCentre(0));
    PumpMessages(200);
    EXPECT_EQ(L"#FF0000", app.Text(IDC_HTML));
    EXPECT_EQ(L"85, 730", app.Text(IDC_COORDINATES));
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
    ColourTarget target;
    ASSERT_TRUE(PlacePickerAt(app.Dialog(), kPickerAt));
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
