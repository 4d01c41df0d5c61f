#include "support/XBridge.h"

#include "support/Paths.h"

#include <windows.h>

#include <cstdlib>

namespace
{
struct Pipes
{
    Pipes()
    {
        const char* dir = getenv("TINTLET_XINPUT");
        if (!dir)
            return;
        folder = dir;
        request = CreateFileW(WindowsPath((folder + "/request").c_str()).c_str(), GENERIC_WRITE, 0, NULL, OPEN_EXISTING,
                              0, NULL);
        reply = CreateFileW(WindowsPath((folder + "/reply").c_str()).c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0,
                            NULL);
    }

    std::string folder;
    HANDLE request = INVALID_HANDLE_VALUE;
    HANDLE reply = INVALID_HANDLE_VALUE;
};

Pipes& Bridge()
{
    static Pipes pipes;
    return pipes;
}
} // namespace

bool XBridge::Available()
{
    return Bridge().request != INVALID_HANDLE_VALUE && Bridge().reply != INVALID_HANDLE_VALUE;
}

bool XBridge::Run(const std::string& commandLine)
{
    if (!Available())
        return false;
    std::string line = commandLine + "\n";
    DWORD n = 0;
    if (!WriteFile(Bridge().request, line.data(), (DWORD)line.size(), &n, NULL))
        return false;
    std::string status;
    char c;
    while (ReadFile(Bridge().reply, &c, 1, &n, NULL) && n == 1 && c != '\n')
        status += c;
    return status == "0";
}

std::string XBridge::Output()
{
    std::string text;
    HANDLE file = CreateFileW(WindowsPath((Bridge().folder + "/output").c_str()).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return text;
    char buf[512];
    DWORD n = 0;
    while (ReadFile(file, buf, sizeof buf, &n, NULL) && n > 0)
        text.append(buf, n);
    CloseHandle(file);
    return text;
}
