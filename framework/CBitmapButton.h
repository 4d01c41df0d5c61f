// An owner-drawn push button painted by copying one of four ready-made images.
#pragma once
#include "CBitmap.h"
#include "CButton.h"

class CBitmapButton : public CButton
{
public:
    CBitmapButton();

    // Resizes the button to its up image; does nothing while that image is empty.
    void SizeToContent();

    // Copies the pressed, else focused, else disabled, else up image, each of the
    // first three only when it holds a bitmap. No text and no focus rectangle.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    CBitmap m_bitmap;         // up
    CBitmap m_bitmapSel;      // pressed
    CBitmap m_bitmapFocus;    // focused
    CBitmap m_bitmapDisabled; // disabled
};
