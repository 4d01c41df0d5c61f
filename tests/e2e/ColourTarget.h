// A window of known colours for the end-to-end tests to drag over: four bands of the
// worked colours, and one lone pixel in a colour found nowhere else.
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
    // Shows the target where it does not overlap `dialog`.
    explicit ColourTarget(HWND dialog);
    ~ColourTarget();

    POINT BandCentre(int i) const;
    POINT LonePixel() const;

private:
    HWND m_hwnd;
    POINT m_origin;
};
