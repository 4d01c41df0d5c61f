#include "monkey/Gesture.h"

#include <cstdio>

void Gesture::Move(POINT pt)
{
    char text[48];
    snprintf(text, sizeof text, " mousemove %ld %ld", (long)pt.x, (long)pt.y);
    command += text;
    ++events;
    endsWithPointerAt = true;
    pointer = pt;
}

void Gesture::NotePress()
{
    if (!pressed)
        firstPress = pointer;
    pressed = true;
    lastPress = pointer;
}

void Gesture::Press()
{
    NotePress();
    command += " mousedown 1";
    ++events;
}

void Gesture::Release()
{
    command += " mouseup 1";
    ++events;
}

void Gesture::Click(int count)
{
    // Two presses well inside the double-click time make a double-click.
    NotePress();
    char text[48];
    snprintf(text, sizeof text, " click --repeat %d --delay 60 1", count);
    command += text;
    events += 2 * count;
}

void Gesture::Key(const char* keysym)
{
    command += " key --delay 8 ";
    command += keysym;
    ++events;
    keys = true;
}
