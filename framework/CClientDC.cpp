#include "CClientDC.h"

#include "CWnd.h"

CClientDC::CClientDC(CWnd* pWnd)
    : m_hWnd(pWnd ? pWnd->m_hWnd : NULL)
{
    m_hDC = ::GetDC(m_hWnd);
}

CClientDC::~CClientDC()
{
    if (m_hDC)
        ::ReleaseDC(m_hWnd, m_hDC);
    // The DC went back to the system; CDC's destructor must not delete it.
    m_hDC = NULL;
}
