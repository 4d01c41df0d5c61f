// The cost of one sample inside Tintlet against the floor of reading one screen pixel
// (GetDC, GetPixel, ReleaseDC), both over the same stripes in the same run. A sample is
// a WM_MOUSEMOVE during a drag on the real picker dialog plus the repaint it causes. At
// rest, it is sent with the cursor standing on its point, as after a real move; moving,
// with the cursor gone on to the next point, as in a fast drag, where the move's point
// has been left behind before its message is read. A second floor makes, per sample,
// the calls any sample needs and none of the sampler's own: the pixel read at the
// screen pixel the sample reads (found before the timed part), the five readout texts
// set, each copy button's readout read back, the button enabled and the default button
// asked for, and the swatch repainted, with no message dispatch around them; against it
// the sample shows what the sampler adds (its cursor reads, awareness switch, monitor
// check and mapping). Tintlet and the floors take turns at every point of a walk, in
// rounds; every sample's readout is checked. Also the heap allocations the program's
// own code makes in a sample, and the copy buttons' image rebuild after a system colour
// change against the floor of loading their sixteen mapped glyphs and nothing else.
// Where the system scales the program, the rows say at which DPI, and the rebuild,
// which no scale changes, is left out.
//   sample_bench [SAMPLES] [ROUNDS]
#include "Clock.h"
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
#include <functional>
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

// Where the cursor stands when a sample's message is sent.
enum class Cursor
{
    OnPoint, // on the message's point, as after a real move
    MovedOn, // on the walk's next point: the message's point is left behind
};

// The floor of a sample: one screen pixel read.
void ReadPixel(POINT pixel)
{
    HDC dc = GetDC(NULL);
    GetPixel(dc, pixel.x, pixel.y);
    ReleaseDC(NULL, dc);
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

class CBenchDlg : public CPickerDlg
{
public:
    int m_dpi = 0;
    std::vector<double> m_samples, m_floors, m_calls, m_movingSamples, m_movingCalls;
    std::vector<double> m_paintedRatios, m_callsRatios, m_movingRatios;
    long m_allocations = 0;
    long m_samplesCounted = 0;
    double m_rebuildMs = 0;
    double m_glyphLoadMs = 0;
    bool m_readoutOk = true;
    bool m_movingReadoutOk = true;

protected:
    virtual BOOL OnInitDialog()
    {
        BOOL result = CPickerDlg::OnInitDialog();
        SetTimer(m_hWnd, 1, 0, Run);
        return result;
    }

private:
    static void CALLBACK Run(HWND hwnd, UINT, UINT_PTR id, DWORD)
    {
        KillTimer(hwnd, id);
        CBenchDlg* self = static_cast<CBenchDlg*>(CWnd::FromHandlePermanent(hwnd));
        self->Measure();
        self->EndDialog(IDOK);
    }

    // Whether the HTML readout shows the colour of the walk's point i. Moving, the cursor
    // stands on the next stripe, whose colour differs: a read at the cursor fails.
    bool ReadoutShows(const Stripes& stripes, int i)
    {
        wchar_t shown[32] = L"", expected[32];
        COLORREF cr = stripes.Color(i);
        swprintf(expected, 32, L"#%02X%02X%02X", GetRValue(cr), GetGValue(cr), GetBValue(cr));
        ::GetDlgItemTextW(m_hWnd, IDC_HTML, shown, 32);
        return wcscmp(shown, expected) == 0;
    }

    // Seconds per sample over one walk: Tintlet's first, then each floor's. They take
    // turns at every point (Tintlet first at even points, last at odd ones), so that all
    // see the machine as it is at that moment. Outside the time the cursor is put, the
    // pixel that the point covers worked out, and Tintlet's readout checked and heap
    // allocations counted.
    std::vector<double> Round(const Stripes& stripes, Cursor cursor,
                              const std::vector<std::function<void(POINT)>>& floors, bool& readoutOk)
    {
        std::vector<double> t(floors.size() + 1);
        for (int i = 0; i < g_samples; ++i)
        {
            POINT pt = stripes.Point(i);
            PutCursor(pt);
            if (cursor == Cursor::MovedOn)
            {
                POINT next = stripes.Point(i + 1);
                PutCursor(next);
            }
            POINT pixel = stripes.Pixel(pt);
            for (size_t turn = 0; turn < t.size(); ++turn)
            {
                size_t k = i % 2 ? t.size() - 1 - turn : turn;
                long allocations = HeapCalls::Count();
                double t0 = Now();
                if (k == 0)
                    Sample(pt);
                else
                    floors[k - 1](pixel);
                t[k] += Now() - t0;
                if (k == 0)
                {
                    m_allocations += HeapCalls::Count() - allocations;
                    ++m_samplesCounted;
                    readoutOk = readoutOk && ReadoutShows(stripes, i);
                }
            }
        }
        for (double& each : t)
            each /= g_samples;
        return t;
    }

    void Sample(POINT pt)
    {
        ::ScreenToClient(m_hWnd, &pt);
        ::SendMessageW(m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        Pump();
    }

    // A sample's calls with none of the sampler's own, at the pixel it reads.
    void Calls(POINT pixel)
    {
        const HWND buttons[] = {m_btnCopyDec.m_hWnd, m_btnCopyHex.m_hWnd, m_btnCopyColorref.m_hWnd,
                                m_btnCopyHtml.m_hWnd};
        CString strText;
        wchar_t readBack[32];
        HDC dc = ::GetDC(NULL);
        COLORREF cr = ::GetPixel(dc, pixel.x, pixel.y);
        ::ReleaseDC(NULL, dc);
        for (int n = 0; n < kReadoutCount; ++n)
        {
            FormatReadout(Readout(n), cr, pixel, strText);
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
    }

    void Measure()
    {
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        Pump();
        Stripes stripes;
        if (!stripes.OnScreen())
            return;
        m_dpi = stripes.Dpi();
        RECT picker;
        ::GetWindowRect(m_wndPicker.m_hWnd, &picker);
        POINT centre = {(picker.left + picker.right) / 2, (picker.top + picker.bottom) / 2};
        ::ScreenToClient(m_hWnd, &centre);
        SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
        Pump();

        auto calls = [this](POINT pixel) { Calls(pixel); };
        for (int r = 0; r < g_rounds; ++r)
        {
            std::vector<double> rest = Round(stripes, Cursor::OnPoint, {ReadPixel, calls}, m_readoutOk);
            std::vector<double> moving = Round(stripes, Cursor::MovedOn, {calls}, m_movingReadoutOk);
            m_samples.push_back(rest[0]);
            m_floors.push_back(rest[1]);
            m_calls.push_back(rest[2]);
            m_movingSamples.push_back(moving[0]);
            m_movingCalls.push_back(moving[1]);
            m_paintedRatios.push_back(rest[0] / rest[1]);
            m_callsRatios.push_back(rest[0] / rest[2]);
            m_movingRatios.push_back(moving[0] / moving[1]);
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
    // against a bare pixel read there is no goal. Against the same pixel read and
    // readouts made directly, what is left is the sampler's own work and the message's
    // dispatch: unscaled the sampler makes no call of its own, and 2 % of a sample is
    // many times what a dispatch costs; scaled, its cursor reads, awareness switch and
    // mapping may cost 5 %.
    const double goalRatio = dlg.m_dpi == 96 ? 1.02 : 1.05;
    snprintf(label, sizeof label, "per sample, painted%s", scale);
    printf(
        "%-28s %10.1f us %10.1f us %8.2f   (floor: a bare pixel read; median of %d rounds x %d samples; readouts %s)\n",
        label, sampleUs, SpreadOf(dlg.m_floors).median * 1e6, SpreadOf(dlg.m_paintedRatios).median, g_rounds, g_samples,
        dlg.m_readoutOk ? "OK" : "FAILED");
    Spread calls = SpreadOf(dlg.m_callsRatios);
    DescribeGoal(goal, sizeof goal, calls, goalRatio, "");
    snprintf(label, sizeof label, "per sample, at rest%s", scale);
    printf("%-28s %10.1f us %10.1f us %8.2f   (floor: the pixel read and readouts, none of the sampler's calls; %s)\n",
           label, sampleUs, SpreadOf(dlg.m_calls).median * 1e6, calls.median, goal);
    Spread moving = SpreadOf(dlg.m_movingRatios);
    DescribeGoal(goal, sizeof goal, moving, goalRatio, "");
    snprintf(label, sizeof label, "per sample, moving%s", scale);
    printf("%-28s %10.1f us %10.1f us %8.2f   (the cursor gone on to the next point; readouts %s; %s)\n", label,
           SpreadOf(dlg.m_movingSamples).median * 1e6, SpreadOf(dlg.m_movingCalls).median * 1e6, moving.median,
           dlg.m_movingReadoutOk ? "OK" : "FAILED", goal);
    if (dlg.m_dpi == 96)
        printf("%-28s %10.2f ms %10.2f ms %8.2f   (4 buttons x 4 images; median of %d x %d)\n",
               "image rebuild, colour change", dlg.m_rebuildMs, dlg.m_glyphLoadMs, dlg.m_rebuildMs / dlg.m_glyphLoadMs,
               kRebuildRounds, kRebuilds);
    snprintf(label, sizeof label, "heap allocs/sample%s", scale);
    printf("%-28s %10.1f                          (the program's own, through its HeapAlloc import; goal 0: %s)\n",
           label, double(dlg.m_allocations) / dlg.m_samplesCounted, Verdict(dlg.m_allocations == 0));
    return dlg.m_readoutOk && dlg.m_movingReadoutOk ? 0 : 1;
}
