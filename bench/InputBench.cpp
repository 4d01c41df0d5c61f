// Samples per second through the real input path: SendInput drags the real Tintlet.exe
// across stripes of known colours, and each move waits until the coordinates readout
// shows its point, so every move is one sample. The drag walks in rounds; the time from
// each round's last move to its readout, and whether that readout shows the last move's
// pixel, is taken per round. The floor is the same walk in the same lock-step over a
// window of the bench's own that does nothing with the moves: what the input path itself
// allows.
//   input_bench TINTLET.EXE [ROUNDS [MOVES_PER_ROUND]]
#include "Clock.h"
#include "Goal.h"
#include "ProcessWindow.h"
#include "Stripes.h"
#include "res/resource.h"

#include <cstdio>
#include <cwchar>
#include <vector>

namespace
{
void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

void SendMouse(DWORD flags, POINT pt = POINT())
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE)
    {
        // Normalised to 0..65535 across the screen, rounded up: the system scales
        // back with truncation.
        int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
        in.mi.dx = (pt.x * 65536 + cx - 1) / cx;
        in.mi.dy = (pt.y * 65536 + cy - 1) / cy;
    }
    SendInput(1, &in, sizeof in);
}

// Whether Tintlet's HTML readout shows the colour of pt, point number i of the walk.
bool ReadoutShows(HWND dialog, const Stripes& stripes, int i)
{
    wchar_t shown[32] = L"", want[32];
    COLORREF cr = stripes.Color(i);
    swprintf(want, 32, L"#%02X%02X%02X", GetRValue(cr), GetGValue(cr), GetBValue(cr));
    GetWindowTextW(GetDlgItem(dialog, IDC_HTML), shown, 32);
    return wcscmp(shown, want) == 0;
}

// Waits until Tintlet's coordinates readout shows pt; false after `ms`.
bool WaitForReadout(HWND dialog, POINT pt, DWORD ms)
{
    wchar_t want[32], shown[32];
    swprintf(want, 32, L"%ld, %ld", (long)pt.x, (long)pt.y);
    HWND readout = GetDlgItem(dialog, IDC_COORDINATES);
    DWORD start = GetTickCount();
    do
    {
        shown[0] = 0;
        SendMessageW(readout, WM_GETTEXT, 32, (LPARAM)shown);
        if (wcscmp(shown, want) == 0)
            return true;
    } while (GetTickCount() - start < ms);
    return false;
}

// Waits until a window of this thread is told of a move to pt; false after `ms`.
bool WaitForOwnMove(POINT pt, DWORD ms)
{
    DWORD start = GetTickCount();
    do
    {
        MSG msg;
        while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
        {
            DispatchMessageW(&msg);
            if (msg.message == WM_MOUSEMOVE && msg.pt.x == pt.x && msg.pt.y == pt.y)
                return true;
        }
    } while (GetTickCount() - start < ms);
    return false;
}

// Moves to pt until arrived(pt, ms) sees the move get through; a lost move is sent once
// more. How many times it was sent, 0 when it never got through.
template <class Arrived> int MoveTo(POINT pt, Arrived arrived)
{
    for (int sends = 1; sends <= 2; ++sends)
    {
        SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, pt);
        if (arrived(pt, sends == 1 ? 500 : 2000))
            return sends;
    }
    return 0;
}

// Moves per second the stripes window of this process is told of, in lock-step.
double FloorRate(const Stripes& stripes, int moves)
{
    double t0 = Now();
    for (int i = 0; i < moves; ++i)
    {
        if (!MoveTo(stripes.Point(i), WaitForOwnMove))
            return 0;
    }
    return moves / (Now() - t0);
}

// Moves to pt and tells whether its readout came and stayed.
bool Settled(HWND dialog, POINT pt)
{
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, pt);
    if (!WaitForReadout(dialog, pt, 500))
        return false;
    Sleep(200);
    return WaitForReadout(dialog, pt, 0);
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
        return fprintf(stderr, "usage: input_bench TINTLET.EXE [ROUNDS [MOVES_PER_ROUND]]\n"), 2;
    int rounds = argc > 2 ? _wtoi(argv[2]) : 11, perRound = argc > 3 ? _wtoi(argv[3]) : 500;
    int moves = rounds * perRound;

    Stripes stripes;
    if (!stripes.OnScreen())
        return fprintf(stderr, "input_bench: the stripes never showed on the screen\n"), 1;
    double floorRate = FloorRate(stripes, moves);
    if (floorRate <= 0)
        return fprintf(stderr, "input_bench: the stripes window was not told of a move\n"), 1;

    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    wchar_t cmd[MAX_PATH + 2];
    swprintf(cmd, MAX_PATH + 2, L"\"%ls\"", argv[1]);
    if (!CreateProcessW(argv[1], cmd, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return fprintf(stderr, "input_bench: cannot start Tintlet\n"), 1;
    HWND dialog = WaitForVisibleWindow(pi);

    int done = 0, lost = 0;
    double rate = 0;
    std::vector<double> lastMs;
    bool lastOk = true;
    if (dialog)
    {
        // Clear of the stripes, so every point of the walk shows the stripes' colours.
        SetWindowPos(dialog, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        Pump();
        RECT rc;
        GetWindowRect(GetDlgItem(dialog, IDC_PICKER), &rc);
        POINT centre = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, centre);
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        // Wine can lose the first moves after a press, and the X server's echo of the
        // pointer warps can bring back an old point: moves until one stays shown.
        for (int i = 0; i < 20 && !Settled(dialog, stripes.Point(moves + i)); ++i)
        {
        }

        double walked = 0;
        for (int r = 0; r < rounds && done == r * perRound; ++r)
        {
            double t0 = Now(), tLast = 0;
            for (int i = 0; i < perRound; ++i, ++done)
            {
                POINT pt = stripes.Point(done);
                tLast = Now();
                int sends = MoveTo(pt, [&](POINT p, DWORD ms) { return WaitForReadout(dialog, p, ms); });
                if (!sends)
                    break;
                lost += sends - 1;
            }
            double t1 = Now();
            walked += t1 - t0;
            if (done == (r + 1) * perRound)
            {
                lastMs.push_back((t1 - tLast) * 1000);
                lastOk = lastOk && ReadoutShows(dialog, stripes, done - 1);
            }
        }
        rate = done / walked;
        SendMouse(MOUSEEVENTF_LEFTUP);
        PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    bool closed = WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0;
    if (!closed)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);

    if (!dialog)
        return fprintf(stderr, "input_bench: Tintlet showed no window\n"), 1;
    if (lastMs.empty())
        return fprintf(stderr, "input_bench: no round got every move through\n"), 1;
    // Wine tells even a window that does nothing of fewer moves a second than a rate
    // goal could ask for: what holds is that every move is sampled, and soon.
    printf("%-28s %10.0f /s %10.0f /s %8.2f   (%d of %d moves sampled, %d sent twice; goal every move: %s)\n",
           "samples per second, input", rate, floorRate, rate / floorRate, done, moves, lost, Verdict(done == moves));
    Spread last = SpreadOf(lastMs);
    char goal[96];
    DescribeGoal(goal, sizeof goal, last, 4, " ms");
    printf("%-28s %10.2f ms %13s %8s   (each round's last; readouts %s; %s)\n", "last move to its readout", last.median,
           "", "", lastOk ? "OK" : "FAILED", goal);
    return lastOk && closed ? 0 : 1;
}
