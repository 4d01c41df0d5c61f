// The modal About box: the application icon, the version and copyright lines, and the
// home-page address drawn as a link. Built afresh for every opening.
#pragma once

#include "afxwin.h"
#include "controls/HyperLink.h"

class CAboutDlg : public CDialog
{
public:
    CAboutDlg();
    virtual ~CAboutDlg();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    DECLARE_MESSAGE_MAP()

    CHyperLink m_wndLink;
};
