#include "monkey/Monkey.h"

#include "monkey/AppView.h"
#include "monkey/GestureMaker.h"
#include "monkey/Readouts.h"
#include "res/resource.h"
#include "support/GuiObjects.h"
#include "support/Pump.h"
#include "support/ReadBack.h"
#include "support/Screen.h"
#include "support/TintletProcess.h"
#include "support/XBridge.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>
#include <utility>
#include <vector>

namespace
{
const DWORD kAnswerMs = 1000;
const DWORD kExitMs = 5000;
// An ending is put down to a gesture that may end the program when it comes at most
// this many gestures later: the program can still be working through its input.
const long kEndingLag = 2;
const size_t kRecentGestures = 12;
// Gestures after which the program holds more objects are sent this many times again:
// an object kept per repetition is a leak; one made once (as Wine makes some the first
// time a path is taken) is not, nor is the bitmap and region Wine 10 holds at some
// counts after a system menu opened by keyboard and not at others, on a timing of its
// own. Repetitions change the program's state, so a run of a seed is the same again
// only up to the first count whose growth comes and goes differently.
const int kRepetitions = 4;
// Wine's own system command, SC_ABOUTWINE: it shows Wine's About box.
const UINT kWineAboutCommand = SC_SCREENSAVE + 1;

std::string Format(const char* format, ...)
{
    char text[512];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

bool OnScreen(HWND hwnd)
{
    RECT rc;
    return !hwnd || (GetWindowRect(hwnd, &rc) && rc.left >= 0 && rc.top >= 0 &&
                     rc.right <= GetSystemMetrics(SM_CXSCREEN) && rc.bottom <= GetSystemMetrics(SM_CYSCREEN));
}

bool Quiet(const AppView& v)
{
    return !v.box && !v.inMenu && !v.inMoveSize && !v.iconic && !v.capture;
}

// The GDI types that changed, in brackets, for a growth's report.
std::string Changes(const GuiObjectCounts& before, const GuiObjectCounts& after)
{
    std::string changes = GdiTypeChanges(before, after);
    return changes.empty() ? changes : " (" + changes + ")";
}

bool Grew(const GuiObjectCounts& now, const GuiObjectCounts& before)
{
    return now.gdi > before.gdi || now.user > before.user;
}

// A child of the window that a click leaves alone: a static without SS_NOTIFY. The
// first child is not always one: in Wine's About box it is the OK button.
HWND PlainChild(HWND window)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    {
        wchar_t name[16] = L"";
        GetClassNameW(child, name, 16);
        if (!lstrcmpiW(name, L"Static") && IsWindowVisible(child) && !(GetWindowLongW(child, GWL_STYLE) & SS_NOTIFY))
            return child;
    }
    return NULL;
}

POINT TopLeftOf(HWND hwnd)
{
    RECT rc = {};
    GetWindowRect(hwnd, &rc);
    return {rc.left, rc.top};
}

bool IsAt(HWND hwnd, POINT at)
{
    POINT now = TopLeftOf(hwnd);
    return now.x == at.x && now.y == at.y;
}

// A gesture as it was sent, with where the program's windows stood: its points are
// the screen's, so it means the same again only with the windows there.
struct SentGesture
{
    Gesture gesture;
    POINT dialogAt;
    bool box;
    POINT boxAt;
};

class MonkeyRun
{
public:
    explicit MonkeyRun(const MonkeySettings& settings)
        : m_settings(settings),
          m_maker(settings.seed)
    {
    }

    ~MonkeyRun()
    {
        m_app.reset();
        if (m_process)
            CloseHandle(m_process);
    }

    MonkeyReport Run()
    {
        DWORD start = GetTickCount();
        if (!Start())
            return m_report;
        while (m_report.events < m_settings.events && GetTickCount() - start < m_settings.seconds * 1000 &&
               m_report.failures.empty())
        {
            if (m_app->WaitForExit(0))
            {
                if (!Ended() || !Start())
                    break;
                continue;
            }
            if (!Step())
                break;
        }
        // The last gesture may have ended the program: that ending is checked and
        // accounted like any other.
        if (m_report.failures.empty())
        {
            if (m_app->WaitForExit(0))
                Ended();
            else
                FinalAccount();
        }
        m_report.elapsedMs = GetTickCount() - start;
        return m_report;
    }

private:
    bool Step()
    {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(m_app->Dialog(), WM_NULL, 0, 0, SMTO_NORMAL, kAnswerMs, &result))
            return Exiting() || Fail(Format("the program did not answer within %lu ms", kAnswerMs));
        std::string problem = ReadoutProblem(*m_app);
        if (!problem.empty())
            return Exiting() || Fail(problem);
        AppView view = Observe(*m_app);
        if (Housekeep(view))
            return true;
        if (view.box && view.box != m_lastBox)
            ++(view.about ? m_report.aboutOpenings : m_report.wineBoxOpenings);
        m_lastBox = view.box;
        if (Quiet(view) && m_report.gestures % 8 == 0)
        {
            long sent = m_report.gestures;
            if (!Counted(CountGuiObjects(m_process)))
                return false;
            // Repetitions were sent: the view above is gone by.
            if (m_report.gestures != sent)
                return true;
        }

        Gesture g = m_maker.Next(view);
        DWORD clipboard = GetClipboardSequenceNumber();
        if (!SendAndWait(g))
            return true;
        return Verify(g, clipboard);
    }

    // Sends a gesture and, when it may end the program, gives it a moment to.
    bool SendAndWait(Gesture& g)
    {
        AppView view = Observe(*m_app);
        SentGesture sent = {g, TopLeftOf(view.dialog), view.box != NULL, TopLeftOf(view.box)};
        if (!Send(g, view))
            return false;
        // The next view, and a count at rest, must follow from the whole gesture.
        m_app->WaitForInputTaken();
        m_sinceCount.push_back(sent);
        if (g.mayEnd)
        {
            m_lastMayEnd = m_report.gestures;
            m_app->WaitForExit(250);
        }
        return true;
    }

    // A count of the program at rest. More objects than at the last count were made by
    // the gestures since: those are sent again from rest, and only a count that grows
    // at every repetition is a leak. Growth made once joins the run's baseline. When a
    // repetition ends the program the growth stays undecided (and outside the baseline).
    bool Counted(GuiObjectCounts now)
    {
        std::vector<SentGesture> since;
        since.swap(m_sinceCount);
        if (Grew(now, m_lastQuiet))
        {
            GuiObjectCounts before = now;
            int grew = 0;
            std::string counts =
                Format("counted at gesture %ld: GDI %ld -> %ld", m_report.gestures, m_lastQuiet.gdi, now.gdi) +
                Changes(m_lastQuiet, now) + Format(", USER %ld -> %ld", m_lastQuiet.user, now.user);
            for (int i = 0; i < kRepetitions; ++i)
            {
                for (const SentGesture& sent : since)
                {
                    Gesture g = sent.gesture;
                    if (m_app->WaitForExit(0) || !PutBack(sent) || !SendAndWait(g))
                        return Undecided();
                }
                GuiObjectCounts after;
                if (!Rest(&after))
                    return Undecided();
                counts +=
                    Format(", again GDI %ld", after.gdi) + Changes(before, after) + Format(", USER %ld", after.user);
                grew += Grew(after, before);
                before = after;
            }
            m_sinceCount.clear();
            for (const SentGesture& sent : since)
                counts += Format("\n    dialog at %ld,%ld%s, after:", sent.dialogAt.x, sent.dialogAt.y,
                                 sent.box ? ", a box open" : "") +
                          sent.gesture.command;
            if (grew == kRepetitions)
                return Fail(Format("the last %zu gestures kept objects at every repetition: ", since.size()) + counts);
            m_report.madeOnce.push_back(counts);
            m_baseline.gdi += before.gdi - m_lastQuiet.gdi;
            m_baseline.user += before.user - m_lastQuiet.user;
            now = before;
        }
        m_lastQuiet = now;
        return true;
    }

    // Puts the dialog and its box back as they stood when the gesture was first sent:
    // gestures after it, and the housekeeping between them, may have minimised or
    // moved them since. False when they cannot be put back now (a move loop has them,
    // or the box is not there).
    bool PutBack(const SentGesture& sent)
    {
        AppView view = Observe(*m_app);
        if (view.inMoveSize || sent.box != (view.box != NULL))
            return false;
        if (view.iconic)
            Restore(view.dialog);
        for (auto [hwnd, at] : {std::make_pair(view.dialog, sent.dialogAt), std::make_pair(view.box, sent.boxAt)})
        {
            if (hwnd && !IsAt(hwnd, at))
                MoveTo(hwnd, at);
        }
        return true;
    }

    bool Undecided()
    {
        ++m_report.undecided;
        return true;
    }

    // Brings the program to rest (no menu, box, move or minimised window) and counts
    // its objects there. False when it is ending or would not come to rest.
    bool Rest(GuiObjectCounts* counts)
    {
        for (int i = 0; i < 4 && !m_app->WaitForExit(0); ++i)
        {
            AppView view = Observe(*m_app);
            if (view.inMenu || view.inMoveSize)
                PostMessageW(view.dialog, WM_CANCELMODE, 0, 0);
            // Boxes can stand over boxes (Wine's licence over Wine's About): close each.
            else if (view.box)
                CloseBox(view.box);
            else if (!Housekeep(view) && PumpUntil([&] { return Quiet(Observe(*m_app)); }, 3000))
            {
                PumpMessages(200);
                if (!m_app->WaitForInputTaken() || !Quiet(Observe(*m_app)))
                    continue;
                *counts = CountGuiObjects(m_process);
                return true;
            }
            PumpMessages(100);
        }
        return false;
    }

    // True when the program has ended or is on its way out: its dialog is gone. Under
    // Wine a process takes a while to end after its last window, and a gesture that
    // ended it has waited only a little; the ending itself is checked at the top of
    // the loop.
    bool Exiting() { return m_app->WaitForExit(IsWindow(m_app->Dialog()) ? 0 : kExitMs); }

    // Starts the program, lets Wine make what it makes once per process, and takes
    // the object counts every later count of this run is held against.
    bool Start()
    {
        m_app.reset();
        if (m_process)
            CloseHandle(m_process);
        m_process = NULL;
        m_app.reset(new TintletProcess());
        ++m_report.starts;
        if (!m_app->Dialog())
            return Fail("the program did not start");
        DWORD pid = 0;
        GetWindowThreadProcessId(m_app->Dialog(), &pid);
        m_process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
        WarmUp();
        m_baseline = m_lastQuiet = CountGuiObjects(m_process);
        m_sinceCount.clear();
        m_startGesture = m_report.gestures;
        if (m_baseline.gdi < 0 || m_baseline.user < 0)
            return Fail("the program's GDI and USER objects could not be counted");
        return true;
    }

    // Wine makes some objects once per process, the first time a window is moved, a
    // menu shown, the About box or its link used: each of these once, by real input,
    // and Wine's own boxes.
    void WarmUp()
    {
        RECT rc;
        GetWindowRect(m_app->Dialog(), &rc);
        POINT outside = {std::min(rc.right + 40, (LONG)GetSystemMetrics(SM_CXSCREEN) - 1), rc.top + 40};
        m_app->DragFromPickerTo(outside);
        POINT copy = CentreOf(m_app->Item(IDC_COPY_DEC));
        POINT caption = {rc.left + 40, rc.top + GetSystemMetrics(SM_CYCAPTION) / 2};
        XBridge::Run(Format("xdotool mousemove %ld %ld click 1 mousemove %ld %ld mousedown 1 mousemove %ld %ld "
                            "mousemove %ld %ld mouseup 1",
                            copy.x, copy.y, caption.x, caption.y, caption.x + 20, caption.y + 20, caption.x,
                            caption.y));
        PumpUntil([&] { return Observe(*m_app).foreground; }, 2000);
        XBridge::Run("xdotool key Tab key shift+Tab key alt+space");
        if (PumpUntil([&] { return Observe(*m_app).menuPopup != NULL; }, 2000))
        {
            // The first Escape closes the menu and leaves menu mode on the caption; the
            // next leaves that. One more would close the dialog.
            for (int i = 0; i < 3 && Observe(*m_app).inMenu; ++i)
            {
                XBridge::Run("xdotool key Escape");
                PumpUntil([&] { return !Observe(*m_app).inMenu; }, 300);
            }
        }
        if (HWND about = OpenBox([&] { PostMessageW(m_app->Dialog(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0); }))
        {
            POINT link = CentreOf(GetDlgItem(about, IDC_LINK));
            POINT ok = CentreOf(GetDlgItem(about, IDOK));
            XBridge::Run(Format("xdotool mousemove %ld %ld click 1", link.x, link.y));
            PumpMessages(300);
            XBridge::Run(Format("xdotool mousemove %ld %ld click 1", ok.x, ok.y));
            if (!PumpUntil([&] { return !IsWindow(about); }, 3000))
                CloseBox(about);
        }
        WarmUpWineBoxes();
        PumpMessages(300);
    }

    // Wine's system menu has an item of its own, "About Wine", whose box can open
    // Wine's licence box: each makes objects of Wine's the first time it opens.
    void WarmUpWineBoxes()
    {
        HWND about = OpenBox([&] { PostMessageW(m_app->Dialog(), WM_SYSCOMMAND, kWineAboutCommand, 0); });
        if (!about)
            return;
        HWND licence =
            OpenBox([&] { PostMessageW(FindWindowExW(about, NULL, L"Button", L"Wine &license"), BM_CLICK, 0, 0); });
        if (licence)
            CloseBox(licence);
        CloseBox(about);
    }

    template <class Action> HWND OpenBox(Action open)
    {
        HWND before = Observe(*m_app).box, box = NULL;
        open();
        if (!PumpUntil([&] { return (box = Observe(*m_app).box) != before && box; }, 5000))
            return NULL;
        PumpMessages(300); // painted, with whatever it takes for that
        return box;
    }

    void CloseBox(HWND box)
    {
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        PumpUntil([&] { return Observe(*m_app).box != box; }, 3000);
    }

    // The program has ended: through a legitimate path, with exit code 0, and with
    // nothing kept from its objects' baseline.
    bool Ended()
    {
        DWORD code = m_app->ExitCode();
        if (m_report.gestures - m_lastMayEnd > kEndingLag)
            return Fail(Format("the program ended (exit code %lu) after gestures that cannot end it", code));
        if (code != 0)
            return Fail(Format("the program ended with exit code %lu (0x%08lX)", code, code));
        m_report.endings.push_back(m_lastMayEndCommand);
        return Account();
    }

    bool Account()
    {
        ++m_report.leakRuns;
        if (m_lastQuiet.gdi > m_baseline.gdi || m_lastQuiet.user > m_baseline.user)
            return Fail(Format("run %d of the program kept objects over %ld gestures: GDI %ld -> %ld, USER %ld -> %ld",
                               m_report.starts, m_report.gestures - m_startGesture, m_baseline.gdi, m_lastQuiet.gdi,
                               m_baseline.user, m_lastQuiet.user));
        return true;
    }

    // The last run of the program, brought to rest, is accounted like the others.
    void FinalAccount()
    {
        GuiObjectCounts now;
        if (Rest(&now) && !Counted(now))
            return;
        if (m_app->WaitForExit(0))
            Ended();
        else
            Account();
    }

    // Puts back what the monkey's own gestures cannot: a minimised program, and a
    // window moved off the screen. True when it changed something.
    bool Housekeep(const AppView& view)
    {
        if (view.inMenu || view.inMoveSize)
            return false;
        if (view.iconic)
        {
            Restore(view.dialog);
            return true;
        }
        for (HWND hwnd : {view.dialog, view.box})
        {
            if (!OnScreen(hwnd))
            {
                ++m_report.recentres;
                MoveTo(hwnd, {200, 150});
                return true;
            }
        }
        return false;
    }

    void Restore(HWND dialog)
    {
        ++m_report.restores;
        PostMessageW(dialog, WM_SYSCOMMAND, SC_RESTORE, 0);
        PumpUntil([&] { return !IsIconic(dialog); }, 2000);
    }

    void MoveTo(HWND hwnd, POINT at)
    {
        SetWindowPos(hwnd, NULL, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        PumpUntil([&] { return IsAt(hwnd, at); }, 2000);
    }

    // Key strokes go to the foreground window, so the program is given the keyboard
    // first with a click on its window's plain text. False when it never took it.
    bool Send(Gesture& g, const AppView& view)
    {
        if (g.keys && !view.foreground)
        {
            HWND plain = PlainChild(view.box ? view.box : view.dialog);
            if (!plain)
                return false;
            POINT pt = CentreOf(plain);
            XBridge::Run(Format("xdotool mousemove %ld %ld click 1", (long)pt.x, (long)pt.y));
            m_report.events += 3;
            if (!PumpUntil([&] { return Observe(*m_app).foreground; }, 1000))
                return false;
        }
        // A press soon after an earlier one and near it may be the second of a
        // double-click, which the dialog leaves alone even on the pipette: then no drag
        // runs, and a drag's Escape reaches the dialog. Wine tells double-clicks apart
        // per thread, so a press on another program's window in between does not part
        // two presses on ours, and after a double-click a third press may count as one
        // again: every recent press counts.
        if (g.pressed && MayBeDoubleClick(g.firstPress))
        {
            g.sampled = false;
            g.mayEnd = g.mayEnd || g.escapes;
        }
        if (!XBridge::Run("xdotool" + g.command))
            return Fail("xdotool failed:" + g.command);
        if (g.pressed)
            m_recentPresses.push_back({GetTickCount(), g.lastPress});
        ++m_report.gestures;
        m_report.events += g.events;
        m_recent.push_back(Format("%ld:", m_report.gestures) + g.command);
        if (m_recent.size() > kRecentGestures)
            m_recent.pop_front();
        if (g.mayEnd)
            m_lastMayEndCommand = g.command;
        if (g.endsWithPointerAt)
        {
            PumpUntil(
                [&] {
                    POINT now;
                    GetCursorPos(&now);
                    return now.x == g.pointer.x && now.y == g.pointer.y;
                },
                1000);
        }
        return true;
    }

    bool MayBeDoubleClick(POINT press)
    {
        DWORD now = GetTickCount(), window = GetDoubleClickTime() + 250;
        while (!m_recentPresses.empty() && now - m_recentPresses.front().tick >= window)
            m_recentPresses.pop_front();
        for (const Press& p : m_recentPresses)
        {
            if (abs(press.x - p.pt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
                abs(press.y - p.pt.y) <= GetSystemMetrics(SM_CYDOUBLECLK))
                return true;
        }
        return false;
    }

    bool Verify(const Gesture& g, DWORD clipboard)
    {
        if (g.sampled)
        {
            ++m_report.samplesChecked;
            if (!m_app->WaitForSample(g.pointer))
                return Fail(Format("a drag from the pipette released at %ld, %ld left the coordinates at \"%ls\"",
                                   (long)g.pointer.x, (long)g.pointer.y, m_app->Text(IDC_COORDINATES).c_str()));
        }
        if (g.copiedReadout)
        {
            ++m_report.copiesChecked;
            PumpUntil([&] { return GetClipboardSequenceNumber() != clipboard; }, 3000);
            std::wstring expected = m_app->Text(g.copiedReadout);
            std::wstring copied = ClipboardText();
            if (copied != expected)
                return Fail(Format("a click on the copy button of readout %d put \"%ls\" on the clipboard, not \"%ls\"",
                                   g.copiedReadout, copied.c_str(), expected.c_str()));
        }
        return true;
    }

    bool Fail(const std::string& what)
    {
        std::string text = Format("gesture %ld, run %d of the program: ", m_report.gestures, m_report.starts) + what;
        text += "\n  last gestures (xdotool arguments):";
        for (const std::string& line : m_recent)
            text += "\n    " + line;
        m_report.failures.push_back(text);
        return false;
    }

    MonkeySettings m_settings;
    GestureMaker m_maker;
    MonkeyReport m_report;
    std::unique_ptr<TintletProcess> m_app;
    HANDLE m_process = NULL;
    GuiObjectCounts m_baseline = {};
    GuiObjectCounts m_lastQuiet = {};
    std::vector<SentGesture> m_sinceCount; // sent since m_lastQuiet was counted
    long m_startGesture = 0;
    long m_lastMayEnd = -100;
    std::string m_lastMayEndCommand;
    HWND m_lastBox = NULL;
    struct Press
    {
        DWORD tick;
        POINT pt;
    };
    std::deque<Press> m_recentPresses;
    std::deque<std::string> m_recent;
};
} // namespace

MonkeyReport RunMonkey(const MonkeySettings& settings)
{
    MonkeyRun run(settings);
    return run.Run();
}
