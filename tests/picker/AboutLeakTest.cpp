// The About box gives back everything it takes: two hundred openings from the system
// menu's command, each box ended as soon as it is active, leave the process's object
// counts where they were.
#include "picker/PickerDlgProbe.h"
#include "res/resource.h"
#include "support/LeakCheck.h"

#include <gtest/gtest.h>

namespace
{
const int kWarmUpOpenings = 3;
const int kOpenings = 200;

HHOOK s_hook = NULL;
int s_openings = 0;

// Ends each About box from inside its own modal loop once it has come up.
LRESULT CALLBACK CloseAboutWhenActive(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_ACTIVATE)
    {
        wchar_t caption[32] = L"";
        GetWindowTextW((HWND)wp, caption, 32);
        if (!lstrcmpW(caption, L"About Tintlet"))
        {
            ++s_openings;
            PostMessageW((HWND)wp, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(s_hook, code, wp, lp);
}
} // namespace

TEST(AboutLeak, TwoHundredOpeningsLeaveTheGdiAndUserObjectCountsUnchanged)
{
    CPickerDlgProbe dlg;
    dlg.check = [](CPickerDlgProbe& d) {
        s_openings = 0;
        s_hook = SetWindowsHookExW(WH_CBT, CloseAboutWhenActive, NULL, GetCurrentThreadId());
        ASSERT_TRUE(s_hook);
        // Each command returns once its box has ended.
        auto open = [&](int) { SendMessageW(d.m_hWnd, WM_SYSCOMMAND, IDM_ABOUTBOX, 0); };
        EXPECT_TRUE(KeepsNoObjects(kWarmUpOpenings, kOpenings, open));
        UnhookWindowsHookEx(s_hook);
        EXPECT_EQ(kWarmUpOpenings + kOpenings, s_openings) << "every command opened a box";
        EXPECT_TRUE(IsWindowEnabled(d.m_hWnd)) << "the picker is given back after the last box";
    };
    dlg.DoModal();
}
