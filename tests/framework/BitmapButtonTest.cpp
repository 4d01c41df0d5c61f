// CBitmapButton: which image DrawItem copies for each state, what it falls back to
// when an image is missing, and SizeToContent. Checked by pixels, first through
// DrawItem on a memory bitmap, then through a real owner-drawn button.
#include "CBitmapButton.h"
#include "CDC.h"

#include "support/Canvas.h"
#include "support/Pump.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kBack = RGB(0x10, 0x20, 0x30);
const COLORREF kUp = RGB(0xC0, 0xC0, 0xC0);
const COLORREF kSel = RGB(0x00, 0x80, 0x00);
const COLORREF kFocus = RGB(0x00, 0x00, 0xFF);
const COLORREF kDisabled = RGB(0xFF, 0x00, 0x00);
const COLORREF kMarker = RGB(0xFF, 0xFF, 0x00);
const int kImage = 20;

// Fills `bitmap` with a w x h image of one colour, its top-left pixel in kMarker so
// that a shifted or stretched copy shows.
void MakeImage(CBitmap& bitmap, int w, int h, COLORREF color)
{
    HDC screen = GetDC(NULL);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP hbm = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(NULL, screen);
    HGDIOBJ old = SelectObject(mem, hbm);
    HBRUSH brush = CreateSolidBrush(color);
    RECT rc = {0, 0, w, h};
    FillRect(mem, &rc, brush);
    DeleteObject(brush);
    SetPixel(mem, 0, 0, kMarker);
    SelectObject(mem, old);
    DeleteDC(mem);
    bitmap.Attach(hbm);
}

struct ImageSet
{
    bool up, sel, focus, disabled;
};

void Load(CBitmapButton& button, const ImageSet& images)
{
    button.m_bitmap.DeleteObject();
    button.m_bitmapSel.DeleteObject();
    button.m_bitmapFocus.DeleteObject();
    button.m_bitmapDisabled.DeleteObject();
    if (images.up)
        MakeImage(button.m_bitmap, kImage, kImage, kUp);
    if (images.sel)
        MakeImage(button.m_bitmapSel, kImage, kImage, kSel);
    if (images.focus)
        MakeImage(button.m_bitmapFocus, kImage, kImage, kFocus);
    if (images.disabled)
        MakeImage(button.m_bitmapDisabled, kImage, kImage, kDisabled);
}

// Checks that the item rectangle holds one image of `color` (kBack: nothing drawn)
// from its top-left corner, and that nothing outside it changed.
void ExpectItem(Canvas& canvas, const RECT& item, COLORREF color, const char* context)
{
    canvas.Read();
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
        {
            bool inside = x >= item.left && x < item.right && y >= item.top && y < item.bottom;
            COLORREF want = inside ? color : kBack;
            if (inside && color != kBack && x == item.left && y == item.top)
                want = kMarker;
            ASSERT_EQ(want, canvas.Pixel(x, y)) << context << " at " << x << "," << y;
        }
}

DRAWITEMSTRUCT ItemFor(HDC hdc, const RECT& rc, UINT state)
{
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = state;
    dis.hDC = hdc;
    dis.rcItem = rc;
    return dis;
}
} // namespace

TEST(BitmapButtonDraw, PicksTheImageForEachStateAndFallsBackWhenOneIsEmpty)
{
    const ImageSet all = {true, true, true, true};
    const ImageSet noSel = {true, false, true, true};
    const ImageSet noFocus = {true, true, false, true};
    const ImageSet noDisabled = {true, true, true, false};
    const ImageSet upOnly = {true, false, false, false};
    const ImageSet noUp = {false, true, true, true};
    const ImageSet none = {false, false, false, false};
    const UINT S = ODS_SELECTED, F = ODS_FOCUS, D = ODS_DISABLED;
    struct Case
    {
        const char* name;
        ImageSet images;
        UINT state;
        COLORREF expect;
    } cases[] = {
        {"up", all, 0, kUp},
        {"pressed", all, S, kSel},
        {"focused", all, F, kFocus},
        {"disabled", all, D, kDisabled},
        {"pressed+focused", all, S | F, kSel},
        {"pressed+disabled", all, S | D, kSel},
        {"focused+disabled", all, F | D, kFocus},
        {"pressed+focused+disabled", all, S | F | D, kSel},
        {"pressed, no pressed image", noSel, S, kUp},
        {"pressed+focused, no pressed image", noSel, S | F, kFocus},
        {"pressed+disabled, no pressed image", noSel, S | D, kDisabled},
        {"focused, no focus image", noFocus, F, kUp},
        {"focused+disabled, no focus image", noFocus, F | D, kDisabled},
        {"pressed+focused, no focus image", noFocus, S | F, kSel},
        {"disabled, no disabled image", noDisabled, D, kUp},
        {"focused+disabled, no disabled image", noDisabled, F | D, kFocus},
        {"pressed+focused+disabled, up only", upOnly, S | F | D, kUp},
        {"disabled, up only", upOnly, D, kUp},
        {"up, no up image", noUp, 0, kBack},
        {"pressed, no up image", noUp, S, kSel},
        {"pressed, no images", none, S, kBack},
        {"up, no images", none, 0, kBack},
    };
    CBitmapButton button;
    for (const Case& c : cases)
    {
        Load(button, c.images);
        Canvas canvas(34, 30, kBack);
        RECT item = {6, 5, 6 + kImage, 5 + kImage};
        DRAWITEMSTRUCT dis = ItemFor(canvas.Dc(), item, c.state);
        button.DrawItem(&dis);
        ExpectItem(canvas, item, c.expect, c.name);
    }
    CDC::DeleteTempMap();
}

TEST(BitmapButtonDraw, CopiesNoMoreThanTheItemRectangle)
{
    CBitmapButton button;
    Load(button, {true, false, false, false});
    Canvas canvas(30, 30, kBack);
    RECT item = {4, 3, 14, 11};
    DRAWITEMSTRUCT dis = ItemFor(canvas.Dc(), item, 0);
    button.DrawItem(&dis);
    ExpectItem(canvas, item, kUp, "small item");
    CDC::DeleteTempMap();
}

namespace
{
// A real owner-drawn button in a real parent, both attached to framework objects so
// that the parent's WM_DRAWITEM reaches the button's DrawItem.
class ButtonFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(NULL);
        wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        wc.lpszClassName = L"TintletBitmapButtonParent";
        RegisterClassW(&wc);
        m_hParent = CreateWindowExW(0, wc.lpszClassName, L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 150,
                                    NULL, NULL, wc.hInstance, NULL);
        ASSERT_NE(nullptr, m_hParent);
        m_hButton = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 7, 9, 50, 30,
                                    m_hParent, (HMENU)1006, wc.hInstance, NULL);
        ASSERT_NE(nullptr, m_hButton);
        ASSERT_TRUE(m_parent.SubclassWindow(m_hParent));
        ASSERT_TRUE(m_button.SubclassWindow(m_hButton));
        SetForegroundWindow(m_hParent);
        SetFocus(m_hParent);
        PumpMessages();
    }

    void TearDown() override
    {
        DestroyWindow(m_hParent);
        PumpMessages();
        CWnd::DeleteTempMap();
        CDC::DeleteTempMap();
        UnregisterClassW(L"TintletBitmapButtonParent", GetModuleHandleW(NULL));
    }

    // Has the button paint itself into a memory bitmap and checks what it drew.
    void ExpectButtonShows(COLORREF color, const char* context)
    {
        Canvas canvas(50, 30, kBack);
        SendMessageW(m_hButton, WM_PRINTCLIENT, (WPARAM)canvas.Dc(), PRF_CLIENT);
        canvas.Read();
        EXPECT_EQ(kMarker, canvas.Pixel(0, 0)) << context;
        for (int y = 0; y < kImage; ++y)
            for (int x = 0; x < kImage; ++x)
            {
                if (x || y)
                {
                    ASSERT_EQ(color, canvas.Pixel(x, y)) << context << " at " << x << "," << y;
                }
            }
    }

    CWnd m_parent;
    CBitmapButton m_button;
    HWND m_hParent = NULL;
    HWND m_hButton = NULL;
};
} // namespace

TEST_F(ButtonFixture, RealButtonStatesSelectTheImages)
{
    Load(m_button, {true, true, true, true});
    ExpectButtonShows(kUp, "idle");

    SetFocus(m_hButton);
    PumpMessages();
    ASSERT_EQ(m_hButton, GetFocus());
    ExpectButtonShows(kFocus, "focused");

    SendMessageW(m_hButton, BM_SETSTATE, TRUE, 0);
    ExpectButtonShows(kSel, "pressed");
    SendMessageW(m_hButton, BM_SETSTATE, FALSE, 0);
    ExpectButtonShows(kFocus, "released");

    SetFocus(m_hParent);
    PumpMessages();
    ExpectButtonShows(kUp, "focus gone");

    EnableWindow(m_hButton, FALSE);
    ExpectButtonShows(kDisabled, "disabled");

    // Without a disabled image the disabled button shows the up image.
    m_button.m_bitmapDisabled.DeleteObject();
    ExpectButtonShows(kUp, "disabled, no disabled image");
}

TEST_F(ButtonFixture, SizeToContentTakesTheUpImageSize)
{
    RECT rc;
    // No up image: the button keeps its size.
    m_button.SizeToContent();
    GetWindowRect(m_hButton, &rc);
    EXPECT_EQ(50, rc.right - rc.left);
    EXPECT_EQ(30, rc.bottom - rc.top);

    MakeImage(m_button.m_bitmap, 23, 17, kUp);
    MakeImage(m_button.m_bitmapSel, 40, 40, kSel);
    m_button.SizeToContent();
    GetWindowRect(m_hButton, &rc);
    EXPECT_EQ(23, rc.right - rc.left);
    EXPECT_EQ(17, rc.bottom - rc.top);
    // It stays where it was.
    MapWindowPoints(NULL, m_hParent, (POINT*)&rc, 2);
    EXPECT_EQ(7, rc.left);
    EXPECT_EQ(9, rc.top);
}
