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
} // namespace

std::string ReadoutProblem(const TintletProcess& app)
{
    std::wstring dec = app.Text(IDC_RGB_DEC), hex = app.Text(IDC_RGB_HEX), ref = app.Text(IDC_COLORREF),
                 html = app.Text(IDC_HTML), coords = app.Text(IDC_COORDINATES);
    std::string all = "\"" + Narrow(dec) + "\" \"" + Narrow(hex) + "\" \"" + Narrow(ref) + "\" \"" + Narrow(html) +
                      "\" \"" + Narrow(coords) + "\"";
    // Before the first sample every readout is empty, after it none is.
    if (dec.empty() && hex.empty() && ref.empty() && html.empty() && coords.empty())
        return "";
    int d[3], h[3], w[3];
    if (!Parse3(dec, L"%d, %d, %d", d))
        return "decimal readout malformed: " + all;
    if (!Parse3(hex, L"%02X, %02X, %02X", h))
        return "hex readout malformed: " + all;
    if (!Parse3(html, L"#%02X%02X%02X", w))
        return "HTML readout malformed: " + all;
    unsigned cr = 0;
    wchar_t again[16];
    if (swscanf(ref.c_str(), L"%8X", &cr) != 1 || swprintf(again, 16, L"%08X", cr) <= 0 || ref != again)
        return "COLORREF readout malformed: " + all;
    // A failed read is CLR_INVALID, which the channel texts show as white.
    int c[3] = {(int)(cr & 0xFF), (int)((cr >> 8) & 0xFF), (int)((cr >> 16) & 0xFF)};
    if ((cr >> 24) != 0 && cr != CLR_INVALID)
        return "COLORREF readout is neither a colour nor CLR_INVALID: " + all;
    if (!SameColour(d, h) || !SameColour(d, w) || !SameColour(d, c))
        return "the readouts name different colours: " + all;
    int x, y;
    wchar_t pointAgain[32];
    if (swscanf(coords.c_str(), L"%d, %d", &x, &y) != 2 || swprintf(pointAgain, 32, L"%d, %d", x, y) <= 0 ||
        coords != pointAgain)
        return "coordinates readout malformed: " + all;
    return "";
}
