// Wine's web browser replaced, for the life of one object, by a script that only writes
// down the addresses it is asked to open: no real browser starts, and a test can read
// what the shell handed on. The previous browser setting comes back afterwards.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class BrowserRecorder
{
public:
    BrowserRecorder();
    ~BrowserRecorder();

    // False when Wine's browser setting could not be changed.
    bool Active() const { return m_active; }
    // The addresses handed to the browser so far, oldest first.
    std::vector<std::wstring> Requests() const;
    // Waits (pumping messages) until `count` requests have come, for at most `ms`.
    std::vector<std::wstring> WaitForRequests(size_t count, DWORD ms = 15000) const;

private:
    bool m_active;
    bool m_hadValue;
    std::vector<BYTE> m_oldValue;
    DWORD m_oldType;
};
