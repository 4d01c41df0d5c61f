// The monkey against the real Tintlet.exe. `make test` runs a short one, `make monkey`
// the long one; TINTLET_MONKEY_SEED replays a run, TINTLET_MONKEY_EVENTS and
// TINTLET_MONKEY_SECONDS set its length and its time bound, and TINTLET_DPI runs it at
// that system DPI (scripts/wine-exec).
#include "monkey/Monkey.h"
#include "support/BrowserRecorder.h"
#include "support/XBridge.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace
{
unsigned long Setting(const char* name, unsigned long fallback)
{
    const char* value = getenv(name);
    return value && *value ? strtoul(value, NULL, 10) : fallback;
}
} // namespace

TEST(Monkey, RandomRealInputNeitherCrashesNorHangsNorLeaks)
{
    // Where the system scales programs, the monkey's points must be the screen's pixels,
    // as xdotool's moves and the coordinates readout are.
    SetProcessDPIAware();
    ASSERT_TRUE(XBridge::Available()) << "the monkey sends its input through the X bridge of scripts/test.sh";
    // The About box's link opens into the recorder, not a browser.
    BrowserRecorder browser;
    ASSERT_TRUE(browser.Active());
    MonkeySettings settings;
    settings.seed =
        (unsigned)Setting("TINTLET_MONKEY_SEED", (GetTickCount() ^ (GetCurrentProcessId() << 16)) % 1000000);
    settings.events = (long)Setting("TINTLET_MONKEY_EVENTS", 400);
    settings.seconds = (DWORD)Setting("TINTLET_MONKEY_SECONDS", 540);
    printf("monkey: seed %u, %ld events, at most %lu s (replay: TINTLET_MONKEY_SEED=%u)\n", settings.seed,
           settings.events, settings.seconds, settings.seed);
    fflush(stdout);

    MonkeyReport r = RunMonkey(settings);

    // The details first; the summary is the last line, whatever fails on the way.
    double seconds = r.elapsedMs / 1000.0;
    printf("monkey: %ld gestures in %.1f s, %.0f events/s\n", r.gestures, seconds,
           seconds > 0 ? r.events / seconds : 0.0);
    printf("monkey: the runs the monkey ended, each with exit code 0:\n");
    for (const std::string& ending : r.endings)
        printf("  ended after:%s\n", ending.c_str());
    printf("monkey: %d About boxes and %d of Wine's seen, %zu link presses, %d restores from minimised, %d windows "
           "put back on the screen\n",
           r.aboutOpenings, r.wineBoxOpenings, browser.Requests().size(), r.restores, r.recentres);
    printf("monkey: GDI and USER objects accounted for %d runs of the program\n", r.leakRuns);
    for (const std::string& counts : r.madeOnce)
        printf("  made once: %s\n", counts.c_str());
    fflush(stdout);

    for (const std::string& failure : r.failures)
        ADD_FAILURE() << failure << "\n  replay: TINTLET_MONKEY_SEED=" << settings.seed;
    if (r.failures.empty())
    {
        EXPECT_GE(r.events, settings.events) << "the time bound stopped the monkey early";
        // Every run ended through a counted ending, except the last one if it was still up.
        EXPECT_LE((int)r.endings.size(), r.starts);
        EXPECT_GE((int)r.endings.size() + 1, r.starts);
        EXPECT_EQ(r.starts, r.leakRuns);
    }
    printf("monkey: %ld events, %d runs of the program (%zu ended by the monkey), %d pipette drags and %d copies "
           "checked, %zu growths made once, %d undecided\n",
           r.events, r.starts, r.endings.size(), r.samplesChecked, r.copiesChecked, r.madeOnce.size(), r.undecided);
    fflush(stdout);
}
