#include "picker/Readout.h"

#include "res/resource.h"

const int g_nReadoutIDs[kReadoutCount] = {IDC_RGB_DEC, IDC_RGB_HEX, IDC_COLORREF, IDC_HTML, IDC_COORDINATES};

void FormatReadout(Readout readout, COLORREF cr, POINT pt, CString& strText)
{
    // The top byte plays no part in the channels: a failed read, 0xFFFFFFFF, shows as
    // white in three of the texts and only the COLORREF text tells it apart.
    int red = cr & 0xFF;
    int green = (cr >> 8) & 0xFF;
    int blue = (cr >> 16) & 0xFF;
    switch (readout)
    {
    case kReadoutRgbDec:
        strText.Format(L"%d, %d, %d", red, green, blue);
        break;
    case kReadoutRgbHex:
        strText.Format(L"%02X, %02X, %02X", red, green, blue);
        break;
    case kReadoutColorref:
        strText.Format(L"%08X", (unsigned)cr);
        break;
    case kReadoutHtml:
        strText.Format(L"#%02X%02X%02X", red, green, blue);
        break;
    case kReadoutCoordinates:
        strText.Format(L"%d, %d", (int)pt.x, (int)pt.y);
        break;
    }
}
