#include "e2e/RealMouse.h"

#include "e2e/TintletProcess.h"
#include "support/Pump.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
// The bridge's two pipes, opened once per test program.
class XInputBridge
{
public:
    XInputBridge()
    {
        const char* dir = getenv("TINTLET_XINPUT");
        if (!dir)
            return;
        std::string base = dir;
        m_request = CreateFileW(WindowsPath((base + "/request").c_str()).c_str(), GENERIC_WRITE, 0, NULL,
                                OPEN_EXISTING, 0, NULL);
        m_reply = CreateFileW(WindowsPath((base + "/reply").c_str()).c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING,
                              0, NULL);
    }

    bool Available() const { return m_request != INVALID_HANDLE_VALUE && m_reply != INVALID_HANDLE_VALUE; }

    // Runs one xdotool command and waits for it to finish; true when it succeeded.
    bool Run(const std::string& command)
    {
        std::string line = command + "\n";
        DWORD n = 0;
        if (!WriteFile(m_request, line.data(), (DWORD)line.size(), &n, NULL))
            return false;
        std::string status;
        char c;
        while (ReadFile(m_reply, &c, 1, &n, NULL) && n == 1 && c != '\n')
            status += c;
        return status == "0";
    }

private:
    HANDLE m_request = INVALID_HANDLE_VALUE;
    HANDLE m_reply = INVALID_HANDLE_VALUE;
};

XInputBridge& Bridge()
{
    static XInputBridge bridge;
    return bridge;
}

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
LONG Normalise(LONG v, int extent) { return (LONG)(((LONGLONG)v * 65536 + extent - 1) / extent); }
} // namespace

bool RealMouse::MoveTo(POINT pt)
{
    if (Bridge().Available())
    {
        char command[64];
        snprintf(command, sizeof command, "mousemove --sync %ld %ld", (long)pt.x, (long)pt.y);
        Bridge().Run(command);
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
    if (Bridge().Available())
        Bridge().Run("mousedown 1");
    else
        SendMouse(MOUSEEVENTF_LEFTDOWN);
    PumpMessages(20);
}

void RealMouse::LeftUp()
{
    if (Bridge().Available())
        Bridge().Run("mouseup 1");
    else
        SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(20);
}
