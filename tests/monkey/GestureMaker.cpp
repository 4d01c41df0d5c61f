// The conversion of a point into a window's own DPI is declared for Windows 8.1 and
// later: the tests run only under Wine, which has it.
#undef WINVER
#define WINVER 0x0603
#include "monkey/GestureMaker.h"

#include "res/resource.h"
#include "support/ReadBack.h"

#include <algorithm>

namespace
{
const char* const kNeutralKeys[] = {"Tab", "shift+Tab", "Up", "Down", "Left", "Right"};
// Each may end the program, or open its system menu; one ends a key gesture.
const char* const kLastKeys[] = {"Escape", "Return", "space", "alt+F4", "alt+space"};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp)
{
    if (IsWindowVisible(hwnd))
        ((std::vector<HWND>*)lp)->push_back(hwnd);
    return TRUE;
}

RECT WindowRect(HWND hwnd)
{
    RECT rc = {};
    GetWindowRect(hwnd, &rc);
    return rc;
}

// The caption band of a window, its buttons included.
RECT CaptionOf(HWND hwnd)
{
    RECT rc = WindowRect(hwnd);
    bool tool = (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
    rc.top += GetSystemMetrics(SM_CYFIXEDFRAME);
    rc.bottom = rc.top + GetSystemMetrics(tool ? SM_CYSMCAPTION : SM_CYCAPTION) - 1;
    return rc;
}

// The dialog's control under a point. WindowFromPoint cannot ask another process's
// windows for hit tests, so there the group box answers for the controls inside it.
HWND ControlAt(HWND dialog, POINT pt)
{
    HWND hit = WindowFromPoint(pt);
    if (hit != dialog && GetParent(hit) != dialog)
        return hit;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    {
        RECT rc = WindowRect(child);
        bool groupBox = (GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
        wchar_t name[16] = L"";
        GetClassNameW(child, name, 16);
        if (IsWindowVisible(child) && PtInRect(&rc, pt) && !(groupBox && !lstrcmpiW(name, L"Button")))
            return child;
    }
    return hit;
}

LRESULT HitTest(HWND hwnd, POINT pt)
{
    // The message's point goes to the program as it is: one the system scales, as it
    // declares no DPI awareness, must be asked in its own points.
    if (!PhysicalToLogicalPointForPerMonitorDPI(hwnd, &pt))
        return HTNOWHERE;
    DWORD_PTR hit = HTNOWHERE;
    SendMessageTimeoutW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y), SMTO_NORMAL, 1000, &hit);
    return (LRESULT)hit;
}
} // namespace

GestureMaker::GestureMaker(unsigned seed)
    : m_random(seed)
{
}

int GestureMaker::Uniform(int lo, int hi)
{
    return lo + (int)(m_random() % (unsigned)(hi - lo + 1));
}

bool GestureMaker::Chance(int percent)
{
    return Uniform(0, 99) < percent;
}

POINT GestureMaker::AnyPoint()
{
    return {Uniform(0, GetSystemMetrics(SM_CXSCREEN) - 1), Uniform(0, GetSystemMetrics(SM_CYSCREEN) - 1)};
}

POINT GestureMaker::PointIn(const RECT& rc, int inset)
{
    POINT pt = {Uniform(rc.left + inset, rc.right - 1 - inset), Uniform(rc.top + inset, rc.bottom - 1 - inset)};
    pt.x = std::max(0L, std::min(pt.x, (LONG)GetSystemMetrics(SM_CXSCREEN) - 1));
    pt.y = std::max(0L, std::min(pt.y, (LONG)GetSystemMetrics(SM_CYSCREEN) - 1));
    return pt;
}

POINT GestureMaker::Near(POINT pt, int reach)
{
    RECT rc = {pt.x - reach, pt.y - reach, pt.x + reach + 1, pt.y + reach + 1};
    return PointIn(rc);
}

POINT GestureMaker::Target(const AppView& view)
{
    HWND window = view.box ? view.box : view.dialog;
    int where = Uniform(0, 99);
    if (where < 45)
    {
        std::vector<HWND> children;
        EnumChildWindows(window, CollectChild, (LPARAM)&children);
        if (!children.empty())
            return PointIn(WindowRect(children[Uniform(0, (int)children.size() - 1)]), 1);
    }
    if (where < 60)
        return PointIn(CaptionOf(window));
    if (where < 75)
        return PointIn(WindowRect(window));
    if (where < 82 && view.box)
        return PointIn(WindowRect(view.dialog));
    return AnyPoint();
}

bool GestureMaker::MayEnd(const AppView& view, POINT press, POINT release)
{
    // While a box is open nothing ends the program: the box takes what would.
    if (view.box)
        return false;
    if (view.menuPopup)
    {
        RECT menu = WindowRect(view.menuPopup);
        if (PtInRect(&menu, press) || PtInRect(&menu, release))
            return true; // its Close item
    }
    HWND close = GetDlgItem(view.dialog, IDOK);
    if (ControlAt(view.dialog, press) == close && ControlAt(view.dialog, release) == close)
        return true;
    if (WindowFromPoint(press) != view.dialog)
        return false;
    LRESULT hit = HitTest(view.dialog, press);
    // The system menu opens on the press and takes the release as a choice, and a
    // double-click on its icon closes.
    return hit == HTCLOSE || hit == HTSYSMENU;
}

Gesture GestureMaker::Next(const AppView& view)
{
    if (view.inMoveSize)
        return InMoveSize();
    if (view.inMenu)
        return InMenu(view);
    int pick = Uniform(0, 99);
    if (view.box)
    {
        // A box (ours or Wine's): its buttons, link, caption and keys, and the held picker behind it.
        if (pick < 45)
            return Clicks(view, 1);
        if (pick < 55)
            return Clicks(view, 2);
        if (pick < 70)
            return Drag(view);
        if (pick < 90)
            return Keys(view);
        return Hover();
    }
    if (pick < 30)
        return PipetteDrag(view);
    if (pick < 43)
        return Drag(view);
    if (pick < 68)
        return Clicks(view, 1);
    if (pick < 75)
        return Clicks(view, 2);
    if (pick < 87)
        return Keys(view);
    if (pick < 91)
        return SystemMenuByKeys(view);
    return Hover();
}

Gesture GestureMaker::PipetteDrag(const AppView& view)
{
    HWND picker = GetDlgItem(view.dialog, IDC_PICKER);
    POINT press = PointIn(WindowRect(picker), 2);
    if (WindowFromPoint(press) != picker)
        return Drag(view); // covered or off the screen: an ordinary drag then
    Gesture g;
    g.Move(press);
    g.Press();
    int moves = Uniform(3, 30);
    // Escape during the drag ends only the drag, when the keys reach the dialog.
    int escapeAfter = (view.foreground && Chance(15)) ? Uniform(0, moves - 1) : -1;
    POINT pt = press;
    for (int i = 0; i < moves; ++i)
    {
        int kind = Uniform(0, 9);
        pt = kind < 5 ? AnyPoint() : kind < 8 ? PointIn(WindowRect(view.dialog)) : Near(pt, 20);
        g.Move(pt);
        if (i == escapeAfter)
            g.Key("Escape");
    }
    g.Release();
    g.sampled = escapeAfter < 0;
    g.escapes = escapeAfter >= 0;
    g.keys = false; // the Escape is the drag's own, checked with it
    return g;
}

Gesture GestureMaker::Drag(const AppView& view)
{
    Gesture g;
    POINT press = Target(view);
    g.Move(press);
    g.Press();
    POINT pt = press;
    int moves = Uniform(2, 16);
    for (int i = 0; i < moves; ++i)
    {
        pt = Chance(50) ? Near(pt, 40) : Chance(50) ? Target(view) : AnyPoint();
        g.Move(pt);
    }
    g.Release();
    g.mayEnd = MayEnd(view, press, pt);
    return g;
}

Gesture GestureMaker::Clicks(const AppView& view, int count)
{
    Gesture g;
    POINT pt = Target(view);
    g.Move(pt);
    g.Click(count);
    g.mayEnd = MayEnd(view, pt, pt);
    // The first click may close the box, and the next land on the dialog behind it.
    if (count > 1 && view.box)
    {
        AppView behind = view;
        behind.box = behind.about = NULL;
        g.mayEnd = g.mayEnd || MayEnd(behind, pt, pt);
    }
    HWND hit = ControlAt(view.dialog, pt);
    if (count == 1 && !view.box && !view.iconic)
    {
        for (const auto& pair : kCopyButtonReadouts)
        {
            if (hit == GetDlgItem(view.dialog, pair[0]) && IsWindowEnabled(hit))
                g.copiedReadout = pair[1];
        }
    }
    return g;
}

Gesture GestureMaker::Hover()
{
    Gesture g;
    int moves = Uniform(5, 25);
    for (int i = 0; i < moves; ++i)
        g.Move(AnyPoint());
    return g;
}

Gesture GestureMaker::Keys(const AppView& view)
{
    Gesture g;
    int count = Uniform(1, 5);
    for (int i = 0; i < count; ++i)
        g.Key(kNeutralKeys[Uniform(0, 5)]);
    if (Chance(20))
    {
        int last = Uniform(0, 4);
        g.Key(kLastKeys[last]);
        g.mayEnd = !view.box && last != 4;
    }
    return g;
}

Gesture GestureMaker::SystemMenuByKeys(const AppView& view)
{
    Gesture g;
    g.Key("alt+space");
    int count = Uniform(0, 7);
    for (int i = 0; i < count; ++i)
        g.Key(Chance(70) ? "Down" : "Up");
    bool choose = Chance(60);
    g.Key(choose ? "Return" : "Escape");
    g.mayEnd = choose && !view.box;
    return g;
}

Gesture GestureMaker::InMenu(const AppView& view)
{
    Gesture g;
    int pick = Uniform(0, 99);
    if (pick < 40 && view.menuPopup)
    {
        // Hover over the items, then pick one or leave.
        RECT menu = WindowRect(view.menuPopup);
        int moves = Uniform(0, 3);
        for (int i = 0; i < moves; ++i)
            g.Move(PointIn(menu));
        POINT pt = Chance(75) ? PointIn(menu) : Target(view);
        g.Move(pt);
        g.Click(1);
        g.mayEnd = MayEnd(view, pt, pt);
        return g;
    }
    if (pick < 85)
    {
        int count = Uniform(0, 6);
        for (int i = 0; i < count; ++i)
            g.Key(kNeutralKeys[Uniform(0, 5)]);
        bool choose = Chance(50);
        g.Key(choose ? "Return" : "Escape");
        g.mayEnd = choose && !view.box;
        return g;
    }
    POINT pt = Target(view);
    g.Move(pt);
    g.Click(1);
    g.mayEnd = MayEnd(view, pt, pt);
    return g;
}

Gesture GestureMaker::InMoveSize()
{
    // The system's move loop, from the menu's Move or a press on the caption: arrows
    // and the pointer move the window; Enter, Escape or a click end the loop.
    Gesture g;
    int count = Uniform(0, 6);
    for (int i = 0; i < count; ++i)
    {
        if (Chance(60))
            g.Key(kNeutralKeys[Uniform(2, 5)]);
        else
            g.Move(AnyPoint());
    }
    int end = Uniform(0, 2);
    if (end == 0)
        g.Key("Return");
    else if (end == 1)
        g.Key("Escape");
    else
        g.Click(1);
    return g;
}
