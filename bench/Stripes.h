// A window of upright stripes of known colours for the pipette to read, and the screen
// points the sampling benchmarks visit on it: each point in the next stripe, so no two
// points in a row show the same colour or coordinates. Where the system scales this
// program's windows (a DPI other than 96 under Wine 10), the points are logical ones and
// the stripes' pixels on the screen lie that scale further out.
#pragma once
#include <windows.h>

class Stripes
{
public:
    // A topmost popup right of a picker dialog at the screen's top-left corner, inside
    // the screen even where it is scaled by 1.5; shown and painted before it returns.
    Stripes();
    ~Stripes();

    HWND Hwnd() const { return m_hwnd; }
    // Screen point number i of the walk.
    POINT Point(int i) const;
    // The colour painted at Point(i).
    COLORREF Color(int i) const;
    // The screen pixel that the point pt of the walk covers: pt itself unless the system
    // scales this program.
    POINT Pixel(POINT pt) const;
    // Whether the screen shows every stripe's colour where it should.
    bool OnScreen() const;
    // The screen's dots per inch for this program's points: 96 unless the system scales it.
    int Dpi() const;

private:
    // The window's rectangle in the screen's own pixels.
    RECT PhysicalRect() const;
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    HWND m_hwnd;
    int m_x;
    int m_y;
};
