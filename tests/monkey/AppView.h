// The running program as the monkey sees it between two gestures: which of its windows
// are up and what has the input, read from outside without touching it.
#pragma once
#include "support/TintletProcess.h"

struct AppView
{
    HWND dialog;
    HWND box;       // a box over the dialog while one is open (ours or Wine's), else NULL
    HWND about;     // that box when it is the About box, else NULL
    HWND menuPopup; // a visible menu of the program, else NULL
    bool inMenu;    // menu mode, with or without a popup showing
    bool inMoveSize;
    bool iconic;
    bool foreground; // one of the program's windows is the foreground window
    HWND capture;
};

AppView Observe(const TintletProcess& app);
