// A memory bitmap to draw on and read back pixel by pixel, built from plain GDI so
// that it does not depend on the wrappers under test.
#pragma once
#include <windows.h>

#include <vector>

class Canvas
{
public:
    Canvas(int width, int height, COLORREF background);
    ~Canvas();

    HDC Dc() const { return m_hdc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Reads the whole bitmap (GetDIBits); later drawing needs another Read.
    void Read();
    COLORREF Pixel(int x, int y) const;
    // Every pixel of the last Read, row by row.
    std::vector<COLORREF> Pixels() const;

private:
    int m_width;
    int m_height;
    HDC m_hdc;
    HBITMAP m_bitmap;
    HGDIOBJ m_oldBitmap;
    std::vector<DWORD> m_pixels;
};

// What the screen shows in rc, row by row.
std::vector<COLORREF> ScreenPixels(const RECT& rc);
