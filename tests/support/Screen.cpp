#include "support/Screen.h"

#include "res/resource.h"
#include "support/Pump.h"

POINT CentreOf(HWND hwnd)
{
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

POINT PickerCentre(HWND dialog)
{
    return CentreOf(GetDlgItem(dialog, IDC_PICKER));
}

bool PlacePickerAt(HWND dialog, POINT pt)
{
    POINT now = PickerCentre(dialog);
    RECT rc;
    GetWindowRect(dialog, &rc);
    SetWindowPos(dialog, NULL, rc.left + pt.x - now.x, rc.top + pt.y - now.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    bool there = PumpUntil(
        [&] {
            now = PickerCentre(dialog);
            return now.x == pt.x && now.y == pt.y;
        },
        2000);
    PumpMessages(100); // repainted where it went
    return there;
}
