// The awareness switch is declared for Windows 10 and later only: this file sees that
// declaration, so that the pointer it is called through has its type, calling convention
// included. Nothing here may call a function newer than Windows 7 directly.
#undef WINVER
#define WINVER 0x0605
#include "Stripes.h"

namespace
{
const COLORREF kColors[] = {RGB(200, 30, 40),  RGB(20, 160, 60), RGB(30, 60, 210),
                            RGB(240, 220, 20), RGB(12, 12, 12),  RGB(250, 250, 250)};
const int kStripes = sizeof kColors / sizeof kColors[0];
const int kStripeWidth = 50;
const int kHeight = 160;
const int kMargin = 4; // points stay clear of the stripes' edges
const wchar_t kClass[] = L"TintletBenchStripes";
} // namespace

Stripes::Stripes()
    : m_hwnd(NULL),
      m_x(320),
      m_y(300)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = GetModuleHandleW(NULL);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);
    m_hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClass, L"", WS_POPUP | WS_VISIBLE, m_x, m_y,
                             kStripes * kStripeWidth, kHeight, NULL, NULL, wc.hInstance, NULL);
    UpdateWindow(m_hwnd);
    // The X server shows the window a moment after Windows painted it.
    for (DWORD start = GetTickCount(); !OnScreen() && GetTickCount() - start < 5000;)
    {
        MSG msg;
        while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(10);
    }
}

Stripes::~Stripes()
{
    DestroyWindow(m_hwnd);
}

POINT Stripes::Point(int i) const
{
    int round = i / kStripes;
    POINT pt = {m_x + (i % kStripes) * kStripeWidth + kMargin + round % (kStripeWidth - 2 * kMargin),
                m_y + kMargin + (round * 7) % (kHeight - 2 * kMargin)};
    return pt;
}

COLORREF Stripes::Color(int i) const
{
    return kColors[i % kStripes];
}

POINT Stripes::Pixel(POINT pt) const
{
    RECT physical = PhysicalRect();
    POINT pixel = {physical.left + MulDiv(pt.x - m_x, physical.right - physical.left, kStripes * kStripeWidth),
                   physical.top + MulDiv(pt.y - m_y, physical.bottom - physical.top, kHeight)};
    return pixel;
}

bool Stripes::OnScreen() const
{
    HDC dc = GetDC(NULL);
    bool shown = true;
    for (int i = 0; i < kStripes && shown; ++i)
    {
        POINT pixel = Pixel(Point(i));
        shown = GetPixel(dc, pixel.x, pixel.y) == Color(i);
    }
    ReleaseDC(NULL, dc);
    return shown;
}

int Stripes::Dpi() const
{
    RECT physical = PhysicalRect();
    return MulDiv(physical.right - physical.left, 96, kStripes * kStripeWidth);
}

// A thread made system aware for a moment sees windows in the screen's pixels (Wine 10
// shows a per-monitor aware one an unaware program's windows unscaled).
RECT Stripes::PhysicalRect() const
{
    // Found at run time (NULL before Windows 10 1607): importing it would keep the bench
    // from loading on older Windows.
    auto set = reinterpret_cast<decltype(&::SetThreadDpiAwarenessContext)>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext"));
    DPI_AWARENESS_CONTEXT previous = set ? set(DPI_AWARENESS_CONTEXT_SYSTEM_AWARE) : NULL;
    RECT rc;
    GetWindowRect(m_hwnd, &rc);
    if (previous)
        set(previous);
    return rc;
}

LRESULT CALLBACK Stripes::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg != WM_PAINT)
        return DefWindowProcW(hwnd, msg, wp, lp);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    for (int i = 0; i < kStripes; ++i)
    {
        RECT rc = {i * kStripeWidth, 0, (i + 1) * kStripeWidth, kHeight};
        HBRUSH brush = CreateSolidBrush(kColors[i]);
        FillRect(dc, &rc, brush);
        DeleteObject(brush);
    }
    EndPaint(hwnd, &ps);
    return 0;
}
