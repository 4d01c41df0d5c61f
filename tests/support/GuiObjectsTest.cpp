// The GUI object counter every leak test relies on: each object made or deleted moves
// its count by exactly one, in this process and in another.
#include "support/GuiObjects.h"
#include "support/LeakCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
const int kCount = 25;

HWND MakeWindow(HWND parent = NULL)
{
    return CreateWindowExW(0, L"STATIC", L"", parent ? WS_CHILD : WS_POPUP, 0, 0, 10, 10, parent, NULL, NULL, NULL);
}

HICON MakeIcon()
{
    static const BYTE andBits[32] = {}, xorBits[32] = {0xFF, 0x0F};
    return CreateIcon(NULL, 16, 16, 1, 1, andBits, xorBits);
}

// Objects Wine makes once, on the first use of each kind, would count as ours.
// Returns a window to keep while counting: a thread's first top-level window brings
// the thread's IME window, and its last one takes it away.
HWND WarmUp()
{
    DeleteObject(CreateSolidBrush(RGB(1, 2, 3)));
    HDC dc = CreateCompatibleDC(NULL);
    DeleteObject(CreateCompatibleBitmap(dc, 4, 4));
    DeleteDC(dc);
    DestroyWindow(MakeWindow());
    DestroyMenu(CreatePopupMenu());
    DestroyIcon(MakeIcon());
    return MakeWindow();
}

// Makes kCount objects with `make`, checks that `count` rose by exactly that many,
// deletes them with `destroy` and checks that it is back where it was.
template <class Handle, class Make, class Destroy, class Count>
void ExpectCounted(const char* what, Make make, Destroy destroy, Count count)
{
    long before = count();
    ASSERT_GE(before, 0) << what;
    std::vector<Handle> objects;
    for (int i = 0; i < kCount; ++i)
    {
        objects.push_back(make(i));
        ASSERT_TRUE(objects.back()) << what << " " << i;
    }
    EXPECT_EQ(before + kCount, count()) << what << " made";
    for (Handle h : objects)
        destroy(h);
    EXPECT_EQ(before, count()) << what << " deleted";
}

long Gdi()
{
    return CountGuiObjects().gdi;
}

long User()
{
    return CountGuiObjects().user;
}
} // namespace

TEST(GuiObjects, GdiCountFollowsBrushesDcsBitmapsAndRegions)
{
    HWND anchor = WarmUp();
    ExpectCounted<HBRUSH>(
        "brushes", [](int i) { return CreateSolidBrush(RGB(i, 0, 0)); }, [](HBRUSH b) { DeleteObject(b); }, Gdi);
    ExpectCounted<HDC>(
        "memory DCs", [](int) { return CreateCompatibleDC(NULL); }, [](HDC dc) { DeleteDC(dc); }, Gdi);
    HDC screen = GetDC(NULL);
    ExpectCounted<HBITMAP>(
        "bitmaps", [&](int) { return CreateCompatibleBitmap(screen, 8, 8); }, [](HBITMAP b) { DeleteObject(b); }, Gdi);
    ReleaseDC(NULL, screen);
    ExpectCounted<HRGN>(
        "regions", [](int i) { return CreateRectRgn(0, 0, i + 1, i + 1); }, [](HRGN r) { DeleteObject(r); }, Gdi);
    DestroyWindow(anchor);
}

// Between two counts, what was made or deleted is named by type, as a leak's report
// gives it.
TEST(GuiObjects, GdiTypeChangesNameWhatWasMadeAndDeleted)
{
    HWND anchor = WarmUp();
    GuiObjectCounts before = CountGuiObjects();
    HDC dc = CreateCompatibleDC(NULL);
    HRGN regions[] = {CreateRectRgn(0, 0, 1, 1), CreateRectRgn(0, 0, 2, 2)};
    HBRUSH brushes[] = {CreateSolidBrush(RGB(1, 0, 0)), CreateSolidBrush(RGB(2, 0, 0)), CreateSolidBrush(RGB(3, 0, 0))};
    GuiObjectCounts made = CountGuiObjects();
    EXPECT_EQ("DC +1, region +2, brush or pen +3", GdiTypeChanges(before, made));
    DeleteDC(dc);
    for (HRGN r : regions)
        DeleteObject(r);
    for (HBRUSH b : brushes)
        DeleteObject(b);
    EXPECT_EQ("DC -1, region -2, brush or pen -3", GdiTypeChanges(made, CountGuiObjects()));
    EXPECT_EQ("", GdiTypeChanges(before, CountGuiObjects()));
    DestroyWindow(anchor);
}

TEST(GuiObjects, UserCountFollowsWindowsMenusIconsAndAcceleratorTables)
{
    HWND anchor = WarmUp();
    ExpectCounted<HWND>(
        "top-level windows", [](int) { return MakeWindow(); }, [](HWND w) { DestroyWindow(w); }, User);
    HWND parent = MakeWindow();
    ExpectCounted<HWND>(
        "child windows", [&](int) { return MakeWindow(parent); }, [](HWND w) { DestroyWindow(w); }, User);
    DestroyWindow(parent);
    ExpectCounted<HWND>(
        "message-only windows",
        [](int) { return CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL); },
        [](HWND w) { DestroyWindow(w); }, User);
    ExpectCounted<HMENU>(
        "menus", [](int) { return CreatePopupMenu(); }, [](HMENU m) { DestroyMenu(m); }, User);
    ExpectCounted<HICON>(
        "icons", [](int) { return MakeIcon(); }, [](HICON i) { DestroyIcon(i); }, User);
    ExpectCounted<HACCEL>(
        "accelerator tables",
        [](int i) {
            ACCEL accel = {FVIRTKEY, (WORD)('A' + i % 26), (WORD)(100 + i)};
            return CreateAcceleratorTableW(&accel, 1);
        },
        [](HACCEL a) { DestroyAcceleratorTable(a); }, User);
    DestroyWindow(anchor);
}

// The leak tests' procedure fails when each repetition keeps one brush, DC, window or
// icon, and passes when it keeps nothing, or keeps one object once, after the warm-up.
TEST(GuiObjects, LeakCheckFailsOnAnyObjectKeptPerRepetition)
{
    HWND anchor = WarmUp();
    std::vector<HBRUSH> brushes;
    std::vector<HDC> dcs;
    std::vector<HWND> windows;
    std::vector<HICON> icons;
    EXPECT_FALSE(KeepsNoObjects(2, 10, [&](int i) { brushes.push_back(CreateSolidBrush(RGB(i, 1, 1))); }));
    EXPECT_FALSE(KeepsNoObjects(2, 10, [&](int) { dcs.push_back(CreateCompatibleDC(NULL)); }));
    EXPECT_FALSE(KeepsNoObjects(2, 10, [&](int) { windows.push_back(MakeWindow()); }));
    EXPECT_FALSE(KeepsNoObjects(2, 10, [&](int) { icons.push_back(MakeIcon()); }));
    EXPECT_TRUE(KeepsNoObjects(2, 10, [](int i) { DeleteObject(CreateSolidBrush(RGB(i, 1, 1))); }));
    HBRUSH late = NULL;
    EXPECT_TRUE(KeepsNoObjects(2, 10, [&](int i) {
        if (i == 5 && late == NULL)
            late = CreateSolidBrush(RGB(1, 2, 3));
    }));
    DeleteObject(late);
    for (HBRUSH b : brushes)
        DeleteObject(b);
    for (HDC dc : dcs)
        DeleteDC(dc);
    for (HWND w : windows)
        DestroyWindow(w);
    for (HICON i : icons)
        DestroyIcon(i);
    DestroyWindow(anchor);
}

// A child process makes kCount brushes and windows, then deletes them; its counts,
// read from here, follow.
TEST(GuiObjects, CountsAnotherProcesssBrushesAndWindows)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, NULL, TRUE};
    HANDLE step = CreateEventW(&inherit, FALSE, FALSE, NULL);
    HANDLE done = CreateEventW(&inherit, FALSE, FALSE, NULL);
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(NULL, exe, MAX_PATH);
    std::wstring path = exe;
    path = path.substr(0, path.find_last_of(L"\\/") + 1) + L"gui_objects_child.exe";
    std::wstring cmd = L"\"" + path + L"\" " + std::to_wstring(kCount) + L" " + std::to_wstring((UINT_PTR)step) + L" " +
                       std::to_wstring((UINT_PTR)done);
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessW(path.c_str(), &cmd[0], NULL, NULL, TRUE, 0, NULL, NULL, &si, &pi)) << GetLastError();

    GuiObjectCounts stages[3] = {};
    for (GuiObjectCounts& counts : stages)
    {
        ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(done, 20000));
        counts = CountGuiObjects(pi.hProcess);
        SetEvent(step);
    }
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(pi.hProcess, 10000));
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(0u, code);

    ASSERT_GE(stages[0].gdi, 0);
    ASSERT_GE(stages[0].user, 0);
    EXPECT_EQ(stages[0].gdi + kCount, stages[1].gdi);
    EXPECT_EQ(stages[0].user + kCount, stages[1].user);
    EXPECT_EQ(stages[0].gdi, stages[2].gdi);
    EXPECT_EQ(stages[0].user, stages[2].user);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    CloseHandle(step);
    CloseHandle(done);
}
