#include "support/Canvas.h"

Canvas::Canvas(int width, int height, COLORREF background)
    : m_width(width),
      m_height(height)
{
    HDC screen = GetDC(NULL);
    m_hdc = CreateCompatibleDC(screen);
    m_bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(NULL, screen);
    m_oldBitmap = SelectObject(m_hdc, m_bitmap);
    HBRUSH brush = CreateSolidBrush(background);
    RECT rc = {0, 0, width, height};
    FillRect(m_hdc, &rc, brush);
    DeleteObject(brush);
}

Canvas::~Canvas()
{
    SelectObject(m_hdc, m_oldBitmap);
    DeleteObject(m_bitmap);
    DeleteDC(m_hdc);
}

void Canvas::Read()
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = m_width;
    bi.bmiHeader.biHeight = -m_height; // top-down rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    m_pixels.assign(m_width * m_height, 0xDEADBEEF);
    // GetDIBits wants the bitmap out of every device context.
    SelectObject(m_hdc, m_oldBitmap);
    GetDIBits(m_hdc, m_bitmap, 0, m_height, m_pixels.data(), &bi, DIB_RGB_COLORS);
    SelectObject(m_hdc, m_bitmap);
}

COLORREF Canvas::Pixel(int x, int y) const
{
    DWORD v = m_pixels[y * m_width + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

std::vector<COLORREF> Canvas::Pixels() const
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            pixels.push_back(Pixel(x, y));
    return pixels;
}

std::vector<COLORREF> ScreenPixels(const RECT& rc)
{
    Canvas canvas(rc.right - rc.left, rc.bottom - rc.top, 0);
    HDC screen = GetDC(NULL);
    BitBlt(canvas.Dc(), 0, 0, canvas.Width(), canvas.Height(), screen, rc.left, rc.top, SRCCOPY);
    ReleaseDC(NULL, screen);
    canvas.Read();
    return canvas.Pixels();
}
