// Where windows are on the screen, and where Tintlet's dialog has its pipette.
#pragma once
#include <windows.h>

// The centre of a window on the screen.
POINT CentreOf(HWND hwnd);
// The centre of the pipette of Tintlet's dialog, on the screen.
POINT PickerCentre(HWND dialog);
// Moves Tintlet's dialog (of any process) so that its pipette's centre is at screen
// point pt, for tests that read coordinates back; false if it did not get there.
bool PlacePickerAt(HWND dialog, POINT pt);
