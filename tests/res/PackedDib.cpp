#include "res/PackedDib.h"

#include "res/ByteReader.h"

namespace
{
// Reads rows of `bpp`-bit values, stored bottom-up and padded to 4 bytes, into top-down order.
bool ReadRows(ByteReader& in, int width, int height, int bpp, std::vector<BYTE>& out)
{
    size_t stride = (size_t(width) * bpp + 31) / 32 * 4;
    out.assign(size_t(width) * height, 0);
    for (int row = height - 1; row >= 0; --row)
    {
        std::vector<BYTE> bytes(stride);
        for (BYTE& b : bytes)
            b = in.Byte();
        for (int x = 0; x < width; ++x)
        {
            int bit = x * bpp;
            out[size_t(row) * width + x] = BYTE((bytes[bit / 8] >> (8 - bpp - bit % 8)) & ((1 << bpp) - 1));
        }
    }
    return !in.Failed();
}
} // namespace

PackedDib::PackedDib(const BYTE* data, size_t size, bool hasMask)
    : m_header(),
      m_height(0),
      m_valid(false)
{
    m_valid = Read(data, size, hasMask);
}

PackedDib::PackedDib(const std::vector<BYTE>& data, bool hasMask)
    : PackedDib(data.data(), data.size(), hasMask)
{
}

bool PackedDib::Read(const BYTE* data, size_t size, bool hasMask)
{
    ByteReader in(data, size);
    m_header.biSize = in.Dword();
    m_header.biWidth = LONG(in.Dword());
    m_header.biHeight = LONG(in.Dword());
    m_header.biPlanes = in.Word();
    m_header.biBitCount = in.Word();
    m_header.biCompression = in.Dword();
    m_header.biSizeImage = in.Dword();
    m_header.biXPelsPerMeter = LONG(in.Dword());
    m_header.biYPelsPerMeter = LONG(in.Dword());
    m_header.biClrUsed = in.Dword();
    m_header.biClrImportant = in.Dword();
    int bpp = m_header.biBitCount;
    if (in.Failed() || m_header.biSize != sizeof(BITMAPINFOHEADER) || m_header.biCompression != BI_RGB ||
        (bpp != 1 && bpp != 4 && bpp != 8) || m_header.biWidth <= 0 || m_header.biHeight <= 0 ||
        m_header.biWidth > 256 || m_header.biHeight > 512)
        return false;
    m_height = hasMask ? m_header.biHeight / 2 : m_header.biHeight;

    DWORD colours = m_header.biClrUsed ? m_header.biClrUsed : 1u << bpp;
    for (DWORD i = 0; i < colours; ++i)
    {
        BYTE b = in.Byte(), g = in.Byte(), r = in.Byte();
        in.Byte();
        m_palette.push_back(RGB(r, g, b));
    }
    if (!ReadRows(in, Width(), m_height, bpp, m_indices))
        return false;
    for (BYTE i : m_indices)
        if (i >= m_palette.size())
            return false;
    std::vector<BYTE> mask;
    if (hasMask && !ReadRows(in, Width(), m_height, 1, mask))
        return false;
    m_mask.assign(m_indices.size(), false);
    for (size_t i = 0; i < mask.size(); ++i)
        m_mask[i] = mask[i] != 0;
    // Nothing may follow the image.
    return in.Offset() == size;
}

COLORREF PackedDib::Pixel(int x, int y) const
{
    return Masked(x, y) ? kTransparent : m_palette[Index(x, y)];
}

int PackedDib::OpaqueCount() const
{
    int n = 0;
    for (bool m : m_mask)
        n += !m;
    return n;
}

RECT PackedDib::OpaqueBounds() const
{
    RECT r = {Width(), Height(), -1, -1};
    for (int y = 0; y < Height(); ++y)
        for (int x = 0; x < Width(); ++x)
            if (!Masked(x, y))
            {
                r.left = x < r.left ? x : r.left;
                r.top = y < r.top ? y : r.top;
                r.right = x > r.right ? x : r.right;
                r.bottom = y > r.bottom ? y : r.bottom;
            }
    return r;
}

int PackedDib::CountOf(COLORREF colour) const
{
    int n = 0;
    for (int y = 0; y < Height(); ++y)
        for (int x = 0; x < Width(); ++x)
            n += Pixel(x, y) == colour;
    return n;
}
