#include "support/MessageTrace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
std::vector<Message> g_trace;
const wchar_t kRecorderProp[] = L"TintletTestRecorder";

struct Recorder
{
    WNDPROC oldProc;
    std::vector<UINT> messages;
    UINT flags;
};

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
    if ((want.flags & id) && want.id != got.id)
        return false;
    return true;
}

std::string Describe(const Message* m)
{
    if (!m)
        return "-";
    char buf[112];
    int n = snprintf(buf, sizeof buf, "%04x%s w=%llx l=%llx", m->message, (m->flags & defwinproc) ? " def" : "",
                     (unsigned long long)m->wParam, (unsigned long long)m->lParam);
    if (m->id || (m->flags & id))
        snprintf(buf + n, sizeof buf - n, " id=%d", m->id);
    return buf;
}

LRESULT CALLBACK RecorderProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    Recorder* r = (Recorder*)GetPropW(hwnd, kRecorderProp);
    WNDPROC oldProc = r->oldProc;
    if (r->messages.empty() || std::find(r->messages.begin(), r->messages.end(), msg) != r->messages.end())
    {
        // A top-level window's identifier field holds its menu.
        int ctrlId = (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) ? GetDlgCtrlID(hwnd) : 0;
        AddMessage({msg, r->flags, wp, lp, ctrlId});
    }
    if (msg == WM_NCDESTROY)
    {
        RemovePropW(hwnd, kRecorderProp);
        delete r;
    }
    return CallWindowProcW(oldProc, hwnd, msg, wp, lp);
}
} // namespace

void AddMessage(const Message& msg)
{
    g_trace.push_back(msg);
}

void FlushSequence()
{
    g_trace.clear();
}

void InstallRecorder(HWND hwnd, std::initializer_list<UINT> messages, UINT flags)
{
    Recorder* r = new Recorder{NULL, messages, flags};
    SetPropW(hwnd, kRecorderProp, (HANDLE)r);
    r->oldProc = (WNDPROC)SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)RecorderProc);
}

void RemoveRecorder(HWND hwnd)
{
    Recorder* r = (Recorder*)RemovePropW(hwnd, kRecorderProp);
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)r->oldProc);
    delete r;
}

void OkSequenceAt(const Message* expected, const char* context, const char* file, int line)
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

    std::string table = "expected                               | actual\n";
    size_t n = 0;
    while (expected[n].message)
        ++n;
    for (size_t i = 0; i < n || i < got.size(); ++i)
    {
        std::string left = Describe(i < n ? &expected[i] : nullptr);
        left.resize(39, ' ');
        table += left + "| " + Describe(i < got.size() ? &got[i] : nullptr) + "\n";
    }
    ADD_FAILURE_AT(file, line) << context << ": message sequence differs\n" << table;
}
