#include "CDC.h"

#include "CBitmap.h"
#include "CFont.h"

namespace
{
// Wrappers made for handles nobody here owns, kept one per handle until the framework
// goes idle, when their handles are detached and the wrappers deleted.
template <class T, class H> class TempMap
{
public:
    explicit constexpr TempMap(H T::*member) : m_member(member), m_items(NULL), m_count(0), m_capacity(0)
    {
    }

    T* FromHandle(H h)
    {
        if (!h)
            return NULL;
        for (int i = 0; i < m_count; ++i)
            if (m_items[i]->*m_member == h)
                return m_items[i];
        if (m_count == m_capacity && !Grow())
            return NULL;
        T* p = new T;
        if (!p)
            return NULL;
        p->*m_member = h;
        m_items[m_count++] = p;
        return p;
    }

    void DeleteAll()
    {
        for (int i = 0; i < m_count; ++i)
        {
            m_items[i]->*m_member = NULL;
            delete m_items[i];
        }
        m_count = 0;
    }

private:
    bool Grow()
    {
        int capacity = m_capacity ? m_capacity * 2 : 8;
        HANDLE heap = GetProcessHeap();
        void* p = m_items ? HeapReAlloc(heap, 0, m_items, capacity * sizeof(T*))
                          : HeapAlloc(heap, 0, capacity * sizeof(T*));
        if (!p)
            return false;
        m_items = (T**)p;
        m_capacity = capacity;
        return true;
    }

    H T::*m_member;
    T** m_items;
    int m_count;
    int m_capacity;
};

TempMap<CDC, HDC> s_tempDCs(&CDC::m_hDC);
TempMap<CBitmap, HGDIOBJ> s_tempBitmaps(&CBitmap::m_hObject);
TempMap<CFont, HGDIOBJ> s_tempFonts(&CFont::m_hObject);
} // namespace

CDC::CDC() : m_hDC(NULL)
{
}

CDC::~CDC()
{
    DeleteDC();
}

CDC* CDC::FromHandle(HDC hDC)
{
    return s_tempDCs.FromHandle(hDC);
}

void CDC::DeleteTempMap()
{
    s_tempDCs.DeleteAll();
    s_tempBitmaps.DeleteAll();
    s_tempFonts.DeleteAll();
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
    return s_tempBitmaps.FromHandle(::SelectObject(m_hDC, pBitmap ? pBitmap->m_hObject : NULL));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return s_tempFonts.FromHandle(::SelectObject(m_hDC, pFont ? pFont->m_hObject : NULL));
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
