#include "picker/ScreenSampler.h"

CScreenSampler::CScreenSampler()
{
    m_pfnSetThreadDpiAwarenessContext = (PFNSETTHREADDPIAWARENESSCONTEXT)(void*)::GetProcAddress(
        ::GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext");
}

COLORREF CScreenSampler::Sample(CPoint& ptScreen) const
{
    CPoint ptPhysical;
    if (PhysicalCursorAt(ptScreen, ptPhysical))
        ptScreen = ptPhysical;
    CClientDC dcScreen(NULL);
    return ::GetPixel(dcScreen.m_hDC, ptScreen.x, ptScreen.y);
}

bool CScreenSampler::PhysicalCursorAt(CPoint ptLogical, CPoint& ptPhysical) const
{
    if (m_pfnSetThreadDpiAwarenessContext == NULL)
        return false;
    // Version 2 came with Windows 10 1703 (Wine 8 lacks it too); 1607 has the first.
    DPI_AWARENESS_CONTEXT previous = m_pfnSetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (previous == NULL)
        previous = m_pfnSetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    if (previous == NULL)
        return false;
    BOOL bRead = ::GetCursorPos(&ptPhysical);
    m_pfnSetThreadDpiAwarenessContext(previous);
    // Read second, so that a cursor moved on in between shows as a mismatch.
    POINT ptCursor;
    return bRead && ::GetCursorPos(&ptCursor) && ptCursor.x == ptLogical.x && ptCursor.y == ptLogical.y;
}
