// Start-up and memory of Tintlet.exe against the bare one-dialog program, run
// interleaved so both see the same machine. Start-up ends when the new process first
// goes idle with its dialog visible: a modal dialog idles only after its first paint.
// A second floor, the same bare program asking for the common controls 6 as Tintlet's
// manifest does, shows what that request alone costs. A third, Tintlet's own start-up
// work done by bare Win32 calls, leaves the framework's own cost.
//   startup_bench TINTLET.EXE BARE.EXE [RUNS [BARE_V6.EXE [BARE_TINTLET.EXE]]]
#include "Goal.h"
#include "ProcessWindow.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

namespace
{
struct Sample
{
    double ms;
    SIZE_T peakBytes;
};

bool RunOnce(const wchar_t* exe, Sample* out)
{
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    wchar_t cmd[MAX_PATH + 2];
    swprintf(cmd, MAX_PATH + 2, L"\"%ls\"", exe);
    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&t0);
    if (!CreateProcessW(exe, cmd, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return false;

    HWND dialog = WaitForVisibleWindow(pi);
    QueryPerformanceCounter(&t1);
    out->ms = (t1.QuadPart - t0.QuadPart) * 1000.0 / freq.QuadPart;

    Sleep(200);
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc);
    out->peakBytes = pmc.PeakWorkingSetSize;

    if (dialog)
        PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    bool ended = WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0;
    if (!ended)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return dialog && ended;
}

template <class T> T Median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3)
    {
        fprintf(stderr, "usage: startup_bench TINTLET.EXE BARE.EXE [RUNS [BARE_V6.EXE [BARE_TINTLET.EXE]]]\n");
        return 2;
    }
    int runs = argc > 3 ? _wtoi(argv[3]) : 11;
    // Tintlet first, then each floor given, run in turn so all see the same machine.
    std::vector<const wchar_t*> exes = {argv[1], argv[2]};
    for (int i = 4; i < argc && i < 6; ++i)
        exes.push_back(argv[i]);
    std::vector<std::vector<double>> ms(exes.size());
    std::vector<std::vector<SIZE_T>> peak(exes.size());

    // One unmeasured run each warms the file cache and the Wine server.
    Sample s;
    for (const wchar_t* exe : exes)
        RunOnce(exe, &s);
    for (int i = 0; i < runs; ++i)
    {
        for (size_t e = 0; e < exes.size(); ++e)
        {
            if (!RunOnce(exes[e], &s))
                return fprintf(stderr, "startup_bench: run %d of %ls failed\n", i, exes[e]), 1;
            ms[e].push_back(s.ms);
            peak[e].push_back(s.peakBytes);
        }
    }

    // Each row's ratio is the median of the rounds' own ratios. Only the floor that does
    // Tintlet's own work has a goal, the framework's cost: the bare dialogs load no icons,
    // cursor or button images, which Tintlet must.
    const char* const rows[][2] = {{"start-up to first paint", "floor: a bare dialog"},
                                   {"start-up, same manifest", "floor: a bare dialog asking for the common controls 6"},
                                   {"start-up, same work", "floor: Tintlet's start-up by bare Win32 calls"}};
    double app = Median(ms[0]);
    for (size_t e = 1; e < exes.size(); ++e)
    {
        std::vector<double> ratios;
        for (int i = 0; i < runs; ++i)
            ratios.push_back(ms[0][i] / ms[e][i]);
        Spread ratio = SpreadOf(ratios);
        char note[160], goal[96];
        if (e == 1)
            snprintf(note, sizeof note, "%s; median of %d rounds", rows[0][1], runs);
        else if (e == 3)
        {
            DescribeGoal(goal, sizeof goal, ratio, 1.05, "");
            snprintf(note, sizeof note, "%s; %s", rows[2][1], goal);
        }
        else
            snprintf(note, sizeof note, "%s", rows[e - 1][1]);
        printf("%-28s %10.1f ms %10.1f ms %8.2f   (%s)\n", rows[e - 1][0], app, Median(ms[e]), ratio.median, note);
    }
    double appKiB = Median(peak[0]) / 1024.0, bareKiB = Median(peak[1]) / 1024.0;
    printf("%-28s %9.0f KiB %9.0f KiB %8.2f\n", "peak working set", appKiB, bareKiB, appKiB / bareKiB);
    return 0;
}
