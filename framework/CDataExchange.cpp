#include "CDataExchange.h"

#include "CWnd.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd)
    : m_pDlgWnd(pDlgWnd)
{
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (!rControl.m_hWnd)
        rControl.SubclassDlgItem(nIDC, pDX->m_pDlgWnd);
}
