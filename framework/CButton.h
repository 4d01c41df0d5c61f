// A button. An owner-drawn button paints itself: the parent's WM_DRAWITEM for it is
// handed back to its DrawItem.
#pragma once
#include "CWnd.h"

class CButton : public CWnd
{
public:
    CButton();

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};
