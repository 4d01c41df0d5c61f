// A static control.
#pragma once
#include "CWnd.h"

class CStatic : public CWnd
{
public:
    CStatic();

    // Returns the previous icon.
    HICON SetIcon(HICON hIcon);
};
