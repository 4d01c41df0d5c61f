#include "support/RealMouse.h"

#include "support/Pump.h"
#include "support/XBridge.h"

#include <cstdio>
#include <string>

namespace
{
void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = dx;
    in.mi.dy = dy;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
}

// Absolute coordinates run from 0 to 65536 across the screen; rounding up makes the
// system's scaling land on the pixel itself rather than the one before it.
LONG Normalise(LONG v, int extent)
{
    return (LONG)(((LONGLONG)v * 65536 + extent - 1) / extent);
}
} // namespace

bool RealMouse::MoveTo(POINT pt)
{
    if (XBridge::Available())
    {
        char command[64];
        snprintf(command, sizeof command, "xdotool mousemove --sync %ld %ld", (long)pt.x, (long)pt.y);
        XBridge::Run(command);
    }
    else
    {
        SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Normalise(pt.x, GetSystemMetrics(SM_CXSCREEN)),
                  Normalise(pt.y, GetSystemMetrics(SM_CYSCREEN)));
    }
    return PumpUntil(
        [&] {
            POINT now;
            GetCursorPos(&now);
            return now.x == pt.x && now.y == pt.y;
        },
        2000);
}

void RealMouse::LeftDown()
{
    if (XBridge::Available())
        XBridge::Run("xdotool mousedown 1");
    else
        SendMouse(MOUSEEVENTF_LEFTDOWN);
    PumpMessages(20);
}

void RealMouse::LeftUp()
{
    if (XBridge::Available())
        XBridge::Run("xdotool mouseup 1");
    else
        SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(20);
}
