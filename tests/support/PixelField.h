// A field of 256 x 256 screen pixels, each of which tells where it lies: the pixel at
// x,y is red x - left, green y - top, blue 128. Its window is made per-monitor aware, so
// that where the system scales this program's windows the field is still drawn pixel for
// pixel, and it is placed and read in the screen's own pixels. For tests of how a scaled
// program reads the screen.
#pragma once
#include <windows.h>

class PixelField
{
public:
    // The field with its top-left pixel at pt, topmost, shown and painted.
    explicit PixelField(POINT pt);
    ~PixelField();

    // Whether the screen shows every pixel of the field as it should.
    bool Shown() const;
    // The colour of the field's screen pixel pt.
    COLORREF ColourAt(POINT pt) const;

    // Stands the cursor on screen pixel pt and returns the point this program's mouse
    // messages carry for it there.
    static POINT PutCursorOn(POINT pt);

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    POINT m_topLeft;
    HWND m_hwnd;
};
