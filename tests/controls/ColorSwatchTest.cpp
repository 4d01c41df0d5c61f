// The colour swatch on a real static control: what it paints, pixel by pixel, and
// which messages a colour change costs.
#include "controls/ColorSwatch.h"
#include "support/Canvas.h"
#include "support/MessageTrace.h"
#include "support/Pump.h"

#include <gtest/gtest.h>

namespace
{
const int kWidth = 48, kHeight = 30;

class CSwatchProbe : public CColorSwatch
{
public:
    using CColorSwatch::m_crColor;
};

// A shown, topmost parent with a plain text static like the template's, subclassed by
// the swatch the way data exchange does it.
class SwatchFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_parent = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 40, 40, 120, 80, NULL, NULL,
                                   NULL, NULL);
        m_static = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, kWidth, kHeight,
                                   m_parent, (HMENU)1001, NULL, NULL);
        ASSERT_TRUE(m_swatch.SubclassWindow(m_static));
        PumpMessages(50);
    }
    void TearDown() override
    {
        DestroyWindow(m_parent);
        PumpMessages(20);
    }

    // Paints the swatch in `cr` and reads back its client area.
    void PaintAndRead(COLORREF cr, Canvas& canvas)
    {
        m_swatch.SetColor(cr);
        UpdateWindow(m_static);
        HDC dc = GetDC(m_static);
        BitBlt(canvas.Dc(), 0, 0, kWidth, kHeight, dc, 0, 0, SRCCOPY);
        ReleaseDC(m_static, dc);
        canvas.Read();
    }

    HWND m_parent = NULL, m_static = NULL;
    CSwatchProbe m_swatch;
};

// The sunken edge the system draws: darker lines top and left, lighter bottom and
// right, the outer ring in shadow/highlight and the inner one in dark shadow/light.
void ExpectSunkenRing(const Canvas& c, const char* context)
{
    int midX = kWidth / 2, midY = kHeight / 2;
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), c.Pixel(midX, 0)) << context;
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), c.Pixel(midX, 1)) << context;
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), c.Pixel(0, midY)) << context;
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), c.Pixel(1, midY)) << context;
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), c.Pixel(midX, kHeight - 1)) << context;
    EXPECT_EQ(GetSysColor(COLOR_3DLIGHT), c.Pixel(midX, kHeight - 2)) << context;
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), c.Pixel(kWidth - 1, midY)) << context;
    EXPECT_EQ(GetSysColor(COLOR_3DLIGHT), c.Pixel(kWidth - 2, midY)) << context;

    // The corners, where the sides meet, as the system's own DrawEdge makes them.
    Canvas ref(kWidth, kHeight, RGB(1, 2, 3));
    RECT rc = {0, 0, kWidth, kHeight};
    DrawEdge(ref.Dc(), &rc, EDGE_SUNKEN, BF_RECT);
    ref.Read();
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
        {
            if (x < 2 || y < 2 || x >= kWidth - 2 || y >= kHeight - 2)
            {
                EXPECT_EQ(ref.Pixel(x, y), c.Pixel(x, y)) << context << " ring at " << x << "," << y;
            }
        }
}

int CountInterior(const Canvas& c, COLORREF cr)
{
    int n = 0;
    for (int y = 2; y < kHeight - 2; ++y)
        for (int x = 2; x < kWidth - 2; ++x)
            n += c.Pixel(x, y) == cr;
    return n;
}

const int kInterior = (kWidth - 4) * (kHeight - 4);
} // namespace

TEST_F(SwatchFixture, InteriorIsTheColourInsideTheSystemsSunkenEdge)
{
    const COLORREF colours[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0x40, 0x80, 0xFF), GetSysColor(COLOR_BTNFACE)};
    for (COLORREF cr : colours)
    {
        Canvas canvas(kWidth, kHeight, RGB(7, 7, 7));
        PaintAndRead(cr, canvas);
        EXPECT_EQ(kInterior, CountInterior(canvas, cr)) << "colour " << std::hex << cr;
        ExpectSunkenRing(canvas, "after a fill");
    }
}

// A failed pixel read hands the swatch 0xFFFFFFFF: it is kept as given and painted
// as one even fill, with the edge still drawn.
TEST_F(SwatchFixture, InvalidColourIsStoredUnchangedAndPaintsEvenly)
{
    Canvas canvas(kWidth, kHeight, RGB(7, 7, 7));
    PaintAndRead(CLR_INVALID, canvas);
    EXPECT_EQ(CLR_INVALID, m_swatch.m_crColor);
    EXPECT_EQ(kInterior, CountInterior(canvas, canvas.Pixel(kWidth / 2, kHeight / 2)));
    ExpectSunkenRing(canvas, "after CLR_INVALID");
}

TEST_F(SwatchFixture, StartsBlackAndNeverDrawsTheControlText)
{
    EXPECT_EQ(0u, m_swatch.m_crColor);
    SetWindowTextW(m_static, L"XXXXXXXX");
    Canvas canvas(kWidth, kHeight, RGB(7, 7, 7));
    PaintAndRead(RGB(255, 255, 255), canvas);
    EXPECT_EQ(kInterior, CountInterior(canvas, RGB(255, 255, 255)));
}

// Setting a colour only invalidates, without erase, whatever the colour was; the paint
// that follows is one WM_PAINT and no background erase.
TEST_F(SwatchFixture, EverySetColorInvalidatesWithoutErase)
{
    static const Message paintOnly[] = {{WM_PAINT, sent}, {0}};
    InstallRecorder(m_static);
    const COLORREF cr = RGB(10, 200, 30);
    m_swatch.SetColor(cr);
    UpdateWindow(m_static);
    ASSERT_FALSE(GetUpdateRect(m_static, NULL, FALSE));

    for (int i = 0; i < 2; ++i)
    {
        FlushSequence();
        m_swatch.SetColor(cr); // the same colour again
        RECT update;
        ASSERT_TRUE(GetUpdateRect(m_static, &update, FALSE));
        EXPECT_EQ(0, update.left);
        EXPECT_EQ(0, update.top);
        EXPECT_EQ(kWidth, update.right);
        EXPECT_EQ(kHeight, update.bottom);
        UpdateWindow(m_static);
        OkSequence(paintOnly, "repaint after SetColor");
    }
    // Several changes before a paint cost one paint.
    FlushSequence();
    m_swatch.SetColor(RGB(1, 1, 1));
    m_swatch.SetColor(RGB(2, 2, 2));
    m_swatch.SetColor(RGB(3, 3, 3));
    UpdateWindow(m_static);
    OkSequence(paintOnly, "three changes, one paint");
}

// Covering and uncovering: the colour comes back from the swatch alone.
TEST_F(SwatchFixture, UncoveringRepaintsTheLastColour)
{
    Canvas canvas(kWidth, kHeight, RGB(7, 7, 7));
    PaintAndRead(RGB(0x12, 0x34, 0x56), canvas);
    RedrawWindow(m_static, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(m_static);
    BitBlt(canvas.Dc(), 0, 0, kWidth, kHeight, dc, 0, 0, SRCCOPY);
    ReleaseDC(m_static, dc);
    canvas.Read();
    EXPECT_EQ(kInterior, CountInterior(canvas, RGB(0x12, 0x34, 0x56)));
}
