// A window of upright stripes of known colours for the pipette to read, and the screen
// points the sampling benchmarks visit on it: each point in the next stripe, so no two
// points in a row show the same colour or coordinates.
#pragma once
#include <windows.h>

class Stripes
{
public:
    // A topmost popup at screen point (x, y), shown and painted before it returns.
    Stripes(int x, int y);
    ~Stripes();

    HWND Hwnd() const { return m_hwnd; }
    // Screen point number i of the walk.
    POINT Point(int i) const;
    // The colour painted at Point(i).
    COLORREF Color(int i) const;
    // Whether the screen shows every stripe's colour where it should.
    bool OnScreen() const;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    HWND m_hwnd;
    int m_x;
    int m_y;
};
