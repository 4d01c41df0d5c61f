// The monkey's random source: from a seed and what the program shows right now, the
// next gesture. The same seed against the same program makes the same gestures.
#pragma once
#include "monkey/AppView.h"
#include "monkey/Gesture.h"

#include <random>
#include <vector>

class GestureMaker
{
public:
    explicit GestureMaker(unsigned seed);

    Gesture Next(const AppView& view);

private:
    int Uniform(int lo, int hi); // both ends included
    bool Chance(int percent);
    POINT AnyPoint();
    POINT PointIn(const RECT& rc, int inset = 0);
    POINT Near(POINT pt, int reach);
    // A point worth pressing: on a control, the caption, the window, or anywhere.
    POINT Target(const AppView& view);
    // Whether a press and release at these points can end the program.
    bool MayEnd(const AppView& view, POINT press, POINT release);

    Gesture PipetteDrag(const AppView& view);
    Gesture Drag(const AppView& view);
    Gesture Clicks(const AppView& view, int count);
    Gesture Hover();
    Gesture Keys(const AppView& view);
    Gesture SystemMenuByKeys(const AppView& view);
    Gesture InMenu(const AppView& view);
    Gesture InMoveSize();

    std::mt19937 m_random;
};
