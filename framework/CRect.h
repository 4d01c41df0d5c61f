// A rectangle whose right and bottom edges are exclusive, usable wherever a RECT is.
#pragma once
#include <windows.h>

class CRect : public RECT
{
public:
    CRect() { ::SetRectEmpty(this); }
    CRect(int l, int t, int r, int b) { ::SetRect(this, l, t, r, b); }
    CRect(const RECT& src) { ::CopyRect(this, &src); }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    BOOL PtInRect(POINT point) const { return ::PtInRect(this, point); }
};
