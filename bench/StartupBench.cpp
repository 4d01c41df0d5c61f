// Start-up and memory of Tintlet.exe against the bare one-dialog program, run
// interleaved so both see the same machine. Start-up ends when the new process first
// goes idle with its dialog visible: a modal dialog idles only after its first paint.
// A second floor, the same bare program asking for the common controls 6 as Tintlet's
// manifest does, shows what that request alone costs.
//   startup_bench TINTLET.EXE BARE.EXE [RUNS [BARE_V6.EXE]]
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
        fprintf(stderr, "usage: startup_bench TINTLET.EXE BARE.EXE [RUNS [BARE_V6.EXE]]\n");
        return 2;
    }
    int runs = argc > 3 ? _wtoi(argv[3]) : 11;
    const wchar_t* bareV6 = argc > 4 ? argv[4] : NULL;
    std::vector<double> appMs, bareMs, bareV6Ms;
    std::vector<SIZE_T> appPeak, barePeak;

    // One unmeasured run each warms the file cache and the Wine server.
    Sample s;
    RunOnce(argv[1], &s);
    RunOnce(argv[2], &s);
    for (int i = 0; i < runs; ++i)
    {
        if (!RunOnce(argv[1], &s))
            return fprintf(stderr, "startup_bench: Tintlet run %d failed\n", i), 1;
        appMs.push_back(s.ms);
        appPeak.push_back(s.peakBytes);
        if (!RunOnce(argv[2], &s))
            return fprintf(stderr, "startup_bench: bare run %d failed\n", i), 1;
        bareMs.push_back(s.ms);
        barePeak.push_back(s.peakBytes);
        if (bareV6 && !RunOnce(bareV6, &s))
            return fprintf(stderr, "startup_bench: bare v6 run %d failed\n", i), 1;
        bareV6Ms.push_back(s.ms);
    }

    double app = Median(appMs), bare = Median(bareMs);
    double appKiB = Median(appPeak) / 1024.0, bareKiB = Median(barePeak) / 1024.0;
    printf("%-28s %10.1f ms %10.1f ms %8.2f   (goal <= 1.10; median of %d)\n", "start-up to first paint", app, bare,
           app / bare, runs);
    if (bareV6)
    {
        double v6 = Median(bareV6Ms);
        printf("%-28s %10.1f ms %10.1f ms %8.2f   (floor asks for the common controls 6 too)\n",
               "start-up, same manifest", app, v6, app / v6);
    }
    printf("%-28s %9.0f KiB %9.0f KiB %8.2f\n", "peak working set", appKiB, bareKiB, appKiB / bareKiB);
    return 0;
}
