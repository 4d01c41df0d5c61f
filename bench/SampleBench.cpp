// The cost of one sample inside Tintlet against the floor of reading one screen pixel
// (GetDC, GetPixel, ReleaseDC), both over the same stripes in the same run. A sample is
// a WM_MOUSEMOVE during a drag on the real picker dialog plus the repaint it causes.
// Also the copy buttons' image rebuild after a system colour change, against the floor
// of loading their sixteen mapped glyphs and nothing else. A second floor does, per
// sample, only the Win32 calls a sample cannot do without: the pixel read, the five
// Win32 calls a sample makes, made directly: the pixel read, the five readout texts set,
// each copy button's readout read back, the button enabled and the default button asked
// for, and the swatch repainted, with no message dispatch around them. And the heap
// allocations the program's own code makes in a sample.
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
#include <cwchar>
#include <vector>

namespace
{
CWinApp theBenchApp;

int g_samples = 10000;
int g_rounds = 3;

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Paints whatever the last sample invalidated, as the dialog's own loop would.
void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

double FloorRound(const Stripes& stripes)
{
    double t0 = Now();
    COLORREF sum = 0;
    for (int i = 0; i < g_samples; ++i)
    {
        POINT pt = stripes.Point(i);
        HDC dc = GetDC(NULL);
        sum += GetPixel(dc, pt.x, pt.y);
        ReleaseDC(NULL, dc);
    }
    double t = Now() - t0;
    return sum == 1 ? t * 2 : t; // keeps the reads from being dropped
}

const int kRebuilds = 20;

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
    double t0 = Now();
    for (int i = 0; i < g_samples; ++i)
    {
        POINT pt = stripes.Point(i);
        ScreenToClient(dialog, &pt);
        SendMessageW(dialog, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        Pump();
    }
    return Now() - t0;
}

class CBenchDlg : public CPickerDlg
{
public:
    double m_sampleUs = 0;
    double m_floorUs = 0;
    double m_callsUs = 0;
    double m_allocationsPerSample = -1;
    double m_rebuildMs = 0;
    double m_glyphLoadMs = 0;
    bool m_readoutOk = false;

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

    void Measure()
    {
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        Pump();
        Stripes stripes(400, 300);
        if (!stripes.OnScreen())
            return;
        RECT picker;
        ::GetWindowRect(m_wndPicker.m_hWnd, &picker);
        POINT centre = {(picker.left + picker.right) / 2, (picker.top + picker.bottom) / 2};
        ::ScreenToClient(m_hWnd, &centre);
        SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
        Pump();

        std::vector<double> samples, floors, calls;
        long allocations = HeapCalls::Count();
        SampleRound(m_hWnd, stripes);
        m_allocationsPerSample = double(HeapCalls::Count() - allocations) / g_samples;
        for (int r = 0; r < g_rounds; ++r)
        {
            samples.push_back(SampleRound(m_hWnd, stripes));
            floors.push_back(FloorRound(stripes));
            calls.push_back(CallsRound(stripes));
        }
        m_sampleUs = Median(samples) * 1e6 / g_samples;
        m_floorUs = Median(floors) * 1e6 / g_samples;
        m_callsUs = Median(calls) * 1e6 / g_samples;

        wchar_t shown[32] = L"", expected[32];
        int last = g_samples - 1;
        COLORREF cr = stripes.Color(last);
        swprintf(expected, 32, L"#%02X%02X%02X", GetRValue(cr), GetGValue(cr), GetBValue(cr));
        ::GetDlgItemTextW(m_hWnd, IDC_HTML, shown, 32);
        m_readoutOk = wcscmp(shown, expected) == 0;
        SendMessage(WM_LBUTTONUP, 0, 0);

        std::vector<double> rebuilds, loads;
        for (int r = 0; r < g_rounds; ++r)
        {
            rebuilds.push_back(RebuildRound(m_hWnd));
            loads.push_back(GlyphLoadRound());
        }
        m_rebuildMs = Median(rebuilds) * 1e3;
        m_glyphLoadMs = Median(loads) * 1e3;
    }

    double CallsRound(const Stripes& stripes)
    {
        const HWND buttons[] = {m_btnCopyDec.m_hWnd, m_btnCopyHex.m_hWnd, m_btnCopyColorref.m_hWnd,
                                m_btnCopyHtml.m_hWnd};
        CString strText;
        wchar_t readBack[32];
        double t0 = Now();
        for (int i = 0; i < g_samples; ++i)
        {
            POINT pt = stripes.Point(i);
            HDC dc = ::GetDC(NULL);
            COLORREF cr = ::GetPixel(dc, pt.x, pt.y);
            ::ReleaseDC(NULL, dc);
            for (int n = 0; n < kReadoutCount; ++n)
            {
                FormatReadout(n, cr, pt, strText);
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
        return Now() - t0;
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
    if (dlg.m_floorUs <= 0)
        return fprintf(stderr, "sample_bench: the stripes never showed on the screen\n"), 1;
    // A sample must rewrite five readouts, which Wine's static controls repaint at once:
    // against a bare pixel read there is no goal, against the same calls made directly
    // the framework's share has one.
    printf("%-28s %10.1f us %10.1f us %8.2f   (floor: a bare pixel read; median of %d x %d samples; readout %s)\n",
           "per sample, painted", dlg.m_sampleUs, dlg.m_floorUs, dlg.m_sampleUs / dlg.m_floorUs, g_rounds, g_samples,
           dlg.m_readoutOk ? "OK" : "FAILED");
    double callsRatio = dlg.m_sampleUs / dlg.m_callsUs;
    printf("%-28s %10.1f us %10.1f us %8.2f   (floor: the same Win32 calls, made directly; goal <= 1.05: %s)\n",
           "per sample, against calls", dlg.m_sampleUs, dlg.m_callsUs, callsRatio, Verdict(callsRatio <= 1.05));
    printf("%-28s %10.2f ms %10.2f ms %8.2f   (4 buttons x 4 images; median of %d x %d)\n",
           "image rebuild, colour change", dlg.m_rebuildMs, dlg.m_glyphLoadMs, dlg.m_rebuildMs / dlg.m_glyphLoadMs,
           g_rounds, kRebuilds);
    printf("%-28s %10.1f                          (the program's own, through its HeapAlloc import; goal 0: %s)\n",
           "heap allocations per sample", dlg.m_allocationsPerSample, Verdict(dlg.m_allocationsPerSample == 0));
    return dlg.m_readoutOk ? 0 : 1;
}
