// The copy glyph bitmap: its format, colour counts and picture.
#include "res/ImageResourceTest.h"

namespace
{
class BitmapTest : public ImageResourceTest
{
protected:
    void SetUp() override
    {
        ImageResourceTest::SetUp();
        m_data = Resource(RT_BITMAP, 133);
    }

    std::vector<BYTE> m_data;
};

struct PixelRun
{
    int y, x0, x1;
    COLORREF colour;
};
} // namespace

TEST_P(BitmapTest, Format)
{
    PackedDib glyph(m_data, false);
    ASSERT_TRUE(glyph.Valid());
    const BITMAPINFOHEADER& h = glyph.Header();
    EXPECT_EQ(40u, h.biSize);
    EXPECT_EQ(15, h.biWidth);
    EXPECT_EQ(15, h.biHeight) << "a positive height: bottom-up";
    EXPECT_EQ(1, h.biPlanes);
    EXPECT_EQ(4, h.biBitCount);
    EXPECT_EQ(DWORD(BI_RGB), h.biCompression);
    EXPECT_EQ(120u, h.biSizeImage);
    EXPECT_EQ(0, h.biXPelsPerMeter);
    EXPECT_EQ(0, h.biYPelsPerMeter);
    EXPECT_EQ(0u, h.biClrUsed);
    EXPECT_EQ(kStandardPalette, glyph.Palette());
    EXPECT_EQ(40u + 16 * 4 + 120, m_data.size());
}

TEST_P(BitmapTest, ColourCounts)
{
    PackedDib glyph(m_data, false);
    ASSERT_TRUE(glyph.Valid());
    EXPECT_EQ(81, glyph.CountOf(kLightGrey));
    EXPECT_EQ(61, glyph.CountOf(kWhite));
    EXPECT_EQ(47, glyph.CountOf(kBlack));
    EXPECT_EQ(36, glyph.CountOf(kBlue));
    EXPECT_EQ(0, glyph.CountOf(kDarkGrey));
    ExpectOnlyColours(glyph, {kLightGrey, kWhite, kBlack, kBlue});
}

TEST_P(BitmapTest, TwoSheetsOfPaper)
{
    PackedDib glyph(m_data, false);
    ASSERT_TRUE(glyph.Valid());
    // The bottom row and the right column are ground.
    for (int i = 0; i < 15; ++i)
    {
        EXPECT_EQ(kLightGrey, glyph.Pixel(i, 14)) << i;
        EXPECT_EQ(kLightGrey, glyph.Pixel(14, i)) << i;
    }
    const PixelRun runs[] = {
        // the rear sheet: top edge to the fold, fold corners, bottom left corner
        {0, 0, 5, kBlack},
        {3, 5, 8, kBlack},
        {1, 5, 5, kBlack},
        {9, 0, 0, kBlack},
        {0, 6, 8, kLightGrey},
        {2, 6, 6, kWhite},
        // the front sheet
        {4, 5, 10, kBlue},
        {7, 10, 13, kBlue},
        {13, 5, 13, kBlue},
        {5, 12, 13, kLightGrey},
        {6, 11, 11, kWhite},
        // text lines
        {3, 2, 3, kBlack},
        {5, 2, 4, kBlack},
        {7, 2, 4, kBlack},
        {7, 7, 8, kBlack},
        {9, 7, 11, kBlack},
        {11, 7, 11, kBlack},
        // paper between the lines
        {4, 1, 4, kWhite},
        {8, 6, 12, kWhite},
        {12, 6, 12, kWhite},
    };
    for (const PixelRun& r : runs)
        for (int x = r.x0; x <= r.x1; ++x)
            EXPECT_EQ(r.colour, glyph.Pixel(x, r.y)) << "at " << x << "," << r.y;
}

INSTANTIATE_FOR_BOTH_EXES(BitmapTest);
