// CDC drawing checked pixel by pixel on memory bitmaps, and the ownership rules of
// the GDI wrappers: what a wrapper holds dies with it, what it only views survives.
#include "CBitmap.h"
#include "CDC.h"
#include "CFont.h"
#include "CImageList.h"
#include "CPaintDC.h"
#include "CPoint.h"
#include "CRect.h"
#include "CWnd.h"

#include "support/Canvas.h"
#include "support/Pump.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kBack = RGB(0x10, 0x20, 0x30);
const COLORREF kFirst = RGB(0xFF, 0x00, 0x00);
const COLORREF kSecond = RGB(0x00, 0x00, 0xFF);
const COLORREF kHighlight = RGB(0xFF, 0xFF, 0xFF);
const COLORREF kShadow = RGB(0x80, 0x80, 0x80);
const COLORREF kBlack = RGB(0, 0, 0);

// What a single frame of (l, t, r, b) leaves at (x, y): the second colour's lines are
// drawn last, so they win where the two meet.
COLORREF FramePixel(const RECT& rc, int x, int y, COLORREF first, COLORREF second, COLORREF back)
{
    bool inRows = y >= rc.top && y <= rc.bottom - 1;
    bool inCols = x >= rc.left && x <= rc.right - 1;
    if ((x == rc.right - 1 && inRows) || (y == rc.bottom - 1 && inCols))
        return second;
    if ((y == rc.top && x >= rc.left && x <= rc.right - 2) || (x == rc.left && y >= rc.top && y <= rc.bottom - 2))
        return first;
    return back;
}

void ExpectSingleFrame(Canvas& canvas, const RECT& rc)
{
    canvas.Read();
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            ASSERT_EQ(FramePixel(rc, x, y, kFirst, kSecond, kBack), canvas.Pixel(x, y)) << "at " << x << "," << y;
}

bool IsGdiObject(HGDIOBJ h)
{
    return GetObjectType(h) != 0;
}
} // namespace

TEST(Draw3dRect, SetsOnlyTheOnePixelFrameInsideTheRectangle)
{
    Canvas canvas(20, 16, kBack);
    CRect rc(3, 2, 15, 12);
    CDC::FromHandle(canvas.Dc())->Draw3dRect(rc, kFirst, kSecond);
    ExpectSingleFrame(canvas, rc);

    // Only the top-left corner keeps the first colour.
    EXPECT_EQ(kFirst, canvas.Pixel(3, 2));
    EXPECT_EQ(kSecond, canvas.Pixel(14, 2));
    EXPECT_EQ(kSecond, canvas.Pixel(3, 11));
    EXPECT_EQ(kSecond, canvas.Pixel(14, 11));
    // Nothing outside, nothing in the middle.
    EXPECT_EQ(kBack, canvas.Pixel(15, 2));
    EXPECT_EQ(kBack, canvas.Pixel(3, 12));
    EXPECT_EQ(kBack, canvas.Pixel(2, 2));
    EXPECT_EQ(kBack, canvas.Pixel(4, 3));
    CDC::DeleteTempMap();
}

TEST(Draw3dRect, PointAndExtentFormDrawsTheSameFrame)
{
    Canvas canvas(20, 16, kBack);
    CDC::FromHandle(canvas.Dc())->Draw3dRect(1, 4, 9, 7, kFirst, kSecond);
    ExpectSingleFrame(canvas, CRect(1, 4, 10, 11));
    CDC::DeleteTempMap();
}

TEST(Draw3dRect, DegenerateRectangles)
{
    Canvas canvas(8, 8, kBack);
    CDC* pDC = CDC::FromHandle(canvas.Dc());
    // Empty and inverted rectangles have no inside and draw nothing.
    pDC->Draw3dRect(2, 2, 0, 4, kFirst, kSecond);
    pDC->Draw3dRect(2, 2, 4, 0, kFirst, kSecond);
    pDC->Draw3dRect(CRect(6, 6, 2, 2), kFirst, kSecond);
    canvas.Read();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(kBack, canvas.Pixel(x, y)) << x << "," << y;

    // A single pixel is its own bottom-right corner.
    pDC->Draw3dRect(1, 1, 1, 1, kFirst, kSecond);
    // A one-pixel-wide column is all right edge.
    pDC->Draw3dRect(5, 1, 1, 5, kFirst, kSecond);
    canvas.Read();
    EXPECT_EQ(kSecond, canvas.Pixel(1, 1));
    EXPECT_EQ(kBack, canvas.Pixel(2, 1));
    EXPECT_EQ(kBack, canvas.Pixel(1, 2));
    for (int y = 1; y <= 5; ++y)
        EXPECT_EQ(kSecond, canvas.Pixel(5, y)) << y;
    EXPECT_EQ(kBack, canvas.Pixel(5, 6));
    CDC::DeleteTempMap();
}

TEST(Draw3dRect, LaterFramesPaintOverEarlierOnes)
{
    // The raised button of a 15 x 15 glyph: an inner highlight/shadow frame, then an
    // outer highlight/black frame one pixel larger.
    const int W = 15, H = 15;
    Canvas canvas(W + 5, H + 5, kBack);
    CDC* pDC = CDC::FromHandle(canvas.Dc());
    CRect rc(0, 0, W + 5, H + 5);
    pDC->Draw3dRect(CRect(0, 0, W + 4, H + 4), kHighlight, kShadow);
    pDC->Draw3dRect(rc, kHighlight, kBlack);
    canvas.Read();

    for (int i = 0; i < H + 5; ++i)
    {
        EXPECT_EQ(kBlack, canvas.Pixel(W + 4, i)) << "right column, row " << i;
        EXPECT_EQ(kBlack, canvas.Pixel(i, H + 4)) << "bottom row, column " << i;
    }
    for (int i = 0; i < W + 4; ++i)
    {
        EXPECT_EQ(kHighlight, canvas.Pixel(i, 0)) << "top row, column " << i;
        EXPECT_EQ(kHighlight, canvas.Pixel(0, i)) << "left column, row " << i;
    }
    EXPECT_EQ(kHighlight, canvas.Pixel(W + 3, 0));
    for (int y = 1; y <= H + 3; ++y)
        EXPECT_EQ(kShadow, canvas.Pixel(W + 3, y)) << "shadow column, row " << y;
    for (int x = 1; x <= W + 3; ++x)
        EXPECT_EQ(kShadow, canvas.Pixel(x, H + 3)) << "shadow row, column " << x;
    EXPECT_EQ(kBack, canvas.Pixel(1, 1));
    EXPECT_EQ(kBack, canvas.Pixel(W + 2, H + 2));
    CDC::DeleteTempMap();
}

TEST(FillSolidRect, FillsExactlyTheRectangleAndKeepsTheBackgroundColour)
{
    Canvas canvas(12, 10, kBack);
    CDC* pDC = CDC::FromHandle(canvas.Dc());
    SetBkColor(canvas.Dc(), RGB(1, 2, 3));
    pDC->FillSolidRect(CRect(2, 3, 7, 9), kFirst);
    pDC->FillSolidRect(8, 0, 3, 2, kSecond);
    pDC->FillSolidRect(CRect(5, 5, 1, 1), kSecond);
    pDC->FillSolidRect(0, 0, -3, 4, kSecond);
    EXPECT_EQ(RGB(1, 2, 3), GetBkColor(canvas.Dc()));
    canvas.Read();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x)
        {
            COLORREF want = kBack;
            if (x >= 2 && x < 7 && y >= 3 && y < 9)
                want = kFirst;
            else if (x >= 8 && x < 11 && y < 2)
                want = kSecond;
            ASSERT_EQ(want, canvas.Pixel(x, y)) << x << "," << y;
        }
    CDC::DeleteTempMap();
}

TEST(CDCMemory, CompatibleBitmapSelectAndBitBlt)
{
    Canvas canvas(16, 16, kBack);
    CDC* pTarget = CDC::FromHandle(canvas.Dc());
    EXPECT_EQ(pTarget, CDC::FromHandle(canvas.Dc()));
    EXPECT_EQ(nullptr, CDC::FromHandle(NULL));

    CDC memDC;
    ASSERT_TRUE(memDC.CreateCompatibleDC(pTarget));
    EXPECT_EQ(memDC.m_hDC, memDC.GetSafeHdc());
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(pTarget, 6, 5));
    BITMAP bm = {};
    EXPECT_EQ((int)sizeof(BITMAP), bitmap.GetBitmap(&bm));
    EXPECT_EQ(6, bm.bmWidth);
    EXPECT_EQ(5, bm.bmHeight);
    EXPECT_EQ(GetDeviceCaps(canvas.Dc(), BITSPIXEL), bm.bmBitsPixel);

    HGDIOBJ stock = GetCurrentObject(memDC.m_hDC, OBJ_BITMAP);
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    ASSERT_NE(nullptr, pOld);
    EXPECT_EQ(stock, pOld->m_hObject);
    EXPECT_EQ((HGDIOBJ)(HBITMAP)bitmap, GetCurrentObject(memDC.m_hDC, OBJ_BITMAP));
    memDC.FillSolidRect(0, 0, 6, 5, kFirst);
    memDC.FillSolidRect(0, 0, 1, 1, kSecond);
    EXPECT_TRUE(pTarget->BitBlt(3, 4, 6, 5, &memDC, 0, 0, SRCCOPY));

    // Selecting the old bitmap back hands out our own bitmap's handle.
    CBitmap* pMine = memDC.SelectObject(pOld);
    ASSERT_NE(nullptr, pMine);
    EXPECT_EQ(bitmap.m_hObject, pMine->m_hObject);
    EXPECT_EQ(stock, GetCurrentObject(memDC.m_hDC, OBJ_BITMAP));

    canvas.Read();
    EXPECT_EQ(kSecond, canvas.Pixel(3, 4));
    EXPECT_EQ(kFirst, canvas.Pixel(8, 8));
    EXPECT_EQ(kBack, canvas.Pixel(9, 8));
    EXPECT_EQ(kBack, canvas.Pixel(3, 9));
    EXPECT_EQ(kBack, canvas.Pixel(2, 4));

    // Releasing the temporaries leaves everything they viewed alive.
    HBITMAP hBitmap = bitmap;
    CDC::DeleteTempMap();
    EXPECT_TRUE(IsGdiObject(stock));
    EXPECT_TRUE(IsGdiObject(hBitmap));
    EXPECT_EQ((DWORD)OBJ_MEMDC, GetObjectType(canvas.Dc()));
    // A later lookup makes a fresh view of the same DC.
    EXPECT_EQ(canvas.Dc(), CDC::FromHandle(canvas.Dc())->m_hDC);
    CDC::DeleteTempMap();
}

TEST(CDCMemory, FontSelectionAndTextState)
{
    Canvas canvas(4, 4, kBack);
    CDC* pDC = CDC::FromHandle(canvas.Dc());
    HGDIOBJ original = GetCurrentObject(canvas.Dc(), OBJ_FONT);

    // An empty font changes nothing.
    CFont empty;
    EXPECT_EQ(nullptr, pDC->SelectObject(&empty));
    EXPECT_EQ(original, GetCurrentObject(canvas.Dc(), OBJ_FONT));

    LOGFONTW lf = {};
    lf.lfHeight = -12;
    lf.lfUnderline = TRUE;
    lstrcpyW(lf.lfFaceName, L"Tahoma");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    EXPECT_EQ((DWORD)OBJ_FONT, GetObjectType((HFONT)font));
    LOGFONTW back = {};
    GetObjectW(font, sizeof back, &back);
    EXPECT_EQ(TRUE, back.lfUnderline);
    EXPECT_EQ(-12, back.lfHeight);

    CFont* pOld = pDC->SelectObject(&font);
    ASSERT_NE(nullptr, pOld);
    EXPECT_EQ(original, pOld->m_hObject);
    EXPECT_EQ((HGDIOBJ)(HFONT)font, GetCurrentObject(canvas.Dc(), OBJ_FONT));
    pDC->SelectObject(pOld);

    pDC->SetTextColor(RGB(0, 0, 255));
    EXPECT_EQ(RGB(0, 0, 255), pDC->SetTextColor(RGB(0, 0, 255)));
    pDC->SetBkMode(TRANSPARENT);
    EXPECT_EQ(TRANSPARENT, GetBkMode(canvas.Dc()));
    CDC::DeleteTempMap();
    EXPECT_TRUE(IsGdiObject(original));
}

TEST(GdiOwnership, WrappersDeleteWhatTheyHold)
{
    HDC screen = GetDC(NULL);
    HBITMAP h1 = CreateCompatibleBitmap(screen, 2, 2);
    HBITMAP h2 = CreateCompatibleBitmap(screen, 3, 3);
    HBITMAP h3 = CreateCompatibleBitmap(screen, 4, 4);
    ReleaseDC(NULL, screen);
    {
        CBitmap bitmap;
        EXPECT_EQ(nullptr, bitmap.GetSafeHandle());
        EXPECT_FALSE(bitmap.DeleteObject());
        EXPECT_FALSE(bitmap.Attach(NULL));
        ASSERT_TRUE(bitmap.Attach(h1));
        EXPECT_EQ((HGDIOBJ)h1, bitmap.GetSafeHandle());
        // Attaching a second object releases the first instead of leaking it.
        ASSERT_TRUE(bitmap.Attach(h2));
        EXPECT_FALSE(IsGdiObject(h1));
        EXPECT_TRUE(IsGdiObject(h2));
        // A failed creation keeps what is held.
        EXPECT_FALSE(bitmap.Attach(NULL));
        EXPECT_EQ((HGDIOBJ)h2, bitmap.m_hObject);
    }
    EXPECT_FALSE(IsGdiObject(h2));

    {
        CBitmap bitmap;
        bitmap.Attach(h3);
        EXPECT_EQ((HGDIOBJ)h3, bitmap.Detach());
        EXPECT_EQ(nullptr, bitmap.m_hObject);
    }
    EXPECT_TRUE(IsGdiObject(h3));
    DeleteObject(h3);

    HGDIOBJ hFont;
    {
        LOGFONTW lf = {};
        lf.lfHeight = -11;
        CFont font;
        ASSERT_TRUE(font.CreateFontIndirect(&lf));
        hFont = font.m_hObject;
        EXPECT_TRUE(IsGdiObject(hFont));
    }
    EXPECT_FALSE(IsGdiObject(hFont));

    {
        CBitmap bitmap;
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 4, 4));
        HGDIOBJ first = bitmap.m_hObject;
        EXPECT_TRUE(bitmap.DeleteObject());
        EXPECT_FALSE(IsGdiObject(first));
        EXPECT_EQ(nullptr, bitmap.m_hObject);
    }
}

TEST(GdiOwnership, CreatedDeviceContextsDieWithTheirWrapper)
{
    HDC hdc;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
        hdc = dc.m_hDC;
        EXPECT_EQ((DWORD)OBJ_MEMDC, GetObjectType(hdc));
    }
    EXPECT_EQ(0u, GetObjectType(hdc));

    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
    HDC first = dc.m_hDC;
    // Making a second DC releases the first.
    ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
    EXPECT_EQ(0u, GetObjectType(first));
    HDC second = dc.m_hDC;
    EXPECT_TRUE(dc.DeleteDC());
    EXPECT_EQ(0u, GetObjectType(second));
    EXPECT_EQ(nullptr, dc.m_hDC);
    EXPECT_FALSE(dc.DeleteDC());
}

TEST(GdiOwnership, ImageListCreateAndDestroy)
{
    CImageList list;
    EXPECT_EQ(nullptr, (HIMAGELIST)list);
    EXPECT_FALSE(list.DeleteImageList());
    ASSERT_TRUE(list.Create(15, 15, ILC_COLOR16 | ILC_MASK, 1, 0));
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(15, cx);
    EXPECT_EQ(15, cy);
    EXPECT_EQ(0, ImageList_GetImageCount(list));

    ASSERT_TRUE(list.Create(8, 6, ILC_COLOR16 | ILC_MASK, 1, 0));
    EXPECT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(8, cx);
    EXPECT_EQ(6, cy);
    EXPECT_EQ(list.m_hImageList, (HIMAGELIST)list);
    EXPECT_TRUE(list.DeleteImageList());
    EXPECT_EQ(nullptr, list.m_hImageList);
    EXPECT_FALSE(list.DeleteImageList());
}

// Right and bottom edges are outside the rectangle.
TEST(CRectGeometry, RightAndBottomEdgesAreExclusive)
{
    CRect rc(0, 0, 20, 10);
    EXPECT_EQ(20, rc.Width());
    EXPECT_EQ(10, rc.Height());
    EXPECT_TRUE(rc.PtInRect(CPoint(0, 0)));
    EXPECT_TRUE(rc.PtInRect(CPoint(19, 9)));
    EXPECT_FALSE(rc.PtInRect(CPoint(20, 5)));
    EXPECT_FALSE(rc.PtInRect(CPoint(5, 10)));
    EXPECT_FALSE(rc.PtInRect(CPoint(-1, 5)));
}

namespace
{
struct PaintLog
{
    int paints = 0;
    bool dcMatched = false;
    RECT rcPaint = {};
    COLORREF color = kSecond;
};
PaintLog g_paint;

LRESULT CALLBACK PaintProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_PAINT)
    {
        CPaintDC dc(CWnd::FromHandle(hwnd));
        ++g_paint.paints;
        g_paint.dcMatched = dc.m_hDC != NULL && dc.m_hDC == dc.m_ps.hdc;
        g_paint.rcPaint = dc.m_ps.rcPaint;
        dc.FillSolidRect(&dc.m_ps.rcPaint, g_paint.color);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}
} // namespace

TEST(CPaintDCTest, PaintsTheUpdateRegionAndValidatesIt)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = PaintProc;
    wc.hInstance = GetModuleHandleW(NULL);
    wc.lpszClassName = L"TintletPaintDCTest";
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 10, 10, 40, 30, NULL, NULL,
                                wc.hInstance, NULL);
    ASSERT_NE(nullptr, hwnd);
    PumpMessages();
    UpdateWindow(hwnd);

    g_paint = PaintLog();
    g_paint.color = kFirst;
    RECT part = {5, 6, 15, 16};
    InvalidateRect(hwnd, &part, FALSE);
    UpdateWindow(hwnd);
    EXPECT_EQ(1, g_paint.paints);
    EXPECT_TRUE(g_paint.dcMatched);
    EXPECT_TRUE(EqualRect(&part, &g_paint.rcPaint));
    // EndPaint ran: nothing is left to paint.
    EXPECT_FALSE(GetUpdateRect(hwnd, NULL, FALSE));

    HDC hdc = GetDC(hwnd);
    EXPECT_EQ(kFirst, GetPixel(hdc, 5, 6));
    EXPECT_EQ(kFirst, GetPixel(hdc, 14, 15));
    EXPECT_EQ(kSecond, GetPixel(hdc, 4, 6));
    EXPECT_EQ(kSecond, GetPixel(hdc, 15, 15));
    ReleaseDC(hwnd, hdc);

    DestroyWindow(hwnd);
    CWnd::DeleteTempMap();
    UnregisterClassW(wc.lpszClassName, wc.hInstance);
}
