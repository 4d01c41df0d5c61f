#include "controls/ColorSwatch.h"

CColorSwatch::CColorSwatch()
    : m_crColor(0)
{
}

CColorSwatch::~CColorSwatch()
{
}

BEGIN_MESSAGE_MAP(CColorSwatch, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CColorSwatch::SetColor(COLORREF crColor)
{
    m_crColor = crColor;
    InvalidateRect(NULL, FALSE);
}

void CColorSwatch::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    // The fill covers the ring too; the edge is drawn over it without shrinking the
    // rectangle, so the colour meets the border with no gap.
    dc.FillSolidRect(&rect, m_crColor);
    DrawEdge(dc.GetSafeHdc(), &rect, EDGE_SUNKEN, BF_RECT);
}
