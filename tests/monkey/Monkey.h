// The monkey: random real input through the X server to the running Tintlet.exe, with
// the program checked between gestures. It answers within a second, its readouts are
// well formed, it ends only after an action that may end it and then with exit code 0
// (and is started again), and each run of it gives back its GDI and USER objects.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct MonkeySettings
{
    unsigned seed;
    long events;   // stops after at least this many events
    DWORD seconds; // or after this long, whichever comes first
};

struct MonkeyReport
{
    long events = 0;
    long gestures = 0;
    DWORD elapsedMs = 0;
    int starts = 0;
    std::vector<std::string> endings; // how each run of the program ended
    int samplesChecked = 0;
    int copiesChecked = 0;
    int aboutOpenings = 0;
    int wineBoxOpenings = 0; // Wine's own About box, from its item in the system menu
    int restores = 0;        // the program was minimised and brought back
    int recentres = 0;       // a window had left the screen and was put back
    int leakRuns = 0;        // runs of the program whose objects were accounted
    // Object growth that the same gestures, sent again, did not repeat (its counts), and
    // growth left undecided because a repetition ended the program.
    std::vector<std::string> madeOnce;
    int undecided = 0;
    std::vector<std::string> failures;
};

MonkeyReport RunMonkey(const MonkeySettings& settings);
