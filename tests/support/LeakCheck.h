// The leak tests' one procedure: an action is repeated a few times first, so that
// whatever the system makes once per process is made, the process's GDI and USER
// objects are counted, the action is repeated many times more and they are counted
// again. Wine sometimes makes its once-per-process objects only after the warm-up,
// at a moment set by timing (a DC with its region and bitmap, seen after system
// colour changes), so counts that moved are given one more equal round, which must
// leave them exactly where they were: a leak keeps objects in every round. A drop
// fails too, as it could hide one.
#pragma once
#include "support/GuiObjects.h"
#include "support/Pump.h"

#include <gtest/gtest.h>

// Calls action(i) for i = 0 .. warmUps - 1, counts, then rounds of action(i) for
// i = 0 .. times - 1, counting after each: the first round, or else the second,
// must leave the counts unchanged.
template <class Action> testing::AssertionResult KeepsNoObjects(int warmUps, int times, Action action)
{
    for (int i = 0; i < warmUps; ++i)
        action(i);
    PumpMessages(50);
    GuiObjectCounts counts[3];
    counts[0] = CountGuiObjects();
    if (counts[0].gdi < 0 || counts[0].user < 0)
        return testing::AssertionFailure() << "the process's objects could not be counted";
    for (int round = 1; round <= 2; ++round)
    {
        for (int i = 0; i < times; ++i)
            action(i);
        PumpMessages(50);
        counts[round] = CountGuiObjects();
        const GuiObjectCounts& before = counts[round - 1];
        if (counts[round].gdi == before.gdi && counts[round].user == before.user)
            return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "two rounds of " << times << " repetitions left GDI objects " << counts[0].gdi
                                       << " -> " << counts[1].gdi << " -> " << counts[2].gdi << ", USER objects "
                                       << counts[0].user << " -> " << counts[1].user << " -> " << counts[2].user
                                       << " (GDI by type: " << GdiTypeChanges(counts[0], counts[2]) << ")";
}
