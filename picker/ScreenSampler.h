// Reads the screen pixel under the pipette. Tintlet declares no DPI awareness, so where
// the system scales it (Windows 8.1 and later, Wine 10) its mouse messages carry logical
// points while the screen's pixels stay physical: read as they come, they would hit a
// pixel nearer the top-left corner. Each point is mapped onto the physical pixels of its
// monitor, and where the cursor still stands on the point, a thread made per-monitor
// aware for a moment sees the cursor's own physical pixel, so that every physical pixel
// of a scaled point can be reached.
#pragma once

#include "afxwin.h"

class CScreenSampler
{
public:
    // One pixel read: its colour and its physical screen point.
    struct CSample
    {
        COLORREF cr;
        CPoint point;
    };

    // Finds the awareness switch at run time: importing it would keep Tintlet from
    // loading before Windows 10 1607.
    CScreenSampler();

    // Forgets the monitor of the last sample, as the displays may have changed since.
    void Reset();
    // Reads the pixel that ptLogical, the screen point of a mouse message, stands for.
    // While the cursor stands on ptLogical that is the cursor's own physical pixel; once
    // it has moved on, the middle one of the physical pixels ptLogical covers, within
    // one pixel of wherever the tip was in it.
    CSample Sample(CPoint ptLogical);

protected:
    typedef DPI_AWARENESS_CONTEXT(WINAPI* PFNSETTHREADDPIAWARENESSCONTEXT)(DPI_AWARENESS_CONTEXT);

    // NULL before Windows 10 1607; a test's subclass clears it to sample as there.
    PFNSETTHREADDPIAWARENESSCONTEXT m_pfnSetThreadDpiAwarenessContext;

private:
    // Learns how the monitor under ptLogical maps its points onto its pixels.
    void MapMonitorOf(CPoint ptLogical);
    CPoint ToPhysical(CPoint ptLogical) const;
    // The cursor's physical point, if the cursor stands on ptLogical.
    bool PhysicalCursorAt(CPoint ptLogical, CPoint& ptPhysical) const;

    CRect m_rcLogical;  // the monitor of the last sample, in this program's points
    CRect m_rcPhysical; // the same monitor in the screen's pixels
};
