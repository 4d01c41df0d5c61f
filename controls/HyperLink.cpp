#include "controls/HyperLink.h"

#include "controls/ClipboardText.h"
#include "res/resource.h"

#include <shellapi.h>

CHyperLink::CHyperLink()
{
    m_hCursor = (HCURSOR)LoadImageW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDC_LINK_CURSOR), IMAGE_CURSOR,
                                    GetSystemMetrics(SM_CXCURSOR), GetSystemMetrics(SM_CYCURSOR), LR_DEFAULTCOLOR);
}

CHyperLink::~CHyperLink()
{
    if (m_hCursor != NULL)
        DestroyCursor(m_hCursor);
}

BEGIN_MESSAGE_MAP(CHyperLink, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_NCHITTEST()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

HBRUSH CHyperLink::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    // Only left, centred and right text statics look like links; a null brush leaves
    // every other kind to the parent's ordinary colours.
    if ((GetStyle() & 0xFF) > SS_RIGHT)
        return NULL;

    // Made once; a failed attempt is tried again at the next paint.
    if (m_font.GetSafeHandle() == NULL)
        CreateLinkFont();

    // Some statics (Wine's) select their own font only after this request, so the link
    // font becomes the control's own as well; without it the underline would be lost.
    if (m_font.GetSafeHandle() != NULL && (HGDIOBJ)SendMessage(WM_GETFONT) != m_font.GetSafeHandle())
        SendMessage(WM_SETFONT, (WPARAM)m_font.GetSafeHandle(), FALSE);

    // The device context belongs to this one paint of the static: nothing to put back.
    pDC->SelectObject(&m_font);
    pDC->SetTextColor(RGB(0, 0, 255));
    pDC->SetBkMode(TRANSPARENT);
    return (HBRUSH)GetStockObject(NULL_BRUSH);
}

BOOL CHyperLink::CreateLinkFont()
{
    // A control made outside a dialog template may have no font of its own; it then
    // draws with its dialog's font, else with the system's default GUI font.
    HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
    CWnd* pParent = GetParent();
    if (hFont == NULL && pParent != NULL)
        hFont = (HFONT)pParent->SendMessage(WM_GETFONT);
    LOGFONTW lf;
    if (hFont == NULL || GetObjectW(hFont, sizeof(lf), &lf) != sizeof(lf))
    {
        if (GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf) != sizeof(lf))
            return FALSE;
    }
    lf.lfUnderline = TRUE;
    return m_font.CreateFontIndirect(&lf);
}

UINT CHyperLink::OnNcHitTest(CPoint /*point*/)
{
    // A static without SS_NOTIFY is transparent to the mouse; the link must see it.
    return HTCLIENT;
}

BOOL CHyperLink::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    // Without the hand the ordinary arrow is better than no pointer at all.
    if (m_hCursor == NULL)
        return (BOOL)Default();
    ::SetCursor(m_hCursor);
    return TRUE;
}

void CHyperLink::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    CString strText;
    GetWindowText(strText);
    HINSTANCE hResult = ShellExecuteW(NULL, L"open", strText, NULL, NULL, SW_SHOWNORMAL);
    // The shell reports failure as a value of 32 or less.
    if ((UINT_PTR)hResult <= 32)
        CopyTextToClipboard(this, strText);
    Default();
}

LRESULT CHyperLink::OnSetText(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    // The program runs on one thread, so a text sent from another thread comes from
    // outside it; the shell opens only texts the program itself gave the label.
    if (InSendMessageEx(NULL) & (ISMEX_SEND | ISMEX_NOTIFY | ISMEX_CALLBACK))
        return FALSE;
    return Default();
}
