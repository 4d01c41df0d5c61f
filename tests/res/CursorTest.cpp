// The two cursors: their pictures and hotspots.
#include "res/ImageResourceTest.h"

namespace
{
class CursorTest : public ImageResourceTest
{
};
} // namespace

TEST_P(CursorTest, LinkCursorIsAHandPointingUp)
{
    POINT hotspot = {-1, -1};
    PackedDib hand = CursorImage(129, hotspot);
    ASSERT_TRUE(hand.Valid());
    EXPECT_EQ(32, hand.Width());
    EXPECT_EQ(32, hand.Height());
    EXPECT_EQ(1, hand.Header().biBitCount);
    EXPECT_EQ(2u, hand.Palette().size());
    EXPECT_EQ(6, hotspot.x);
    EXPECT_EQ(0, hotspot.y);
    // The hotspot is the top of the fingertip: outline, with nothing above it.
    EXPECT_EQ(kBlack, hand.Pixel(6, 0));

    RECT bounds = hand.OpaqueBounds();
    EXPECT_GE(bounds.left, 1);
    EXPECT_GE(bounds.top, 0);
    EXPECT_LE(bounds.right, 17);
    EXPECT_LE(bounds.bottom, 21);
    ExpectMaskRule(hand);
    ExpectOnlyColours(hand, {kBlack, kWhite});
    EXPECT_GT(hand.CountOf(kWhite), hand.CountOf(kBlack)) << "a white hand with a black outline";
    ExpectClosedOutline(hand);
}

TEST_P(CursorTest, PickerCursorIsThePipetteWithTheHotspotAtItsTip)
{
    POINT hotspot = {-1, -1};
    PackedDib cursor = CursorImage(130, hotspot);
    ASSERT_TRUE(cursor.Valid());
    EXPECT_EQ(3, hotspot.x);
    EXPECT_EQ(28, hotspot.y);
    EXPECT_EQ(4, cursor.Header().biBitCount);
    EXPECT_EQ(kStandardPalette, cursor.Palette());
    ExpectMaskRule(cursor);

    std::vector<GroupEntry> picker = Group(false, 131);
    ASSERT_FALSE(picker.empty());
    PackedDib pipette = IconImage(picker[0]);
    ASSERT_EQ(32, pipette.Width());
    ASSERT_EQ(32, cursor.Height());
    ExpectSamePixels(cursor, pipette, 32);
    EXPECT_NE(PackedDib::kTransparent, cursor.Pixel(hotspot.x, hotspot.y)) << "the hotspot misses the pipette";
}

INSTANTIATE_FOR_BOTH_EXES(CursorTest);
