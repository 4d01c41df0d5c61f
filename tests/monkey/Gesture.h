// One gesture of the monkey: a short run of real input events sent as one xdotool
// command line, with what the monkey may and must see afterwards.
#pragma once
#include <windows.h>

#include <string>

struct Gesture
{
    std::string command; // xdotool's arguments
    int events = 0;      // X input events in it: moves, presses, releases, key strokes
    // It holds an action through which the program may end: Escape outside a drag,
    // Enter or Space on the default button, Alt+F4, Close, the system menu.
    bool mayEnd = false;
    bool keys = false; // key strokes, which reach the program only when it has the keyboard
    bool endsWithPointerAt = false;
    POINT pointer = {};
    // Once the gesture is done: the readouts show a sample at `pointer` (a drag from
    // the pipette released there), or the clipboard holds readout `readoutId` (a click
    // on an enabled copy button).
    bool sampled = false;
    // A pipette drag with an Escape in it: should the press start no drag, the Escape
    // goes to the dialog, which may then close.
    bool escapes = false;
    bool pressed = false;
    POINT firstPress = {}; // where its first and last presses are
    POINT lastPress = {};
    int copiedReadout = 0;

    void Move(POINT pt);
    void Press();
    void Release();
    void Click(int count);
    void Key(const char* keysym);

private:
    void NotePress();
};
