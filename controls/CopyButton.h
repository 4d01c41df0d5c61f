// The small bitmap button beside a readout. Its four images (up, pressed, focused,
// disabled) are made at run time from one glyph in the current button colours, and
// made again when the system colours change. A double-click's second click and the
// Enter key send the same click command as an ordinary click.
#pragma once

#include "afxcmn.h"
#include "afxext.h"

class CCopyButton : public CBitmapButton
{
public:
    // The image states, as BuildStateBitmap numbers them.
    enum State
    {
        stateUp = 0,
        statePressed = 1,
        stateFocused = 2,
        stateDisabled = 3,
        stateCount
    };
    // The glyph's own colours, which take the system's button highlight, face and
    // shadow colours.
    static const COLORREF crGlyphHighlight = RGB(255, 255, 255);
    static const COLORREF crGlyphFace = RGB(192, 192, 192);
    static const COLORREF crGlyphShadow = RGB(128, 128, 128);

    CCopyButton();
    virtual ~CCopyButton();

    // Builds the four images from bitmap nIDBitmap, whose pixels of the three source
    // colours take the system's button highlight, face and shadow colours. Needs the
    // button attached to its window. False when any image could not be loaded.
    bool LoadMappedBitmaps(UINT nIDBitmap, COLORREF crToHighlight, COLORREF crToFace, COLORREF crToShadow);

    // Enter on the focused button clicks it instead of the dialog's default button.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    // A double-click shows the button pressed and clicks again when released over it.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Turns the freshly loaded glyph in pBitmap into the finished image of state nState.
    virtual void BuildStateBitmap(CBitmap* pBitmap, UINT nState);

    void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

    UINT m_nIDBitmap;

private:
    // WM_COMMAND/BN_CLICKED to the parent, sent synchronously, as a click would.
    void SendClickCommand();
};
