// The switch is declared for Windows 10 and later only: this file sees that declaration,
// so that the pointer it is called through is checked against it, calling convention
// included. Nothing here may call a function newer than Windows 7 directly.
#undef WINVER
#define WINVER 0x0605
#include "picker/ScreenSampler.h"

#include <type_traits>

CScreenSampler::CScreenSampler()
    : m_pfnSetThreadDpiAwarenessContext(reinterpret_cast<PFNSETTHREADDPIAWARENESSCONTEXT>(
          reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext"))))
{
    static_assert(std::is_same<PFNSETTHREADDPIAWARENESSCONTEXT, decltype(&::SetThreadDpiAwarenessContext)>::value,
                  "the switch must be called through its declared type");
}

void CScreenSampler::Reset()
{
    m_rcLogical = CRect();
    m_rcPhysical = CRect();
}

CScreenSampler::CSample CScreenSampler::Sample(CPoint ptLogical)
{
    if (!m_rcLogical.PtInRect(ptLogical))
        MapMonitorOf(ptLogical);
    CSample sample;
    sample.point = ptLogical;
    // Unscaled, the point is the pixel: nothing more to ask.
    if (!::EqualRect(m_rcLogical, m_rcPhysical) && !PhysicalCursorAt(ptLogical, sample.point))
        sample.point = ToPhysical(ptLogical);
    CClientDC dcScreen(NULL);
    sample.cr = ::GetPixel(dcScreen.m_hDC, sample.point.x, sample.point.y);
    return sample;
}

void CScreenSampler::MapMonitorOf(CPoint ptLogical)
{
    // Outside every monitor the point is read as it is, and the next one looks again.
    Reset();
    MONITORINFOEXW info;
    info.cbSize = sizeof info;
    DEVMODEW mode;
    mode.dmSize = sizeof mode;
    mode.dmDriverExtra = 0;
    // The monitor's rectangle comes scaled as this program sees it; its display mode, which
    // no scaling touches, gives its place and size in pixels.
    HMONITOR hMonitor = ::MonitorFromPoint(ptLogical, MONITOR_DEFAULTTONULL);
    if (hMonitor == NULL || !::GetMonitorInfoW(hMonitor, &info) ||
        !::EnumDisplaySettingsW(info.szDevice, ENUM_CURRENT_SETTINGS, &mode))
        return;
    m_rcLogical = info.rcMonitor;
    m_rcPhysical = CRect(mode.dmPosition.x, mode.dmPosition.y, mode.dmPosition.x + (int)mode.dmPelsWidth,
                         mode.dmPosition.y + (int)mode.dmPelsHeight);
}

CPoint CScreenSampler::ToPhysical(CPoint ptLogical) const
{
    // The system rounds a pixel to its nearest point, so the point's own place, scaled and
    // rounded, is the middle of the pixels it covers.
    return CPoint(
        m_rcPhysical.left + ::MulDiv(ptLogical.x - m_rcLogical.left, m_rcPhysical.Width(), m_rcLogical.Width()),
        m_rcPhysical.top + ::MulDiv(ptLogical.y - m_rcLogical.top, m_rcPhysical.Height(), m_rcLogical.Height()));
}

bool CScreenSampler::PhysicalCursorAt(CPoint ptLogical, CPoint& ptPhysical) const
{
    if (m_pfnSetThreadDpiAwarenessContext == NULL)
        return false;
    // The first version, which 1607 has, sees the cursor as the second does.
    DPI_AWARENESS_CONTEXT previous = m_pfnSetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    if (previous == NULL)
        return false;
    POINT ptAware, ptCursor;
    BOOL bRead = ::GetCursorPos(&ptAware);
    m_pfnSetThreadDpiAwarenessContext(previous);
    // Read second, so that a cursor moved on in between shows as a mismatch.
    if (!bRead || !::GetCursorPos(&ptCursor) || ptCursor.x != ptLogical.x || ptCursor.y != ptLogical.y)
        return false;
    ptPhysical = ptAware;
    return true;
}
