#include "support/ColourTarget.h"

#include "support/Pump.h"

const Band kBands[4] = {
    {0x00FF8040, {L"64, 128, 255", L"40, 80, FF", L"00FF8040", L"#4080FF"}},
    {0x000000FF, {L"255, 0, 0", L"FF, 00, 00", L"000000FF", L"#FF0000"}},
    {0x00030201, {L"1, 2, 3", L"01, 02, 03", L"00030201", L"#010203"}},
    {0x00FFFFFF, {L"255, 255, 255", L"FF, FF, FF", L"00FFFFFF", L"#FFFFFF"}},
};

namespace
{
const POINT kOrigin = {10, 700};
const int kBand = 50, kBandHeight = 60;
const POINT kLoneAt = {3 * kBand + 10, 12};

LRESULT CALLBACK TargetProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg != WM_PAINT)
        return DefWindowProcW(hwnd, msg, wp, lp);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    for (int i = 0; i < kBandCount; ++i)
    {
        RECT rc = {i * kBand, 0, (i + 1) * kBand, kBandHeight};
        HBRUSH brush = CreateSolidBrush(kBands[i].cr);
        FillRect(dc, &rc, brush);
        DeleteObject(brush);
    }
    SetPixel(dc, kLoneAt.x, kLoneAt.y, kLonePixel);
    EndPaint(hwnd, &ps);
    return 0;
}
} // namespace

ColourTarget::ColourTarget()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = TargetProc;
    wc.hInstance = GetModuleHandleW(NULL);
    wc.lpszClassName = L"TintletColourTarget";
    RegisterClassW(&wc);
    m_hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, kOrigin.x,
                             kOrigin.y, kBand * kBandCount, kBandHeight, NULL, NULL, NULL, NULL);
    UpdateWindow(m_hwnd);
    PumpMessages(100);
}

ColourTarget::~ColourTarget()
{
    DestroyWindow(m_hwnd);
}

POINT ColourTarget::BandCentre(int i) const
{
    return {kOrigin.x + i * kBand + kBand / 2, kOrigin.y + kBandHeight / 2};
}

POINT ColourTarget::LonePixel() const
{
    return {kOrigin.x + kLoneAt.x, kOrigin.y + kLoneAt.y};
}
