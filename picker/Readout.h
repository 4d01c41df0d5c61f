// The five texts a sample is shown as. Every readout text of the program is made here.
#pragma once

#include "afxwin.h"

enum
{
    kReadoutCount = 5
};

// The readout controls, in the order they are written.
extern const int g_nReadoutIDs[kReadoutCount];

// Formats readout nIndex (0 to kReadoutCount - 1) of colour cr read at screen point pt
// into strText, whose buffer is reused.
void FormatReadout(int nIndex, COLORREF cr, POINT pt, CString& strText);
