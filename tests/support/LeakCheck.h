// The leak tests' one procedure: an action is repeated a few times first, so that
// whatever the system makes once per process is made, the process's GDI and USER
// objects are counted, the action is repeated many times more and they are counted
// again. Any change fails: growth is a leak, and a drop could hide one.
#pragma once
#include "support/GuiObjects.h"
#include "support/Pump.h"

#include <gtest/gtest.h>

// Calls action(i) for i = 0 .. warmUps - 1, counts, calls action(i) for
// i = 0 .. times - 1, counts again.
template <class Action> testing::AssertionResult KeepsNoObjects(int warmUps, int times, Action action)
{
    for (int i = 0; i < warmUps; ++i)
        action(i);
    PumpMessages(50);
    GuiObjectCounts before = CountGuiObjects();
    if (before.gdi < 0 || before.user < 0)
        return testing::AssertionFailure() << "the process's objects could not be counted";
    for (int i = 0; i < times; ++i)
        action(i);
    PumpMessages(50);
    GuiObjectCounts after = CountGuiObjects();
    if (after.gdi != before.gdi || after.user != before.user)
        return testing::AssertionFailure() << times << " repetitions left GDI objects " << before.gdi << " -> "
                                           << after.gdi << ", USER objects " << before.user << " -> " << after.user;
    return testing::AssertionSuccess();
}
