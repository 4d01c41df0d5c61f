#include "res/ImageResourceTest.h"

#include "res/ByteReader.h"

const std::vector<COLORREF> kStandardPalette = {
    RGB(0x00, 0x00, 0x00), RGB(0x80, 0x00, 0x00), RGB(0x00, 0x80, 0x00), RGB(0x80, 0x80, 0x00),
    RGB(0x00, 0x00, 0x80), RGB(0x80, 0x00, 0x80), RGB(0x00, 0x80, 0x80), RGB(0xC0, 0xC0, 0xC0),
    RGB(0x80, 0x80, 0x80), RGB(0xFF, 0x00, 0x00), RGB(0x00, 0xFF, 0x00), RGB(0xFF, 0xFF, 0x00),
    RGB(0x00, 0x00, 0xFF), RGB(0xFF, 0x00, 0xFF), RGB(0x00, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0xFF),
};

std::vector<GroupEntry> ImageResourceTest::Group(bool cursor, WORD id) const
{
    std::vector<BYTE> data = Resource(cursor ? RT_GROUP_CURSOR : RT_GROUP_ICON, id);
    ByteReader in(data.data(), data.size());
    EXPECT_EQ(0, in.Word());
    EXPECT_EQ(cursor ? 2 : 1, in.Word()) << "group type";
    WORD count = in.Word();
    std::vector<GroupEntry> entries;
    for (WORD i = 0; i < count && !in.Failed(); ++i)
    {
        GroupEntry e;
        if (cursor)
        {
            e.width = in.Word();
            e.height = in.Word() / 2;
            e.colours = 0;
        }
        else
        {
            e.width = in.Byte();
            e.height = in.Byte();
            e.colours = in.Byte();
            in.Byte();
        }
        e.planes = in.Word();
        e.bitCount = in.Word();
        e.bytes = in.Dword();
        e.id = in.Word();
        entries.push_back(e);
    }
    EXPECT_FALSE(in.Failed()) << "group " << id << " is cut short";
    EXPECT_EQ(data.size(), in.Offset()) << "group " << id << " has bytes left over";
    return entries;
}

PackedDib ImageResourceTest::IconImage(const GroupEntry& entry) const
{
    std::vector<BYTE> data = Resource(RT_ICON, entry.id);
    EXPECT_EQ(entry.bytes, data.size()) << "icon image " << entry.id;
    PackedDib image(data);
    EXPECT_TRUE(image.Valid()) << "icon image " << entry.id;
    EXPECT_EQ(entry.width, image.Width());
    EXPECT_EQ(entry.height, image.Height());
    EXPECT_EQ(1, image.Header().biPlanes);
    EXPECT_EQ(entry.planes, image.Header().biPlanes);
    EXPECT_EQ(entry.bitCount, image.Header().biBitCount);
    EXPECT_EQ(entry.bitCount < 8 ? 1 << entry.bitCount : 0, entry.colours);
    return image;
}

PackedDib ImageResourceTest::CursorImage(WORD id, POINT& hotspot) const
{
    std::vector<GroupEntry> group = Group(true, id);
    EXPECT_EQ(1u, group.size()) << "cursor group " << id;
    if (group.empty())
        return PackedDib(nullptr, 0, true);
    std::vector<BYTE> data = Resource(RT_CURSOR, group[0].id);
    EXPECT_EQ(group[0].bytes, data.size());
    ByteReader in(data.data(), data.size());
    hotspot.x = in.Word();
    hotspot.y = in.Word();
    PackedDib image(data.data() + in.Offset(), data.size() - in.Offset(), true);
    EXPECT_TRUE(image.Valid()) << "cursor image " << group[0].id;
    EXPECT_EQ(group[0].width, image.Width());
    EXPECT_EQ(group[0].height, image.Height());
    return image;
}

void ImageResourceTest::ExpectMaskRule(const PackedDib& image)
{
    int inverting = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            inverting += image.Masked(x, y) && image.Index(x, y) != 0;
    EXPECT_EQ(0, inverting) << "pixels that would invert the screen";
}

void ImageResourceTest::ExpectOnlyColours(const PackedDib& image, const std::set<COLORREF>& colours)
{
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
        {
            if (image.Masked(x, y))
                continue;
            EXPECT_EQ(1u, colours.count(image.Pixel(x, y)))
                << "colour " << std::hex << image.Pixel(x, y) << std::dec << " at " << x << "," << y;
        }
}

void ImageResourceTest::ExpectClosedOutline(const PackedDib& image)
{
    const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
        {
            COLORREF c = image.Pixel(x, y);
            if (c != kWhite && c != kDarkGrey)
                continue;
            for (int i = 0; i < 4; ++i)
            {
                int nx = x + dx[i], ny = y + dy[i];
                bool inside = nx >= 0 && ny >= 0 && nx < image.Width() && ny < image.Height();
                EXPECT_TRUE(inside && !image.Masked(nx, ny)) << "open outline beside " << x << "," << y;
            }
        }
}

void ImageResourceTest::ExpectSamePixels(const PackedDib& a, const PackedDib& b, int rows)
{
    ASSERT_EQ(a.Width(), b.Width());
    int differ = 0;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < a.Width(); ++x)
            differ += a.Pixel(x, y) != b.Pixel(x, y);
    EXPECT_EQ(0, differ) << "pixels differ in the first " << rows << " rows";
}
