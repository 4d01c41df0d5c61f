#include "monkey/Readouts.h"

#include "res/resource.h"
#include "support/ReadBack.h"

#include <regex>

namespace
{
std::string Narrow(const std::wstring& w)
{
    std::string s;
    for (wchar_t c : w)
        s += (c >= 32 && c < 127) ? (char)c : '?';
    return s;
}

// Accepts `text` only in the shape of `pattern`, whose three groups are the channels
// in `base`: no stray spaces, lower case or leading zeros get through.
bool Parse3(const std::wstring& text, const wchar_t* pattern, int base, int v[3])
{
    std::wsmatch m;
    if (!std::regex_match(text, m, std::wregex(pattern)))
        return false;
    for (int i = 0; i < 3; ++i)
        v[i] = std::stoi(m.str(i + 1), nullptr, base);
    return v[0] <= 255 && v[1] <= 255 && v[2] <= 255;
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
    if (!t.dec.empty() && !Parse3(t.dec, L"(0|[1-9]\\d{0,2}), (0|[1-9]\\d{0,2}), (0|[1-9]\\d{0,2})", 10, d))
        return "decimal readout malformed: " + all;
    if (!t.hex.empty() && !Parse3(t.hex, L"([0-9A-F]{2}), ([0-9A-F]{2}), ([0-9A-F]{2})", 16, h))
        return "hex readout malformed: " + all;
    if (!t.html.empty() && !Parse3(t.html, L"#([0-9A-F]{2})([0-9A-F]{2})([0-9A-F]{2})", 16, w))
        return "HTML readout malformed: " + all;
    unsigned long cr = 0;
    if (!t.ref.empty())
    {
        if (!std::regex_match(t.ref, std::wregex(L"[0-9A-F]{8}")))
            return "COLORREF readout malformed: " + all;
        cr = std::stoul(t.ref, nullptr, 16);
    }
    // A failed read is CLR_INVALID, which the channel texts show as white.
    if ((cr >> 24) != 0 && cr != CLR_INVALID)
        return "COLORREF readout is neither a colour nor CLR_INVALID: " + all;
    POINT pt;
    if (!t.coords.empty() && !ReadPoint(t.coords, &pt))
        return "coordinates readout malformed: " + all;
    int c[3] = {(int)(cr & 0xFF), (int)((cr >> 8) & 0xFF), (int)((cr >> 16) & 0xFF)};
    if (settled && (!SameColour(d, h) || !SameColour(d, w) || !SameColour(d, c)))
        return "the readouts name different colours: " + all;
    return "";
}
