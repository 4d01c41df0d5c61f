// The copy button on a real owner-drawn button: its four images pixel by pixel in the
// default and in a dark colour scheme, the fallback for an image that failed, and
// the click command as a message trace for double-clicks and the Enter key.
#include "controls/CopyButton.h"
#include "res/resource.h"
#include "support/Canvas.h"
#include "support/MessageTrace.h"
#include "support/Pump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
const int kGlyph = 15, kImage = 20;

class CCopyButtonProbe : public CCopyButton
{
public:
    using CCopyButton::BuildStateBitmap;
    using CCopyButton::m_nIDBitmap;
};

// Owner drawing goes back to the button as the framework's parent would.
LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg != WM_DRAWITEM)
        return DefWindowProcW(hwnd, msg, wp, lp);
    if (CWnd* pChild = CWnd::FromHandlePermanent(((DRAWITEMSTRUCT*)lp)->hwndItem))
        ((CButton*)pChild)->DrawItem((DRAWITEMSTRUCT*)lp);
    return TRUE;
}

MSG KeyDown(HWND hwnd, WPARAM vk)
{
    MSG msg = {};
    msg.hwnd = hwnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = vk;
    msg.lParam = 1;
    return msg;
}

HWND CreateParent()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleW(NULL);
    wc.lpszClassName = L"CopyButtonTestParent";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 50, 50, 200, 100, NULL, NULL, NULL, NULL);
}

HWND CreateButton(HWND parent, int id, int x)
{
    return CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, x, 10, 30, 30, parent,
                           (HMENU)(INT_PTR)id, NULL, NULL);
}

// A bitmap read back pixel by pixel.
std::vector<COLORREF> ReadBitmap(const CBitmap& bitmap, int* width = nullptr)
{
    BITMAP bm = {};
    if (!bitmap.GetBitmap(&bm))
        return {};
    Canvas canvas(bm.bmWidth, bm.bmHeight, RGB(1, 2, 3));
    HDC dc = CreateCompatibleDC(canvas.Dc());
    HGDIOBJ old = SelectObject(dc, bitmap.m_hObject);
    BitBlt(canvas.Dc(), 0, 0, bm.bmWidth, bm.bmHeight, dc, 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteDC(dc);
    canvas.Read();
    std::vector<COLORREF> pixels;
    for (int y = 0; y < bm.bmHeight; ++y)
        for (int x = 0; x < bm.bmWidth; ++x)
            pixels.push_back(canvas.Pixel(x, y));
    if (width)
        *width = bm.bmWidth;
    return pixels;
}

struct Scheme
{
    COLORREF highlight, face, shadow;
};

Scheme CurrentScheme()
{
    return {GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW)};
}

// The expected picture, drawn on a plain pixel array by the frame and glyph rules.
class Model
{
public:
    explicit Model(COLORREF face)
        : m_px(kImage * kImage, face)
    {
    }

    void Frame(int l, int t, int r, int b, COLORREF first, COLORREF second)
    {
        for (int x = l; x <= r - 2; ++x)
            At(x, t) = first;
        for (int y = t; y <= b - 2; ++y)
            At(l, y) = first;
        for (int y = t; y <= b - 1; ++y)
            At(r - 1, y) = second;
        for (int x = l; x <= r - 1; ++x)
            At(x, b - 1) = second;
    }
    void Glyph(int x0, int y0, const std::vector<COLORREF>& glyph)
    {
        for (int y = 0; y < kGlyph; ++y)
            for (int x = 0; x < kGlyph; ++x)
                At(x0 + x, y0 + y) = glyph[y * kGlyph + x];
    }
    COLORREF& At(int x, int y) { return m_px[y * kImage + x]; }
    const std::vector<COLORREF>& Pixels() const { return m_px; }

private:
    std::vector<COLORREF> m_px;
};

// The glyph resource as drawn, its three source colours replaced by the scheme's.
std::vector<COLORREF> MappedGlyph(const Scheme& s)
{
    CBitmap raw;
    raw.Attach(LoadImageW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDB_COPY), IMAGE_BITMAP, 0, 0, 0));
    std::vector<COLORREF> glyph = ReadBitmap(raw);
    for (COLORREF& c : glyph)
    {
        if (c == RGB(255, 255, 255))
            c = s.highlight;
        else if (c == RGB(192, 192, 192))
            c = s.face;
        else if (c == RGB(128, 128, 128))
            c = s.shadow;
    }
    return glyph;
}

int CountDiffering(const std::vector<COLORREF>& got, const std::vector<COLORREF>& want, const char* what)
{
    int n = 0;
    for (size_t i = 0; i < got.size() && i < want.size(); ++i)
    {
        if (got[i] != want[i] && n++ < 5)
            ADD_FAILURE() << what << ": pixel " << i % kImage << "," << i / kImage << " is " << std::hex << got[i]
                          << ", expected " << want[i];
    }
    return n + (got.size() == want.size() ? 0 : 1);
}

void ExpectImages(CCopyButtonProbe& button, const Scheme& s)
{
    const COLORREF black = RGB(0, 0, 0);
    std::vector<COLORREF> glyph = MappedGlyph(s);
    ASSERT_EQ((size_t)(kGlyph * kGlyph), glyph.size());

    Model up(s.face);
    up.Glyph(2, 2, glyph);
    up.Frame(0, 0, kGlyph + 4, kGlyph + 4, s.highlight, s.shadow);
    up.Frame(0, 0, kGlyph + 5, kGlyph + 5, s.highlight, black);
    EXPECT_EQ(0, CountDiffering(ReadBitmap(button.m_bitmap), up.Pixels(), "up"));

    Model pressed(s.face);
    pressed.Glyph(3, 3, glyph);
    pressed.Frame(1, 1, kGlyph + 4, kGlyph + 4, s.shadow, s.shadow);
    pressed.Frame(0, 0, kGlyph + 5, kGlyph + 5, black, black);
    EXPECT_EQ(0, CountDiffering(ReadBitmap(button.m_bitmapSel), pressed.Pixels(), "pressed"));

    Model focus(s.face);
    focus.Glyph(2, 2, glyph);
    focus.Frame(1, 1, kGlyph + 3, kGlyph + 3, s.highlight, s.shadow);
    focus.Frame(1, 1, kGlyph + 4, kGlyph + 4, s.highlight, black);
    focus.Frame(0, 0, kGlyph + 5, kGlyph + 5, black, black);
    EXPECT_EQ(0, CountDiffering(ReadBitmap(button.m_bitmapFocus), focus.Pixels(), "focus"));

    // Disabled: only the glyph's shape, embossed in highlight and shadow, inside a
    // highlight/black frame with no shadow line.
    int width = 0;
    std::vector<COLORREF> disabled = ReadBitmap(button.m_bitmapDisabled, &width);
    ASSERT_EQ(kImage, width);
    Model frame(s.face);
    frame.Frame(0, 0, kGlyph + 5, kGlyph + 5, s.highlight, black);
    int embossed = 0;
    for (int y = 0; y < kImage; ++y)
        for (int x = 0; x < kImage; ++x)
        {
            COLORREF c = disabled[y * kImage + x];
            bool ring = x == 0 || y == 0 || x == kImage - 1 || y == kImage - 1;
            if (ring)
            {
                EXPECT_EQ(frame.At(x, y), c) << "disabled frame at " << x << "," << y;
            }
            else
            {
                EXPECT_TRUE(c == s.face || c == s.highlight || c == s.shadow)
                    << "disabled glyph pixel " << x << "," << y << " is " << std::hex << c;
                embossed += c != s.face;
            }
        }
    EXPECT_GT(embossed, 20) << "the glyph's shape shows";
}

class CopyButtonFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_parent = CreateParent();
        ASSERT_TRUE(m_button.SubclassWindow(CreateButton(m_parent, IDC_COPY_DEC, 10)));
        ASSERT_TRUE(m_other.SubclassWindow(CreateButton(m_parent, IDC_COPY_HEX, 60)));
        InstallRecorder(m_parent, {WM_COMMAND});
        FlushSequence();
    }
    void TearDown() override
    {
        DestroyWindow(m_parent);
        PumpMessages(20);
        FlushSequence();
    }
    void RecordButton()
    {
        InstallRecorder(m_button.m_hWnd, {BM_SETSTATE, WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_CAPTURECHANGED});
    }

    HWND m_parent = NULL;
    CCopyButtonProbe m_button, m_other;
};
} // namespace

TEST_F(CopyButtonFixture, FourImagesOfTwentyPixelsFromOneGlyph)
{
    EXPECT_TRUE(m_button.LoadMappedBitmaps(IDB_COPY, RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128)));
    EXPECT_EQ((UINT)IDB_COPY, m_button.m_nIDBitmap);
    for (CBitmap* image :
         {&m_button.m_bitmap, &m_button.m_bitmapSel, &m_button.m_bitmapFocus, &m_button.m_bitmapDisabled})
    {
        BITMAP bm = {};
        ASSERT_TRUE(image->GetBitmap(&bm));
        EXPECT_EQ(kImage, bm.bmWidth);
        EXPECT_EQ(kImage, bm.bmHeight);
    }
    m_button.SizeToContent();
    RECT rc;
    GetWindowRect(m_button.m_hWnd, &rc);
    EXPECT_EQ(kImage, rc.right - rc.left);
    EXPECT_EQ(kImage, rc.bottom - rc.top);
    ExpectImages(m_button, CurrentScheme());
}

// A dark scheme: frames and mapped glyph pixels follow it, black and blue stay.
TEST_F(CopyButtonFixture, SystemColourChangeRebuildsEveryImageInTheNewColours)
{
    m_button.LoadMappedBitmaps(IDB_COPY, RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128));
    const int elements[] = {COLOR_BTNHIGHLIGHT, COLOR_BTNFACE, COLOR_BTNSHADOW};
    COLORREF saved[3], dark[3] = {RGB(90, 90, 100), RGB(40, 40, 48), RGB(20, 20, 24)};
    for (int i = 0; i < 3; ++i)
        saved[i] = GetSysColor(elements[i]);
    ASSERT_TRUE(SetSysColors(3, elements, dark));
    SendMessageW(m_button.m_hWnd, WM_SYSCOLORCHANGE, 0, 0);
    Scheme scheme = CurrentScheme();
    SetSysColors(3, elements, saved);

    EXPECT_EQ(dark[1], scheme.face) << "precondition: the scheme took";
    ExpectImages(m_button, scheme);
    std::vector<COLORREF> up = ReadBitmap(m_button.m_bitmap);
    EXPECT_NE(up.end(), std::find(up.begin(), up.end(), RGB(0, 0, 255))) << "blue stays";
    EXPECT_EQ(dark[1], up[16 * kImage + 2]) << "the glyph's light grey is the dark face";
}

TEST_F(CopyButtonFixture, MissingBitmapLeavesNoImagesAndPaintsNothing)
{
    EXPECT_FALSE(m_button.LoadMappedBitmaps(9999, RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128)));
    EXPECT_EQ(NULL, m_button.m_bitmap.m_hObject);
    EXPECT_EQ(NULL, m_button.m_bitmapSel.m_hObject);
    EXPECT_EQ(NULL, m_button.m_bitmapFocus.m_hObject);
    EXPECT_EQ(NULL, m_button.m_bitmapDisabled.m_hObject);
}

// A state whose own load failed keeps an empty image, and drawing that state falls
// back to the up image rather than to anything undrawn.
TEST_F(CopyButtonFixture, AStateThatFailedToLoadFallsBackToTheUpImage)
{
    m_button.LoadMappedBitmaps(IDB_COPY, RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128));
    m_button.m_bitmapSel.DeleteObject();
    m_button.BuildStateBitmap(&m_button.m_bitmapSel, 1);
    EXPECT_EQ(NULL, m_button.m_bitmapSel.m_hObject);

    Canvas canvas(kImage, kImage, RGB(1, 2, 3));
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.hwndItem = m_button.m_hWnd;
    dis.itemState = ODS_SELECTED;
    dis.hDC = canvas.Dc();
    dis.rcItem = {0, 0, kImage, kImage};
    m_button.DrawItem(&dis);
    canvas.Read();
    std::vector<COLORREF> up = ReadBitmap(m_button.m_bitmap), drawn;
    for (int y = 0; y < kImage; ++y)
        for (int x = 0; x < kImage; ++x)
            drawn.push_back(canvas.Pixel(x, y));
    EXPECT_EQ(up, drawn);
}

// The second press of a double-click shows the button pressed, skips the system's own
// handling and keeps the mouse; its release over the button un-presses it and clicks.
TEST_F(CopyButtonFixture, DoubleClickPressesAndClicksAtTheRelease)
{
    RecordButton();
    const Message dblclk[] = {{WM_LBUTTONDBLCLK, sent}, {BM_SETSTATE, sent | wparam, 1}, {0}};
    SendMessageW(m_button.m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    OkSequence(dblclk, "second press of a double-click");
    EXPECT_TRUE(SendMessageW(m_button.m_hWnd, BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_EQ(m_button.m_hWnd, GetCapture()) << "the press keeps the mouse";

    const Message release[] = {
        {WM_LBUTTONUP, sent},
        {BM_SETSTATE, sent | wparam, 0},
        {WM_CAPTURECHANGED, sent},
        {WM_COMMAND, sent | wparam | lparam, MAKEWPARAM(IDC_COPY_DEC, BN_CLICKED), (LPARAM)m_button.m_hWnd},
        {0}};
    SendMessageW(m_button.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    OkSequence(release, "release after a double-click");
    EXPECT_FALSE(SendMessageW(m_button.m_hWnd, BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_EQ(NULL, GetCapture());

    // An ordinary release afterwards clicks nothing of ours.
    const Message plain[] = {{WM_LBUTTONUP, sent}, {0}};
    SendMessageW(m_button.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    OkSequence(plain, "a release with no double-click pending");
}

// A double-click's press released off the button, or ended by the loss of the mouse,
// un-presses it and clicks nothing, and leaves no click for another button's release.
TEST_F(CopyButtonFixture, DoubleClickReleasedOffTheButtonOrCancelledClicksNothing)
{
    RecordButton();
    SendMessageW(m_button.m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    FlushSequence();
    const Message off[] = {{WM_LBUTTONUP, sent}, {BM_SETSTATE, sent | wparam, 0}, {WM_CAPTURECHANGED, sent}, {0}};
    SendMessageW(m_button.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(-5, 40));
    OkSequence(off, "release off the button");
    EXPECT_FALSE(SendMessageW(m_button.m_hWnd, BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_EQ(NULL, GetCapture());

    SendMessageW(m_button.m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    FlushSequence();
    const Message lost[] = {{WM_CAPTURECHANGED, sent}, {BM_SETSTATE, sent | wparam, 0}, {0}};
    ReleaseCapture();
    OkSequence(lost, "the mouse taken away");
    EXPECT_FALSE(SendMessageW(m_button.m_hWnd, BM_GETSTATE, 0, 0) & BST_PUSHED);

    const Message nothing[] = {{0}};
    SendMessageW(m_other.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    OkSequence(nothing, "a release on the other button");
}

TEST_F(CopyButtonFixture, EnterClicksAndGoesNoFurther)
{
    MSG msg = KeyDown(m_button.m_hWnd, VK_RETURN);
    const Message click[] = {
        {WM_COMMAND, sent | wparam | lparam, MAKEWPARAM(IDC_COPY_DEC, BN_CLICKED), (LPARAM)m_button.m_hWnd}, {0}};
    EXPECT_TRUE(m_button.PreTranslateMessage(&msg));
    OkSequence(click, "Enter");

    const Message nothing[] = {{0}};
    MSG other = KeyDown(m_button.m_hWnd, VK_SPACE);
    EXPECT_FALSE(m_button.PreTranslateMessage(&other));
    OkSequence(nothing, "other keys");

    // Without a parent the key is consumed all the same.
    CCopyButtonProbe orphan;
    ASSERT_TRUE(orphan.SubclassWindow(
        CreateWindowExW(0, L"BUTTON", L"", WS_POPUP | BS_OWNERDRAW, 0, 0, 20, 20, NULL, NULL, NULL, NULL)));
    msg.hwnd = orphan.m_hWnd;
    EXPECT_TRUE(orphan.PreTranslateMessage(&msg));
    OkSequence(nothing, "Enter without a parent");
    orphan.DestroyWindow();
}
