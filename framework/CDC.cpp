#include "CDC.h"

#include "CBitmap.h"
#include "CFont.h"
#include "HandleMap.h"

namespace
{
// Views of DCs and GDI objects nobody here owns, made on demand and released when
// the message loop goes idle, without touching their handles.
CHandleMap s_dcMap = HandleMapOf<CDC, &CDC::m_hDC>();
CHandleMap s_bitmapMap = HandleMapOf<CBitmap, &CBitmap::m_hObject>();
CHandleMap s_fontMap = HandleMapOf<CFont, &CFont::m_hObject>();
} // namespace

CDC::CDC()
    : m_hDC(NULL)
{
}

CDC::~CDC()
{
    DeleteDC();
}

CDC* CDC::FromHandle(HDC hDC)
{
    return (CDC*)s_dcMap.FromHandle(hDC);
}

void CDC::DeleteTempMap()
{
    s_dcMap.DeleteTemp();
    s_bitmapMap.DeleteTemp();
    s_fontMap.DeleteTemp();
}

HDC CDC::GetSafeHdc() const
{
    return m_hDC;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    DeleteDC();
    m_hDC = ::CreateCompatibleDC(pDC ? pDC->m_hDC : NULL);
    return m_hDC != NULL;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    HDC hDC = m_hDC;
    m_hDC = NULL;
    return ::DeleteDC(hDC);
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return (CBitmap*)s_bitmapMap.FromHandle(::SelectObject(m_hDC, pBitmap ? pBitmap->m_hObject : NULL));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return (CFont*)s_fontMap.FromHandle(::SelectObject(m_hDC, pFont ? pFont->m_hObject : NULL));
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    if (lpRect->right <= lpRect->left || lpRect->bottom <= lpRect->top)
        return;
    // An opaque empty text run fills the rectangle with no brush to create.
    COLORREF old = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, NULL, 0, NULL);
    ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rc = {x, y, x + cx, y + cy};
    FillSolidRect(&rc, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
               clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    // An empty rectangle has no inside to frame.
    if (cx <= 0 || cy <= 0)
        return;
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : NULL, xSrc, ySrc, dwRop);
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return ::SetTextColor(m_hDC, crColor);
}

int CDC::SetBkMode(int nBkMode)
{
    return ::SetBkMode(m_hDC, nBkMode);
}
