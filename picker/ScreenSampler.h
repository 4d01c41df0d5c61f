// Reads the screen pixel under the pipette. Tintlet declares no DPI awareness, so where
// the system scales it (Windows 8.1 and later, Wine 10) its mouse messages carry logical
// points while the screen's pixels stay physical: read as they come, they would hit a
// pixel nearer the top-left corner. A thread made per-monitor aware for a moment sees the
// cursor's own physical point. Windows before 10 version 1607 has no such switch, and
// there points are read as they come.
#pragma once

#include "afxwin.h"

class CScreenSampler
{
public:
    // Finds the awareness switch at run time: importing it would keep Tintlet from
    // loading on older Windows.
    CScreenSampler();

    // Reads the pixel that ptScreen, the screen point of a mouse message, stands for and
    // makes ptScreen that pixel's physical point. While the cursor still stands on
    // ptScreen its physical point is read, so that every physical pixel of a scaled point
    // can be reached; a point the cursor has left, or never stood on, is read as it is.
    COLORREF Sample(CPoint& ptScreen) const;

private:
    typedef DPI_AWARENESS_CONTEXT(WINAPI* PFNSETTHREADDPIAWARENESSCONTEXT)(DPI_AWARENESS_CONTEXT);

    // The cursor's physical point, if the cursor stands on ptLogical.
    bool PhysicalCursorAt(CPoint ptLogical, CPoint& ptPhysical) const;

    PFNSETTHREADDPIAWARENESSCONTEXT m_pfnSetThreadDpiAwarenessContext; // NULL before Windows 10 1607
};
