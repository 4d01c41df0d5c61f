// The switch is declared for Windows 10 and later only, and is called through that
// declaration's type.
#undef WINVER
#define WINVER 0x0605
#include "support/PixelField.h"

#include "support/Pump.h"

#include <vector>

namespace
{
const int kSide = 256;
const wchar_t kClass[] = L"TintletPixelField";

// Runs f with the thread per-monitor aware, where windows and the cursor are in the
// screen's own pixels; as it is where the system has no switch (no scaling either).
template <class F> void InPixels(F f)
{
    decltype(&::SetThreadDpiAwarenessContext) set = reinterpret_cast<decltype(set)>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext"));
    DPI_AWARENESS_CONTEXT previous = set ? set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE) : NULL;
    f();
    if (previous)
        set(previous);
}
} // namespace

PixelField::PixelField(POINT pt)
    : m_topLeft(pt),
      m_hwnd(NULL)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = GetModuleHandleW(NULL);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);
    InPixels([&] {
        m_hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClass, L"", WS_POPUP | WS_VISIBLE, pt.x, pt.y,
                                 kSide, kSide, NULL, NULL, wc.hInstance, NULL);
    });
    UpdateWindow(m_hwnd);
    // The X server shows the window a moment after Windows painted it.
    PumpUntil([&] { return Shown(); }, 5000);
}

PixelField::~PixelField()
{
    DestroyWindow(m_hwnd);
}

bool PixelField::Shown() const
{
    // The screen's device context is in its own pixels, whatever the thread's awareness.
    const POINT offsets[] = {{0, 0}, {kSide - 1, 0}, {0, kSide - 1}, {kSide - 1, kSide - 1}, {101, 51}};
    bool shown = true;
    HDC dc = GetDC(NULL);
    for (POINT offset : offsets)
    {
        POINT pt = {m_topLeft.x + offset.x, m_topLeft.y + offset.y};
        shown = shown && GetPixel(dc, pt.x, pt.y) == ColourAt(pt);
    }
    ReleaseDC(NULL, dc);
    return shown;
}

COLORREF PixelField::ColourAt(POINT pt) const
{
    return RGB(pt.x - m_topLeft.x, pt.y - m_topLeft.y, 128);
}

POINT PixelField::PutCursorOn(POINT pt)
{
    // The X server's echo of an earlier put can bring the cursor back a moment later: it
    // is put again until it has stayed for three looks.
    int stayed = 0;
    for (DWORD start = GetTickCount(); stayed < 3 && GetTickCount() - start < 3000; PumpMessages(5))
    {
        POINT physical = {};
        InPixels([&] {
            if (stayed == 0)
                SetCursorPos(pt.x, pt.y);
            GetCursorPos(&physical);
        });
        stayed = physical.x == pt.x && physical.y == pt.y ? stayed + 1 : 0;
    }
    POINT logical = {};
    GetCursorPos(&logical);
    return logical;
}

LRESULT CALLBACK PixelField::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg != WM_PAINT)
        return DefWindowProcW(hwnd, msg, wp, lp);
    // Bottom-up rows of blue, green, red and a spare byte.
    static std::vector<DWORD> bits;
    if (bits.empty())
        for (int y = kSide - 1; y >= 0; --y)
            for (int x = 0; x < kSide; ++x)
                bits.push_back(RGB(128, y, x));
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = kSide;
    bmi.bmiHeader.biHeight = kSide;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    SetDIBitsToDevice(dc, 0, 0, kSide, kSide, 0, 0, 0, kSide, bits.data(), &bmi, DIB_RGB_COLORS);
    EndPaint(hwnd, &ps);
    return 0;
}
