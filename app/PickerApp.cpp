#include "app/PickerApp.h"

#include "picker/PickerDlg.h"

CPickerApp theApp;

CPickerApp::CPickerApp()
    : CWinApp(NULL)
{
}

BEGIN_MESSAGE_MAP(CPickerApp, CWinApp)
END_MESSAGE_MAP()

BOOL CPickerApp::InitInstance()
{
    Enable3dControls();
    {
        CPickerDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
    }
    // The dialog is gone; nothing may reach it through the main-window pointer.
    m_pMainWnd = NULL;
    // FALSE ends the process without entering a message loop of the application's own.
    return FALSE;
}
