// What DoDataExchange works on: the dialog whose controls it attaches.
#pragma once
#include <windows.h>

class CWnd;

class CDataExchange
{
public:
    explicit CDataExchange(CWnd* pDlgWnd);

    CWnd* m_pDlgWnd;
};

// Subclasses the dialog's control nIDC with rControl, once.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
