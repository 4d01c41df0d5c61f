// A palette image read from a resource: a bitmap (header, palette, bits) or an icon or
// cursor image (the same, with the height doubled and a 1-bit mask after the bits).
#pragma once
#include <windows.h>

#include <vector>

class PackedDib
{
public:
    // Pixel() of a pixel whose mask bit is set.
    static constexpr COLORREF kTransparent = 0xFFFFFFFF;

    // Reads `size` bytes at `data`; Valid() tells whether they made a whole image.
    PackedDib(const BYTE* data, size_t size, bool hasMask);
    explicit PackedDib(const std::vector<BYTE>& data, bool hasMask = true);

    bool Valid() const { return m_valid; }
    const BITMAPINFOHEADER& Header() const { return m_header; }
    int Width() const { return m_header.biWidth; }
    // The picture's height (an icon header gives twice that).
    int Height() const { return m_height; }
    // The palette colours as COLORREFs, in index order.
    const std::vector<COLORREF>& Palette() const { return m_palette; }
    // x, y count from the top-left corner, as the picture is seen.
    int Index(int x, int y) const { return m_indices[y * Width() + x]; }
    bool Masked(int x, int y) const { return m_mask[y * Width() + x]; }
    // The colour shown, or kTransparent.
    COLORREF Pixel(int x, int y) const;
    int OpaqueCount() const;
    // The bounding box of the opaque pixels, right and bottom inclusive.
    RECT OpaqueBounds() const;
    // How many pixels show `colour`.
    int CountOf(COLORREF colour) const;

private:
    bool Read(const BYTE* data, size_t size, bool hasMask);

    BITMAPINFOHEADER m_header;
    int m_height;
    std::vector<COLORREF> m_palette;
    std::vector<BYTE> m_indices;
    std::vector<bool> m_mask;
    bool m_valid;
};
