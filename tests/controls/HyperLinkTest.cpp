// The hyperlink label on real static controls in a dialog made from the About template:
// what it draws next to a plain static of the same text, the cursor under real mouse
// moves, and what a press hands to the shell or to the clipboard.
#include "controls/HyperLink.h"
#include "res/resource.h"
#include "support/BrowserRecorder.h"
#include "support/Canvas.h"
#include "support/Pump.h"
#include "support/ReadBack.h"
#include "support/RealMouse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace
{
const wchar_t kAddress[] = L"https://tintlet.org/";
// A scheme nothing is registered for: the shell cannot open it.
const wchar_t kNoHandler[] = L"tintlet-test-no-handler:home";
const int kWidth = 200, kHeight = 16;

class CHyperLinkProbe : public CHyperLink
{
public:
    using CHyperLink::m_font;
    using CHyperLink::m_hCursor;
};

INT_PTR CALLBACK PassiveProc(HWND, UINT msg, WPARAM, LPARAM)
{
    return msg == WM_INITDIALOG;
}

LOGFONTW FontOf(HGDIOBJ font)
{
    LOGFONTW lf = {};
    GetObjectW(font, sizeof lf, &lf);
    return lf;
}

// What the screen shows of a static after it has painted.
void Read(HWND hwnd, Canvas& canvas)
{
    RedrawWindow(hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages(30);
    HDC dc = GetDC(hwnd);
    BitBlt(canvas.Dc(), 0, 0, kWidth, kHeight, dc, 0, 0, SRCCOPY);
    ReleaseDC(hwnd, dc);
    canvas.Read();
}

// The dialog's other text and the label's, side by side: a framework window hosts them
// so that the statics' colour requests are reflected to the label, as in the About box.
class HyperLinkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dialog = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_ABOUTBOX), NULL, PassiveProc, 0);
        ASSERT_TRUE(m_dialog);
        for (HWND child = GetWindow(m_dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            ShowWindow(child, SW_HIDE);
        SetWindowPos(m_dialog, HWND_TOPMOST, 300, 200, 480, 200, SWP_SHOWWINDOW);
        ASSERT_TRUE(m_host.SubclassWindow(m_dialog));
        m_font = (HFONT)SendMessageW(m_dialog, WM_GETFONT, 0, 0);
        ASSERT_TRUE(m_font);
        PumpMessages(50);
    }
    void TearDown() override
    {
        DestroyWindow(m_dialog);
        PumpMessages(20);
    }

    // A text static like the template's; without a font of its own when bFont is false.
    HWND AddStatic(DWORD style, const wchar_t* text, int row, bool bFont = true)
    {
        HWND hwnd = CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | style, 10 + (row % 2) * 230,
                                    10 + (row / 2) * 24, kWidth, kHeight, m_dialog, NULL, NULL, NULL);
        if (bFont)
            SendMessageW(hwnd, WM_SETFONT, (WPARAM)m_font, FALSE);
        return hwnd;
    }

    HWND m_dialog = NULL;
    HFONT m_font = NULL;
    CWnd m_host;
};

// The label shows the plain static's letters pixel for pixel, in blue, plus an
// underline across them, on the dialog face: same face, size and alignment, no box.
void ExpectLinkLook(HWND link, HWND plain, const char* context)
{
    Canvas got(kWidth, kHeight, RGB(1, 2, 3)), want(kWidth, kHeight, RGB(1, 2, 3));
    Read(plain, want);
    Read(link, got);
    const COLORREF face = GetSysColor(COLOR_BTNFACE), blue = RGB(0, 0, 255);
    int inkLeft = kWidth, inkRight = -1, inkPixels = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
        {
            if (want.Pixel(x, y) == face)
                continue;
            ++inkPixels;
            inkLeft = std::min(inkLeft, x);
            inkRight = std::max(inkRight, x);
            EXPECT_EQ(blue, got.Pixel(x, y)) << context << ": letter pixel " << x << "," << y;
        }
    ASSERT_GT(inkPixels, 40) << context << ": the plain static shows no text";

    int underlineRows = 0;
    for (int y = 0; y < kHeight; ++y)
    {
        int extra = 0, run = 0;
        for (int x = 0; x < kWidth; ++x)
        {
            COLORREF cr = got.Pixel(x, y);
            EXPECT_TRUE(cr == face || cr == blue) << context << ": pixel " << x << "," << y << " is " << std::hex << cr;
            extra += cr == blue && want.Pixel(x, y) == face;
            run += x >= inkLeft && x <= inkRight && cr == blue;
        }
        bool underline = run == inkRight - inkLeft + 1;
        underlineRows += underline;
        if (!underline)
        {
            EXPECT_EQ(0, extra) << context << ": blue beside the letters in row " << y;
        }
    }
    EXPECT_GE(underlineRows, 1) << context << ": no underline";
}
} // namespace

TEST_F(HyperLinkTest, LeftCentredAndRightLabelsDrawAsLinksInTheDialogFont)
{
    const DWORD styles[] = {SS_LEFT, SS_CENTER, SS_RIGHT, SS_LEFT | SS_NOTIFY, SS_RIGHT | WS_GROUP};
    int row = 0;
    for (DWORD style : styles)
    {
        HWND plain = AddStatic(style, kAddress, row);
        HWND label = AddStatic(style, kAddress, row + 1);
        CHyperLinkProbe link;
        ASSERT_TRUE(link.SubclassWindow(label));
        ExpectLinkLook(label, plain, ("style " + std::to_string(style)).c_str());
        LOGFONTW lf = FontOf(link.m_font.GetSafeHandle()), dialog = FontOf(m_font);
        EXPECT_TRUE(lf.lfUnderline);
        EXPECT_EQ(dialog.lfHeight, lf.lfHeight);
        EXPECT_EQ(dialog.lfWeight, lf.lfWeight);
        EXPECT_STREQ(dialog.lfFaceName, lf.lfFaceName);
        DestroyWindow(plain);
        DestroyWindow(label);
        row += 2;
    }
}

// A static failing the style test keeps its ordinary look but is still a link to the
// mouse: the hand over it, and a press opens its text.
TEST_F(HyperLinkTest, NoPrefixLabelKeepsTheOrdinaryLookButStillActsAsALink)
{
    HWND plain = AddStatic(SS_LEFT | SS_NOPREFIX, kNoHandler, 0);
    HWND label = AddStatic(SS_LEFT | SS_NOPREFIX, kNoHandler, 1);
    CHyperLinkProbe link;
    ASSERT_TRUE(link.SubclassWindow(label));
    Canvas got(kWidth, kHeight, RGB(1, 2, 3)), want(kWidth, kHeight, RGB(1, 2, 3));
    Read(plain, want);
    Read(label, got);
    int differing = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            differing += got.Pixel(x, y) != want.Pixel(x, y);
    EXPECT_EQ(0, differing);
    EXPECT_FALSE(link.m_font.GetSafeHandle());

    ASSERT_TRUE(link.m_hCursor);
    SendMessageW(label, WM_SETCURSOR, (WPARAM)label, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(link.m_hCursor, GetCursor());
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(kNoHandler, ClipboardText());
}

// Controls made outside a template have no font: the link is based on the dialog's,
// and without one on the system's default GUI font, underlined either way.
TEST_F(HyperLinkTest, LabelWithoutAFontOfItsOwnTakesTheDialogFontElseTheGuiFont)
{
    HWND plain = AddStatic(SS_LEFT, kAddress, 0);
    HWND label = AddStatic(SS_LEFT, kAddress, 1, false);
    ASSERT_FALSE(SendMessageW(label, WM_GETFONT, 0, 0));
    CHyperLinkProbe link;
    ASSERT_TRUE(link.SubclassWindow(label));
    ExpectLinkLook(label, plain, "no font, dialog font");

    HWND bare = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 300, 450, 240, 40, NULL, NULL,
                                NULL, NULL);
    CWnd host;
    ASSERT_TRUE(host.SubclassWindow(bare));
    HWND orphan = CreateWindowExW(0, L"STATIC", kAddress, WS_CHILD | WS_VISIBLE | SS_LEFT, 5, 5, kWidth, kHeight, bare,
                                  NULL, NULL, NULL);
    ASSERT_FALSE(SendMessageW(bare, WM_GETFONT, 0, 0));
    CHyperLinkProbe orphanLink;
    ASSERT_TRUE(orphanLink.SubclassWindow(orphan));
    RedrawWindow(orphan, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    LOGFONTW lf = FontOf(orphanLink.m_font.GetSafeHandle()), gui = FontOf(GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_EQ(gui.lfHeight, lf.lfHeight);
    EXPECT_STREQ(gui.lfFaceName, lf.lfFaceName);
    DestroyWindow(bare);
}

// Real pointer moves: the hand over every corner and the blank part of the label, the
// dialog's arrow again just outside it.
TEST_F(HyperLinkTest, HandCursorCoversTheWholeLabel)
{
    HWND label = AddStatic(SS_LEFT, L"tintlet", 1);
    CHyperLinkProbe link;
    ASSERT_TRUE(link.SubclassWindow(label));
    ASSERT_TRUE(link.m_hCursor);
    RECT rc;
    GetWindowRect(label, &rc);
    const POINT inside[] = {{rc.left, rc.top},
                            {rc.right - 1, rc.top},
                            {rc.left, rc.bottom - 1},
                            {rc.right - 1, rc.bottom - 1},
                            {rc.right - 20, (rc.top + rc.bottom) / 2}};
    for (POINT pt : inside)
    {
        ASSERT_TRUE(RealMouse::MoveTo({rc.left - 4, rc.top - 4}));
        PumpMessages(30);
        EXPECT_NE(link.m_hCursor, GetCursor()) << "outside, before " << pt.x << "," << pt.y;
        ASSERT_TRUE(RealMouse::MoveTo(pt));
        PumpMessages(30);
        EXPECT_EQ(label, WindowFromPoint(pt));
        EXPECT_EQ(link.m_hCursor, GetCursor()) << "at " << pt.x << "," << pt.y;
    }
}

TEST_F(HyperLinkTest, PressOpensTheTextWithTheShellAndLeavesTheClipboardAlone)
{
    BrowserRecorder browser;
    ASSERT_TRUE(browser.Active());
    HWND label = AddStatic(SS_LEFT, kAddress, 1);
    CHyperLinkProbe link;
    ASSERT_TRUE(link.SubclassWindow(label));
    ASSERT_TRUE(OpenClipboard(NULL));
    EmptyClipboard();
    CloseClipboard();
    DWORD sequence = GetClipboardSequenceNumber();

    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(sequence, GetClipboardSequenceNumber());
    std::vector<std::wstring> requests = browser.WaitForRequests(1);
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(kAddress, requests[0]);
    EXPECT_EQ(sequence, GetClipboardSequenceNumber());
}

// What the shell cannot open goes to the clipboard as exactly the text, in Unicode, in
// place of everything the clipboard held, with the label as the clipboard's owner.
TEST_F(HyperLinkTest, PressCopiesWhatTheShellCannotOpen)
{
    HWND label = AddStatic(SS_LEFT, kNoHandler, 1);
    CHyperLinkProbe link;
    ASSERT_TRUE(link.SubclassWindow(label));
    UINT marker = RegisterClipboardFormatW(L"TintletTestMarker");
    ASSERT_TRUE(OpenClipboard(NULL));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
    SetClipboardData(marker, block);
    SetClipboardData(CF_BITMAP, CreateBitmap(1, 1, 1, 1, NULL));
    CloseClipboard();

    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(label, GetClipboardOwner());
    EXPECT_FALSE(IsClipboardFormatAvailable(marker));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_EQ(kNoHandler, ClipboardText());
}

// The program's own text change moves the target, not the font; a text sent from
// another thread (from outside the single-threaded program) is refused.
TEST_F(HyperLinkTest, OnlyTheProgramsOwnTextChangesWhatAPressOpens)
{
    HWND label = AddStatic(SS_LEFT, kAddress, 1);
    CHyperLinkProbe link;
    ASSERT_TRUE(link.SubclassWindow(label));
    RedrawWindow(label, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    HGDIOBJ font = link.m_font.GetSafeHandle();
    ASSERT_TRUE(font);

    struct Outside
    {
        HWND label;
        LRESULT result;
        static DWORD WINAPI Run(void* p)
        {
            Outside* o = (Outside*)p;
            DWORD_PTR r = 1;
            SendMessageTimeoutW(o->label, WM_SETTEXT, 0, (LPARAM)L"calc.exe", SMTO_NORMAL, 10000, &r);
            o->result = (LRESULT)r;
            return 0;
        }
    } outside = {label, 1};
    HANDLE thread = CreateThread(NULL, 0, Outside::Run, &outside, 0, NULL);
    ASSERT_TRUE(thread);
    EXPECT_TRUE(PumpUntil([&] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }));
    CloseHandle(thread);
    EXPECT_FALSE(outside.result);
    wchar_t text[64];
    GetWindowTextW(label, text, 64);
    EXPECT_STREQ(kAddress, text);

    const wchar_t changed[] = L"tintlet-test-no-handler:changed";
    EXPECT_TRUE(SetWindowTextW(label, changed));
    HFONT bigger = CreateFontW(-30, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    SendMessageW(label, WM_SETFONT, (WPARAM)bigger, TRUE);
    RedrawWindow(label, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(font, link.m_font.GetSafeHandle());
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(changed, ClipboardText());
    SendMessageW(label, WM_SETFONT, 0, FALSE);
    DeleteObject(bigger);
}

// Two labels, two fonts and two cursors; each label gives back its own.
TEST_F(HyperLinkTest, EachLabelOwnsItsFontAndCursor)
{
    HWND first = AddStatic(SS_LEFT, kAddress, 1);
    HWND second = AddStatic(SS_LEFT, kAddress, 3);
    CHyperLinkProbe keep;
    ASSERT_TRUE(keep.SubclassWindow(second));
    RedrawWindow(second, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    HGDIOBJ font;
    HCURSOR cursor;
    {
        CHyperLinkProbe link;
        ASSERT_TRUE(link.SubclassWindow(first));
        RedrawWindow(first, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        font = link.m_font.GetSafeHandle();
        cursor = link.m_hCursor;
        ASSERT_TRUE(font);
        ASSERT_TRUE(cursor);
        EXPECT_NE(keep.m_font.GetSafeHandle(), font);
        EXPECT_NE(keep.m_hCursor, cursor);
        DestroyWindow(first);
    }
    ICONINFO info;
    EXPECT_EQ(0u, GetObjectType(font));
    EXPECT_FALSE(GetIconInfo(cursor, &info));
    EXPECT_EQ((DWORD)OBJ_FONT, GetObjectType(keep.m_font.GetSafeHandle()));
    EXPECT_TRUE(GetIconInfo(keep.m_hCursor, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}
