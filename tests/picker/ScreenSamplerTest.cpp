// The sampler in-process at the system DPI of the prefix it runs in: 96, or what ctest's
// TINTLET_DPI asks for, where Wine 10 hands this unaware program logical points. Pixels of
// a field that tells each pixel's place are read with the cursor standing on them, after
// the cursor has moved on (as a fast drag's moves are handled), and with no awareness
// switch, as before Windows 10 1607.
#include "picker/ScreenSampler.h"
#include "support/PixelField.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace
{
const POINT kField = {300, 200};
// Neighbours among them, so that at every scale some share a logical point.
const POINT kPixels[] = {{300, 200}, {301, 201}, {302, 202}, {303, 203}, {401, 251}, {402, 252},
                         {403, 253}, {555, 455}, {428, 207}, {307, 400}, {500, 300}};
// Where the cursor goes when it moves on: off the field.
const POINT kElsewhere = {900, 700};

class CSamplerWithoutSwitch : public CScreenSampler
{
public:
    CSamplerWithoutSwitch() { m_pfnSetThreadDpiAwarenessContext = NULL; }
};

// Pixels along the farther axis.
long Distance(POINT a, POINT b)
{
    return std::max(labs(a.x - b.x), labs(a.y - b.y));
}

// The screen's pixels per point of this program, in hundredths: 150 at 144 DPI under
// Wine 10; 100 under Wine 8, which scales nothing.
int Scale()
{
    HDC dc = GetDC(NULL);
    int scale = MulDiv(GetDeviceCaps(dc, DESKTOPHORZRES), 100, GetDeviceCaps(dc, HORZRES));
    ReleaseDC(NULL, dc);
    return scale;
}

// Reads every pixel of the table with the cursor put on it and, unless it stays there,
// moved on; each read must be within `within` pixels of the pixel and show its own colour.
void ExpectReads(CScreenSampler& sampler, bool bMoveOn, long within)
{
    PixelField field(kField);
    ASSERT_TRUE(field.Shown()) << "the field never showed";
    for (POINT pixel : kPixels)
    {
        POINT logical = PixelField::PutCursorOn(pixel);
        if (bMoveOn)
            PixelField::PutCursorOn(kElsewhere);
        CScreenSampler::CSample sample = sampler.Sample(logical);
        EXPECT_LE(Distance(sample.point, pixel), within)
            << "pixel " << pixel.x << "," << pixel.y << " (point " << logical.x << "," << logical.y << ") read at "
            << sample.point.x << "," << sample.point.y;
        EXPECT_EQ(field.ColourAt(sample.point), sample.cr) << "at " << sample.point.x << "," << sample.point.y;
    }
}
} // namespace

TEST(ScreenSampler, TheSystemScalesThisProgramAsThePrefixAsks)
{
    const char* dpi = getenv("TINTLET_DPI");
    const char* wine = getenv("TINTLET_WINE");
    bool scaled = dpi && strcmp(dpi, "96") && !(wine && !strcmp(wine, "8"));
    EXPECT_EQ(scaled ? MulDiv(atoi(dpi), 100, 96) : 100, Scale());
}

TEST(ScreenSampler, WhereTheCursorStandsItsOwnPixelIsRead)
{
    CScreenSampler sampler;
    ExpectReads(sampler, false, 0);
}

TEST(ScreenSampler, APointTheCursorHasLeftReadsWithinAPixelOfItsPixel)
{
    CScreenSampler sampler;
    ExpectReads(sampler, true, 1);
}

TEST(ScreenSampler, WithoutTheSwitchEveryPointReadsWithinAPixelOfItsPixel)
{
    CSamplerWithoutSwitch sampler;
    ExpectReads(sampler, false, 1);
    ExpectReads(sampler, true, 1);
}
