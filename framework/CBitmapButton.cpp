#include "CBitmapButton.h"

#include "CDC.h"

CBitmapButton::CBitmapButton()
{
}

void CBitmapButton::SizeToContent()
{
    BITMAP bm;
    if (!m_bitmap.GetBitmap(&bm))
        return;
    ::SetWindowPos(m_hWnd, NULL, 0, 0, bm.bmWidth, bm.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    UINT state = lpDrawItemStruct->itemState;
    CBitmap* pBitmap = &m_bitmap;
    if ((state & ODS_SELECTED) && m_bitmapSel.m_hObject)
        pBitmap = &m_bitmapSel;
    else if ((state & ODS_FOCUS) && m_bitmapFocus.m_hObject)
        pBitmap = &m_bitmapFocus;
    else if ((state & ODS_DISABLED) && m_bitmapDisabled.m_hObject)
        pBitmap = &m_bitmapDisabled;

    // A button whose images were never made paints nothing at all.
    BITMAP bm;
    if (!pBitmap->GetBitmap(&bm))
        return;

    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return;
    CBitmap* pOld = memDC.SelectObject(pBitmap);
    if (!pOld)
        return;
    // Copy no more than the image holds, so nothing undefined lands in the item.
    const RECT& rc = lpDrawItemStruct->rcItem;
    int cx = bm.bmWidth < rc.right - rc.left ? bm.bmWidth : rc.right - rc.left;
    int cy = bm.bmHeight < rc.bottom - rc.top ? bm.bmHeight : rc.bottom - rc.top;
    pDC->BitBlt(rc.left, rc.top, cx, cy, &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOld);
}
