// The fixture of the icon, cursor and bitmap checks: reads images out of their groups
// and holds the rules every picture obeys.
#pragma once
#include "res/PackedDib.h"
#include "res/ResourceTest.h"

#include <set>

// One entry of an icon or cursor group directory.
struct GroupEntry
{
    int width;
    int height; // the picture's height (cursor directories store twice that)
    BYTE colours;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};

const COLORREF kBlack = RGB(0x00, 0x00, 0x00);
const COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
const COLORREF kDarkGrey = RGB(0x80, 0x80, 0x80);
const COLORREF kLightGrey = RGB(0xC0, 0xC0, 0xC0);
const COLORREF kBlue = RGB(0x00, 0x00, 0xFF);

// The standard 16-colour palette, by index.
extern const std::vector<COLORREF> kStandardPalette;

class ImageResourceTest : public ResourceTest
{
protected:
    // The directory of icon group (RT_GROUP_ICON) or cursor group (RT_GROUP_CURSOR) `id`.
    std::vector<GroupEntry> Group(bool cursor, WORD id) const;
    // The image a group entry names, checked against the entry.
    PackedDib IconImage(const GroupEntry& entry) const;
    // The one image of cursor group `id` and its hotspot.
    PackedDib CursorImage(WORD id, POINT& hotspot) const;

    // No pixel has its mask bit set over a non-zero colour index, which would invert the screen.
    static void ExpectMaskRule(const PackedDib& image);
    // Every opaque pixel shows one of `colours`.
    static void ExpectOnlyColours(const PackedDib& image, const std::set<COLORREF>& colours);
    // White and grey pixels have opaque pixels on all four sides: the outline is closed.
    static void ExpectClosedOutline(const PackedDib& image);
    // The two images show the same colour at every pixel and the same transparency.
    static void ExpectSamePixels(const PackedDib& a, const PackedDib& b, int rows);
};
