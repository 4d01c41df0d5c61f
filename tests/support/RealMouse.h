// Real mouse input. Under Wine the X server's own test extension moves the pointer
// (xdotool through XBridge): moves injected with SendInput there fight the X pointer
// and can be undone. Without the bridge (on Windows itself) SendInput is the real
// input path.
#pragma once
#include <windows.h>

namespace RealMouse
{
// Moves the pointer to screen point pt; false if it did not arrive there.
bool MoveTo(POINT pt);
void LeftDown();
void LeftUp();
} // namespace RealMouse
