// The real Tintlet.exe, started as a separate process in the Wine desktop the tests
// share, and looked at from outside as a user (or a screen reader) would.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class TintletProcess
{
public:
    // Starts Tintlet.exe with `args` after the program name and waits for its dialog.
    explicit TintletProcess(const std::wstring& args = L"");
    // Ends the process if a test left it running.
    ~TintletProcess();

    HWND Dialog() const { return m_hwnd; }
    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
    DWORD ThreadId() const { return m_pi.dwThreadId; }
    // The text of control `id` of the dialog, as a screen reader reads it.
    std::wstring Text(int id) const;
    // The window holding the mouse capture in the program's thread, or NULL.
    HWND Capture() const;
    // Waits until control `id` shows `text`.
    bool WaitForText(int id, const std::wstring& text, DWORD ms = 3000) const;
    // Waits until the coordinates readout names screen point pt.
    bool WaitForSample(POINT pt, DWORD ms = 3000) const;
    // A whole drag with real input: press on the pipette, move to pt, release there.
    // True once the readouts show pt's sample.
    bool DragFromPickerTo(POINT pt) const;
    // Waits until the program has taken in the input sent to it so far: it gets to input
    // only after the messages before it, so right after real input it can still show
    // the state before. False when it did not within `ms` (at each of two stages).
    bool WaitForInputTaken(DWORD ms = 1000) const;
    // Whether the process has ended within `ms`; also true when no window of it is left.
    bool WaitForExit(DWORD ms = 10000);
    DWORD ExitCode() const;
    // Visible top-level windows the process still owns.
    int VisibleWindowCount() const;
    // Sends real key strokes to the dialog after bringing it to the front.
    void PressKey(WORD vk) const;

private:
    PROCESS_INFORMATION m_pi;
    HWND m_hwnd;
};

// The visible top-level windows of a process, topmost first.
std::vector<HWND> VisibleWindowsOf(DWORD pid);
// Real key strokes to `window`, brought to the front first.
void PressKeyIn(HWND window, WORD vk);
