// The five texts a sample is shown as. Every readout text of the program is made here.
#pragma once

#include "afxwin.h"

// The readouts in the order they are written, top to bottom in the dialog.
enum Readout
{
    kReadoutRgbDec,
    kReadoutRgbHex,
    kReadoutColorref,
    kReadoutHtml,
    kReadoutCoordinates
};
const int kReadoutCount = kReadoutCoordinates + 1;

// The control that shows each readout.
extern const int g_nReadoutIDs[kReadoutCount];

// Formats the readout of colour cr read at screen point pt into strText, whose buffer is
// reused.
void FormatReadout(Readout readout, COLORREF cr, POINT pt, CString& strText);
