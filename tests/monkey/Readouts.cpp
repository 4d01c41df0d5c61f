#include "monkey/Readouts.h"

#include "res/resource.h"

#include <cstdio>
#include <cwchar>

namespace
{
std::string Narrow(const std::wstring& w)
{
    std::string s;
    for (wchar_t c : w)
        s += (c >= 32 && c < 127) ? (char)c : '?';
    return s;
}

// Parses `text` with `format` and accepts it only when printing the values back with
// the same format gives exactly the text: no stray spaces, case or leading zeros.
bool Parse3(const std::wstring& text, const wchar_t* format, int v[3])
{
    wchar_t again[64];
    return swscanf(text.c_str(), format, &v[0], &v[1], &v[2]) == 3 &&
           swprintf(again, 64, format, v[0], v[1], v[2]) > 0 && text == again && v[0] >= 0 && v[0] <= 255 &&
           v[1] >= 0 && v[1] <= 255 && v[2] >= 0 && v[2] <= 255;
}

bool SameColour(const int a[3], const int b[3])
{
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

struct Texts
{
    std::wstring dec, hex, ref, html, coords;

    bool operator==(const Texts& o) const
    {
        return dec == o.dec && hex == o.hex && ref == o.ref && html == o.html && coords == o.coords;
    }
};

// Each text is a message of its own, and the program may take a sample between two of
// them while it still works through a drag: only two equal readings in a row are one.
Texts Read(const TintletProcess& app, bool* settled)
{
    Texts last = {};
    for (int i = 0; i < 20; ++i)
    {
        Texts now = {app.Text(IDC_RGB_DEC), app.Text(IDC_RGB_HEX), app.Text(IDC_COLORREF), app.Text(IDC_HTML),
                     app.Text(IDC_COORDINATES)};
        if (i > 0 && now == last)
        {
            *settled = true;
            return now;
        }
        last = now;
        Sleep(5);
    }
    *settled = false;
    return last;
}
} // namespace

std::string ReadoutProblem(const TintletProcess& app)
{
    bool settled = false;
    Texts t = Read(app, &settled);
    std::string all = "\"" + Narrow(t.dec) + "\" \"" + Narrow(t.hex) + "\" \"" + Narrow(t.ref) + "\" \"" +
                      Narrow(t.html) + "\" \"" + Narrow(t.coords) + "\"";
    // Before the first sample every readout is empty, after it none is.
    if (t.dec.empty() && t.hex.empty() && t.ref.empty() && t.html.empty() && t.coords.empty())
        return "";
    if (settled && (t.dec.empty() || t.hex.empty() || t.ref.empty() || t.html.empty() || t.coords.empty()))
        return "some readouts are empty, some not: " + all;
    // A reading taken while the texts changed holds texts of two samples: each is
    // checked on its own.
    int d[3], h[3], w[3];
    if (!t.dec.empty() && !Parse3(t.dec, L"%d, %d, %d", d))
        return "decimal readout malformed: " + all;
    if (!t.hex.empty() && !Parse3(t.hex, L"%02X, %02X, %02X", h))
        return "hex readout malformed: " + all;
    if (!t.html.empty() && !Parse3(t.html, L"#%02X%02X%02X", w))
        return "HTML readout malformed: " + all;
    unsigned cr = 0;
    wchar_t again[16];
    if (!t.ref.empty() &&
        (swscanf(t.ref.c_str(), L"%8X", &cr) != 1 || swprintf(again, 16, L"%08X", cr) <= 0 || t.ref != again))
        return "COLORREF readout malformed: " + all;
    // A failed read is CLR_INVALID, which the channel texts show as white.
    if ((cr >> 24) != 0 && cr != CLR_INVALID)
        return "COLORREF readout is neither a colour nor CLR_INVALID: " + all;
    int x, y;
    wchar_t pointAgain[32];
    if (!t.coords.empty() && (swscanf(t.coords.c_str(), L"%d, %d", &x, &y) != 2 ||
                              swprintf(pointAgain, 32, L"%d, %d", x, y) <= 0 || t.coords != pointAgain))
        return "coordinates readout malformed: " + all;
    int c[3] = {(int)(cr & 0xFF), (int)((cr >> 8) & 0xFF), (int)((cr >> 16) & 0xFF)};
    if (settled && (!SameColour(d, h) || !SameColour(d, w) || !SameColour(d, c)))
        return "the readouts name different colours: " + all;
    return "";
}
