// What DoDataExchange works on: the dialog and the direction of the exchange.
#pragma once
#include <windows.h>

class CWnd;

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Subclasses the dialog's control nIDC with rControl, once.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
