// A device context. A CDC that made its DC with CreateCompatibleDC deletes it;
// wrappers from FromHandle are temporary views (we don't own those DCs).
#pragma once
#include <windows.h>

class CBitmap;
class CFont;

class CDC
{
public:
    CDC();
    virtual ~CDC();

    // A temporary wrapper for hDC, valid until DeleteTempMap; NULL for NULL.
    static CDC* FromHandle(HDC hDC);
    // Releases every temporary DC and GDI wrapper; the framework calls it when idle.
    static void DeleteTempMap();

    HDC GetSafeHdc() const;
    // Makes a memory DC compatible with pDC (with the screen when pDC is NULL).
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();

    // Each returns the object it replaced as a temporary wrapper, or NULL on failure.
    CBitmap* SelectObject(CBitmap* pBitmap);
    CFont* SelectObject(CFont* pFont);

    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    // One-pixel frame just inside the rectangle: top row and left column (less their
    // last pixel) in clrTopLeft, then right column and bottom row in clrBottomRight.
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    COLORREF SetTextColor(COLORREF crColor);
    int SetBkMode(int nBkMode);

    HDC m_hDC;

private:
    CDC(const CDC&);
    void operator=(const CDC&);
};
