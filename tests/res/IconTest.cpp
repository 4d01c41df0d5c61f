// The three icon groups: the pipette, the application icon with its pool, the empty slot.
#include "res/ImageResourceTest.h"

#include <algorithm>

namespace
{
const WORD kMainframe = 128;
const WORD kPicker = 131;
const WORD kPickerEmpty = 132;

class IconTest : public ImageResourceTest
{
protected:
    // The images of an icon group, after checking that its directory lists these
    // sizes and bit depths in this order.
    std::vector<PackedDib> Images(WORD id, const std::vector<std::pair<int, int>>& sizeAndDepth) const
    {
        std::vector<GroupEntry> group = Group(false, id);
        std::vector<PackedDib> images;
        EXPECT_EQ(sizeAndDepth.size(), group.size()) << "images in group " << id;
        for (size_t i = 0; i < group.size() && i < sizeAndDepth.size(); ++i)
        {
            EXPECT_EQ(sizeAndDepth[i].first, group[i].width) << "group " << id << " image " << i;
            EXPECT_EQ(sizeAndDepth[i].first, group[i].height) << "group " << id << " image " << i;
            EXPECT_EQ(sizeAndDepth[i].second, group[i].bitCount) << "group " << id << " image " << i;
            images.push_back(IconImage(group[i]));
            const PackedDib& image = images.back();
            if (image.Valid())
            {
                ExpectMaskRule(image);
                if (image.Header().biBitCount == 4)
                    EXPECT_EQ(kStandardPalette, image.Palette());
                else
                    EXPECT_EQ(256u, image.Palette().size());
            }
        }
        return images;
    }

    // The pool fills `pool` (inclusive) wherever the pipette leaves it visible, and
    // there is no blue outside it.
    static void ExpectPool(const PackedDib& app, const PackedDib& pipette, RECT pool)
    {
        int blue = 0;
        for (int y = 0; y < app.Height(); ++y)
            for (int x = 0; x < app.Width(); ++x)
            {
                bool inPool = x >= pool.left && x <= pool.right && y >= pool.top && y <= pool.bottom;
                bool behindPipette = pipette.Pixel(x, y) != PackedDib::kTransparent;
                if (inPool && !behindPipette)
                {
                    EXPECT_EQ(kBlue, app.Pixel(x, y)) << "pool missing at " << x << "," << y;
                }
                else if (!inPool)
                {
                    EXPECT_NE(kBlue, app.Pixel(x, y)) << "blue outside the pool at " << x << "," << y;
                }
                blue += app.Pixel(x, y) == kBlue;
            }
        EXPECT_GT(blue, 0);
    }

    // Below `poolTop` the application icon shows the pipette where the pipette is opaque,
    // and pool or nothing elsewhere.
    static void ExpectPipetteOverPool(const PackedDib& app, const PackedDib& pipette, int poolTop)
    {
        ExpectSamePixels(app, pipette, poolTop);
        for (int y = poolTop; y < app.Height(); ++y)
            for (int x = 0; x < app.Width(); ++x)
            {
                COLORREF want = pipette.Pixel(x, y);
                COLORREF got = app.Pixel(x, y);
                if (want != PackedDib::kTransparent)
                {
                    EXPECT_EQ(want, got) << "pipette covered at " << x << "," << y;
                }
                else
                {
                    EXPECT_TRUE(got == kBlue || got == PackedDib::kTransparent) << "stray pixel at " << x << "," << y;
                }
            }
    }
};
} // namespace

TEST_P(IconTest, PickerPipette32)
{
    std::vector<PackedDib> images = Images(kPicker, {{32, 4}, {16, 4}});
    ASSERT_EQ(2u, images.size());
    const PackedDib& pipette = images[0];
    ASSERT_TRUE(pipette.Valid());

    EXPECT_EQ(133, pipette.OpaqueCount());
    RECT bounds = pipette.OpaqueBounds();
    EXPECT_EQ(3, bounds.left);
    EXPECT_EQ(5, bounds.top);
    EXPECT_EQ(26, bounds.right);
    EXPECT_EQ(28, bounds.bottom);
    ExpectOnlyColours(pipette, {kBlack, kWhite, kDarkGrey});
    ExpectClosedOutline(pipette);

    // The tip is the only pixel of the bottom row, at its left end.
    EXPECT_NE(PackedDib::kTransparent, pipette.Pixel(3, 28));
    for (int x = 4; x < 32; ++x)
        EXPECT_EQ(PackedDib::kTransparent, pipette.Pixel(x, 28)) << x;

    // The bulb: rows 5 to 10, x 17 to 26, black but for one white highlight.
    int bulbWhite = 0, left = 32, right = -1;
    for (int y = 5; y <= 10; ++y)
        for (int x = 0; x < 32; ++x)
        {
            COLORREF c = pipette.Pixel(x, y);
            if (c == PackedDib::kTransparent)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            bulbWhite += c == kWhite;
            EXPECT_TRUE(c == kBlack || c == kWhite) << "bulb pixel " << x << "," << y;
        }
    EXPECT_EQ(17, left);
    EXPECT_EQ(26, right);
    EXPECT_EQ(1, bulbWhite);

    // Along the tube each row crosses, left to right: outline, two pixels of highlight,
    // one of shade, outline.
    const std::vector<COLORREF> crossing = {kBlack, kWhite, kWhite, kDarkGrey, kBlack};
    for (int y = 12; y <= 24; ++y)
    {
        std::vector<COLORREF> row;
        int first = -1;
        for (int x = 0; x < 32; ++x)
        {
            if (pipette.Pixel(x, y) == PackedDib::kTransparent)
                continue;
            if (first < 0)
                first = x;
            EXPECT_EQ(first + int(row.size()), x) << "gap in row " << y;
            row.push_back(pipette.Pixel(x, y));
        }
        EXPECT_EQ(crossing, row) << "row " << y;
    }
}

TEST_P(IconTest, PickerPipette16)
{
    std::vector<PackedDib> images = Images(kPicker, {{32, 4}, {16, 4}});
    ASSERT_EQ(2u, images.size());
    const PackedDib& pipette = images[1];
    ASSERT_TRUE(pipette.Valid());
    // Across the whole square, tip in the bottom left corner, bulb in the top right.
    RECT bounds = pipette.OpaqueBounds();
    EXPECT_EQ(0, bounds.left);
    EXPECT_EQ(0, bounds.top);
    EXPECT_EQ(15, bounds.right);
    EXPECT_EQ(15, bounds.bottom);
    EXPECT_NE(PackedDib::kTransparent, pipette.Pixel(0, 15));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(PackedDib::kTransparent, pipette.Pixel(x, y)) << x << "," << y;
    EXPECT_EQ(kBlack, pipette.Pixel(14, 1));
    ExpectOnlyColours(pipette, {kBlack, kWhite, kDarkGrey});
    ExpectClosedOutline(pipette);
}

TEST_P(IconTest, ApplicationIconDipsThePipetteIntoAPool)
{
    std::vector<PackedDib> app = Images(kMainframe, {{32, 4}, {16, 4}, {32, 8}, {16, 8}});
    std::vector<PackedDib> pipette = Images(kPicker, {{32, 4}, {16, 4}});
    ASSERT_EQ(4u, app.size());
    ASSERT_EQ(2u, pipette.size());
    for (const PackedDib& image : app)
        ExpectOnlyColours(image, {kBlack, kWhite, kDarkGrey, kBlue});

    {
        SCOPED_TRACE("32 x 32");
        ExpectPool(app[0], pipette[0], {0, 26, 18, 31});
        ExpectPipetteOverPool(app[0], pipette[0], 26);
        // The tip ends inside the pool.
        EXPECT_EQ(kBlue, app[0].Pixel(2, 28));
        EXPECT_EQ(kBlue, app[0].Pixel(3, 29));
    }
    {
        SCOPED_TRACE("16 x 16");
        ExpectPool(app[1], pipette[1], {0, 13, 9, 15});
        ExpectPipetteOverPool(app[1], pipette[1], 13);
    }
}

TEST_P(IconTest, ApplicationIcon256ColoursShowTheSamePixels)
{
    std::vector<PackedDib> app = Images(kMainframe, {{32, 4}, {16, 4}, {32, 8}, {16, 8}});
    ASSERT_EQ(4u, app.size());
    {
        SCOPED_TRACE("32 x 32");
        ExpectSamePixels(app[2], app[0], 32);
        EXPECT_EQ(32, app[2].Height());
    }
    {
        SCOPED_TRACE("16 x 16");
        ExpectSamePixels(app[3], app[1], 16);
        EXPECT_EQ(16, app[3].Height());
    }
}

TEST_P(IconTest, EmptyPickerIsAllTransparent)
{
    std::vector<PackedDib> images = Images(kPickerEmpty, {{32, 4}});
    ASSERT_EQ(1u, images.size());
    const PackedDib& empty = images[0];
    ASSERT_TRUE(empty.Valid());
    EXPECT_EQ(0, empty.OpaqueCount());
    int nonZero = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            nonZero += empty.Index(x, y) != 0;
    EXPECT_EQ(0, nonZero);
}

INSTANTIATE_FOR_BOTH_EXES(IconTest);
