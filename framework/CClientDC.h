// GetDC on construction, ReleaseDC on destruction: a window's client area, or the
// whole screen for a NULL window.
#pragma once
#include "CDC.h"

class CWnd;

class CClientDC : public CDC
{
public:
    explicit CClientDC(CWnd* pWnd);
    virtual ~CClientDC();

protected:
    HWND m_hWnd;
};
