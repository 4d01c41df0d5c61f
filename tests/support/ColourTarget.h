// A window of known colours to sample, at a fixed place so that tests know the
// coordinates they read back: 200 x 60 pixels at (10, 700), the bottom left of the
// screen, clear of the dialogs, which start at the top left. Four bands of the worked
// colours, and one lone pixel in a colour found nowhere else.
#pragma once
#include <windows.h>

struct Band
{
    COLORREF cr;
    const wchar_t* texts[4]; // decimal, hex, COLORREF, HTML
};

extern const Band kBands[4];
const int kBandCount = 4;
const COLORREF kLonePixel = 0x0000FF00; // in the white band

class ColourTarget
{
public:
    ColourTarget();
    ~ColourTarget();

    POINT BandCentre(int i) const; // (35 + 50 i, 730)
    POINT LonePixel() const;       // (170, 712)

private:
    HWND m_hwnd;
};
