#include "support/MessageTrace.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
std::vector<Message> g_trace;
const wchar_t kOldProc[] = L"TintletTestOldProc";

bool Matches(const Message& want, const Message& got)
{
    if (want.message != got.message)
        return false;
    if ((want.flags & (sent | posted)) && (want.flags & (sent | posted)) != (got.flags & (sent | posted)))
        return false;
    if ((want.flags & defwinproc) != (got.flags & defwinproc))
        return false;
    if ((want.flags & wparam) && want.wParam != got.wParam)
        return false;
    if ((want.flags & lparam) && want.lParam != got.lParam)
        return false;
    return true;
}

std::string Describe(const Message* m)
{
    if (!m)
        return "-";
    char buf[96];
    snprintf(buf, sizeof buf, "%04x%s w=%llx l=%llx", m->message, (m->flags & defwinproc) ? " def" : "",
             (unsigned long long)m->wParam, (unsigned long long)m->lParam);
    return buf;
}

LRESULT CALLBACK RecorderProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    AddMessage({msg, sent, wp, lp});
    WNDPROC old = (WNDPROC)GetPropW(hwnd, kOldProc);
    return CallWindowProcW(old, hwnd, msg, wp, lp);
}
} // namespace

void AddMessage(const Message& msg) { g_trace.push_back(msg); }

void FlushSequence() { g_trace.clear(); }

void InstallRecorder(HWND hwnd)
{
    SetPropW(hwnd, kOldProc, (HANDLE)SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)RecorderProc));
}

void OkSequence(const Message* expected, const char* context)
{
    std::vector<Message> got;
    got.swap(g_trace);
    size_t g = 0;
    bool ok = true;
    const Message* e = expected;
    for (; e->message; ++e)
    {
        if (g < got.size() && Matches(*e, got[g]))
            ++g;
        else if (!(e->flags & optional))
        {
            ok = false;
            break;
        }
    }
    if (ok && g != got.size())
        ok = false;
    if (ok)
        return;

    std::string table = "expected                         | actual\n";
    size_t n = 0;
    while (expected[n].message)
        ++n;
    for (size_t i = 0; i < n || i < got.size(); ++i)
    {
        std::string left = Describe(i < n ? &expected[i] : nullptr);
        left.resize(33, ' ');
        table += left + "| " + Describe(i < got.size() ? &got[i] : nullptr) + "\n";
    }
    ADD_FAILURE() << context << ": message sequence differs\n" << table;
}
