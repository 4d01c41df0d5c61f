#include "support/TintletProcess.h"

#include "res/resource.h"
#include "support/Paths.h"
#include "support/Pump.h"
#include "support/ReadBack.h"
#include "support/RealMouse.h"
#include "support/Screen.h"

namespace
{
struct Search
{
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND hwnd, LPARAM lp)
{
    Search* s = (Search*)lp;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == s->pid && IsWindowVisible(hwnd))
        s->found.push_back(hwnd);
    return TRUE;
}
} // namespace

std::vector<HWND> VisibleWindowsOf(DWORD pid)
{
    Search s = {pid, {}};
    EnumWindows(CollectVisible, (LPARAM)&s);
    return s.found;
}

TintletProcess::TintletProcess(const std::wstring& args)
    : m_pi(),
      m_hwnd(NULL)
{
    std::wstring exe = WindowsPath(TINTLET_EXE);
    std::wstring cmd = L"\"" + exe + L"\"" + (args.empty() ? L"" : L" " + args);
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    if (!CreateProcessW(exe.c_str(), &cmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &m_pi))
        return;
    std::vector<HWND> windows;
    PumpUntil([&] { return !(windows = VisibleWindowsOf(m_pi.dwProcessId)).empty(); }, 20000);
    m_hwnd = windows.empty() ? NULL : windows.front();
    WaitForInputIdle(m_pi.hProcess, 5000);
}

TintletProcess::~TintletProcess()
{
    if (!m_pi.hProcess)
        return;
    if (WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
    {
        TerminateProcess(m_pi.hProcess, 1);
        WaitForSingleObject(m_pi.hProcess, 5000);
    }
    CloseHandle(m_pi.hThread);
    CloseHandle(m_pi.hProcess);
}

bool TintletProcess::WaitForInputTaken(DWORD ms) const
{
    // A repaint comes only after the input queued before it was asked for, and the
    // process is idle only once its queue is empty. Under Wine it reads the X server's
    // events just before it waits, so events not yet read the first time are queued
    // by the time it is idle, and the second repaint comes after them.
    for (int i = 0; i < 2; ++i)
    {
        RECT pixel = {0, 0, 1, 1};
        InvalidateRect(m_hwnd, &pixel, FALSE);
        if (!PumpUntil([&] { return !IsWindow(m_hwnd) || !GetUpdateRect(m_hwnd, NULL, FALSE); }, ms) ||
            WaitForInputIdle(m_pi.hProcess, ms) == WAIT_TIMEOUT)
            return false;
    }
    return true;
}

bool TintletProcess::WaitForExit(DWORD ms)
{
    return m_pi.hProcess && WaitForSingleObject(m_pi.hProcess, ms) == WAIT_OBJECT_0;
}

DWORD TintletProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_pi.hProcess, &code);
    return code;
}

std::wstring TintletProcess::Text(int id) const
{
    wchar_t text[128] = L"";
    DWORD_PTR length = 0;
    SendMessageTimeoutW(Item(id), WM_GETTEXT, 128, (LPARAM)text, SMTO_ABORTIFHUNG, 2000, &length);
    return text;
}

HWND TintletProcess::Capture() const
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(m_pi.dwThreadId, &info);
    return info.hwndCapture;
}

bool TintletProcess::WaitForText(int id, const std::wstring& text, DWORD ms) const
{
    return PumpUntil([&] { return Text(id) == text; }, ms);
}

bool TintletProcess::WaitForSample(POINT pt, DWORD ms) const
{
    return PumpUntil(
        [&] {
            POINT shown;
            return ReadPoint(Text(IDC_COORDINATES), &shown) && shown.x == pt.x && shown.y == pt.y;
        },
        ms);
}

bool TintletProcess::DragFromPickerTo(POINT pt) const
{
    SetForegroundWindow(m_hwnd);
    POINT picker = PickerCentre(m_hwnd);
    if (!RealMouse::MoveTo(picker))
        return false;
    RealMouse::LeftDown();
    bool sampled = WaitForSample(picker) && RealMouse::MoveTo(pt) && WaitForSample(pt);
    RealMouse::LeftUp();
    return sampled && PumpUntil([&] { return Capture() == NULL; }, 2000);
}

int TintletProcess::VisibleWindowCount() const
{
    return (int)VisibleWindowsOf(m_pi.dwProcessId).size();
}

void TintletProcess::PressKey(WORD vk) const
{
    PressKeyIn(m_hwnd, vk);
}

void PressKeyIn(HWND window, WORD vk)
{
    SetForegroundWindow(window);
    PumpUntil([&] { return GetForegroundWindow() == window; }, 2000);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
    PumpMessages(200);
}
