// Message routing through CWnd: message maps and their chaining, default processing,
// reflection of colour and owner-draw requests to the control, and the spreading of
// WM_SYSCOLORCHANGE. Real windows; what reaches each handler and each window's own
// procedure is recorded and compared with the expected sequence.
#include "afxwin.h"

#include "support/MessageTrace.h"
#include "support/Pump.h"

#include <gtest/gtest.h>

namespace
{
const UINT kUnmapped = WM_USER + 7;
// Logged by the probes' DefWindowProc override, with the message in wParam.
const UINT kDefWindowProcSeen = WM_APP + 1;
const UINT kClickedId = 41;

HWND CreateTopLevel()
{
    static ATOM atom;
    if (!atom)
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(NULL);
        wc.lpszClassName = L"TintletTestTopLevel";
        atom = RegisterClassW(&wc);
    }
    return CreateWindowExW(0, L"TintletTestTopLevel", L"test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 200, NULL,
                           NULL, GetModuleHandleW(NULL), NULL);
}

HWND CreateChild(HWND hParent, LPCWSTR className, DWORD style, int id)
{
    return CreateWindowExW(0, className, L"child", WS_CHILD | WS_VISIBLE | style, 10, 10, 100, 30, hParent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(NULL), NULL);
}

// Records what reaches a window's own procedure: installed before any framework object
// subclasses the window, it logs what the framework let through to default processing.
void RecordOwnProc(HWND hWnd)
{
    InstallRecorder(hWnd, {}, sent | defwinproc);
}

class CBaseProbe : public CWnd
{
protected:
    void OnLButtonUp(UINT nFlags, CPoint point)
    {
        AddMessage({WM_LBUTTONUP, sent | wparam | lparam, nFlags, MAKELPARAM(point.x, point.y)});
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseProbe, CWnd)
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

class CDerivedProbe : public CBaseProbe
{
public:
    CPoint m_lastPoint;

protected:
    // virtual rather than override: clang flags a class mixing override with the message map's plain virtual
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        AddMessage({kDefWindowProcSeen, sent | wparam, message, 0});
        return CBaseProbe::DefWindowProc(message, wParam, lParam);
    }

    void OnLButtonDown(UINT nFlags, CPoint point)
    {
        m_lastPoint = point;
        AddMessage({WM_LBUTTONDOWN, sent | wparam, nFlags, 0});
    }

    void OnMouseMove(UINT nFlags, CPoint point)
    {
        m_lastPoint = point;
        AddMessage({WM_MOUSEMOVE, sent | wparam, nFlags, 0});
        Default();
    }

    void OnClicked() { AddMessage({WM_COMMAND, sent | wparam, kClickedId, 0}); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedProbe, CBaseProbe)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_BN_CLICKED(kClickedId, OnClicked)
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hParent = CreateTopLevel();
        ASSERT_TRUE(m_hParent);
        PumpMessages(50);
        FlushSequence();
    }

    void TearDown() override
    {
        DestroyWindow(m_hParent);
        CWnd::DeleteTempMap();
        FlushSequence();
    }

    HWND m_hParent = NULL;
};

TEST_F(MessageMapTest, MessagesReachMappedHandlersBaseHandlersOrDefaultProcessing)
{
    HWND hStatic = CreateChild(m_hParent, L"STATIC", SS_LEFT, 1);
    RecordOwnProc(hStatic);
    CDerivedProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(hStatic));
    FlushSequence();

    // A handler of the class itself; it takes the message, the control never sees it.
    probe.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 7));
    static const Message down[] = {{WM_LBUTTONDOWN, sent | wparam, MK_LBUTTON, 0}, {0, 0, 0, 0}};
    OkSequence(down, "own handler");
    EXPECT_EQ(-5, probe.m_lastPoint.x) << "coordinates are signed";
    EXPECT_EQ(7, probe.m_lastPoint.y);

    // The base class's map, reached through the chain.
    probe.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 4));
    static const Message up[] = {{WM_LBUTTONUP, sent | wparam | lparam, 0, MAKELPARAM(3, 4)}, {0, 0, 0, 0}};
    OkSequence(up, "base class handler");

    // Default() from a handler goes through the virtual DefWindowProc to the control.
    probe.SendMessage(WM_MOUSEMOVE, MK_SHIFT, MAKELPARAM(9, -2));
    static const Message move[] = {{WM_MOUSEMOVE, sent | wparam, MK_SHIFT, 0},
                                   {kDefWindowProcSeen, sent | wparam, WM_MOUSEMOVE, 0},
                                   {WM_MOUSEMOVE, sent | defwinproc | wparam | lparam, MK_SHIFT, MAKELPARAM(9, -2)},
                                   {0, 0, 0, 0}};
    OkSequence(move, "Default from a handler");
    EXPECT_EQ(-2, probe.m_lastPoint.y);

    // A message no map lists.
    LRESULT result = probe.SendMessage(kUnmapped, 1, 2);
    static const Message unmapped[] = {{kDefWindowProcSeen, sent | wparam, kUnmapped, 0},
                                       {kUnmapped, sent | defwinproc | wparam | lparam, 1, 2},
                                       {0, 0, 0, 0}};
    OkSequence(unmapped, "unmapped message");
    EXPECT_EQ(0, result);

    // Commands match on both the identifier and the notification code.
    probe.SendMessage(WM_COMMAND, MAKEWPARAM(kClickedId, BN_CLICKED), 0);
    probe.SendMessage(WM_COMMAND, MAKEWPARAM(kClickedId, BN_DOUBLECLICKED), 0);
    probe.SendMessage(WM_COMMAND, MAKEWPARAM(kClickedId + 1, BN_CLICKED), 0);
    static const Message commands[] = {
        {WM_COMMAND, sent | wparam, kClickedId, 0},
        {kDefWindowProcSeen, sent | wparam, WM_COMMAND, 0},
        {WM_COMMAND, sent | defwinproc | wparam, MAKEWPARAM(kClickedId, BN_DOUBLECLICKED), 0},
        {kDefWindowProcSeen, sent | wparam, WM_COMMAND, 0},
        {WM_COMMAND, sent | defwinproc | wparam, MAKEWPARAM(kClickedId + 1, BN_CLICKED), 0},
        {0, 0, 0, 0}};
    OkSequence(commands, "commands");
}

TEST_F(MessageMapTest, WrappersFollowTheWindowsLife)
{
    HWND hStatic = CreateChild(m_hParent, L"STATIC", SS_LEFT, 1);
    LONG_PTR ownProc = GetWindowLongPtrW(hStatic, GWLP_WNDPROC);
    CDerivedProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(hStatic));
    EXPECT_EQ(&probe, CWnd::FromHandlePermanent(hStatic));
    EXPECT_EQ(&probe, CWnd::FromHandle(hStatic));
    CDerivedProbe second;
    EXPECT_FALSE(second.SubclassWindow(hStatic)) << "one object per window";

    EXPECT_EQ(hStatic, probe.UnsubclassWindow());
    EXPECT_EQ(ownProc, GetWindowLongPtrW(hStatic, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hStatic));

    // A temporary wrapper is a plain view: a different object from any member.
    CWnd* pTemp = CWnd::FromHandle(hStatic);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_NE(static_cast<CWnd*>(&probe), pTemp);
    EXPECT_EQ(hStatic, pTemp->m_hWnd);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hStatic));

    ASSERT_TRUE(probe.SubclassWindow(hStatic));
    DestroyWindow(hStatic);
    EXPECT_EQ(nullptr, probe.m_hWnd) << "destroying the window detaches the object";
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hStatic));
}

class CColorProbe : public CStatic
{
public:
    HBRUSH m_hbr = NULL;
    HDC m_hdcSeen = NULL;

protected:
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        m_hdcSeen = pDC->m_hDC;
        AddMessage({WM_CTLCOLORSTATIC, sent | wparam, nCtlColor, 0});
        return m_hbr;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorProbe, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

TEST_F(MessageMapTest, ColourRequestIsOfferedToTheControlFirst)
{
    HWND hStatic = CreateChild(m_hParent, L"STATIC", SS_LEFT, 1);
    RecordOwnProc(m_hParent);
    CWnd parent;
    ASSERT_TRUE(parent.SubclassWindow(m_hParent));
    CColorProbe label;
    ASSERT_TRUE(label.SubclassWindow(hStatic));
    HBRUSH hbrLabel = CreateSolidBrush(RGB(0x12, 0x34, 0x56));
    HDC hdc = GetDC(hStatic);
    FlushSequence();

    label.m_hbr = hbrLabel;
    LRESULT result =
        parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hStatic));
    static const Message answered[] = {{WM_CTLCOLORSTATIC, sent | wparam, CTLCOLOR_STATIC, 0}, {0, 0, 0, 0}};
    OkSequence(answered, "control answers");
    EXPECT_EQ(reinterpret_cast<LRESULT>(hbrLabel), result);
    EXPECT_EQ(hdc, label.m_hdcSeen);

    // A NULL brush: the parent answers as it would without the control's handler.
    label.m_hbr = NULL;
    result = parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hStatic));
    static const Message declined[] = {{WM_CTLCOLORSTATIC, sent | wparam, CTLCOLOR_STATIC, 0},
                                       {WM_CTLCOLORSTATIC, sent | defwinproc | wparam | lparam,
                                        reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hStatic)},
                                       {0, 0, 0, 0}};
    OkSequence(declined, "control declines");
    EXPECT_EQ(
        DefWindowProcW(m_hParent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hStatic)),
        result);

    ReleaseDC(hStatic, hdc);
    DestroyWindow(hStatic);
    DeleteObject(hbrLabel);
}

TEST_F(MessageMapTest, ReflectedBrushPaintsTheControl)
{
    HWND hStatic = CreateChild(m_hParent, L"STATIC", SS_LEFT, 1);
    SetWindowTextW(hStatic, L"");
    CWnd parent;
    ASSERT_TRUE(parent.SubclassWindow(m_hParent));
    CColorProbe label;
    ASSERT_TRUE(label.SubclassWindow(hStatic));
    const COLORREF color = RGB(0x12, 0x34, 0x56);
    label.m_hbr = CreateSolidBrush(color);

    // The static asks its parent for colours while it paints into our memory DC.
    HDC screen = GetDC(NULL);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP hbm = CreateCompatibleBitmap(screen, 100, 30);
    ReleaseDC(NULL, screen);
    HGDIOBJ old = SelectObject(mem, hbm);
    RECT rc = {0, 0, 100, 30};
    FillRect(mem, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SendMessageW(hStatic, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(mem), PRF_CLIENT | PRF_ERASEBKGND);
    EXPECT_EQ(color, GetPixel(mem, 50, 15));
    EXPECT_EQ(color, GetPixel(mem, 99, 29));

    SelectObject(mem, old);
    DeleteObject(hbm);
    DeleteDC(mem);
    DestroyWindow(hStatic);
    DeleteObject(label.m_hbr);
    FlushSequence();
}

class CDrawProbe : public CButton
{
public:
    HWND m_hwndItem = NULL;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        m_hwndItem = lpDrawItemStruct->hwndItem;
        AddMessage({WM_DRAWITEM, sent | wparam, lpDrawItemStruct->CtlID, 0});
    }
};

TEST_F(MessageMapTest, OwnerDrawRequestReachesTheButtonsDrawItem)
{
    HWND hButton = CreateChild(m_hParent, L"BUTTON", BS_OWNERDRAW, 5);
    RecordOwnProc(m_hParent);
    CWnd parent;
    ASSERT_TRUE(parent.SubclassWindow(m_hParent));
    CDrawProbe button;
    ASSERT_TRUE(button.SubclassWindow(hButton));
    PumpMessages(50);
    FlushSequence();

    // The button asks its parent to draw it when it paints; the parent's own
    // procedure sees at most the colour request, never the drawing request.
    InvalidateRect(hButton, NULL, TRUE);
    UpdateWindow(hButton);
    static const Message painted[] = {{WM_CTLCOLORBTN, sent | defwinproc | optional, 0, 0},
                                      {WM_CTLCOLORBTN, sent | defwinproc | optional, 0, 0},
                                      {WM_DRAWITEM, sent | wparam, 5, 0},
                                      {0, 0, 0, 0}};
    OkSequence(painted, "button repaint");
    EXPECT_EQ(hButton, button.m_hwndItem);

    button.m_hwndItem = NULL;
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = 5;
    dis.hwndItem = hButton;
    LRESULT result = parent.SendMessage(WM_DRAWITEM, 5, reinterpret_cast<LPARAM>(&dis));
    static const Message direct[] = {{WM_DRAWITEM, sent | wparam, 5, 0}, {0, 0, 0, 0}};
    OkSequence(direct, "WM_DRAWITEM reflected");
    EXPECT_EQ(TRUE, result);
    EXPECT_EQ(hButton, button.m_hwndItem);
    DestroyWindow(hButton);
}

TEST_F(MessageMapTest, SysColorChangeReachesEveryDescendantOnce)
{
    HWND hContainer = CreateChild(m_hParent, L"STATIC", SS_LEFT, 1);
    HWND hGrandchild = CreateChild(hContainer, L"STATIC", SS_LEFT, 2);
    HWND hSibling = CreateChild(m_hParent, L"BUTTON", BS_PUSHBUTTON, 3);
    for (HWND hWnd : {m_hParent, hContainer, hGrandchild, hSibling})
        RecordOwnProc(hWnd);
    CWnd top;
    ASSERT_TRUE(top.SubclassWindow(m_hParent));
    // A wrapped child takes the default handling too, but must not pass it on again.
    CWnd container;
    ASSERT_TRUE(container.SubclassWindow(hContainer));
    FlushSequence();

    // Each window once, children first; statics may ask their parent for colours again
    // as they take the change. The top-level window has no identifier: 0.
    top.SendMessage(WM_SYSCOLORCHANGE);
    static const Message spread[] = {{WM_SYSCOLORCHANGE, sent | defwinproc | id, 0, 0, 1},
                                     {WM_CTLCOLORSTATIC, sent | defwinproc | optional, 0, 0},
                                     {WM_SYSCOLORCHANGE, sent | defwinproc | id, 0, 0, 2},
                                     {WM_CTLCOLORSTATIC, sent | defwinproc | optional, 0, 0},
                                     {WM_SYSCOLORCHANGE, sent | defwinproc | id, 0, 0, 3},
                                     {WM_SYSCOLORCHANGE, sent | defwinproc | id, 0, 0, 0},
                                     {0, 0, 0, 0}};
    OkSequence(spread, "system colour change");

    // Sent to a child it stays there.
    container.SendMessage(WM_SYSCOLORCHANGE);
    static const Message local[] = {{WM_SYSCOLORCHANGE, sent | defwinproc | id, 0, 0, 1},
                                    {WM_CTLCOLORSTATIC, sent | defwinproc | optional, 0, 0},
                                    {0, 0, 0, 0}};
    OkSequence(local, "system colour change in a child");
}
} // namespace
