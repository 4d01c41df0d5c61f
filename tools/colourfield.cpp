// A chart of solid colours for the README's drag screenshot: twelve hues around the
// colour circle from left to right, each from light at the top to dark at the bottom.
// Solid cells keep the screenshot's palette small.
//   colourfield LEFT TOP WIDTH HEIGHT   shows it there until it is closed
// Its title is "Colour field", for winprobe.
#include <windows.h>

#include <cstdlib>

namespace
{
const int kHues = 12, kShades = 5;

BYTE Mix(int from, int to, int num, int den)
{
    return BYTE(from + (to - from) * num / den);
}

// Hue h in [0, 6 * 255): red, yellow, green, cyan, blue, magenta and back.
COLORREF Hue(int h)
{
    int f = h % 255;
    switch (h / 255)
    {
    case 0:
        return RGB(255, f, 0);
    case 1:
        return RGB(255 - f, 255, 0);
    case 2:
        return RGB(0, 255, f);
    case 3:
        return RGB(0, 255 - f, 255);
    case 4:
        return RGB(f, 0, 255);
    default:
        return RGB(255, 0, 255 - f);
    }
}

// Shade 0 is nearest white, the middle one the pure hue, the last nearest black.
COLORREF Shade(COLORREF c, int shade)
{
    int middle = kShades / 2;
    int target = shade < middle ? 255 : 0;
    int num = shade < middle ? middle - shade : shade - middle;
    int den = middle + 1;
    return RGB(Mix(GetRValue(c), target, num, den), Mix(GetGValue(c), target, num, den),
               Mix(GetBValue(c), target, num, den));
}

LRESULT CALLBACK FieldProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg)
    {
    case WM_PAINT:
    {
        RECT client;
        GetClientRect(hwnd, &client);
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        for (int hue = 0; hue < kHues; ++hue)
            for (int shade = 0; shade < kShades; ++shade)
            {
                RECT cell = {client.right * hue / kHues, client.bottom * shade / kShades,
                             client.right * (hue + 1) / kHues, client.bottom * (shade + 1) / kShades};
                HBRUSH brush = CreateSolidBrush(Shade(Hue(hue * 6 * 255 / kHues), shade));
                FillRect(dc, &cell, brush);
                DeleteObject(brush);
            }
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 5)
        return 2;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = FieldProc;
    wc.hInstance = GetModuleHandleW(NULL);
    wc.hCursor = LoadCursorW(NULL, IDC_ARROW);
    wc.lpszClassName = L"TintletColourField";
    RegisterClassW(&wc);
    HWND hwnd =
        CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"Colour field", WS_POPUP | WS_BORDER | WS_VISIBLE,
                        _wtoi(argv[1]), _wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]), NULL, NULL, wc.hInstance, NULL);
    if (!hwnd)
        return 1;
    MSG msg;
    while (GetMessageW(&msg, NULL, 0, 0) > 0)
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
