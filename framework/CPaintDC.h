// BeginPaint on construction, EndPaint on destruction.
#pragma once
#include "CDC.h"

class CWnd;

class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* pWnd);
    virtual ~CPaintDC();

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};
