// The cost of one sample inside Tintlet against the floor of reading one screen pixel
// (GetDC, GetPixel, ReleaseDC), both over the same stripes in the same run. A sample is
// a WM_MOUSEMOVE during a drag on the real picker dialog plus the repaint it causes,
// sent with the cursor standing on its point, as after a real move: the sampler reads
// the cursor to see that, and where the system scales the program it reads the pixel at
// the cursor's physical point. A second floor makes, per sample, exactly the Win32 calls
// a sample makes, directly: the awareness switch and the cursor reads, the pixel read,
// the five readout texts set, each copy button's readout read back, the button enabled
// and the default button asked for, and the swatch repainted, with no message dispatch
// around them. Tintlet and both floors take turns in rounds. Also the heap allocations
// the program's own code makes in a sample, and the copy buttons' image rebuild after a
// system colour change against the floor of loading their sixteen mapped glyphs and
// nothing else. Where the system scales the program, the rows say at which DPI, and the
// rebuild, which no scale changes, is left out.
//   sample_bench [SAMPLES] [ROUNDS]
#include "Clock.h"
#include "DpiSwitch.h"
#include "Goal.h"
#include "HeapCalls.h"
#include "Stripes.h"
#include "picker/PickerDlg.h"
#include "picker/Readout.h"
#include "res/resource.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <vector>

namespace
{
CWinApp theBenchApp;

int g_samples = 200;
int g_rounds = 11;

// Paints whatever the last sample invalidated, as the dialog's own loop would. The X
// server's echo of a cursor put can bring its move late: the rounds send their own.
void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
    {
        if (msg.message != WM_MOUSEMOVE)
            DispatchMessageW(&msg);
    }
}

// Stands the cursor on pt, as a real move leaves it, and drops the move that makes: the
// rounds send each sample's own. The X server's echo of an earlier put can bring the
// cursor back a moment later, so it is put until it stays put for a millisecond. Where the system scales the program,
// the cursor lands on a physical pixel that may read back one logical point off: pt becomes that point, the one a real
// move's message would carry.
void PutCursor(POINT& pt)
{
    POINT at = pt;
    for (int tries = 0; tries < 20; ++tries)
    {
        SetCursorPos(pt.x, pt.y);
        Sleep(1);
        if (GetCursorPos(&at) && abs(at.x - pt.x) <= 1 && abs(at.y - pt.y) <= 1)
            break;
    }
    pt = at;
    MSG msg;
    while (PeekMessageW(&msg, NULL, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE))
    {
    }
}

// Seconds per sample that sample(pt) takes over the walk, the cursor put on each point
// first, outside the time.
template <class Sample> double Walk(const Stripes& stripes, Sample sample)
{
    double t = 0;
    for (int i = 0; i < g_samples; ++i)
    {
        POINT pt = stripes.Point(i);
        PutCursor(pt);
        double t0 = Now();
        sample(pt);
        t += Now() - t0;
    }
    return t / g_samples;
}

double FloorRound(const Stripes& stripes)
{
    COLORREF sum = 0;
    double t = Walk(stripes, [&](POINT pt) {
        HDC dc = GetDC(NULL);
        sum += GetPixel(dc, pt.x, pt.y);
        ReleaseDC(NULL, dc);
    });
    return sum == 1 ? t * 2 : t; // keeps the reads from being dropped
}

const int kRebuilds = 20;
const int kRebuildRounds = 3;

double RebuildRound(HWND dialog)
{
    double t0 = Now();
    for (int i = 0; i < kRebuilds; ++i)
        SendMessageW(dialog, WM_SYSCOLORCHANGE, 0, 0);
    return (Now() - t0) / kRebuilds;
}

// Four buttons of four images, each a fresh mapped load of the glyph.
double GlyphLoadRound()
{
    COLORMAP map[3] = {{CCopyButton::crGlyphHighlight, GetSysColor(COLOR_BTNHIGHLIGHT)},
                       {CCopyButton::crGlyphFace, GetSysColor(COLOR_BTNFACE)},
                       {CCopyButton::crGlyphShadow, GetSysColor(COLOR_BTNSHADOW)}};
    double t0 = Now();
    for (int i = 0; i < kRebuilds; ++i)
        for (int image = 0; image < 16; ++image)
            DeleteObject(CreateMappedBitmap(GetModuleHandleW(NULL), IDB_COPY, 0, map, 3));
    return (Now() - t0) / kRebuilds;
}

double SampleRound(HWND dialog, const Stripes& stripes)
{
    return Walk(stripes, [&](POINT pt) {
        ScreenToClient(dialog, &pt);
        SendMessageW(dialog, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        Pump();
    });
}

class CBenchDlg : public CPickerDlg
{
public:
    int m_dpi = 0;
    std::vector<double> m_samples, m_floors, m_calls;
    std::vector<double> m_paintedRatios, m_callsRatios;
    double m_allocationsPerSample = -1;
    double m_rebuildMs = 0;
    double m_glyphLoadMs = 0;
    bool m_readoutOk = true;

protected:
    virtual BOOL OnInitDialog()
    {
        BOOL result = CPickerDlg::OnInitDialog();
        SetTimer(m_hWnd, 1, 0, Run);
        return result;
    }

private:
    SetThreadDpiAwarenessContextFn m_setContext = NULL;

    static void CALLBACK Run(HWND hwnd, UINT, UINT_PTR id, DWORD)
    {
        KillTimer(hwnd, id);
        CBenchDlg* self = static_cast<CBenchDlg*>(CWnd::FromHandlePermanent(hwnd));
        self->Measure();
        self->EndDialog(IDOK);
    }

    // Whether the HTML readout shows the colour of the walk's last point.
    bool LastReadoutOk(const Stripes& stripes)
    {
        wchar_t shown[32] = L"", expected[32];
        COLORREF cr = stripes.Color(g_samples - 1);
        swprintf(expected, 32, L"#%02X%02X%02X", GetRValue(cr), GetGValue(cr), GetBValue(cr));
        ::GetDlgItemTextW(m_hWnd, IDC_HTML, shown, 32);
        return wcscmp(shown, expected) == 0;
    }

    void Measure()
    {
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        Pump();
        Stripes stripes;
        if (!stripes.OnScreen())
            return;
        m_dpi = stripes.Dpi();
        m_setContext = FindSetThreadDpiAwarenessContext();
        RECT picker;
        ::GetWindowRect(m_wndPicker.m_hWnd, &picker);
        POINT centre = {(picker.left + picker.right) / 2, (picker.top + picker.bottom) / 2};
        ::ScreenToClient(m_hWnd, &centre);
        SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
        Pump();

        long allocations = HeapCalls::Count();
        SampleRound(m_hWnd, stripes);
        m_allocationsPerSample = double(HeapCalls::Count() - allocations) / g_samples;
        for (int r = 0; r < g_rounds; ++r)
        {
            m_samples.push_back(SampleRound(m_hWnd, stripes));
            m_readoutOk = m_readoutOk && LastReadoutOk(stripes);
            m_floors.push_back(FloorRound(stripes));
            m_calls.push_back(CallsRound(stripes));
            m_paintedRatios.push_back(m_samples.back() / m_floors.back());
            m_callsRatios.push_back(m_samples.back() / m_calls.back());
        }
        SendMessage(WM_LBUTTONUP, 0, 0);
        if (m_dpi != 96)
            return;

        std::vector<double> rebuilds, loads;
        for (int r = 0; r < kRebuildRounds; ++r)
        {
            rebuilds.push_back(RebuildRound(m_hWnd));
            loads.push_back(GlyphLoadRound());
        }
        m_rebuildMs = SpreadOf(rebuilds).median * 1e3;
        m_glyphLoadMs = SpreadOf(loads).median * 1e3;
    }

    double CallsRound(const Stripes& stripes)
    {
        const HWND buttons[] = {m_btnCopyDec.m_hWnd, m_btnCopyHex.m_hWnd, m_btnCopyColorref.m_hWnd,
                                m_btnCopyHtml.m_hWnd};
        CString strText;
        wchar_t readBack[32];
        return Walk(stripes, [&](POINT pt) {
            DPI_AWARENESS_CONTEXT previous =
                m_setContext ? m_setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) : NULL;
            if (m_setContext && previous == NULL)
                previous = m_setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
            if (previous != NULL)
            {
                POINT physical, cursor;
                BOOL read = ::GetCursorPos(&physical);
                m_setContext(previous);
                if (read && ::GetCursorPos(&cursor) && cursor.x == pt.x && cursor.y == pt.y)
                    pt = physical;
            }
            HDC dc = ::GetDC(NULL);
            COLORREF cr = ::GetPixel(dc, pt.x, pt.y);
            ::ReleaseDC(NULL, dc);
            for (int n = 0; n < kReadoutCount; ++n)
            {
                FormatReadout(Readout(n), cr, pt, strText);
                ::SetDlgItemTextW(m_hWnd, g_nReadoutIDs[n], strText);
            }
            for (int n = 0; n < 4; ++n)
            {
                HWND readout = ::GetDlgItem(m_hWnd, g_nReadoutIDs[n]);
                ::GetWindowTextLengthW(readout);
                ::EnableWindow(buttons[n], ::GetWindowTextW(readout, readBack, 32) != 0);
                ::SendMessageW(m_hWnd, DM_GETDEFID, 0, 0);
            }
            ::InvalidateRect(m_wndSwatch.m_hWnd, NULL, FALSE);
            Pump();
        });
    }
};
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc > 1)
        g_samples = std::max(1, _wtoi(argv[1]));
    if (argc > 2)
        g_rounds = std::max(1, _wtoi(argv[2]));
    if (!HeapCalls::Install())
        return fprintf(stderr, "sample_bench: cannot count heap allocations\n"), 1;
    CBenchDlg dlg;
    dlg.DoModal();
    if (dlg.m_samples.empty())
        return fprintf(stderr, "sample_bench: the stripes never showed on the screen\n"), 1;
    char scale[16] = "", label[32], goal[96];
    if (dlg.m_dpi != 96)
        snprintf(scale, sizeof scale, ", %d DPI", dlg.m_dpi);
    double sampleUs = SpreadOf(dlg.m_samples).median * 1e6;
    // A sample must rewrite five readouts, which Wine's static controls repaint at once:
    // against a bare pixel read there is no goal, against the same calls made directly
    // the framework's share has one.
    snprintf(label, sizeof label, "per sample, painted%s", scale);
    printf(
        "%-28s %10.1f us %10.1f us %8.2f   (floor: a bare pixel read; median of %d rounds x %d samples; readout %s)\n",
        label, sampleUs, SpreadOf(dlg.m_floors).median * 1e6, SpreadOf(dlg.m_paintedRatios).median, g_rounds, g_samples,
        dlg.m_readoutOk ? "OK" : "FAILED");
    Spread calls = SpreadOf(dlg.m_callsRatios);
    DescribeGoal(goal, sizeof goal, calls, 1.05, "");
    snprintf(label, sizeof label, "per sample, calls%s", scale);
    printf("%-28s %10.1f us %10.1f us %8.2f   (floor: the same Win32 calls, made directly; %s)\n", label, sampleUs,
           SpreadOf(dlg.m_calls).median * 1e6, calls.median, goal);
    if (dlg.m_dpi == 96)
        printf("%-28s %10.2f ms %10.2f ms %8.2f   (4 buttons x 4 images; median of %d x %d)\n",
               "image rebuild, colour change", dlg.m_rebuildMs, dlg.m_glyphLoadMs, dlg.m_rebuildMs / dlg.m_glyphLoadMs,
               kRebuildRounds, kRebuilds);
    snprintf(label, sizeof label, "heap allocs/sample%s", scale);
    printf("%-28s %10.1f                          (the program's own, through its HeapAlloc import; goal 0: %s)\n",
           label, dlg.m_allocationsPerSample, Verdict(dlg.m_allocationsPerSample == 0));
    return dlg.m_readoutOk ? 0 : 1;
}
