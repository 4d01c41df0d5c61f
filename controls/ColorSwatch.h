// The well that shows the current colour: one solid fill inside a sunken edge.
// It paints only the colour it holds and knows nothing of where the colour came from.
#pragma once

#include "afxwin.h"

class CColorSwatch : public CStatic
{
public:
    CColorSwatch();
    virtual ~CColorSwatch();

    // Stores the colour unchanged and invalidates without erase, even when the colour
    // is the one already shown; the repaint comes with the next WM_PAINT.
    void SetColor(COLORREF crColor);

protected:
    void OnPaint();
    DECLARE_MESSAGE_MAP()

    COLORREF m_crColor;
};
