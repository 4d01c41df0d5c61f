// The other process of the GUI object counter's test: it creates and deletes objects
// on cue, so the test can count them from outside.
//   gui_objects_child COUNT STEP_EVENT DONE_EVENT   (inherited event handles)
// Each stage sets DONE and waits for STEP: warmed up, COUNT brushes and windows made,
// all of them gone.
#include <windows.h>

#include <cstdlib>
#include <vector>

namespace
{
HWND MakeWindow()
{
    return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
}

bool Stage(HANDLE step, HANDLE done)
{
    SetEvent(done);
    return WaitForSingleObject(step, 30000) == WAIT_OBJECT_0;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    int count = atoi(argv[1]);
    HANDLE step = (HANDLE)(UINT_PTR)_strtoui64(argv[2], NULL, 10);
    HANDLE done = (HANDLE)(UINT_PTR)_strtoui64(argv[3], NULL, 10);

    // The first brush of a process brings objects of Wine's own that stay, and the
    // thread's IME window lives as long as any top-level window of the thread.
    DeleteObject(CreateSolidBrush(RGB(1, 2, 3)));
    HWND anchor = MakeWindow();
    if (!Stage(step, done))
        return 1;

    std::vector<HBRUSH> brushes;
    std::vector<HWND> windows;
    for (int i = 0; i < count; ++i)
    {
        brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
        windows.push_back(MakeWindow());
    }
    if (!Stage(step, done))
        return 1;

    for (HBRUSH b : brushes)
        DeleteObject(b);
    for (HWND w : windows)
        DestroyWindow(w);
    bool ok = Stage(step, done);
    DestroyWindow(anchor);
    return ok ? 0 : 1;
}
