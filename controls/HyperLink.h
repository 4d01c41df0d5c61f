// A text static drawn as a link: blue, underlined, with a pointing hand over it. A
// press opens the control's text with the shell or, when the shell cannot, puts the
// text on the clipboard. The label keeps no address of its own.
#pragma once

#include "afxwin.h"

class CHyperLink : public CStatic
{
public:
    CHyperLink();
    virtual ~CHyperLink();

protected:
    // The parent's colour request, reflected back to the label.
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    UINT OnNcHitTest(CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDown(UINT nFlags, CPoint point);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // The underlined font, made at the first colour request that draws the link look.
    BOOL CreateLinkFont();

    CFont m_font;
    HCURSOR m_hCursor;
};
