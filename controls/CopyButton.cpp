#include "controls/CopyButton.h"

#include <windowsx.h>

namespace
{
// Set from a double-click's second press until its release or the loss of the mouse.
bool s_bDblClkPending = false;
} // namespace

CCopyButton::CCopyButton()
    : m_nIDBitmap(0)
{
}

CCopyButton::~CCopyButton()
{
}

BEGIN_MESSAGE_MAP(CCopyButton, CBitmapButton)
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

bool CCopyButton::LoadMappedBitmaps(UINT nIDBitmap, COLORREF crToHighlight, COLORREF crToFace, COLORREF crToShadow)
{
    m_nIDBitmap = nIDBitmap;
    m_bitmap.DeleteObject();
    m_bitmapSel.DeleteObject();
    m_bitmapFocus.DeleteObject();
    m_bitmapDisabled.DeleteObject();

    COLORMAP colorMap[3] = {{crToHighlight, ::GetSysColor(COLOR_BTNHIGHLIGHT)},
                            {crToFace, ::GetSysColor(COLOR_BTNFACE)},
                            {crToShadow, ::GetSysColor(COLOR_BTNSHADOW)}};
    CBitmap* states[stateCount] = {&m_bitmap, &m_bitmapSel, &m_bitmapFocus, &m_bitmapDisabled};
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nIDBitmap), RT_BITMAP);
    bool bAllLoaded = true;
    for (UINT nState = stateUp; nState < stateCount; ++nState)
    {
        // Every state starts from its own fresh copy of the glyph.
        if (!states[nState]->Attach(::CreateMappedBitmap(hInst, nIDBitmap, 0, colorMap, 3)))
        {
            if (nState == stateUp)
                return false;
            bAllLoaded = false;
        }
        BuildStateBitmap(states[nState], nState);
    }
    return bAllLoaded;
}

void CCopyButton::BuildStateBitmap(CBitmap* pBitmap, UINT nState)
{
    // A state whose glyph did not load stays empty; drawing then falls back to the
    // up image instead of showing an undrawn one.
    if (pBitmap->m_hObject == NULL)
        return;

    CDC dcCanvas, dcWork;
    {
        CClientDC dcParent(GetParent());
        dcCanvas.CreateCompatibleDC(&dcParent);
        dcWork.CreateCompatibleDC(&dcCanvas);
    }

    BITMAP bm = {};
    ::GetObjectW(pBitmap->m_hObject, sizeof bm, &bm);
    const int W = bm.bmWidth, H = bm.bmHeight;
    CRect rect(0, 0, W + 5, H + 5);

    // The canvas takes the glyph's colour format; the glyph is deselected again so
    // it can be drawn from.
    CBitmap canvas;
    CBitmap* pOldWork = dcWork.SelectObject(pBitmap);
    canvas.CreateCompatibleBitmap(&dcWork, rect.Width(), rect.Height());
    dcWork.SelectObject(pOldWork);

    CBitmap* pOldCanvas = dcCanvas.SelectObject(&canvas);
    dcCanvas.FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));

    const COLORREF crHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF crBlack = RGB(0, 0, 0);
    HBITMAP hGlyph = (HBITMAP)pBitmap->m_hObject;
    switch (nState)
    {
    case stateUp:
        ::DrawStateW(dcCanvas.m_hDC, NULL, NULL, (LPARAM)hGlyph, 0, 2, 2, W, H, DST_BITMAP | DSS_NORMAL);
        dcCanvas.Draw3dRect(CRect(0, 0, W + 4, H + 4), crHighlight, crShadow);
        dcCanvas.Draw3dRect(&rect, crHighlight, crBlack);
        break;
    case statePressed:
        ::DrawStateW(dcCanvas.m_hDC, NULL, NULL, (LPARAM)hGlyph, 0, 3, 3, W, H, DST_BITMAP | DSS_NORMAL);
        dcCanvas.Draw3dRect(CRect(1, 1, W + 4, H + 4), crShadow, crShadow);
        dcCanvas.Draw3dRect(&rect, crBlack, crBlack);
        break;
    case stateFocused:
        ::DrawStateW(dcCanvas.m_hDC, NULL, NULL, (LPARAM)hGlyph, 0, 2, 2, W, H, DST_BITMAP | DSS_NORMAL);
        dcCanvas.Draw3dRect(CRect(1, 1, W + 3, H + 3), crHighlight, crShadow);
        dcCanvas.Draw3dRect(CRect(1, 1, W + 4, H + 4), crHighlight, crBlack);
        dcCanvas.Draw3dRect(&rect, crBlack, crBlack);
        break;
    case stateDisabled:
    {
        // The glyph's shape embossed, its face-coloured background left out.
        CImageList imageList;
        imageList.Create(W, H, ILC_COLOR16 | ILC_MASK, 1, 0);
        ::ImageList_AddMasked(imageList, hGlyph, ::GetSysColor(COLOR_BTNFACE));
        HICON hIcon = ::ImageList_GetIcon(imageList, 0, 0);
        ::DrawStateW(dcCanvas.m_hDC, NULL, NULL, (LPARAM)hIcon, 0, 2, 2, W, H, DST_ICON | DSS_DISABLED);
        if (hIcon != NULL)
            ::DestroyIcon(hIcon);
        dcCanvas.Draw3dRect(&rect, crHighlight, crBlack);
        break;
    }
    }

    pBitmap->DeleteObject();
    pBitmap->CreateCompatibleBitmap(&dcCanvas, rect.Width(), rect.Height());
    pOldWork = dcWork.SelectObject(pBitmap);
    dcWork.BitBlt(0, 0, rect.Width(), rect.Height(), &dcCanvas, 0, 0, SRCCOPY);
    dcWork.SelectObject(pOldWork);
    dcCanvas.SelectObject(pOldCanvas);
}

void CCopyButton::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    // The source colours are the glyph's own, whatever an earlier load mapped.
    LoadMappedBitmaps(m_nIDBitmap, crGlyphHighlight, crGlyphFace, crGlyphShadow);
}

LRESULT CCopyButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_LBUTTONDBLCLK:
        // The system's own double-click handling never runs: the second press is
        // shown as a press, and the button keeps the mouse until its release.
        SendMessage(BM_SETSTATE, 1, 0);
        s_bDblClkPending = true;
        SetCapture();
        return 0;
    case WM_LBUTTONUP:
        if (s_bDblClkPending)
        {
            // As with a click, only a release over the button clicks it.
            CRect rect;
            GetClientRect(&rect);
            bool bOver = rect.PtInRect(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) != FALSE;
            SendMessage(BM_SETSTATE, 0, 0);
            s_bDblClkPending = false;
            if (::GetCapture() == m_hWnd)
                ::ReleaseCapture();
            if (bOver)
                SendClickCommand();
        }
        break;
    case WM_CAPTURECHANGED:
        // The press ends without a release: nothing is clicked.
        if (s_bDblClkPending)
        {
            SendMessage(BM_SETSTATE, 0, 0);
            s_bDblClkPending = false;
        }
        break;
    }
    return CBitmapButton::DefWindowProc(message, wParam, lParam);
}

BOOL CCopyButton::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
    {
        SendClickCommand();
        return TRUE;
    }
    return CBitmapButton::PreTranslateMessage(pMsg);
}

void CCopyButton::SendClickCommand()
{
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        ::SendMessageW(pParent->m_hWnd, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), (LPARAM)m_hWnd);
}
