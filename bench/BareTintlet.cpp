// The floor for Tintlet's own start-up: the same resources, template and start-up work
// as the picker dialog (its icon and cursor loads, the system menu edits, the window
// icons, the swatch in the face colour, the copy buttons' sixteen images built with the
// same GDI calls, topmost, the buttons disabled), by bare Win32 calls and no framework.
#include "res/resource.h"

#include <windows.h>

#include <commctrl.h>

namespace
{
enum
{
    kImageUp,
    kImagePressed,
    kImageFocused,
    kImageDisabled,
    kImageCount
};

const int kButtonCount = 4;
const int kButtonIDs[kButtonCount] = {IDC_COPY_DEC, IDC_COPY_HEX, IDC_COPY_COLORREF, IDC_COPY_HTML};

HBITMAP g_images[kButtonCount][kImageCount];
SIZE g_imageSize; // every image: the glyph and its frame
COLORREF g_swatchColor;
WNDPROC g_swatchSuper; // the static's own procedure

HANDLE LoadOwnImage(UINT nID, UINT type, int cxMetric, int cyMetric)
{
    return LoadImageW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(nID), type, GetSystemMetrics(cxMetric),
                      GetSystemMetrics(cyMetric), LR_DEFAULTCOLOR);
}

// An opaque empty text run, as the program fills its rectangles.
void FillSolidRect(HDC dc, int x, int y, int cx, int cy, COLORREF color)
{
    RECT rc = {x, y, x + cx, y + cy};
    COLORREF old = SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rc, NULL, 0, NULL);
    SetBkColor(dc, old);
}

// One-pixel frame just inside (x, y, cx, cy), drawn as the program draws it.
void Draw3dRect(HDC dc, int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    FillSolidRect(dc, x, y, cx - 1, 1, topLeft);
    FillSolidRect(dc, x, y, 1, cy - 1, topLeft);
    FillSolidRect(dc, x + cx - 1, y, 1, cy, bottomRight);
    FillSolidRect(dc, x, y + cy - 1, cx, 1, bottomRight);
}

// The finished image of one state from a fresh mapped glyph, which it replaces.
HBITMAP BuildStateBitmap(HWND dialog, HBITMAP glyph, int state)
{
    HDC parent = GetDC(dialog);
    HDC canvas = CreateCompatibleDC(parent);
    HDC work = CreateCompatibleDC(canvas);
    ReleaseDC(dialog, parent);

    BITMAP bm = {};
    GetObjectW(glyph, sizeof bm, &bm);
    const int W = bm.bmWidth, H = bm.bmHeight, cx = W + 5, cy = H + 5;

    // The canvas takes the glyph's colour format.
    HGDIOBJ oldWork = SelectObject(work, glyph);
    HBITMAP canvasBitmap = CreateCompatibleBitmap(work, cx, cy);
    SelectObject(work, oldWork);

    HGDIOBJ oldCanvas = SelectObject(canvas, canvasBitmap);
    FillSolidRect(canvas, 0, 0, cx, cy, GetSysColor(COLOR_BTNFACE));
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF black = RGB(0, 0, 0);
    switch (state)
    {
    case kImageUp:
        DrawStateW(canvas, NULL, NULL, (LPARAM)glyph, 0, 2, 2, W, H, DST_BITMAP | DSS_NORMAL);
        Draw3dRect(canvas, 0, 0, W + 4, H + 4, highlight, shadow);
        Draw3dRect(canvas, 0, 0, cx, cy, highlight, black);
        break;
    case kImagePressed:
        DrawStateW(canvas, NULL, NULL, (LPARAM)glyph, 0, 3, 3, W, H, DST_BITMAP | DSS_NORMAL);
        Draw3dRect(canvas, 1, 1, W + 3, H + 3, shadow, shadow);
        Draw3dRect(canvas, 0, 0, cx, cy, black, black);
        break;
    case kImageFocused:
        DrawStateW(canvas, NULL, NULL, (LPARAM)glyph, 0, 2, 2, W, H, DST_BITMAP | DSS_NORMAL);
        Draw3dRect(canvas, 1, 1, W + 2, H + 2, highlight, shadow);
        Draw3dRect(canvas, 1, 1, W + 3, H + 3, highlight, black);
        Draw3dRect(canvas, 0, 0, cx, cy, black, black);
        break;
    default: // the glyph's shape embossed, its face-coloured background left out
    {
        HIMAGELIST list = ImageList_Create(W, H, ILC_COLOR16 | ILC_MASK, 1, 0);
        ImageList_AddMasked(list, glyph, GetSysColor(COLOR_BTNFACE));
        HICON icon = ImageList_GetIcon(list, 0, 0);
        DrawStateW(canvas, NULL, NULL, (LPARAM)icon, 0, 2, 2, W, H, DST_ICON | DSS_DISABLED);
        DestroyIcon(icon);
        Draw3dRect(canvas, 0, 0, cx, cy, highlight, black);
        ImageList_Destroy(list);
        break;
    }
    }

    DeleteObject(glyph);
    HBITMAP image = CreateCompatibleBitmap(canvas, cx, cy);
    oldWork = SelectObject(work, image);
    BitBlt(work, 0, 0, cx, cy, canvas, 0, 0, SRCCOPY);
    SelectObject(work, oldWork);
    SelectObject(canvas, oldCanvas);
    DeleteObject(canvasBitmap);
    DeleteDC(work);
    DeleteDC(canvas);
    g_imageSize.cx = cx;
    g_imageSize.cy = cy;
    return image;
}

LRESULT CALLBACK SwatchProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg != WM_PAINT)
        return CallWindowProcW(g_swatchSuper, hwnd, msg, wp, lp);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillSolidRect(dc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, g_swatchColor);
    DrawEdge(dc, &rc, EDGE_SUNKEN, BF_RECT);
    EndPaint(hwnd, &ps);
    return 0;
}

void InitDialog(HWND hwnd, HICON icon, HICON smallIcon)
{
    HINSTANCE instance = GetModuleHandleW(NULL);
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    AppendMenuW(menu, MF_SEPARATOR, 0, NULL);
    wchar_t item[64];
    LoadStringW(instance, IDS_ALWAYS_ON_TOP, item, 64);
    AppendMenuW(menu, MF_STRING, IDM_ALWAYS_ON_TOP, item);
    LoadStringW(instance, IDS_ABOUTBOX, item, 64);
    AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, item);

    SendMessageW(hwnd, WM_SETICON, ICON_BIG, (LPARAM)icon);
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, (LPARAM)smallIcon);

    HWND swatch = GetDlgItem(hwnd, IDC_SWATCH);
    g_swatchSuper = (WNDPROC)SetWindowLongPtrW(swatch, GWLP_WNDPROC, (LONG_PTR)SwatchProc);
    g_swatchColor = GetSysColor(COLOR_BTNFACE);
    InvalidateRect(swatch, NULL, FALSE);

    for (int b = 0; b < kButtonCount; ++b)
    {
        COLORMAP map[3] = {{RGB(255, 255, 255), GetSysColor(COLOR_BTNHIGHLIGHT)},
                           {RGB(192, 192, 192), GetSysColor(COLOR_BTNFACE)},
                           {RGB(128, 128, 128), GetSysColor(COLOR_BTNSHADOW)}};
        for (int state = 0; state < kImageCount; ++state)
            g_images[b][state] = BuildStateBitmap(hwnd, CreateMappedBitmap(instance, IDB_COPY, 0, map, 3), state);
        SetWindowPos(GetDlgItem(hwnd, kButtonIDs[b]), NULL, 0, 0, g_imageSize.cx, g_imageSize.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    CheckMenuItem(menu, IDM_ALWAYS_ON_TOP, MF_BYCOMMAND | MF_CHECKED);
    for (int b = 0; b < kButtonCount; ++b)
        EnableWindow(GetDlgItem(hwnd, kButtonIDs[b]), FALSE);
}

// One copy of the state's image, as the program's bitmap buttons paint.
void DrawButton(const DRAWITEMSTRUCT* item, const HBITMAP* images)
{
    HBITMAP image = images[kImageUp];
    if (item->itemState & ODS_SELECTED)
        image = images[kImagePressed];
    else if (item->itemState & ODS_FOCUS)
        image = images[kImageFocused];
    else if (item->itemState & ODS_DISABLED)
        image = images[kImageDisabled];
    HDC memory = CreateCompatibleDC(item->hDC);
    HGDIOBJ old = SelectObject(memory, image);
    // No more than the image holds, so nothing undefined lands in the item.
    const RECT& rc = item->rcItem;
    int cx = g_imageSize.cx < rc.right - rc.left ? g_imageSize.cx : rc.right - rc.left;
    int cy = g_imageSize.cy < rc.bottom - rc.top ? g_imageSize.cy : rc.bottom - rc.top;
    BitBlt(item->hDC, rc.left, rc.top, cx, cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

INT_PTR CALLBACK PickerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg)
    {
    case WM_INITDIALOG:
    {
        const HICON* icons = (const HICON*)lp;
        InitDialog(hwnd, icons[0], icons[1]);
        return TRUE;
    }
    case WM_DRAWITEM:
        for (int b = 0; b < kButtonCount; ++b)
        {
            if ((int)wp == kButtonIDs[b])
            {
                DrawButton((const DRAWITEMSTRUCT*)lp, g_images[b]);
                return TRUE;
            }
        }
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)
        {
            EndDialog(hwnd, LOWORD(wp));
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);

    HICON icons[2] = {(HICON)LoadOwnImage(IDR_MAINFRAME, IMAGE_ICON, SM_CXICON, SM_CYICON),
                      (HICON)LoadOwnImage(IDR_MAINFRAME, IMAGE_ICON, SM_CXSMICON, SM_CYSMICON)};
    HICON iconEmpty = (HICON)LoadOwnImage(IDI_PICKER_EMPTY, IMAGE_ICON, SM_CXICON, SM_CYICON);
    HICON iconPicker = (HICON)LoadOwnImage(IDI_PICKER, IMAGE_ICON, SM_CXICON, SM_CYICON);
    HCURSOR pickerCursor = (HCURSOR)LoadOwnImage(IDC_PICKER_CURSOR, IMAGE_CURSOR, SM_CXCURSOR, SM_CYCURSOR);

    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_PICKER_DIALOG), NULL, PickerProc, (LPARAM)icons);

    for (HBITMAP* image = &g_images[0][0]; image != &g_images[0][0] + kButtonCount * kImageCount; ++image)
        DeleteObject(*image);
    DestroyIcon(icons[0]);
    DestroyIcon(icons[1]);
    DestroyIcon(iconEmpty);
    DestroyIcon(iconPicker);
    DestroyCursor(pickerCursor);
    return 0;
}
